#include "Topics.h"

#include <algorithm>
#include <iterator>

namespace {
using FirstRun = TopicStep<FirstRunAction>;
using OpenWindow = TopicStep<OpenWindowAction>;

constexpr FirstRun Open(int page) {
    return {FirstRunAction::Page, page};
}
constexpr FirstRun FeatureList(int list) {
    return {FirstRunAction::FeatureList, list};
}
constexpr FirstRun HelpAndClose(unsigned helpTopic) {
    return {FirstRunAction::Help, static_cast<int>(helpTopic)};
}
constexpr FirstRun Shutdown(int result) {
    return {FirstRunAction::Shutdown, result};
}
constexpr FirstRun CartridgeWizard(CartridgeTopic run) {
    return {FirstRunAction::CartridgeWizard, static_cast<int>(run)};
}
constexpr FirstRun kOpenHome = Open(kHomePage);
constexpr FirstRun kFitCartridges = CartridgeWizard(CartridgeTopic::FitCartridges);
constexpr FirstRun kChangeCartridges = CartridgeWizard(CartridgeTopic::ChangeCartridges);
constexpr FirstRun kInstallCartridges = CartridgeWizard(CartridgeTopic::InstallCartridges);
constexpr FirstRun kCheckCartridges = CartridgeWizard(CartridgeTopic::CheckCartridges);
constexpr FirstRun kAlignment{FirstRunAction::Alignment, 0};
constexpr FirstRun kCleaning{FirstRunAction::Cleaning, 0};
constexpr FirstRun kSuppliesWebThenHome{FirstRunAction::SuppliesWeb, 0};
constexpr FirstRun kCallbackOnly{FirstRunAction::CallbackOnly, 1};
constexpr FirstRun kInstallWizard{FirstRunAction::InstallWizard, 0};
constexpr FirstRun AppProgress(int application) {
    return {FirstRunAction::AppProgress, application};
}

constexpr OpenWindow Show(int page) {
    return {OpenWindowAction::Page, page};
}
constexpr OpenWindow Help(unsigned helpTopic) {
    return {OpenWindowAction::Help, static_cast<int>(helpTopic)};
}
constexpr OpenWindow HelpThenShutdown(unsigned helpTopic) {
    return {OpenWindowAction::HelpThenShutdown, static_cast<int>(helpTopic)};
}
constexpr OpenWindow kShowHome = Show(kHomePage);
constexpr OpenWindow kShowInkPage{OpenWindowAction::InkPage, 0};
constexpr OpenWindow kOrderOnInkPage{OpenWindowAction::InkPageOrder, 0};
constexpr OpenWindow kNothing{OpenWindowAction::Nothing, 0};
constexpr OpenWindow kSuppliesWeb{OpenWindowAction::SuppliesWeb, 0};
constexpr OpenWindow kAlignmentInWindow{OpenWindowAction::Alignment, 0};
constexpr OpenWindow kCleaningInWindow{OpenWindowAction::Cleaning, 0};
constexpr OpenWindow kInstallWizardInWindow{OpenWindowAction::InstallWizard, 0};
constexpr OpenWindow AppProgressInWindow(int application) {
    return {OpenWindowAction::AppProgress, application};
}
constexpr OpenWindow InWindow(CartridgeTopic run) {
    return {OpenWindowAction::CartridgeWizard, static_cast<int>(run)};
}

// In topic order; the rows do not overlap.
constexpr TopicRow kTopics[] = {
    // first  last  first run                                open window
    {100, 100, kOpenHome, kShowHome},
    {101, 101, Open(kPrinterFeaturesPage), Show(kPrinterFeaturesPage)},
    {102, 102, Open(kTroubleshootingPage), Show(kTroubleshootingPage)},
    {103, 103, Open(kInkPage), Show(kInkPage)},
    {104, 104, Open(kContactInfoPage), Show(kContactInfoPage)},
    {105, 105, Open(kAdvancedPage), Show(kAdvancedPage)},
    {106, 106, FeatureList(1), kShowHome},
    {107, 107, FeatureList(2), kShowHome},
    {108, 108, FeatureList(3), kShowHome},
    {201, 202, HelpAndClose(kHelpTopicGeneral), Help(kHelpTopicGeneral)},
    {203, 203, kOpenHome, kOrderOnInkPage},
    {204, 204, HelpAndClose(kHelpTopicGeneral), kShowInkPage},
    {205, 205, kOpenHome, kOrderOnInkPage},
    {206, 206, kFitCartridges, InWindow(CartridgeTopic::FitCartridges)},
    {207, 207, HelpAndClose(kHelpTopicGeneral), kShowInkPage},
    {208, 208, kOpenHome, kOrderOnInkPage},
    {209, 209, kFitCartridges, InWindow(CartridgeTopic::FitCartridges)},
    {210, 210, HelpAndClose(kHelpTopicGeneral), kShowInkPage},
    {211, 211, kOpenHome, kOrderOnInkPage},
    {212, 212, kFitCartridges, InWindow(CartridgeTopic::FitCartridges)},
    {213, 213, kOpenHome, kOrderOnInkPage},
    {214, 214, Shutdown(1), kNothing},
    {215, 215, kOpenHome, kOrderOnInkPage},
    {216, 216, kCheckCartridges, InWindow(CartridgeTopic::CheckCartridges)},
    {217, 217, kOpenHome, kOrderOnInkPage},
    {218, 218, HelpAndClose(kHelpTopicNetwork), HelpThenShutdown(kHelpTopicNetwork)},
    {219, 219, HelpAndClose(kHelpTopicGeneral), Help(kHelpTopicGeneral)},
    {220, 220, kOpenHome, kOrderOnInkPage},
    {221, 221, kCheckCartridges, InWindow(CartridgeTopic::CheckCartridges)},
    {222, 222, Shutdown(0), kNothing},
    {223, 223, Open(kAdvancedPage), Show(kAdvancedPage)},
    {224, 224, Open(kTroubleshootingPage), Show(kTroubleshootingPage)},
    {225, 225, kOpenHome, Show(kTroubleshootingPage)},
    {301, 301, Open(kTroubleshootingPage), Show(kTroubleshootingPage)},
    {302, 302, kOpenHome, kShowHome},
    {303, 303, kOpenHome, kOrderOnInkPage},
    {304, 304, kAlignment, kAlignmentInWindow},
    {305, 305, kCleaning, kCleaningInWindow},
    {306, 306, {FirstRunAction::TestPage, 0}, {OpenWindowAction::TestPage, 0}},
    {307, 307, kOpenHome, {OpenWindowAction::InkPageAlignment, 0}},
    {308, 308, {FirstRunAction::PaperQuality, 0}, {OpenWindowAction::PaperQuality, 0}},
    {313, 313, CartridgeWizard(CartridgeTopic::HeldJobColourWithSteps),
     InWindow(CartridgeTopic::HeldJobColourWithSteps)},
    {314, 314, CartridgeWizard(CartridgeTopic::HeldJobBlackWithSteps),
     InWindow(CartridgeTopic::HeldJobBlackWithSteps)},
    {315, 315, CartridgeWizard(CartridgeTopic::HeldJobColour),
     InWindow(CartridgeTopic::HeldJobColour)},
    {316, 316, CartridgeWizard(CartridgeTopic::HeldJobBlack),
     InWindow(CartridgeTopic::HeldJobBlack)},
    {400, 400, {FirstRunAction::PostInstall, 0}, kInstallWizardInWindow},
    {401, 401, {FirstRunAction::SilentInstall, 1}, {OpenWindowAction::SilentInstall, 1}},
    {402, 402, AppProgress(1), AppProgressInWindow(1)},
    {403, 403, AppProgress(2), AppProgressInWindow(2)},
    {404, 404, kInstallCartridges, InWindow(CartridgeTopic::InstallCartridges)},
    {405, 405, kChangeCartridges, InWindow(CartridgeTopic::ChangeCartridges)},
    {406, 409, CartridgeWizard(CartridgeTopic::ReportedChange), kShowHome},
    {410, 410, kInstallWizard, kInstallWizardInWindow},
    {411, 411, {FirstRunAction::FaxConfirmation, 1}, {OpenWindowAction::FaxConfirmation, 1}},
    {412, 416, kInstallWizard, kInstallWizardInWindow},
    {417, 417, AppProgress(3), AppProgressInWindow(3)},
    {418, 418, AppProgress(4), AppProgressInWindow(4)},
    {kTopicChoosePrinter, kTopicChoosePrinter, kCallbackOnly, kShowHome},
    {600, 600, kInstallWizard, kInstallWizardInWindow},
    {kTopicSuppliesWeb, kTopicSuppliesWeb, kSuppliesWebThenHome, kSuppliesWeb},
    {kTopicLowInk,
     kTopicLowInk,
     {FirstRunAction::LowInkDialog, 0},
     {OpenWindowAction::LowInkDialog, 0}},
    {kTopicStatusUpdate, kTopicStatusUpdate, Shutdown(0), kNothing},
};

constexpr bool InOrderWithoutOverlap() {
    for (size_t index = 0; index < std::size(kTopics); ++index) {
        if (kTopics[index].first > kTopics[index].last)
            return false;
        if (index > 0 && kTopics[index - 1].last >= kTopics[index].first)
            return false;
    }
    return true;
}
static_assert(InOrderWithoutOverlap(), "the topic rows are searched in order");

constexpr TopicRow kOtherTopic{0, 0, kOpenHome, kShowHome};
} // namespace

const TopicRow& FindTopic(int topic) {
    const TopicRow* row = std::lower_bound(
        std::begin(kTopics), std::end(kTopics), topic,
        [](const TopicRow& candidate, int wanted) { return candidate.last < wanted; });
    return row != std::end(kTopics) && row->first <= topic ? *row : kOtherTopic;
}
