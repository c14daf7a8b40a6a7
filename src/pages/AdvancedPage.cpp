#include "AdvancedPage.h"

#include "CSpy.h"
#include "Controls.h"
#include "DosPrintingDlg.h"
#include "Operations.h"
#include "OptionsDialogs.h"
#include "host/QorModule.h"
#include "main/PrinterHelpers.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/DosPrinting.h"

namespace {
constexpr UINT kTankControls[] = {IDC_INK_TANK3, IDC_INK_TANK4, IDC_INK_TANK5, IDC_INK_TANK6};
constexpr UINT kLinkControls[] = {IDC_ADVANCED_DOS_BUTTON,     IDC_ADVANCED_JSW_BUTTON,
                                  IDC_ADVANCED_P2P_BUTTON,     IDC_ADVANCED_UPDATE_BUTTON,
                                  IDC_ADVANCED_VERSION_BUTTON, IDC_ADVANCED_ORDER_LINK};
// The web-update program's exit code that asks for the module to close (it replaces it).
constexpr DWORD kUpdateInstalled = 1;

bool IsNoBidiConnection(DWORD portType) {
    return (portType >= 4 && portType <= 7) || portType == 9;
}

// The folder of the loaded resource module, with its closing backslash; the job status window
// takes its skins from there.
CString ResourceModuleFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(g_hQORResModule, path, MAX_PATH);
    if (!g_hQORResModule || length == 0 || length >= MAX_PATH)
        return CString();
    CString folder(path, static_cast<int>(length));
    return folder.Left(folder.ReverseFind('\\') + 1);
}
} // namespace

BEGIN_MESSAGE_MAP(CQORAdvancedPage, CQORPage)
ON_COMMAND(IDC_ADVANCED_BIDI_OFF, OnCommunicationBox)
ON_COMMAND(IDC_ADVANCED_DOS_BUTTON, OnDosPrinting)
ON_COMMAND(IDC_ADVANCED_JSW_BUTTON, OnJobStatusOptions)
ON_COMMAND(IDC_ADVANCED_P2P_BUTTON, OnNetworkConfiguration)
ON_COMMAND(IDC_ADVANCED_UPDATE_BUTTON, OnWebUpdate)
ON_COMMAND(IDC_ADVANCED_VERSION_BUTTON, OnVersion)
ON_COMMAND(IDC_ADVANCED_SOFTWARE_LINK, OnSoftwareLink)
ON_COMMAND(IDC_ADVANCED_ORDER_LINK, OnOrderSupplies)
END_MESSAGE_MAP()

CQORAdvancedPage::CQORAdvancedPage() : CQORPage(IDD_PAGE_ADVANCED) {}

BOOL CQORAdvancedPage::OnInitDialog() {
    CSpy spy;
    spy.OutputData("CQORAdvancedPage::OnInitDialog()");
    CQORPage::OnInitDialog();
    char locale[16] = {};
    char value[64] = {};
    UtilGetLocaleText(locale, sizeof locale, value, sizeof value);
    m_strLocale = locale;
    m_strLocaleValue = value;
    spy.OutputEach(m_strLocale, m_strLocaleValue);

    m_Pictures[0].Init(IDC_PAGE_PICTURE1, this, IDB_MAIN_LOGO, kKeyColor, BITMAP_TOPLEFT);
    m_Pictures[1].Init(IDC_PAGE_PICTURE2, this, IDB_HOME_PICTURE2, kKeyColor, BITMAP_STRETCHED);
    InitLinks();
    if (!g_pQORTabDlg)
        return TRUE;
    InitInkTanks();
    InitCommunicationBox();
    const NvoProduct& options = g_pQORTabDlg->m_Product;
    const bool update = !options.CompareSetting("IDO_SUPPORT_WEBUPDATE", 0);
    for (UINT id : {IDC_ADVANCED_UPDATE_LABEL, IDC_ADVANCED_UPDATE_BUTTON})
        GetDlgItem(static_cast<int>(id)).ShowWindow(update ? SW_SHOW : SW_HIDE);
    const bool network = !options.CompareSetting("IDO_CORVANEP2PFIGURATION", 0);
    for (UINT id : {IDC_ADVANCED_P2P_LABEL, IDC_ADVANCED_P2P_BUTTON, IDC_ADVANCED_P2P_NOTE})
        GetDlgItem(static_cast<int>(id)).ShowWindow(network ? SW_SHOW : SW_HIDE);
    ShowRows();
    return TRUE;
}

void CQORAdvancedPage::InitLinks() {
    for (size_t index = 0; index < m_Links.size(); ++index)
        m_Links[index].Init(kLinkControls[index], this);
    m_SoftwareLink.Init(IDC_ADVANCED_SOFTWARE_LINK, this);
    m_SoftwareLink.SetBitmaps(IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, IDB_HOME_WEB_LINK, kKeyColor);
    m_SoftwareLink.SetAlignment(0);
}

void CQORAdvancedPage::InitInkTanks() {
    for (size_t index = 0; index < m_Tanks.size(); ++index)
        m_Tanks[index].Attach(kTankControls[index], this);
    m_InkDisplay.SetInkInfo(&g_pQORTabDlg->m_Records.ink);
    // Ink tanks fill the four tanks, black first; cartridges the first two, colour (position 1)
    // on the left as it sits in the carrier.
    if (g_pQORTabDlg->m_Records.ink.dwCarrierType == QOR_CARRIER_INK_TANKS) {
        m_InkDisplay.InitializeInkTanks({&m_Tanks[0], &m_Tanks[1], &m_Tanks[2], &m_Tanks[3]}, 1);
        return;
    }
    m_InkDisplay.InitializeInkTanks({&m_Tanks[0], &m_Tanks[1]}, 1);
    m_Tanks[2].ShowWindow(SW_HIDE);
    m_Tanks[3].ShowWindow(SW_HIDE);
}

void CQORAdvancedPage::InitCommunicationBox() {
    const CQORTabDlg& main = *g_pQORTabDlg;
    const DWORD port = main.m_PortInfo.dwPortType;
    CButton box(GetDlgItem(IDC_ADVANCED_BIDI_OFF));
    // Ticked means communication is off. A connection that never talks back shows it off; the
    // others that cannot change it, and models without the parallel connection, show nothing.
    const bool fixedOff = port == QOR_PORT_3;
    box.SetCheck(fixedOff || main.m_bBidi == 0 ? BST_CHECKED : BST_UNCHECKED);
    if (fixedOff || IsNoBidiConnection(port) ||
        main.m_Product.CompareSetting("IDO_PARALLELPORT", 0)) {
        box.EnableWindow(FALSE);
        box.ShowWindow(SW_HIDE);
    }
}

void CQORAdvancedPage::ShowRows() {
    if (!g_pQORTabDlg || !IsWindow())
        return;
    const CQORTabDlg& main = *g_pQORTabDlg;
    unsigned long supportsDos = 0;
    main.m_Product.GetSetting("IDO_PRINTERSUPPORTSTDOS", supportsDos);
    const bool dos = ShowsDosPrintingRow(main.m_PortInfo.dwPortType, m_strLocale,
                                         CRegistry::GetOSPlatform(), supportsDos != 0);
    ShowControl(GetDlgItem(IDC_ADVANCED_DOS_LABEL), dos);
    ShowControl(GetDlgItem(IDC_ADVANCED_DOS_BUTTON), dos);
    ShowControl(GetDlgItem(IDC_ADVANCED_DOS_NOTE), m_strLocale.CompareNoCase(kJapaneseLocale) == 0);
    const bool software = !main.m_Product.CompareSetting("IDO_SOFTWARE_URL_OVERRIDE", "1");
    ShowControl(GetDlgItem(IDC_ADVANCED_SOFTWARE_CAPTION), software);
    ShowControl(m_SoftwareLink, software);
    UpdateClosingButtons();
}

void CQORAdvancedPage::Refresh() {
    ShowRows();
    Invalidate();
}

void CQORAdvancedPage::UpdateInkLevels(INKINFO* ink) {
    if (IsWindow())
        m_InkDisplay.UpdateInkLevels(ink);
}

void CQORAdvancedPage::PaintContent(HDC dc) {
    ShowRows();
    m_Pictures[1].Draw(dc);
    m_InkDisplay.DrawTanks(dc);
}

void CQORAdvancedPage::OnCommunicationBox() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CButton box(GetDlgItem(IDC_ADVANCED_BIDI_OFF));
    CSpy spy;
    spy.OutputEach("CQORAdvancedPage::OnCommunicationBox()", box.GetCheck());
    if (box.GetCheck() != BST_CHECKED) {
        main->m_bBidiNew = 1;
    } else {
        // Turning communication off is confirmed, each time: the printer then reports nothing.
        CString text;
        CString caption;
        text.LoadString(IDS_ADVANCED_BIDI_OFF_CONFIRM);
        caption.LoadString(IDS_MAIN_TITLE);
        const HWND owner = Owner();
        const int answer = UtilMessageBox(owner, text, caption, MB_OKCANCEL | MB_ICONEXCLAMATION);
        // The message box's loop may have let the host close the module.
        if (g_pQORTabDlg != main)
            return;
        const bool off = answer == IDOK;
        main->m_bBidiNew = off ? 0 : 1;
        if (!off)
            box.SetCheck(BST_UNCHECKED);
    }
    main->UpdateSettingsChanged();
    UpdateClosingButtons();
}

void CQORAdvancedPage::OnDosPrinting() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CSpy().OutputData("CQORAdvancedPage::OnDosPrinting()");
    CDOSPrintingDlg dialog(main->m_strPrinterName, m_strLocale, main);
    const INT_PTR result = dialog.DoModal();
    if (g_pQORTabDlg != main || result != IDOK)
        return;
    // The dialog has stored the setting: saving or reverting the page keeps it.
    main->m_bDOSPrinting = main->m_bDOSPrintingNew = dialog.IsDosPrintingEnabled() ? 1 : 0;
}

void CQORAdvancedPage::OnJobStatusOptions() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CSpy().OutputData("CQORAdvancedPage::OnJobStatusOptions()");
    JSWOptionsDlg dialog(ResourceModuleFolder(), main->m_strPrinterName, main);
    dialog.DoModal();
}

void CQORAdvancedPage::OnNetworkConfiguration() {
    if (g_pQORTabDlg)
        g_pQORTabDlg->LaunchNetworkConfiguration(TRUE);
}

void CQORAdvancedPage::OnWebUpdate() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    CString option;
    main->m_Product.GetSetting("IDO_WEBUPDATE_EXE", option);
    CString language;
    language.LoadString(IDS_LANGUAGE_NAME);
    const CString command = WebUpdateCommandLine(option, language, ModuleFolder().c_str());
    CSpy spy;
    spy.OutputEach("CQORAdvancedPage::OnWebUpdate()", command);
    const HWND owner = Owner();
    DWORD exitCode = 0;
    const int ran = command.IsEmpty() ? -1 : main->LaunchProgram(command, TRUE, &exitCode);
    // The wait ran the host's messages: the module may have closed meanwhile, and with it this
    // page.
    if (g_pQORTabDlg != main)
        return;
    if (ran != 1) {
        spy.OutputError("CQORAdvancedPage::OnWebUpdate() the update program could not be started");
        CString text;
        CString caption;
        text.LoadString(IDS_ADVANCED_UPDATE_FAILED);
        caption.LoadString(IDS_MAIN_TITLE);
        UtilMessageBox(::IsWindow(owner) ? owner : nullptr, text, caption,
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (exitCode == kUpdateInstalled) {
        spy.OutputData("CQORAdvancedPage::OnWebUpdate() updated: the module closes");
        main->CloseMainWindow();
    }
}

void CQORAdvancedPage::OnVersion() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    VersionDlg dialog(main);
    dialog.DoModal();
}

void CQORAdvancedPage::OnSoftwareLink() {
    m_SoftwareLink.FollowLink("IDO_SOFTWARE_SUBURL", FALSE);
}

void CQORAdvancedPage::OnOrderSupplies() {
    CQORTabDlg* main = g_pQORTabDlg;
    if (!main)
        return;
    if (HasOrderButtons())
        main->FollowSuppliesLink();
    else
        main->OrderSupplies();
}
