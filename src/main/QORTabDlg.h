// The module's one main object: the tabbed main window and the hub every page and wizard reaches
// through g_pQORTabDlg: the printer, the host callback, the records, the settings and the slots.
#pragma once

#include "Dialog.h"
#include "MainSkin.h"
#include "NavigationBar.h"
#include "NvoProduct.h"
#include "Registry.h"
#include "WindowSlots.h"
#include "qor.h"
#include "Topics.h"
#include "status/LowInkWarning.h"
#include "status/StatusRecords.h"

#include <array>
#include <functional>
#include <memory>

class CQORHomePage;
class CQORPageSheet;
class CQorWizardSheet;

class CQORTabDlg : public CDialog {
public:
    CQORTabDlg();
    ~CQORTabDlg() override;

    // The first run of a topic: records, settings, then what the topic opens. Its result is the
    // export's result.
    int RunTopic(UINT templateId, CWnd* parent, const char* printerName, int topic,
                 STATUSINFO* status, PORTINFO* port, QORCALLBACK callback);
    void SetStatusInfo(const STATUSINFO* status);
    void SetPortInfo(const PORTINFO* port);
    void SnapshotStatus();
    // A topic or a status update for the open module.
    void ShowTopic(int topic, STATUSINFO* status);
    // The printer choice behind QORChoosePrinter: a list of NUL-terminated names ended by an
    // empty one.
    int ChoosePrinter(const char* printerList);
    int DoCallback(int request, void* payload, int arg3, int arg4);
    // The cartridge change path over the window's ink record: decides the new-cartridge,
    // verification and alignment prompts and rewrites the cartridge ids.
    void CartChangePathDetermination();
    // The cartridge verification wizard in a mode (its slot's window id 3): modeless, FALSE when
    // one is open already or it cannot be made; or modal, followed by the shutdown check (the
    // caller must not touch this object afterwards). The modal run's result, -1 when refused.
    BOOL OpenCartVerificationSheet(int mode);
    INT_PTR RunCartVerificationSheet(int mode);
    // A first-run topic that opens the cartridge wizard; the export's result.
    int RunCartridgeTopic(CartridgeTopic run);
    // Fitting cartridges from the open window (206, 209, 212): the Ink page's cartridge operation.
    int FitCartridgesInWindow();
    // The cartridge change of topic 405, on the first run or in the open window.
    int ChangeCartridges();
    // The cartridge installation of topic 404, on the first run or in the open window.
    int InstallCartridges();
    // The cartridge check of topics 216 and 221, on the first run or in the open window.
    int CheckCartridges();
    // The cartridges reported changed by topics 406 to 409 (first run only).
    int TakeReportedChange();
    // The cartridge a held print job needs (topics 313 to 316): colour or black; withSteps opens
    // the wizard on its instructions on the first run.
    int FitCartridgeForHeldJob(bool colour, bool withSteps);
    // The alignment new cartridges ask for, in a session of its own, modal and outside the slot;
    // false when the host closed the module meanwhile (nothing of this object may be touched).
    bool RunAlignmentForNewCartridges();
    // The alignment wizard in its slot (window id 7), modal from the Ink page's link, after
    // which the status poll restarts.
    INT_PTR RunAlignSheet();
    // Topic 304: on the first run the alignment wizard, modeless, unless the printer is busy
    // or in error (then its alert); in the open window the Ink page's alignment operation.
    int AlignTopic();
    // The clean-and-test wizard in its slot (window id 8), modal from the Ink page's link.
    INT_PTR RunCleanSheet();
    // Topic 305: as topic 304, with the clean-and-test wizard.
    int CleanTopic();
    // The ink-tank wizards in their slots: replacing a tank (window id 9) and checking the tanks
    // (window id 6). Modal from the Ink Tanks page's links, followed by the shutdown check (the
    // caller must not touch this object afterwards); modeless from a first-run topic, whose
    // result is 0 when that wizard is open already or could not be opened.
    INT_PTR RunTankSheet(WindowId id);
    int TankSheetTopic(WindowId id);
    // An ink-tank printer has no cleaning wizard: the user is told so (a message box) and true
    // comes back; nothing is asked of the host.
    bool RefuseCleaningWithoutPages();
    // A wizard sheet in its slot: modeless (FALSE, logged, when it could not be opened), or
    // modal (its result, -1 logged when it could not run; the slot is emptied afterwards unless
    // the host closed the module meanwhile).
    BOOL OpenWizardInSlot(WindowId id, std::unique_ptr<CQorWizardSheet> sheet);
    INT_PTR RunWizardInSlot(WindowId id, std::unique_ptr<CQorWizardSheet> sheet);
    // The first run of a maintenance topic: fresh status; a busy printer gets its alert and the
    // shutdown check with the wizard's window id (false, as when the host closed the module).
    bool PrinterFreeForTopic(WindowId id);
    // Then the session opens and the wizard, modeless, in its slot; the export's result.
    int OpenTopicWizard(WindowId id, std::unique_ptr<CQorWizardSheet> sheet);
    // A dialog run modal in its slot, as a modal wizard is.
    INT_PTR RunDialogInSlot(WindowId id, std::unique_ptr<CDialog> dialog);
    // Topic 306: a session, then the test page dialog, modal in its slot (window id 10); 0 when
    // it is open already. When it closes, the session ends: with the close notice and the module
    // when the dialog was all that was open, else with CBCloseSession.
    int TestPageTopic();
    // The low-ink warning (window id 12), modal, then deleted; 0 when it is open already. Its
    // own close runs the shutdown check: the caller must check g_pQORTabDlg afterwards.
    int RunLowInkDialog();
    // Topic 308: a session, then the paper and print-quality dialog, modal in its slot (window
    // id 11), then the shutdown check; 0 when it is open already.
    int PaperQualityTopic();
    // The post-install sequence of topic 400: the cartridges checked, the CD's applications setup
    // and the wizard, visible; or with the preload file's "0" the wizard run hidden.
    int PostInstallTopic();
    // The post-install wizard built for a topic, visible in its slot (window id 5); 0 when it is
    // open already (it is brought forward) or cannot open (a printer without a middle page is
    // refused with a message).
    int InstallWizardTopic(int topic);
    // The post-install wizard run hidden: Page1's settings, then Page3's finish, which ends it and
    // runs the shutdown check (the caller must check g_pQORTabDlg afterwards); result is returned.
    int RunInstallWizardHidden(int topic, int result);
    // Topics 402, 403, 417, 418: the installer's progress window of an application, which the
    // one-shot timer closes 5 s later, on the main window's Home page.
    int AppProgressTopic(int application);
    // Topic 411: the prompt for application 1's CD, then the shutdown check.
    int FaxConfirmationTopic();
    // The service-tag dialog (window id 13), modal, then deleted; -1 when it is open already.
    INT_PTR RunServiceTagDialog(CWnd* parent);
    // The supplies ordering dialog (window id 2), modal, owned by the main window, then deleted;
    // 0 when it is open already. Its own close runs the shutdown check: the caller must check
    // g_pQORTabDlg afterwards. Every page's ordering opens it through here.
    int OrderSupplies();
    // Closes every window of the object and leaves g_pQORTabDlg; the object itself stays whole
    // for the code of it that is still running.
    void Retire();
    // The shutdown check: when no other window of the module is open, tell the host and close the
    // module (this object is deleted: the caller must not touch it afterwards).
    void Shutdown(int windowId);
    void StartStatusTimer(int seconds);
    void StopStatusTimer();
    // The status poll's period in milliseconds; 0 while it is stopped.
    UINT GetStatusTimerElapse() const { return m_uStatusTimerElapse; }
    // The status poll, run by timer 20 of the main window.
    static void CALLBACK StatusTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);
    // The one-shot timer (id 1 of the main window): a feature list opened, a progress window
    // closed.
    static constexpr UINT_PTR kOneShotTimer = 1;
    // The one-shot timer (id 12 of the main window) by which a low-ink episode opens the warning.
    static constexpr UINT_PTR kLowInkTimer = 12;
    static void CALLBACK LowInkTimerProc(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

    // Printer, registry and program-launch helpers.
    BOOL IsSoundOn();
    void WriteRegValueToModel(const char* name, const char* text);
    CString ReadRegValueFromModel(const char* name);
    CString GetSerialNumber();
    CString ReadPreloadValue(const char* key, const char* section);
    BOOL SearchDirectory(const char* fileName, const char* directory);
    // Runs a command line; with wait, keeps the module's windows alive until it ends (its exit
    // code then goes to exitCode when given). 1 when it ran to its end, -1 when it could not
    // start or was not waited for.
    int LaunchProgram(const char* commandLine, BOOL wait, DWORD* exitCode = nullptr);
    // The network configuration program of the printer driver's folder, as LaunchProgram runs it.
    int LaunchNetworkConfiguration(BOOL wait);
    BOOL FindCDRoot(const char* fileName);
    // The post-install preparation of the accompanying applications: the interface language's id
    // recorded for their installers, then the CD's setup program run and waited for.
    void RunCDApplicationsSetup();
    // The sound of a cartridge change, when sounds are on for this printer.
    void PlayCartridgeChangeSound();
    // Whether the printer may take a job now; a refusal has shown its alert. 0 while the alert is
    // already up.
    BOOL IsPrinterReady();
    // The printer-ready alert while it is up (owned by whoever runs it).
    CDialog* m_pReadyDlg = nullptr;

    // Operations the pages call.
    void CloseMainWindow();
    void ShowHelp();
    // The supplies web address for the printer's cartridges.
    void FollowSuppliesLink();
    void ShowHelpTopic(DWORD topic, HWND owner = nullptr);
    void SaveSettingsAndClose();
    void RevertSettingsAndClose();
    void UpdateSettingsChanged();

    bool HasMainWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    // Whether the object holds a wizard or dialog of its own besides the main window.
    bool HoldsSubWindows() const { return m_Slots.HoldsAnySubWindow(); }
    CQORPageSheet* GetPageSheet() const;
    const CString& GetHelpFilePath() const { return m_strHelpFile; }
    void SelectPage(int index);

    // The records (the host's, copied) and their snapshot.
    StatusRecordSet m_Records;
    StatusRecordSet m_PrevRecords;
    STATUSINFO& m_InfoStruct = m_Records.info;
    STATUSINFO& m_PrevInfoStruct = m_PrevRecords.info;
    PORTINFO& m_PortInfo = m_Records.port;

    WindowSlots m_Slots;

    BOOL m_bInCartChange = 0;
    BOOL m_bPromptNewCart1 = 0;
    BOOL m_bPromptNewCart2 = 0;
    BOOL m_bPromptAlignment = 0;
    BOOL m_bPromptInstallAlignment = 0;
    BOOL m_bPromptCartVerify = 0;
    BOOL m_bCartTopicA = 0;
    BOOL m_bCartTopicB = 0;
    BOOL m_bJobCancelled = 0;
    BOOL m_bSkipCartAlign = 0;
    BOOL m_bSettingsChanged = 0;
    BOOL m_bSoundOn = 1;
    BOOL m_bBringToFront = 0;
    BOOL m_bToolTipsHidden = 0;
    BOOL m_bOfferApps = 0;
    BOOL m_bSilentPostInstall = 0;
    BOOL m_bPostInstallCheck = 0;
    bool m_bAppProgress1 = false;
    bool m_bAppProgress2 = false;
    // The installer's progress window of topics 402, 403, 417 and 418 while it is up.
    std::unique_ptr<CDialog> m_pInstallAppDlg;

    CString m_strPrinterName;
    QORCALLBACK m_pfnCallback = nullptr;
    CRegistry m_Registry;
    NvoProduct m_Product;

    // Printer settings from the registry, and the Advanced page's edited copies.
    BOOL m_bBidi = 1;
    BOOL m_bBidiNew = 1;
    BOOL m_bDOSPrinting = 0;
    BOOL m_bDOSPrintingNew = 0;
    BOOL m_bShowNetworkErrors = 0;
    BOOL m_bEnableP2P = 1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override { CloseMainWindow(); }
    BOOL PreTranslateMessage(MSG* msg) override;

    void OnNavigate(UINT id);
    void OnClose();
    void OnTimer(UINT_PTR id);
    void OnActivate(UINT state, HWND other, BOOL minimized);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnNcLButtonDown(UINT hitTest, POINT point);
    void OnNcLButtonUp(UINT hitTest, POINT point);
    BOOL OnEraseBkgnd(HDC dc);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    void OnSysColorChange();
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(HWND changer);
    BOOL OnHelpInfo(HELPINFO* info);
    DECLARE_MESSAGE_MAP()

private:
    bool CreateMainWindow(int page, int featureList);
    void BuildHelpFilePath();
    void ReadPrinterSettings();
    void WritePrinterSettings(BOOL save);
    int OpenMainWindow(int page, int featureList);
    bool CreatePageSheet();
    // What a status update changed, for the repaint that follows.
    struct RefreshChanges {
        bool status = false;
        bool ink = false;
    };
    CQORHomePage* GetHomePage() const;
    void FillHomeStatus();
    void SetHomeStatusLines();
    void SetHomeMediaLines(bool sensed);
    void SetHomeSensedMedia();
    void UpdateHomeStatus(RefreshChanges& changes);
    void RefreshInk(RefreshChanges& changes);
    void UpdateInkDisplays(INKINFO* ink);
    void RepaintChanged(const RefreshChanges& changes);
    void RunOpenWindowTopic(int topic);
    INT_PTR RunInSlot(WindowId id, std::unique_ptr<CWnd> window,
                      const std::function<INT_PTR()>& run);
    // Opens the low-ink warning once per episode of low ink, from the host's loop.
    void WatchLowInk();

    CMainSkin m_Skin;
    CNavigationBar m_Navigation;
    CString m_strHelpFile;
    UINT m_uStatusTimerElapse = 0;
    LowInkEpisode m_LowInkEpisode;
    // Set once the object has left theCQORTabDlg: it makes no request any more.
    bool m_bRetired = false;
};

// The one main object, as every page and wizard sees it.
extern CQORTabDlg* g_pQORTabDlg;
