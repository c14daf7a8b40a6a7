// The test page dialog of topic 306: OK has the host print the printer's own test job
// (vqtrmcal.out) and waits until the printer has finished it; Cancel leaves without printing.
// It runs modal in the main object's slot 10; whoever runs it ends the session afterwards.
#pragma once

#include "CString.h"
#include "Dialog.h"

class CQORTabDlg;

class CTestPageDlg : public CDialog {
public:
    explicit CTestPageDlg(CQORTabDlg& main);

    // The most status answers the dialog waits for while the printer stays busy with the job,
    // with a short pause before each: a printer that never finishes must not hold the user.
    static constexpr int kMaxBusyAnswers = 600;
    static constexpr DWORD kBusyPauseMs = 200;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    // Enter presses the focused button, as Space does.
    BOOL PreTranslateMessage(MSG* msg) override;

private:
    enum class JobResult { kPrinted, kRefused, kFailed, kStillBusy, kInterrupted };
    JobResult PrintTestJob();
    // One request of the job through the main object; false when the host failed it.
    bool Ask(int request, void* payload);
    JobResult WaitWhileBusy();
    // A pause that keeps the host's windows alive; false when the run was interrupted meanwhile.
    bool PauseWithMessages();
    // Whether the module was closed (its windows with it) or the host's loop was asked to end:
    // nothing of the main object may be touched any more, and the modal run ends by itself.
    bool Interrupted() const;
    void Tell(UINT textId, const CString& caption) const;

    CQORTabDlg& m_Main;
    CString m_strCaption;
    bool m_bWorking = false;
    bool m_bQuit = false;
};
