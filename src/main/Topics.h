// Topic codes: what the host asks the module to show or do, and the one table that says what
// each topic does when it opens the module (its first run) and when the main window is open.
#pragma once

#include "HelpTopics.h"
#include "PageIndex.h"

constexpr int kTopicNone = 0;
constexpr int kTopicHome = 100;
constexpr int kTopicAdvanced = 105;
constexpr int kTopicPostInstall = 400;
constexpr int kTopicCartridgeChange = 405;
constexpr int kTopicChoosePrinter = 500;
constexpr int kTopicSuppliesWeb = 700;
constexpr int kTopicLowInk = 701;
constexpr int kTopicStatusUpdate = 900;
constexpr int kTopicNetworkHelp = 218;

// What a topic does when it opens the module.
enum class FirstRunAction {
    Page,            // the main window on page `value`
    FeatureList,     // the main window on Printer Features with how-to list `value` opened
    Help,            // the help file at topic `value`, then the module closes; result 0
    SuppliesWeb,     // the supplies web page, then the main window on Home
    Shutdown,        // only the shutdown check; the export's result is `value`
    CallbackOnly,    // only the host's callback is kept, then the shutdown check; result 1
    CartridgeWizard, // the cartridge wizard as CartridgeTopic `value` runs it
    Alignment,       // the alignment wizard (CQORTabDlg::AlignTopic)
    Cleaning,        // the clean-and-test wizard (CQORTabDlg::CleanTopic)
    TestPage,        // the test page dialog (CQORTabDlg::TestPageTopic)
    LowInkDialog,    // the low-ink warning, run and then deleted (CQORTabDlg::RunLowInkDialog)
    PaperQuality,    // the paper and print-quality dialog (CQORTabDlg::PaperQualityTopic)
    PostInstall,     // the post-install sequence (CQORTabDlg::PostInstallTopic)
    InstallWizard,   // the post-install wizard built for the topic, visible
    SilentInstall,   // the post-install wizard run hidden: its settings and its finish
    AppProgress,     // the progress window of application `value`, then the main window on Home
    FaxConfirmation, // the prompt for application 1's CD
};

// How a topic runs the cartridge verification wizard (CQORTabDlg::RunCartridgeTopic).
enum class CartridgeTopic {
    // Fit cartridges (206, 209, 212): the session opens and the wizard shows its verification
    // page, modeless; result 0 when it is open already. Ink-tank printers get the wizard that
    // replaces a tank instead, modeless. In the open window: the Ink page and its cartridge
    // operation.
    FitCartridges,
    // A cartridge change the host reports (405): while the wizard runs m_bInCartChange is set;
    // the sound plays, the session opens and the wizard shows its verification page, modal. On
    // the first run the change path decides first; in the open window the Ink page shows.
    ChangeCartridges,
    // Cartridge installation (404), when the printer is ready: the session opens and the wizard
    // runs from its instructions; on the first run after the change path, modal, in the open
    // window on the Ink page, modeless.
    InstallCartridges,
    // Checking the cartridges (216, 221), when the printer is ready: the session opens, the change
    // path decides and the wizard runs from its instructions, modal. Ink-tank printers get the
    // wizard that checks the tanks: modeless on the first run, else the Ink Tanks page's link.
    CheckCartridges,
    // The cartridges the host reports as changed in another way (406 to 409): the change path
    // decides and the wizard shows its verification page, modal, without a session or sound.
    ReportedChange,
    // A held print job that needs a colour (313, 315) or a black (314, 316) cartridge: the session
    // opens, the change path decides and the wizard asks for that cartridge; on the first run
    // modal, 313 and 314 from the instructions; in the open window modeless.
    HeldJobColourWithSteps,
    HeldJobBlackWithSteps,
    HeldJobColour,
    HeldJobBlack,
};

// What a topic does in the open main window.
enum class OpenWindowAction {
    Nothing,          // nothing beyond the status refresh
    Page,             // page `value`
    InkPage,          // the ink page
    InkPageOrder,     // the ink page, then the supplies ordering dialog unless it is open
    Help,             // the help file at topic `value`
    HelpThenShutdown, // the help file at topic `value`, then the shutdown check
    SuppliesWeb,      // the supplies web page
    CartridgeWizard,  // the cartridge wizard as CartridgeTopic `value` runs it
    Alignment,        // the Ink page's alignment operation (CQORTabDlg::AlignTopic)
    Cleaning,         // the Ink page's clean-and-test operation (CQORTabDlg::CleanTopic)
    InkPageAlignment, // the Ink page, and the alignment wizard brought forward when it is open
    TestPage,         // the test page dialog (CQORTabDlg::TestPageTopic)
    LowInkDialog,     // the low-ink warning, run and then deleted (CQORTabDlg::RunLowInkDialog)
    PaperQuality,     // the paper and print-quality dialog (CQORTabDlg::PaperQualityTopic)
    InstallWizard,    // the post-install wizard built for the topic, visible, unless it is open
    SilentInstall,    // the post-install wizard run hidden
    AppProgress,      // the progress window of application `value`
    FaxConfirmation,  // the prompt for application 1's CD
};

template <class Action> struct TopicStep {
    Action action;
    int value;
};

struct TopicRow {
    int first;
    int last;
    TopicStep<FirstRunAction> firstRun;
    TopicStep<OpenWindowAction> openWindow;
};

// The row of a topic; a topic of no row opens (or shows) the Home page.
const TopicRow& FindTopic(int topic);

// The topics that QORInit runs without showing the main window itself: 400, 201 to 222, and 303
// or more. The others open the main window on a page.
constexpr bool IsDirectTopic(int topic) {
    return topic == kTopicPostInstall || (topic >= 201 && topic <= 222) || topic >= 303;
}

// Whether a topic for the open window brings it to the front: the supplies web page and the
// network help leave it where it is.
constexpr bool RaisesOpenWindow(int topic) {
    return topic != kTopicSuppliesWeb && topic != kTopicNetworkHelp;
}

// The topics of the six pages, which QORDisplayTopic also shows when only a wizard was open.
constexpr bool IsPageTopic(int topic) {
    return topic >= kTopicHome && topic <= kTopicAdvanced;
}
