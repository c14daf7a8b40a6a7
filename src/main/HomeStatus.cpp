// The Home page's status and paper lines, and the ink pictures and displays, from the records:
// all of them at the first run, only what changed since the snapshot on every update.
#include "QORPageSheet.h"
#include "QORTabDlg.h"
#include "status/SensedCartridges.h"
#include "status/StatusLines.h"
#include "status/CartridgePictures.h"
#include "pages/HomePage.h"
#include "resource.h"

namespace {
bool IsNoSensingPort(DWORD portType) {
    return portType >= 5 && portType <= 7;
}

bool LevelsDiffer(const INKINFO& a, const INKINFO& b, int levels) {
    const LONG* first = &a.nBlackLevel;
    const LONG* second = &b.nBlackLevel;
    for (int index = 0; index < levels; ++index)
        if (first[index] != second[index])
            return true;
    return false;
}
} // namespace

CQORHomePage* CQORTabDlg::GetHomePage() const {
    CQORPageSheet* sheet = GetPageSheet();
    auto* home = sheet ? static_cast<CQORHomePage*>(sheet->GetQorPage(kHomePage)) : nullptr;
    return home && home->IsWindow() ? home : nullptr;
}

void CQORTabDlg::SetHomeStatusLines() {
    CQORHomePage* home = GetHomePage();
    if (!home)
        return;
    StatusLineTexts lines = StatusLinesFor(m_InfoStruct.dwStatus);
    home->SetStatusLine1(lines.line1);
    UINT alert = lines.showsAlert ? AlertTextFor(m_InfoStruct.lpStatusError,
                                                 m_Product.CompareSetting("IDO_DUALPAPERTRAY", 1))
                                  : 0;
    home->SetStatusLine2(alert, lines.showsAlert);
}

void CQORTabDlg::SetHomeMediaLines(bool sensed) {
    CQORHomePage* home = GetHomePage();
    if (!home)
        return;
    bool dualTray = m_Product.CompareSetting("IDO_AUTOMEDIASENSEDUALTRAY", 1);
    MediaLineTexts lines =
        sensed ? MediaLinesFor(m_InfoStruct.dwMediaTray1, m_InfoStruct.dwMediaTray2, dualTray)
               : NoSensingMediaLines(dualTray);
    home->SetMediaLines(lines.line1, lines.line2, lines.hideLine1);
}

void CQORTabDlg::SetHomeSensedMedia() {
    m_Registry.SetFriendlyName(m_strPrinterName);
    SetHomeMediaLines(m_bBidi != 0);
}

void CQORTabDlg::FillHomeStatus() {
    CQORHomePage* home = GetHomePage();
    if (!home)
        return;
    DWORD port = m_PortInfo.dwPortType;
    if (IsNoSensingPort(port))
        SetHomeMediaLines(false);
    if (port == QOR_PORT_NO_STATUS) {
        home->SetStatusLine1(IDS_STATUS_NO_STATUS_PORT);
        SetHomeMediaLines(false);
        return;
    }
    SetHomeStatusLines();
    if (m_Product.CompareSetting("IDO_AUTOMEDIASENSE_AUTOQUALITY", 1))
        SetHomeSensedMedia();
}

// The Troubleshooting page follows a changed state only while it is the current page (the
// repaint after the topic); here the change is only marked.
void CQORTabDlg::UpdateHomeStatus(RefreshChanges& changes) {
    CQORHomePage* home = GetHomePage();
    if (m_PortInfo.dwPortType == QOR_PORT_NO_STATUS) {
        if (m_PrevRecords.port.dwPortType != QOR_PORT_NO_STATUS) {
            if (home)
                home->SetStatusLine1(IDS_STATUS_NO_STATUS_PORT);
            SetHomeMediaLines(false);
            changes.status = changes.ink = true;
        }
        return;
    }
    if (m_InfoStruct.dwStatus != m_PrevInfoStruct.dwStatus) {
        changes.status = true;
        SetHomeStatusLines();
    }
    if (m_Product.CompareSetting("IDO_AUTOMEDIASENSE_AUTOQUALITY", 1) &&
        (m_InfoStruct.dwMediaTray1 != m_PrevInfoStruct.dwMediaTray1 ||
         m_InfoStruct.dwMediaTray2 != m_PrevInfoStruct.dwMediaTray2))
        SetHomeSensedMedia();
}

void CQORTabDlg::UpdateInkDisplays(INKINFO* ink) {
    CQORPageSheet* sheet = GetPageSheet();
    for (int index = 0; sheet && index < kPageCount; ++index)
        if (CQORPage* page = sheet->GetQorPage(index))
            page->UpdateInkLevels(ink);
}

void CQORTabDlg::RefreshInk(RefreshChanges& changes) {
    // The accepted cartridges are written into the window's own record, never into the host's:
    // every page then shows the same ids.
    INKINFO* handedIn = &m_Records.ink;
    const INKINFO& now = m_Records.ink;
    const INKINFO& before = m_PrevRecords.ink;
    if (now.dwCarrierType == QOR_CARRIER_INK_TANKS) {
        if (LevelsDiffer(now, before, 4)) {
            changes.ink = true;
            UpdateInkDisplays(handedIn);
        }
        return;
    }
    if (now.dwCarrierType != QOR_CARRIER_DUAL && now.dwCarrierType != QOR_CARRIER_SINGLE)
        return;

    int positions = now.dwCarrierType == QOR_CARRIER_DUAL ? 2 : 1;
    bool knownFormat = m_Product.CompareSetting("IDO_PRINTHEADFORMAT", 1) ||
                       m_Product.CompareSetting("IDO_PRINTHEADFORMAT", 2);
    AcceptSensedCartridges(*handedIn, OtherPositionRule::StatusUpdate, knownFormat);
    bool levelsChanged = LevelsDiffer(now, before, 7);
    bool anyPicture = false;
    CQORHomePage* home = GetHomePage();
    for (int position = 1; position <= positions; ++position) {
        bool changed = position == 1 ? handedIn->bCartChanged1 : handedIn->bCartChanged2;
        DWORD id = position == 1 ? handedIn->LogCartID1 : handedIn->LogCartID2;
        DWORD previous = position == 1 ? before.LogCartID1 : before.LogCartID2;
        if (!changed && id == previous && !levelsChanged)
            continue;
        anyPicture = true;
        if (home)
            home->SetCartridgePicture(position, id);
        if (!IsKnownCartridgeId(id))
            ReportInvalidCartridgeId(id, position, m_hWnd);
    }
    if (anyPicture) {
        changes.ink = true;
        UpdateInkDisplays(handedIn);
    }
}
