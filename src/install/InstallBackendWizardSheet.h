// The post-install wizard: it greets the user, has the cartridges installed and aligned, offers
// the applications that come with the printer and the registration, and at its end puts the
// shortcuts on the desktop, records the installation date and starts the all-in-one centre. The
// main window keeps it in its slot 5 ("Install Running" is 1 in the printer's key while it
// lives). The pages move it by what they lead to, never by number, so that a page that is not
// there does not shift the others.
#pragma once

#include "InstallFlow.h"
#include "SilentAppInstall.h"
#include "main/QorWizardSheet.h"

#include <vector>

class CInstallBackendWizardSheet : public CQorWizardSheet {
public:
    CInstallBackendWizardSheet(int topic, CWnd* parent = nullptr);
    ~CInstallBackendWizardSheet() override;

    int Topic() const { return m_nTopic; }
    bool StartsAtTopicPage() const { return m_bStartAtTopicPage; }
    // The pages the sheet holds, in order.
    const std::vector<InstallPage>& Plan() const { return m_Plan; }
    // The number of a page in the sheet; -1 when it does not hold it.
    int IndexOf(InstallPage page) const;
    // Shows a page; FALSE (logged) when the sheet does not hold it.
    BOOL ShowInstallPage(InstallPage page);
    // The cartridges' value page, or the automatic alignment page.
    void ShowMiddlePage();
    // After the cartridges: the language page when the sheet has it and applications are left to
    // offer, otherwise the page after it.
    void ShowApplicationStep(bool applicationsSettled);
    // The application step of the pages that end the cartridges' part: the language page, or the
    // available applications installed silently when every dialog is skipped, then the page
    // after the language page.
    void RunApplicationStep(CWnd& page, SilentInstallRule rule);

    // The setup CD: the first drive (never the floppies A: and B:) whose root holds the marker,
    // left in g_szCDRoot; empty and 0 when none does. A root that does not fit g_szCDRoot is
    // refused, never cut.
    static BOOL FindSetupCD(const char* marker);
    // The first drive root under which the relative path exists; empty when none.
    static CString FindDriveWithFile(const char* relativePath);

    // The all-in-one centre's program in the program folder; true when it is there.
    static BOOL VerifyAioCenter();
    static HRESULT CreateAioDesktopIcon();
    static HRESULT CreatePrinterProgramDesktopIcon();
    static HRESULT CreateQORDesktopIcon();
    // Starts a program of the product's program folder, in that folder, without waiting.
    static void LaunchFromProgramFolder(const char* file);
    // Waits while the system installs a device, logging waitLog once.
    static void WaitForDeviceInstall(const char* waitLog);
    // The installation date under the printer's original name.
    static void WriteInstallTime(const char* printerName);
    static void CopyPubFiles();
    // The preload file's value of the key an option names, in the preload section; empty when
    // there is none.
    static CString PreloadValue(const char* keyOption);
    static void InstallOwnUserGuide();
    // Where InstallOwnUserGuide puts the model's own user guide.
    static CString OwnUserGuidePath();

    // The shortcut a closing sequence puts on the desktop: the all-in-one centre's or the printer
    // program's; on the two-cartridge page the status monitor's instead when the model has the
    // two-step wizard; or none.
    enum class ClosingShortcut { Standard, MonitorOnTwoStep, None };
    // How the closing sequence varies by the page that runs it.
    struct ClosingVariant {
        const char* deviceWaitLog; // the device-installation wait's log line
        bool writeInstallTime;     // the installation date at the end
        bool leaveOutRemotePorts;  // no shortcut or centre on the ports 4, 5, 6, 7 and 10
        bool requireAioCenter;     // the all-in-one steps only when the centre is installed
        bool preloadDecides;       // the preload file may refuse the shortcut and the centre
        ClosingShortcut shortcut;
    };
    static constexpr ClosingVariant kStandardClosing{
        "Device Install IS in progress!", true, false, true, true, ClosingShortcut::Standard};
    static constexpr ClosingVariant kPage4Closing{
        "Device Install IS in progress", true, false, true, true, ClosingShortcut::Standard};
    static constexpr ClosingVariant kReminderClosing{
        "Device Install IS in progress!", false, true, false, true, ClosingShortcut::Standard};
    // The cartridge value pages and the automatic alignment page leave the preload file and the
    // date to the wizard's other ends.
    static constexpr ClosingVariant kTwoCartridgeClosing{
        "Device Install IS in progress!", false, false, true, false,
        ClosingShortcut::MonitorOnTwoStep};
    static constexpr ClosingVariant kCartridgeClosing{
        "Device Install IS in progress!", false, false, false, false, ClosingShortcut::None};
    static constexpr ClosingVariant kAutoAlignClosing{
        "Device Install IS in progress!", false, false, true, false, ClosingShortcut::Standard};
    // Closes the session, puts the shortcut on the desktop and starts the centre as the preload
    // file allows, then ends the wizard. The module may close there: the caller touches nothing
    // afterwards.
    void RunClosingSequence(const ClosingVariant& variant);
    // Ends the wizard (its window's end puts "Install Running" back to 0) and runs the main
    // window's shutdown check.
    void EndInstallWizard();

    // "Install Running" in the printer's "QOR" key.
    static void WriteInstallRunning(const char* printerName, DWORD running);

protected:
    BOOL OnInitDialog() override;
    // However the window goes (its end, the host closing the module), no installation runs any
    // more.
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void CheckAccompanyingApps();
    void BuildPages();
    // The page after the language page: Page4, or the closing page of the two-step wizard.
    InstallPage AfterLanguagePage() const;
    // Shows the first page of a sheet not opened on a topic's page.
    void ShowStartPage();

    int m_nTopic;
    bool m_bStartAtTopicPage = false;
    // Kept for the destructor, which may run while the main object goes.
    CString m_strPrinterName;
    std::optional<InstallPage> m_Middle;
    std::vector<InstallPage> m_Plan;
};
