// What a topic does: on the first run (RunTopic) and in the open window (ShowTopic).
#include "CSpy.h"
#include "Links.h"
#include "QORPageSheet.h"
#include "QORTabDlg.h"
#include "Topics.h"
#include "pages/HomePage.h"
#include "resource.h"

void CQORTabDlg::FollowSuppliesLink() {
    CGUIUrlLink link;
    link.FollowLink("IDO_SUPPLIES_SUBURL", &m_Records.ink, TRUE);
}

int CQORTabDlg::RunTopic(UINT, CWnd*, const char* printerName, int topic, STATUSINFO* status,
                         PORTINFO* port, QORCALLBACK callback) {
    m_bOfferApps = 1;
    m_pfnCallback = callback;
    const TopicStep<FirstRunAction> step = FindTopic(topic).firstRun;
    if (step.action == FirstRunAction::CallbackOnly) {
        Shutdown(kNoWindow);
        return step.value;
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
    switch (step.action) {
    case FirstRunAction::Help:
        ShowHelpTopic(static_cast<DWORD>(step.value));
        // Nothing stays open: the host learns that the module is closed again.
        Shutdown(kNoWindow);
        return 0;
    case FirstRunAction::Shutdown:
    case FirstRunAction::CallbackOnly:
        Shutdown(kNoWindow);
        return step.value;
    case FirstRunAction::SuppliesWeb:
        FollowSuppliesLink();
        return OpenMainWindow(kHomePage, 0);
    case FirstRunAction::FeatureList:
        return OpenMainWindow(kPrinterFeaturesPage, step.value);
    case FirstRunAction::CartridgeWizard:
        return RunCartridgeTopic(static_cast<CartridgeTopic>(step.value));
    case FirstRunAction::Alignment:
        return AlignTopic();
    case FirstRunAction::Cleaning:
        return CleanTopic();
    case FirstRunAction::TestPage:
        return TestPageTopic();
    case FirstRunAction::LowInkDialog:
        return RunLowInkDialog();
    case FirstRunAction::PaperQuality:
        return PaperQualityTopic();
    case FirstRunAction::PostInstall:
        return PostInstallTopic();
    case FirstRunAction::InstallWizard:
        return InstallWizardTopic(topic);
    case FirstRunAction::SilentInstall:
        return RunInstallWizardHidden(topic, step.value);
    case FirstRunAction::AppProgress:
        return AppProgressTopic(step.value);
    case FirstRunAction::FaxConfirmation:
        return FaxConfirmationTopic();
    case FirstRunAction::Page:
        break;
    }
    return OpenMainWindow(step.value, 0);
}

int CQORTabDlg::OpenMainWindow(int page, int featureList) {
    if (!CreateMainWindow(page, featureList)) {
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
        WatchLowInk();
        RepaintChanged(changes);
    }
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
}

void CQORTabDlg::RunOpenWindowTopic(int topic) {
    // Each case may close the module: nothing of this object is touched after it.
    const TopicStep<OpenWindowAction> step = FindTopic(topic).openWindow;
    switch (step.action) {
    case OpenWindowAction::Page:
        SelectPage(step.value);
        break;
    case OpenWindowAction::InkPage:
        SelectPage(kInkPage);
        break;
    case OpenWindowAction::InkPageOrder:
        SelectPage(kInkPage);
        OrderSupplies();
        break;
    case OpenWindowAction::Help:
        ShowHelpTopic(static_cast<DWORD>(step.value));
        break;
    case OpenWindowAction::HelpThenShutdown:
        ShowHelpTopic(static_cast<DWORD>(step.value));
        // No effect while the window is open; it closes the module when only help was asked.
        Shutdown(kNoWindow);
        break;
    case OpenWindowAction::SuppliesWeb:
        FollowSuppliesLink();
        break;
    case OpenWindowAction::CartridgeWizard:
        RunCartridgeTopic(static_cast<CartridgeTopic>(step.value));
        break;
    case OpenWindowAction::Alignment:
        AlignTopic();
        break;
    case OpenWindowAction::Cleaning:
        CleanTopic();
        break;
    case OpenWindowAction::TestPage:
        TestPageTopic();
        break;
    case OpenWindowAction::PaperQuality:
        PaperQualityTopic();
        break;
    case OpenWindowAction::LowInkDialog:
        RunLowInkDialog();
        break;
    case OpenWindowAction::InkPageAlignment:
        SelectPage(kInkPage);
        if (m_Slots.IsOpen(kAlignSheet))
            ::SetActiveWindow(*m_Slots.Get(kAlignSheet));
        break;
    case OpenWindowAction::InstallWizard:
        InstallWizardTopic(topic);
        break;
    case OpenWindowAction::SilentInstall:
        RunInstallWizardHidden(topic, step.value);
        break;
    case OpenWindowAction::AppProgress:
        AppProgressTopic(step.value);
        break;
    case OpenWindowAction::FaxConfirmation:
        FaxConfirmationTopic();
        break;
    case OpenWindowAction::Nothing:
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
