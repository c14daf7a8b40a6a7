// The post-install topics run from the main object: the post-install sequence, the wizard visible
// or hidden in its slot, and the accompanying applications' windows.
#include "CSpy.h"
#include "Operations.h"
#include "QORTabDlg.h"
#include "cartridge/CartVerificationSheet.h"
#include "install/InstallBackendPage1.h"
#include "install/InstallBackendPage3.h"
#include "install/InstallBackendWizardSheet.h"
#include "install/InstallFlow.h"
#include "install/SilentAppInstall.h"
#include "resource.h"

int CQORTabDlg::PostInstallTopic() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::PostInstallTopic()");
    CString section, key;
    m_Product.GetSetting("IDO_PLC_SECTION_NAME", section);
    m_Product.GetSetting("IDO_PRELOAD_KEY_POSTINSTALLDIALOGS", key);
    const PreloadAnswer answer = PreloadAnswerOf(ReadPreloadValue(key, section));
    if (answer == PreloadAnswer::No) {
        m_bOfferApps = 0;
        return RunInstallWizardHidden(kTopicPostInstall, 0);
    }
    if (answer == PreloadAnswer::Other)
        return OpenMainWindow(kHomePage, 0);
    const DWORD port = m_PortInfo.dwPortType;
    if (port != 5 && port != 6 && port != 7) {
        m_bPostInstallCheck = 1;
        CartChangePathDetermination();
        m_bPromptInstallAlignment = 1;
        if (m_Product.CompareSetting("IDO_FORCE_CARTVERIFY_ATINSTALL", 1))
            m_bPromptCartVerify = 1;
        if (m_bPromptCartVerify) {
            RunWizardInSlot(kCartVerificationSheet, std::make_unique<CCartVerificationSheet>(3));
        } else {
            m_Records.ink.bCartChanged1 = 0;
            m_Records.ink.bCartChanged2 = 0;
            DoCallback(CBInstallCarts, &m_Records.ink, 0, 0);
            if (g_pQORTabDlg == this)
                m_bPromptInstallAlignment = m_bPromptAlignment;
        }
        if (g_pQORTabDlg != this)
            return 1;
    }
    RunCDApplicationsSetup();
    // The setup's wait lets the host's messages run: the module may have closed.
    if (g_pQORTabDlg != this)
        return 1;
    InstallWizardTopic(kTopicPostInstall);
    if (g_pQORTabDlg == this)
        Shutdown(kCartVerificationSheet);
    return 1;
}

int CQORTabDlg::InstallWizardTopic(int topic) {
    CSpy spy;
    spy.OutputEach("CQORTabDlg::InstallWizardTopic()", topic);
    if (m_Slots.IsOpen(kInstallSheet)) {
        ::SetActiveWindow(*m_Slots.Get(kInstallSheet));
        return 0;
    }
    auto sheet = std::make_unique<CInstallBackendWizardSheet>(topic);
    if (sheet->Plan().empty()) {
        // Without a middle page the wizard would lead nowhere: the user learns why it does not
        // open.
        spy.OutputError("CQORTabDlg::InstallWizardTopic() the printer's carrier has no setup page");
        sheet.reset();
        CString text, caption;
        text.LoadString(IDS_INSTALL_NO_MIDDLE_PAGE);
        caption.LoadString(IDS_INSTALL_TITLE);
        UtilMessageBox(HasMainWindow() ? m_hWnd : nullptr, text, caption,
                       MB_OK | MB_ICONEXCLAMATION);
        if (g_pQORTabDlg == this)
            Shutdown(kNoWindow);
        return 0;
    }
    if (OpenWizardInSlot(kInstallSheet, std::move(sheet)))
        return 1;
    Shutdown(kNoWindow);
    return 0;
}

int CQORTabDlg::RunInstallWizardHidden(int topic, int result) {
    CSpy spy;
    spy.OutputEach("CQORTabDlg::RunInstallWizardHidden()", topic);
    if (m_Slots.IsOpen(kInstallSheet))
        return 0;
    auto made = std::make_unique<CInstallBackendWizardSheet>(topic);
    CInstallBackendWizardSheet* sheet = made.get();
    const int page3 = sheet->IndexOf(InstallPage::Page3);
    m_Slots.Set(kInstallSheet, std::move(made));
    if (page3 < 0 || !sheet->Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU)) {
        spy.OutputError("CQORTabDlg::RunInstallWizardHidden() the wizard could not be made");
        m_Slots.Delete(kInstallSheet);
        Shutdown(kNoWindow);
        return result;
    }
    CInstallBackendPage1::EnsureJobWindowSettings(m_strPrinterName);
    m_bSilentPostInstall = 1;
    // Its finish ends the wizard and may close the module.
    static_cast<CInstallBackendPage3*>(sheet->GetPage(page3))->Finish();
    return result;
}

int CQORTabDlg::AppProgressTopic(int application) {
    CSpy spy;
    spy.OutputEach("CQORTabDlg::AppProgressTopic()", application);
    m_pInstallAppDlg = MakeAppProgressDialog(application);
    (application == 1 ? m_bAppProgress1 : m_bAppProgress2) = true;
    if (!HasMainWindow())
        return OpenMainWindow(kHomePage, 0);
    SelectPage(kHomePage);
    SetTimer(kOneShotTimer, 5000);
    return 1;
}

int CQORTabDlg::FaxConfirmationTopic() {
    CSpy().OutputData("CQORTabDlg::FaxConfirmationTopic()");
    // A second 411 while the prompt is up leaves it to the user.
    if (m_Slots.Get(kFaxDialog))
        return 1;
    if (std::unique_ptr<CDialog> prompt = MakeFaxConfirmation())
        RunDialogInSlot(kFaxDialog, std::move(prompt));
    if (g_pQORTabDlg == this)
        Shutdown(kNoWindow);
    return 1;
}
