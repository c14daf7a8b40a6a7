#include "InstallFlow.h"

#include "InkDisplay.h"
#include "resource.h"
#include "status/JobFiles.h"

#include <algorithm>
#include <iterator>
#include <cstdio>

std::optional<InstallPage> MiddlePageOf(bool autoAlignment, const INKINFO& ink) {
    if (autoAlignment)
        return InstallPage::AutoAlignPage2;
    switch (ink.dwCarrierType) {
    case QOR_CARRIER_INK_TANKS:
        return InstallPage::Page2;
    case QOR_CARRIER_DUAL: {
        if (ink.LogCartID1 == QOR_CART_MISSING || ink.LogCartID2 == QOR_CART_MISSING)
            return InstallPage::SingleCartPage2;
        // Every photo cartridge, as for the alignment page Page1 prints: the values asked are
        // those of the page printed.
        if (CGUIInkDisplay::IsItKCM(ink.LogCartID1) || CGUIInkDisplay::IsItKCM(ink.LogCartID2))
            return InstallPage::PhotoCartPage2;
        return InstallPage::CartPage2;
    }
    case QOR_CARRIER_SINGLE:
        return InstallPage::SingleCartPage2;
    default:
        return std::nullopt;
    }
}

std::vector<InstallPage> PlanInstallSheet(const InstallPlanInput& input) {
    const std::optional<InstallPage> middle = MiddlePageOf(input.autoAlignment, input.ink);
    if (!middle)
        return {};
    std::vector<InstallPage> plan{InstallPage::Page1, *middle};
    if (input.topicPageMode || input.addLanguagePage)
        plan.push_back(InstallPage::SelectLanguage);
    if (input.twoStep) {
        plan.push_back(InstallPage::Congrats);
    } else {
        plan.insert(plan.end(), {InstallPage::Page4, InstallPage::Page5, InstallPage::AreYouSure,
                                 InstallPage::Page3});
    }
    return plan;
}

bool LanguagePageWanted(bool skipAllAppDialogs, bool fourInOne, DWORD portType) {
    if (skipAllAppDialogs)
        return false;
    return fourInOne || !IsRemotePort(portType);
}

std::optional<InstallPage> TopicPageOf(int topic, InstallPage middle) {
    // The pages are named by what they are, so that a page left out does not shift the others.
    switch (topic) {
    case 410:
        return InstallPage::SelectLanguage;
    case 412:
        return InstallPage::Page3;
    case 413:
        return InstallPage::Page4;
    case 414:
        return InstallPage::AreYouSure;
    case 415:
        return InstallPage::Page5;
    case 416:
        return middle;
    default:
        return std::nullopt;
    }
}

InstallAlignmentJob InstallAlignmentJobOf(bool autoAlignment, const INKINFO& ink) {
    if (autoAlignment) {
        const AutomaticAlignment job = AutomaticAlignmentJob(ink);
        return {job.file, AutoAlignmentStepName(job.step)};
    }
    if (ink.dwCarrierType == QOR_CARRIER_INK_TANKS)
        return {JobFileName(JobFile::AlignmentInstall), ""};
    return {ManualAlignmentJobFile(ink, true), ""};
}

PreloadAnswer PreloadAnswerOf(const CString& value) {
    if (value.IsEmpty() || value == "Default")
        return PreloadAnswer::Unset;
    if (value == "1")
        return PreloadAnswer::Yes;
    if (value == "0")
        return PreloadAnswer::No;
    return PreloadAnswer::Other;
}

bool PreloadRefuses(const CString& value) {
    const PreloadAnswer answer = PreloadAnswerOf(value);
    return answer == PreloadAnswer::No || answer == PreloadAnswer::Other;
}

bool PreloadTicks(const CString& value, bool otherwise) {
    switch (PreloadAnswerOf(value)) {
    case PreloadAnswer::Unset:
    case PreloadAnswer::Yes:
        return true;
    case PreloadAnswer::No:
        return false;
    case PreloadAnswer::Other:
        break;
    }
    return otherwise;
}

bool AppSkipped(int application, const AppFacts& facts, const AppSkipContext& context) {
    if (!facts.available)
        return true;
    if (facts.japaneseNever && context.japanese)
        return true;
    if (!facts.showAllTime)
        return facts.languageFound || facts.preloaded;
    if (application == 1)
        return facts.preloaded && (!context.dialogsForPreload || context.fourInOne);
    return facts.preloaded;
}

bool InstallAlignDefault(DWORD osVersion, BOOL promptInstallAlignment) {
    return osVersion != 7 && promptInstallAlignment;
}

CString InstallDateText(const SYSTEMTIME& date) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%02u%02u%04u", static_cast<unsigned>(date.wMonth % 100),
                  static_cast<unsigned>(date.wDay % 100),
                  static_cast<unsigned>(date.wYear % 10000));
    return CString(text);
}

CString InstallFolderOf(const CString& installDir) {
    if (!installDir.IsEmpty() && installDir[0] == '\\') {
        // "\\server\share\rest": the backslash that ends the share.
        const int share = installDir.GetLength() > 2 ? installDir.Find('\\', 2) : -1;
        const int end = share >= 0 ? installDir.Find('\\', share + 1) : -1;
        return end >= 0 ? installDir.Left(end) : installDir;
    }
    const int last = installDir.ReverseFind('\\');
    return last >= 0 ? installDir.Left(last) : installDir;
}

UINT InstallAutoAlignPictureOf(CarrierState state) {
    switch (state) {
    case DUALHEAD_CMY_AND_KCM:
        return IDB_AUTO_ALIGN_CARRIER_PHOTO;
    case DUALHEAD_K_ONLY:
        return IDB_AUTO_ALIGN_CARRIER_BLACK;
    case DUALHEAD_CMY_ONLY:
        return IDB_AUTO_ALIGN_CARRIER_COLOUR;
    default:
        return IDB_AUTO_ALIGN_CARRIER_BOTH;
    }
}
