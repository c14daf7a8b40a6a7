// The maintenance wizards run from the main object, and the slots every wizard sheet runs in.
#include "CSpy.h"
#include "QORPageSheet.h"
#include "QORTabDlg.h"
#include "Operations.h"
#include "maintenance/AlignSheet.h"
#include "maintenance/CleanAndTestSheet.h"
#include "maintenance/TestPageDlg.h"
#include "pages/InkPage.h"
#include "pages/PrinterReadyCheck.h"
#include "resource.h"
#include "status/CleaningChoices.h"

BOOL CQORTabDlg::OpenWizardInSlot(WindowId id, std::unique_ptr<CQorWizardSheet> sheet) {
    CQorWizardSheet* made = sheet.get();
    m_Slots.Set(id, std::move(sheet));
    if (made->CreateModeless())
        return TRUE;
    CSpy spy;
    spy.OutputError("CQORTabDlg: a wizard could not be opened");
    spy.OutputData(static_cast<int>(id));
    m_Slots.Delete(id);
    return FALSE;
}

INT_PTR CQORTabDlg::RunWizardInSlot(WindowId id, std::unique_ptr<CQorWizardSheet> sheet) {
    CQorWizardSheet* made = sheet.get();
    return RunInSlot(id, std::move(sheet), [made] { return made->RunModal(); });
}

INT_PTR CQORTabDlg::RunDialogInSlot(WindowId id, std::unique_ptr<CDialog> dialog) {
    CDialog* made = dialog.get();
    return RunInSlot(id, std::move(dialog), [made] { return made->DoModal(); });
}

INT_PTR CQORTabDlg::RunInSlot(WindowId id, std::unique_ptr<CWnd> window,
                              const std::function<INT_PTR()>& run) {
    m_Slots.Set(id, std::move(window));
    INT_PTR result = run();
    // The host may have closed the module while the window ran: the slot went with it.
    if (g_pQORTabDlg != this)
        return result;
    if (result < 0) {
        CSpy spy;
        spy.OutputError("CQORTabDlg: a wizard or dialog could not be run");
        spy.OutputData(static_cast<int>(id));
    }
    m_Slots.Delete(id);
    return result;
}

bool CQORTabDlg::RunAlignmentForNewCartridges() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::RunAlignmentForNewCartridges()");
    // An alignment wizard already open is the one the user aligns with.
    if (m_Slots.Get(kAlignSheet)) {
        spy.OutputData("CQORTabDlg::RunAlignmentForNewCartridges() the alignment wizard is open");
        return true;
    }
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return false;
    RunWizardInSlot(kAlignSheet, std::make_unique<CAlignSheet>());
    return g_pQORTabDlg == this;
}

INT_PTR CQORTabDlg::RunAlignSheet() {
    if (m_Slots.Get(kAlignSheet))
        return -1;
    INT_PTR result = RunWizardInSlot(kAlignSheet, std::make_unique<CAlignSheet>());
    if (g_pQORTabDlg == this && GetPageSheet())
        StartStatusTimer(10);
    return result;
}

int CQORTabDlg::AlignTopic() {
    if (HasMainWindow()) {
        if (CQORInkPage* page = ShowInkPage(*this))
            page->AlignCartridges();
        return 1;
    }
    if (m_Slots.IsOpen(kAlignSheet) || !PrinterFreeForTopic(kAlignSheet))
        return 0;
    return OpenTopicWizard(kAlignSheet, std::make_unique<CAlignSheet>());
}

bool CQORTabDlg::PrinterFreeForTopic(WindowId id) {
    DoCallback(CBGetStatus, &m_InfoStruct, 0, 0);
    if (g_pQORTabDlg != this)
        return false;
    if (m_InfoStruct.dwStatus != QOR_STATUS_BUSY && m_InfoStruct.dwStatus != QOR_STATUS_ALERT_BUSY)
        return true;
    {
        CPrinterReadyDlg alert(*this);
        alert.CheckPrinter();
    }
    if (g_pQORTabDlg == this)
        Shutdown(id);
    return false;
}

int CQORTabDlg::OpenTopicWizard(WindowId id, std::unique_ptr<CQorWizardSheet> sheet) {
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    if (OpenWizardInSlot(id, std::move(sheet)))
        return 1;
    Shutdown(kNoWindow);
    return 0;
}

bool CQORTabDlg::RefuseCleaningWithoutPages() {
    if (HasCleaningPages(m_Records.ink))
        return false;
    CSpy().OutputData("CQORTabDlg::RefuseCleaningWithoutPages() an ink-tank printer");
    CString text, caption;
    text.LoadString(IDS_CLEAN_NOT_OFFERED);
    caption.LoadString(IDS_CLEAN_TITLE);
    UtilMessageBox(HasMainWindow() ? m_hWnd : nullptr, text, caption, MB_OK | MB_ICONINFORMATION);
    return true;
}

INT_PTR CQORTabDlg::RunCleanSheet() {
    if (m_Slots.Get(kCleanSheet))
        return -1;
    return RunWizardInSlot(kCleanSheet, std::make_unique<CCleanAndTestSheet>());
}

int CQORTabDlg::CleanTopic() {
    if (HasMainWindow()) {
        if (CQORInkPage* page = ShowInkPage(*this))
            page->CleanCartridges();
        return 1;
    }
    if (m_Slots.IsOpen(kCleanSheet) || !PrinterFreeForTopic(kCleanSheet))
        return 0;
    // Told before any session opens: there is nothing to close.
    if (RefuseCleaningWithoutPages()) {
        if (g_pQORTabDlg == this)
            Shutdown(kCleanSheet);
        return 0;
    }
    return OpenTopicWizard(kCleanSheet, std::make_unique<CCleanAndTestSheet>());
}

int CQORTabDlg::TestPageTopic() {
    if (m_Slots.Get(kTestPageDialog))
        return 0;
    CSpy spy;
    spy.OutputData("CQORTabDlg::TestPageTopic()");
    DoCallback(CBOpenSession, nullptr, 0, 0);
    if (g_pQORTabDlg != this)
        return 0;
    RunDialogInSlot(kTestPageDialog, std::make_unique<CTestPageDlg>(*this));
    if (g_pQORTabDlg != this)
        return 1;
    // The close notice tells the host that the module is gone: while the main window stays open
    // only the dialog's session ends.
    if (m_Slots.AnyOpenExcept(kTestPageDialog))
        DoCallback(CBCloseSession, nullptr, 0, 0);
    else
        Shutdown(kTestPageDialog);
    return 1;
}
