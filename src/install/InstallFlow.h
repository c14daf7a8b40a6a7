// What the post-install wizard decides without a window: the pages its sheet holds and where it
// starts for a topic, the alignment job file Continue sends, the preload file's answers, the
// accompanying applications' skip rules, the installation date's text and the automatic alignment
// page's picture.
#pragma once

#include "CString.h"
#include "qor.h"
#include "status/InkCarrier.h"

#include <windows.h>

#include <optional>
#include <vector>

// The page kinds, one per slot of the sheet.
enum class InstallPage {
    Page1,
    Page2,
    CartPage2,
    PhotoCartPage2,
    Page3,
    Page4,
    Page5,
    AreYouSure,
    SelectLanguage,
    SingleCartPage2,
    AutoAlignPage2,
    Congrats,
};

// The second page: the automatic alignment page when the model aligns itself; otherwise by the
// carrier type: ink tanks the alignment values (Page2), two positions a cartridge value page
// (one cartridge's when a position is empty, the photo page with a cartridge of the photo
// family), one position
// the one-cartridge page. None for a carrier type it does not know.
std::optional<InstallPage> MiddlePageOf(bool autoAlignment, const INKINFO& ink);

struct InstallPlanInput {
    bool topicPageMode;   // topics 410 and 412 to 416: the language page always
    bool autoAlignment;   // IDO_SUPPORT_AUTOALIGNMENT
    bool twoStep;         // IDO_2STEP_INSTALLWIZARD_OPTION: the closing page instead of 4 to 7
    bool addLanguagePage; // outside topic page mode: the language page rule said yes
    INKINFO ink;
};

// The pages in sheet order; empty when there is no middle page (the wizard would lead nowhere).
std::vector<InstallPage> PlanInstallSheet(const InstallPlanInput& input);

// Whether the language page is added outside topic page mode: never when every application's
// dialog is skipped; always on four-in-one models; else not on the network and
// no-communication ports (4, 5, 6, 7, 10).
bool LanguagePageWanted(bool skipAllAppDialogs, bool fourInOne, DWORD portType);

// The topics that open the sheet on a given page (410, 412 to 416) and that page (416: the
// middle page); none for the others.
std::optional<InstallPage> TopicPageOf(int topic, InstallPage middle);
constexpr bool IsTopicPageTopic(int topic) {
    return topic == 410 || (topic >= 412 && topic <= 416);
}

// The ports on which the wizard leaves out the network-sensitive steps.
constexpr bool IsRemotePort(DWORD portType) {
    return portType == 4 || portType == 5 || portType == 6 || portType == 7 || portType == 10;
}

// The alignment job file that Page1's Continue sends, and the step its log names (empty when the
// file is chosen by the carrier alone); null when nothing is sent.
struct InstallAlignmentJob {
    const char* file;
    const char* logTag;
};
InstallAlignmentJob InstallAlignmentJobOf(bool autoAlignment, const INKINFO& ink);

// A preload value: empty or "Default" leaves the choice to the product, "1" says yes, anything
// else no.
enum class PreloadAnswer { Unset, Yes, No, Other };
PreloadAnswer PreloadAnswerOf(const CString& value);
// Whether a preload value stops an action that runs by default: any set value but "1".
bool PreloadRefuses(const CString& value);
// A check box's state from a preload value: ticked when unset or "1", unticked for "0", and for
// any other text `otherwise`.
bool PreloadTicks(const CString& value, bool otherwise);

// What the constructor learns of one accompanying application, and the rule that skips its
// dialog.
struct AppFacts {
    bool available;     // on the CD or preloaded
    bool preloaded;     // named in the preload file only
    bool languageFound; // its folder for the user-interface language is on the CD
    bool japaneseNever; // its IDO_APPn_JAPANESE is 0
    bool showAllTime;   // its IDO_APPn_COMBO_SHOW_ALL_TIME is 1
};
struct AppSkipContext {
    bool japanese;          // the user-interface language is "japanese"
    bool dialogsForPreload; // IDO_BUNDLED_APPS_DIALOGS_FOR_PRELOAD is 1
    bool fourInOne;         // IDO_FOURINONE is 1
};
// application: 1 to 4; application 1 alone keeps its dialog for a preloaded program with the
// language list shown all the time unless the preload dialogs are off or the model is a
// four-in-one.
bool AppSkipped(int application, const AppFacts& facts, const AppSkipContext& context);

// Page1's install-and-align box starts from the main window's flag, except on the OS version 7,
// where it always starts unticked.
bool InstallAlignDefault(DWORD osVersion, BOOL promptInstallAlignment);

// The installation date as the registry keeps it: month, day and year, eight digits.
CString InstallDateText(const SYSTEMTIME& date);

// The folder Page4 keeps from the printer's "InstallDir": a local path up to its last backslash;
// a network path ("\\server\share\...") as its server and share.
CString InstallFolderOf(const CString& installDir);

// The carriage the automatic alignment page shows: colour and photo, the black or the colour
// cartridge alone, else colour and black.
UINT InstallAutoAlignPictureOf(CarrierState state);
