// The ink display: answers what the cartridges of an ink record are and where they sit, and draws
// the ink levels into the tanks (CGUIInkTank) of a page.
//
// Cartridge kinds by id are those of CartridgeKinds.h (photo: black-cyan-magenta photo inks).
// Every id not listed there is invalid: 16, 0 (no id reported: the change path turns a physical 0
// into 32 before it asks) and 999. An unidentified cartridge (999) is sensed but cannot
// be printed or aligned with, so it is neither valid nor missing: the carrier state counts it as
// an invalid cartridge and the wizard asks for it to be replaced; only its picture is its own.
//
// Position 1 (LEFT) holds the colour cartridge (CMY or ALTCMY), position 2 (RIGHT) the black or
// photo cartridge. A one-position carrier (dwCarrierType 3) has no position 2: every question
// about it answers 0 and its fields are never read. Without an ink record every question about
// the record answers 0.
#pragma once

#include "UtilApi.h"

#include <initializer_list>
#include <qor.h>
#include <windows.h>

class CGUIInkTank;

enum CartIDType { PHYSICAL = 0, LOGICAL = 1 };
enum CartPosition { LEFT = 0, RIGHT = 1 };
enum InkColor { BLACK = 0, COLOR = 4, PHOTO = 5, NOINK = 6 };

class VQTRUTIL_API CGUIInkDisplay {
public:
    static constexpr int kMaxTanks = 8;

    CGUIInkDisplay() = default;
    explicit CGUIInkDisplay(INKINFO* ink) : m_pInk(ink) {}
    CGUIInkDisplay(const CGUIInkDisplay&) = delete;
    CGUIInkDisplay& operator=(const CGUIInkDisplay&) = delete;

    // The record the questions and the tanks read; not owned, read at every question, so that
    // rewritten ids are seen at once.
    void SetInkInfo(INKINFO* ink) { m_pInk = ink; }
    INKINFO* GetInkInfo() const { return m_pInk; }
    // Takes a new record (null keeps the old one) and redraws the tanks whose ink changed.
    void UpdateInkLevels(INKINFO* ink);

    // Binds the page's tanks (owned by the page) in slot order. With an ink-tank printer
    // (dwCarrierType 1) slot 0 shows the black ink, slots 1 to 3 cyan, magenta and yellow; with
    // cartridges slot 0 shows the cartridge of position 1, slot 1 that of position 2, and further
    // slots stay empty. bitmapType 1 draws each tank with its percentage caption, 0 without.
    // Null tanks are skipped; more than kMaxTanks are refused.
    BOOL InitializeInkTanks(int count, CGUIInkTank* const tanks[], int bitmapType);
    BOOL InitializeInkTanks(std::initializer_list<CGUIInkTank*> tanks, int bitmapType);
    int GetTankCount() const { return m_tankCount; }
    // Draws every bound tank into a page's device context (a memory DC of the page's client
    // area) at the tank control's place.
    void DrawTanks(HDC dc);

    // Kinds of one id.
    static BOOL IsItBlack(DWORD id);
    static BOOL IsItCMY(DWORD id);
    static BOOL IsItKCM(DWORD id);
    static BOOL IsItALTCMY(DWORD id);
    static BOOL IsItValid(DWORD id);
    static BOOL IsItInvalid(DWORD id);
    static BOOL IsItMissing(DWORD id);
    static BOOL IsItUnidentified(DWORD id);
    static InkColor WhatIsIt(DWORD id);

    // The same of the id at a position: type is a CartIDType, position a CartPosition.
    BOOL IsItBlack(int type, int position) const;
    BOOL IsItCMY(int type, int position) const;
    BOOL IsItKCM(int type, int position) const;
    BOOL IsItALTCMY(int type, int position) const;
    BOOL IsItValid(int type, int position) const;
    BOOL IsItInvalid(int type, int position) const;
    BOOL IsItMissing(int type, int position) const;

    // A cartridge that belongs in the other position (black or photo on the left, colour on the
    // right). Never on a one-position carrier.
    BOOL IsItWrongPosition(int type, int position) const;
    BOOL AreTheySwapped(int type) const;
    BOOL AreAnyMissing(int type) const;
    BOOL AreAnyKCM(int type) const;
    // bAlignCart1/2 equal to QOR_ALIGN_MANDATORY, or to QOR_ALIGN_OPTIONAL; other values ask for
    // nothing.
    BOOL AnyForceAlignSet() const;
    BOOL AnyOptionalAlignSet() const;

    // Opens the supplies web page for the cartridges of the record (the address of option
    // IDO_SUPPLIES_SUBURL with the cartridge ids, as CGUIUrlLink::FollowLink builds it).
    BOOL LaunchReorderInkApp(BOOL addLocale = TRUE);

    // The id at a position; false when there is no record, no such position on this carrier, or
    // type or position is out of range.
    bool GetCartridgeId(int type, int position, DWORD& id) const;

private:
    template <typename Predicate> BOOL AtPosition(int type, int position, Predicate test) const;
    bool HasPosition(int position) const;
    void RefreshTanks();

    INKINFO* m_pInk = nullptr;
    CGUIInkTank* m_tanks[kMaxTanks]{};
    int m_tankCount = 0;
    int m_bitmapType = 1;
};
