#include "InkDisplay.h"

#include "CSpy.h"
#include "CartridgeKinds.h"
#include "InkTank.h"
#include "Links.h"

#include <algorithm>

BOOL CGUIInkDisplay::IsItBlack(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::Black;
}

BOOL CGUIInkDisplay::IsItCMY(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::Cmy;
}

BOOL CGUIInkDisplay::IsItKCM(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::Kcm;
}

BOOL CGUIInkDisplay::IsItALTCMY(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::AltCmy;
}

BOOL CGUIInkDisplay::IsItValid(DWORD id) {
    CartridgeKind kind = KindOfCartridge(id);
    return kind != CartridgeKind::Missing && kind != CartridgeKind::Invalid;
}

BOOL CGUIInkDisplay::IsItInvalid(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::Invalid;
}

BOOL CGUIInkDisplay::IsItMissing(DWORD id) {
    return KindOfCartridge(id) == CartridgeKind::Missing;
}

BOOL CGUIInkDisplay::IsItUnidentified(DWORD id) {
    return id == QOR_CART_UNIDENTIFIED;
}

InkColor CGUIInkDisplay::WhatIsIt(DWORD id) {
    switch (KindOfCartridge(id)) {
    case CartridgeKind::Black:
        return BLACK;
    case CartridgeKind::Cmy:
    case CartridgeKind::AltCmy:
        return COLOR;
    case CartridgeKind::Kcm:
        return PHOTO;
    default:
        return NOINK;
    }
}

bool CGUIInkDisplay::HasPosition(int position) const {
    if (!m_pInk || (position != LEFT && position != RIGHT))
        return false;
    return position == LEFT || m_pInk->dwCarrierType != QOR_CARRIER_SINGLE;
}

bool CGUIInkDisplay::GetCartridgeId(int type, int position, DWORD& id) const {
    if (!HasPosition(position))
        return false;
    if (type == PHYSICAL)
        id = position == LEFT ? m_pInk->PhyCartID1 : m_pInk->PhyCartID2;
    else if (type == LOGICAL)
        id = position == LEFT ? m_pInk->LogCartID1 : m_pInk->LogCartID2;
    else
        return false;
    return true;
}

template <typename Predicate>
BOOL CGUIInkDisplay::AtPosition(int type, int position, Predicate test) const {
    DWORD id = 0;
    return GetCartridgeId(type, position, id) && test(id);
}

BOOL CGUIInkDisplay::IsItBlack(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItBlack(id); });
}

BOOL CGUIInkDisplay::IsItCMY(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItCMY(id); });
}

BOOL CGUIInkDisplay::IsItKCM(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItKCM(id); });
}

BOOL CGUIInkDisplay::IsItALTCMY(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItALTCMY(id); });
}

BOOL CGUIInkDisplay::IsItValid(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItValid(id); });
}

BOOL CGUIInkDisplay::IsItInvalid(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItInvalid(id); });
}

BOOL CGUIInkDisplay::IsItMissing(int type, int position) const {
    return AtPosition(type, position, [](DWORD id) { return IsItMissing(id); });
}

BOOL CGUIInkDisplay::IsItWrongPosition(int type, int position) const {
    if (!m_pInk || m_pInk->dwCarrierType == QOR_CARRIER_SINGLE)
        return FALSE;
    return AtPosition(type, position, [position](DWORD id) {
        return position == LEFT ? BelongsRight(id) : BelongsLeft(id);
    });
}

BOOL CGUIInkDisplay::AreTheySwapped(int type) const {
    return IsItWrongPosition(type, LEFT) && IsItWrongPosition(type, RIGHT);
}

BOOL CGUIInkDisplay::AreAnyMissing(int type) const {
    return IsItMissing(type, LEFT) || IsItMissing(type, RIGHT);
}

BOOL CGUIInkDisplay::AreAnyKCM(int type) const {
    return IsItKCM(type, LEFT) || IsItKCM(type, RIGHT);
}

BOOL CGUIInkDisplay::AnyForceAlignSet() const {
    if (!m_pInk)
        return FALSE;
    return m_pInk->bAlignCart1 == QOR_ALIGN_MANDATORY ||
           (HasPosition(RIGHT) && m_pInk->bAlignCart2 == QOR_ALIGN_MANDATORY);
}

BOOL CGUIInkDisplay::AnyOptionalAlignSet() const {
    if (!m_pInk)
        return FALSE;
    return m_pInk->bAlignCart1 == QOR_ALIGN_OPTIONAL ||
           (HasPosition(RIGHT) && m_pInk->bAlignCart2 == QOR_ALIGN_OPTIONAL);
}

BOOL CGUIInkDisplay::InitializeInkTanks(int count, CGUIInkTank* const tanks[], int bitmapType) {
    if (count < 0 || count > kMaxTanks || (count > 0 && !tanks))
        return FALSE;
    m_tankCount = count;
    m_bitmapType = bitmapType;
    for (int i = 0; i < kMaxTanks; ++i)
        m_tanks[i] = i < count ? tanks[i] : nullptr;
    for (int i = 0; i < count; ++i) {
        if (m_tanks[i])
            m_tanks[i]->ShowCaption(bitmapType != 0);
    }
    RefreshTanks();
    return TRUE;
}

BOOL CGUIInkDisplay::InitializeInkTanks(std::initializer_list<CGUIInkTank*> tanks, int bitmapType) {
    return InitializeInkTanks(static_cast<int>(tanks.size()), tanks.begin(), bitmapType);
}

void CGUIInkDisplay::UpdateInkLevels(INKINFO* ink) {
    if (ink)
        m_pInk = ink;
    RefreshTanks();
}

void CGUIInkDisplay::RefreshTanks() {
    for (int slot = 0; slot < m_tankCount; ++slot) {
        CGUIInkTank* tank = m_tanks[slot];
        if (!tank)
            continue;
        if (!m_pInk) {
            tank->SetInk(TankLook::Empty, 0);
        } else if (m_pInk->dwCarrierType == QOR_CARRIER_INK_TANKS) {
            // Separate tanks: black, cyan, magenta, yellow.
            static constexpr TankLook kTankLooks[] = {TankLook::Black, TankLook::Cyan,
                                                      TankLook::Magenta, TankLook::Yellow};
            const LONG levels[] = {m_pInk->nBlackLevel, m_pInk->nColorLevel1, m_pInk->nColorLevel2,
                                   m_pInk->nColorLevel3};
            if (slot < 4)
                tank->SetInk(kTankLooks[slot], levels[slot]);
            else
                tank->SetInk(TankLook::Empty, 0);
        } else if (slot == LEFT || (slot == RIGHT && HasPosition(RIGHT))) {
            tank->SetCartridge(slot == LEFT ? m_pInk->LogCartID1 : m_pInk->LogCartID2, m_pInk);
        } else {
            tank->SetInk(TankLook::Empty, 0);
        }
    }
}

void CGUIInkDisplay::DrawTanks(HDC dc) {
    if (!dc)
        return;
    for (int slot = 0; slot < m_tankCount; ++slot) {
        if (m_tanks[slot])
            m_tanks[slot]->Draw(dc);
    }
}

BOOL CGUIInkDisplay::LaunchReorderInkApp(BOOL addLocale) {
    CSpy spy;
    spy.OutputData("CGUIInkDisplay::LaunchReorderInkApp()");
    CString address = CGUIUrlLink::BuildAddress("IDO_SUPPLIES_SUBURL", m_pInk, addLocale);
    if (address.IsEmpty()) {
        spy.OutputData("no supplies address");
        return FALSE;
    }
    spy.OutputData(address);
    return CGUIUrlLink::GotoURL(address);
}
