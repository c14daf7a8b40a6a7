#include "QORTabDlg.h"

#include "CSpy.h"
#include "Operations.h"
#include "PrinterHelpers.h"
#include "QORPageSheet.h"
#include "host/QorModule.h"
#include "Topics.h"
#include "pages/PrinterFeaturesPage.h"
#include "resource.h"

#include <htmlhelp.h>

CQORTabDlg* g_pQORTabDlg = nullptr;

namespace {
constexpr UINT_PTR kStatusTimer = 20;
bool IsNetworkPort(DWORD portType) {
    return portType >= 4 && portType <= 7;
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR;
}
} // namespace

BEGIN_MESSAGE_MAP(CQORTabDlg, CDialog)
ON_COMMAND_RANGE(IDC_NAV_HOME, IDC_NAV_ADVANCED, OnNavigate)
ON_WM_CLOSE()
ON_WM_TIMER()
ON_WM_ACTIVATE()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
ON_WM_HELPINFO()
END_MESSAGE_MAP()

CQORTabDlg::CQORTabDlg() : CDialog(IDD_QOR_MAIN) {
    g_pQORTabDlg = this;
}

CQORTabDlg::~CQORTabDlg() {
    Retire();
    m_Slots.DeleteAll();
}

void CQORTabDlg::Retire() {
    m_bRetired = true;
    StopStatusTimer();
    // Off the screen first: the sub-windows then go without repainting what they uncover.
    if (HasMainWindow())
        ShowWindow(SW_HIDE);
    m_Slots.DestroyWindows();
    if (HasMainWindow())
        DestroyWindow();
    if (g_pQORTabDlg == this)
        g_pQORTabDlg = nullptr;
}

CQORPageSheet* CQORTabDlg::GetPageSheet() const {
    return m_Slots.GetAs<CQORPageSheet>(kPageSheet);
}

void CQORTabDlg::SetStatusInfo(const STATUSINFO* status) {
    m_Records.TakeIn(status);
}

void CQORTabDlg::SetPortInfo(const PORTINFO* port) {
    m_Records.TakeIn(port);
}

void CQORTabDlg::SnapshotStatus() {
    m_PrevRecords.SnapshotOf(m_Records);
}

void CQORTabDlg::BuildHelpFilePath() {
    m_strHelpFile = DriverFolder() + "3\\vqtrqor.chm";
}

int CQORTabDlg::DoCallback(int request, void* payload, int arg3, int arg4) {
    static const char* const kRequestNames[] = {"",
                                                "CBGetStatus",
                                                "CBSendFile",
                                                "CBSendBytes",
                                                "CBSendAlignment",
                                                "CBInstallCarts",
                                                "CBNotifyQORClosed",
                                                "CBOpenSession",
                                                "CBCloseSession",
                                                "CBCancelJob",
                                                "CBResumeJob",
                                                "CBResetChangeCount"};
    CSpy spy;
    spy.OutputData("QOR DoCallback");
    if (request >= CBSendFile && request <= CBResetChangeCount) {
        spy.OutputData(kRequestNames[request]);
        switch (request) {
        case CBSendFile:
        case CBSendBytes:
        case CBSendAlignment:
        case CBInstallCarts:
        case CBResetChangeCount:
            spy.OutputData(request);
            if (request == CBSendFile)
                spy.OutputData(static_cast<const char*>(payload));
            else if (request == CBSendBytes)
                spy.OutputData(static_cast<const BYTE*>(payload), arg3);
            else if (request == CBSendAlignment)
                spy.OutputData(static_cast<const ALIGNINFO*>(payload));
            else
                spy.OutputData(static_cast<const INKINFO*>(payload));
            spy.OutputData(arg3);
            spy.OutputData(arg4);
            break;
        default:
            break;
        }
    }
    // A module the host has closed (perhaps from inside an earlier answer) asks nothing more:
    // the code of it still running finishes without the printer.
    const char* refusal = m_bRetired       ? "QOR DoCallback refused: the host has closed the QOR"
                          : !m_pfnCallback ? "QOR DoCallback refused: the host gave no callback"
                                           : nullptr;
    if (refusal) {
        spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
        spy.OutputData(refusal);
        spy.OutputData("!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!");
        return 0;
    }
    int result = m_pfnCallback(request, payload, arg3, arg4);
    if (request == CBGetStatus) {
        // The host filled our records in place; its pointers are ours again from here on.
        m_Records.TakeIn(&m_InfoStruct);
        spy.OutputData("CBGetStatus");
        spy.OutputData(request);
        spy.OutputData(&m_InfoStruct);
        spy.OutputData(arg3);
        spy.OutputData(arg4);
    }
    return result;
}

void CQORTabDlg::Shutdown(int windowId) {
    if (m_Slots.AnyOpenExcept(static_cast<WindowId>(windowId)))
        return;
    if (!m_pfnCallback)
        return;
    DoCallback(CBNotifyQORClosed, nullptr, 0, 0);
    // This object is deleted here: nothing of it may be touched after this call.
    if (theCQORTabDlg.get() == this)
        CloseModule();
}

void CQORTabDlg::StartStatusTimer(int seconds) {
    if (!HasMainWindow())
        return;
    UINT elapse = static_cast<UINT>(seconds) * 1000;
    if (seconds == 10 && IsNetworkPort(m_PortInfo.dwPortType))
        elapse = 60000;
    if (SetTimer(kStatusTimer, elapse, &CQORTabDlg::StatusTimerProc))
        m_uStatusTimerElapse = elapse;
}

void CQORTabDlg::StopStatusTimer() {
    if (HasMainWindow())
        KillTimer(kStatusTimer);
    m_uStatusTimerElapse = 0;
}

void CALLBACK CQORTabDlg::StatusTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    // A timer routine runs straight from the host's loop: it takes the module's state itself.
    CModuleStateScope state(QorModuleState());
    try {
        CQORTabDlg* main = g_pQORTabDlg;
        if (!main || !main->HasMainWindow())
            return;
        main->SnapshotStatus();
        main->DoCallback(CBGetStatus, &main->m_InfoStruct, 0, 0);
        main->m_bBringToFront = 0;
        CQORPageSheet* sheet = main->GetPageSheet();
        int page = sheet ? sheet->GetActiveIndex() : 0;
        main->ShowTopic(kTopicHome + page, &main->m_InfoStruct);
        if (g_pQORTabDlg == main)
            main->StartStatusTimer(10);
    } catch (...) {
        CSpy spy;
        spy.OutputData("CQORTabDlg::StatusTimerProc() stopped by an error");
    }
}

void CQORTabDlg::CloseMainWindow() {
    DestroyWindow();
    Shutdown(kPageSheet);
}

void CQORTabDlg::ShowHelpTopic(DWORD topic, HWND owner) {
    // The viewer finds the topic's page by its number in the help file's context map.
    UtilShowHelp(owner, m_strHelpFile, HH_HELP_CONTEXT, topic, 0);
}

void CQORTabDlg::ShowHelp() {
    CQORPageSheet* sheet = GetPageSheet();
    int page = sheet ? sheet->GetActiveIndex() : 0;
    if (page < 0 || page >= kPageCount)
        page = 0;
    ShowHelpTopic(kPageHelpTopics[page], sheet ? sheet->m_hWnd : nullptr);
}

void CQORTabDlg::UpdateSettingsChanged() {
    m_bSettingsChanged = m_bBidiNew != m_bBidi;
}

void CQORTabDlg::SaveSettingsAndClose() {
    WritePrinterSettings(TRUE);
    CloseMainWindow();
}

void CQORTabDlg::RevertSettingsAndClose() {
    WritePrinterSettings(FALSE);
    CloseMainWindow();
}

// ---- The main window ----

bool CQORTabDlg::CreateMainWindow(int page, int featureList) {
    if (!Create(IDD_QOR_MAIN, nullptr))
        return false;
    if (m_bBringToFront) {
        m_bBringToFront = 0;
        SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    // One icon for the caption and the task bar: the system makes the small one from it, and
    // every icon set rebuilds the window's icons on the display.
    SetIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_QOR)), TRUE);
    CString title;
    title.LoadString(IDS_MAIN_TITLE);
    SetWindowText(title + " - " + m_strPrinterName);
    m_Skin.Layout(*this);
    m_Navigation.Layout(*this, CMainSkin::kOffset);
    if (!CreatePageSheet())
        return false;
    CQORPageSheet* sheet = GetPageSheet();
    sheet->m_bFeatureSelection = featureList > 0;
    sheet->m_iFeatureSubItem = featureList;
    for (int index = kPrinterFeaturesPage; index < kPageCount; ++index) {
        sheet->ShowPageNumber(index);
        if (CQORPage* shown = sheet->GetQorPage(index))
            shown->Refresh();
    }
    FillHomeStatus();
    m_Navigation.Init(this, m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS);
    SelectPage(page);
    if (sheet->m_bFeatureSelection)
        SetTimer(kOneShotTimer, 750);
    if (m_bAppProgress1 || m_bAppProgress2)
        SetTimer(kOneShotTimer, 5000);
    // On Home, the other buttons carry their descriptions beside them. They are made before the
    // window is shown: made on a shown window, each costs twice as much.
    if (page == kHomePage)
        m_Navigation.ShowDescriptions(true, false);
    ShowWindow(SW_SHOW);
    return true;
}

BOOL CQORTabDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The Contact button is widened a little so that its text never touches its border.
    TEXTMETRICA metrics{};
    CCompatibleDC dc;
    CSelectObject font(dc, GetFont());
    ::GetTextMetricsA(dc, &metrics);
    CWindow contact = GetDlgItem(IDC_NAV_CONTACT);
    RECT rect = contact.GetWindowRect();
    ScreenToClient(&rect);
    contact.MoveWindow(rect.left, rect.top, rect.right - rect.left + metrics.tmAveCharWidth / 4,
                       rect.bottom - rect.top);
    return TRUE;
}

bool CQORTabDlg::CreatePageSheet() {
    RECT sheetRect = m_Skin.SheetRect(*this);
    auto sheet = std::make_unique<CQORPageSheet>(sheetRect, m_strPrinterName, &m_InfoStruct, this);
    CQORPageSheet* created = sheet.get();
    m_Slots.Set(kPageSheet, std::move(sheet));
    created->SetPageRect(m_Skin.PageHole());
    if (!created->CreateChild(this)) {
        m_Slots.Delete(kPageSheet);
        return false;
    }
    created->ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    m_Skin.CutPageHole(created->m_hWnd, sheetRect);
    return true;
}

void CQORTabDlg::SelectPage(int page) {
    CQORPageSheet* sheet = GetPageSheet();
    if (!sheet || page < 0 || page >= kPageCount)
        return;
    m_Navigation.Select(*this, page, sheet->GetActiveIndex());
    sheet->ShowPageNumber(page);
}

void CQORTabDlg::OnNavigate(UINT id) {
    int page = static_cast<int>(id - IDC_NAV_HOME);
    CQORPageSheet* sheet = GetPageSheet();
    if (!sheet || sheet->GetActiveIndex() == page)
        return;
    m_Navigation.ShowDescriptions(false, true);
    SelectPage(page);
}

void CQORTabDlg::OnClose() {
    CloseMainWindow();
}

void CQORTabDlg::OnTimer(UINT_PTR id) {
    if (id != kOneShotTimer)
        return;
    KillTimer(kOneShotTimer);
    CQORPageSheet* sheet = GetPageSheet();
    if (sheet && sheet->m_bFeatureSelection) {
        auto* features =
            static_cast<CQORPrinterFeaturesPage*>(sheet->GetQorPage(kPrinterFeaturesPage));
        if (features)
            features->OpenFeatureList(sheet->m_iFeatureSubItem);
    }
    // The installer's progress window has been seen long enough.
    if (m_bAppProgress1 || m_bAppProgress2) {
        m_bAppProgress1 = m_bAppProgress2 = false;
        m_pInstallAppDlg.reset();
    }
}

void CQORTabDlg::OnActivate(UINT state, HWND, BOOL) {
    if (state == WA_INACTIVE) {
        StopStatusTimer();
        return;
    }
    StartStatusTimer(10);
}

void CQORTabDlg::OnSize(UINT type, int, int) {
    if (type == SIZE_MINIMIZED)
        StopStatusTimer();
    else
        StartStatusTimer(10);
}

void CQORTabDlg::OnMove(int, int) {
    m_Navigation.RepositionDescriptions();
    StartStatusTimer(10);
}

void CQORTabDlg::OnNcLButtonDown(UINT hitTest, POINT point) {
    if (hitTest != HTCAPTION) {
        Default();
        return;
    }
    StopStatusTimer();
    CQORPageSheet* sheet = GetPageSheet();
    if (sheet && sheet->GetActiveIndex() == kHomePage && !m_bToolTipsHidden)
        m_Navigation.ShowDescriptions(false, false);
    m_bToolTipsHidden = 1;
    m_Navigation.RepositionDescriptions();
    // Moving the window by its caption runs the system's own loop; the tool tips come back
    // when the button goes up.
    PostMessage(WM_NCLBUTTONUP, hitTest, MAKELPARAM(point.x, point.y));
    Default();
}

void CQORTabDlg::OnNcLButtonUp(UINT hitTest, POINT) {
    if (hitTest == HTCAPTION) {
        CQORPageSheet* sheet = GetPageSheet();
        if (sheet && sheet->GetActiveIndex() == kHomePage)
            m_Navigation.ShowDescriptions(true, false);
        m_bToolTipsHidden = 0;
    }
    Default();
}

BOOL CQORTabDlg::OnEraseBkgnd(HDC dc) {
    RECT box{};
    if (::GetClipBox(dc, &box) == NULLREGION)
        return TRUE;
    if (::IsRectEmpty(&box))
        box = GetClientRect();
    m_Skin.Paint(dc, box);
    return TRUE;
}

HBRUSH CQORTabDlg::OnCtlColor(HDC dc, HWND, UINT) {
    ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CQORTabDlg::OnSysColorChange() {
    Invalidate();
}

BOOL CQORTabDlg::OnQueryNewPalette() {
    CClientDC dc(m_hWnd);
    m_Skin.RealizePalette(dc);
    Invalidate();
    return TRUE;
}

void CQORTabDlg::OnPaletteChanged(HWND changer) {
    if (changer != m_hWnd && !::IsChild(m_hWnd, changer))
        OnQueryNewPalette();
}

BOOL CQORTabDlg::OnHelpInfo(HELPINFO*) {
    ShowHelp();
    return TRUE;
}

BOOL CQORTabDlg::PreTranslateMessage(MSG* msg) {
    // Enter presses the focused drawn button, as Space does.
    if (IsKeyMessage(msg->message) && msg->wParam == VK_RETURN)
        msg->wParam = VK_SPACE;
    return CDialog::PreTranslateMessage(msg);
}
