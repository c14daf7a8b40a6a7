// What a topic does: on the first run (RunTopic) and in the open window (ShowTopic).
#include "CSpy.h"
#include "Links.h"
#include "QORPageSheet.h"
#include "QORTabDlg.h"
#include "host/Topics.h"
#include "pages/HomePage.h"
#include "resource.h"

namespace {
bool IsGeneralHelpTopic(int topic) {
    switch (topic) {
    case 201:
    case 202:
    case 204:
    case 207:
    case 210:
    case 219:
        return true;
    default:
        return false;
    }
}
} // namespace

void CQORTabDlg::FollowSuppliesLink() {
    CGUIUrlLink link;
    link.FollowLink("IDO_SUPPLIES_SUBURL", &m_Records.ink, TRUE);
}

int CQORTabDlg::RunTopic(UINT, CWnd*, const char* printerName, int topic, STATUSINFO* status,
                         PORTINFO* port, QORCALLBACK callback) {
    m_bOfferApps = 1;
    m_pfnCallback = callback;
    if (topic == kTopicChoosePrinter) {
        Shutdown(kNoWindow);
        return 1;
    }
    m_strPrinterName = printerName ? printerName : "";
    SetStatusInfo(status);
    SetPortInfo(port);
    m_bSoundOn = IsSoundOn();
    ReadPrinterSettings();
    m_bPostInstallCheck = 0;
    BuildHelpFilePath();

    // Topics that end at once run the shutdown check, which may delete this object: each of
    // them returns straight after it.
    if (IsGeneralHelpTopic(topic))
        return RunHelpTopic(kHelpTopicGeneral);
    switch (topic) {
    case 218:
        return RunHelpTopic(kHelpTopicNetwork);
    case 214:
        Shutdown(kNoWindow);
        return 1;
    case 222:
    case kTopicStatusUpdate:
        Shutdown(kNoWindow);
        return 0;
    case kTopicSuppliesWeb:
        FollowSuppliesLink();
        return RunMainWindowTopic(kTopicHome);
    default:
        return RunMainWindowTopic(topic);
    }
}

int CQORTabDlg::RunHelpTopic(DWORD helpTopic) {
    ShowHelpTopic(helpTopic);
    // Nothing stays open: the host learns that the module is closed again.
    Shutdown(kNoWindow);
    return 0;
}

int CQORTabDlg::RunMainWindowTopic(int topic) {
    int featureList = topic >= kTopicFeatureList1 && topic <= kTopicFeatureList3
                          ? topic - kTopicFeatureList1 + 1
                          : 0;
    if (!CreateMainWindow(PageOfTopic(topic), featureList)) {
        CSpy spy;
        spy.OutputData("CQORTabDlg::RunTopic() the main window could not be created");
        return 0;
    }
    return 1;
}

void CQORTabDlg::ShowTopic(int topic, STATUSINFO* status) {
    SetStatusInfo(status);
    HWND focus = ::GetFocus();
    BuildHelpFilePath();
    if (HasMainWindow()) {
        RefreshChanges changes;
        RefreshInk(changes);
        UpdateHomeStatus(changes);
        if (m_bBringToFront) {
            m_bBringToFront = 0;
            SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        m_bPostInstallCheck = 0;
        CQORPageSheet* sheet = GetPageSheet();
        int active = sheet ? sheet->GetActiveIndex() : kHomePage;
        // The poll's own topic: its page is already shown.
        bool alreadyShown = topic == kTopicHome + active && topic != kTopicHome;
        if (!alreadyShown)
            RunOpenWindowTopic(topic);
        // The topic may have closed the module.
        if (g_pQORTabDlg != this)
            return;
        RepaintChanged(changes);
    }
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
}

void CQORTabDlg::ShowInkPage() {
    SelectPage(kInkPage);
}

void CQORTabDlg::RunOpenWindowTopic(int topic) {
    enum class Action { Page, GeneralHelp, NetworkHelp, InkPage, SuppliesWeb, Nothing };
    struct Row {
        int first;
        int last;
        Action action;
        int page;
    };
    static constexpr Row kTopics[] = {
        {100, 100, Action::Page, kHomePage},
        {302, 302, Action::Page, kHomePage},
        {101, 101, Action::Page, kPrinterFeaturesPage},
        {102, 102, Action::Page, kTroubleshootingPage},
        {224, 225, Action::Page, kTroubleshootingPage},
        {301, 301, Action::Page, kTroubleshootingPage},
        {103, 103, Action::Page, kInkPage},
        {104, 104, Action::Page, kContactInfoPage},
        {105, 105, Action::Page, kAdvancedPage},
        {223, 223, Action::Page, kAdvancedPage},
        {201, 202, Action::GeneralHelp, 0},
        {219, 219, Action::GeneralHelp, 0},
        {218, 218, Action::NetworkHelp, 0},
        {203, 213, Action::InkPage, 0},
        {215, 217, Action::InkPage, 0},
        {220, 221, Action::InkPage, 0},
        {303, 305, Action::InkPage, 0},
        {307, 307, Action::InkPage, 0},
        {404, 405, Action::InkPage, 0},
        {214, 214, Action::Nothing, 0},
        {222, 222, Action::Nothing, 0},
        {306, 306, Action::Nothing, 0},
        {308, 308, Action::Nothing, 0},
        {313, 316, Action::Nothing, 0},
        {701, 701, Action::Nothing, 0},
        {kTopicStatusUpdate, kTopicStatusUpdate, Action::Nothing, 0},
        {kTopicSuppliesWeb, kTopicSuppliesWeb, Action::SuppliesWeb, 0},
    };
    Row chosen{topic, topic, Action::Page, kHomePage};
    for (const Row& row : kTopics)
        if (topic >= row.first && topic <= row.last) {
            chosen = row;
            break;
        }
    switch (chosen.action) {
    case Action::Page:
        SelectPage(chosen.page);
        break;
    case Action::GeneralHelp:
        ShowHelpTopic(kHelpTopicGeneral);
        break;
    case Action::NetworkHelp:
        ShowHelpTopic(kHelpTopicNetwork);
        // No effect while the window is open; it closes the module when only help was asked.
        Shutdown(kNoWindow);
        break;
    case Action::InkPage:
        ShowInkPage();
        break;
    case Action::SuppliesWeb:
        FollowSuppliesLink();
        break;
    case Action::Nothing:
        break;
    }
}

void CQORTabDlg::RepaintChanged(const RefreshChanges& changes) {
    CQORPageSheet* sheet = GetPageSheet();
    int active = sheet ? sheet->GetActiveIndex() : -1;
    CQORHomePage* home = GetHomePage();
    if (active == kHomePage && home && (changes.ink || changes.status)) {
        home->RepaintLine(IDC_HOME_STATUS_TEXT1);
        if (m_Product.CompareSetting("IDO_AUTOMEDIASENSE_AUTOQUALITY", 1))
            home->RepaintLine(IDC_HOME_MEDIA_TEXT1);
        if (m_Product.CompareSetting("IDO_AUTOMEDIASENSEDUALTRAY", 1))
            home->RepaintLine(IDC_HOME_MEDIA_TEXT2);
    }
    if (active == kTroubleshootingPage && changes.status)
        if (CQORPage* troubleshooting = sheet->GetQorPage(kTroubleshootingPage))
            troubleshooting->Refresh();
}
