// The how-to subjects of the Printer Features page and the topics they open, and the locales that
// see the special offer: decisions over the model's options and the locale alone.
#include "resource.h"
#include "status/ContactRules.h"
#include "status/FeatureSubjects.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct TopicCase {
    const char* name;
    int list;
    FeatureModel model;
    std::vector<DWORD> topics; // by index, from 0
};

std::vector<DWORD> TopicsOf(int list, const FeatureModel& model) {
    std::vector<DWORD> topics;
    for (const FeatureSubject& subject : FeatureSubjects(list, model))
        topics.push_back(subject.topic);
    return topics;
}

constexpr FeatureModel kPrinter{false, false, false};
constexpr FeatureModel kPrinterGuide{false, true, false};
constexpr FeatureModel kAllInOneBoth{true, true, true};
constexpr FeatureModel kAllInOneGuide{true, true, false};
constexpr FeatureModel kAllInOnePanel{true, false, true};
constexpr FeatureModel kAllInOneNeither{true, false, false};
} // namespace

TEST(FeatureSubjects, EachListOpensTheTopicsOfItsModelInOrder) {
    const TopicCase cases[] = {
        {"1, printer, no guide", 1, kPrinter, {301, 302, 303, 304}},
        {"1, printer, guide", 1, kPrinterGuide, {155, 301, 302, 303, 304}},
        // A printer has no front panel: the panel option changes nothing.
        {"1, printer, guide, panel", 1, {false, true, true}, {155, 301, 302, 303, 304}},
        {"1, all-in-one, guide, panel", 1, kAllInOneBoth, {155, 801, 802, 803, 804, 805, 806}},
        {"1, all-in-one, guide", 1, kAllInOneGuide, {155, 801, 803, 804, 805, 806}},
        {"1, all-in-one, panel", 1, kAllInOnePanel, {801, 802, 803, 804, 805, 806}},
        {"1, all-in-one, neither", 1, kAllInOneNeither, {801, 803, 804, 805, 806}},
        {"2, all-in-one", 2, kAllInOneNeither, {807, 808, 809, 810}},
        {"2, printer", 2, kPrinterGuide, {305, 306, 307, 308, 309}},
        {"3, all-in-one", 3, kAllInOneBoth, {811, 812, 813, 814, 815, 816, 817}},
        {"3, printer", 3, kPrinter, {811, 812, 813, 814, 815, 816, 817}},
        {"no such list", 4, kAllInOneBoth, {}},
        {"list 0", 0, kPrinter, {}},
    };
    for (const TopicCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TopicsOf(c.list, c.model), c.topics);
        for (size_t index = 0; index < c.topics.size(); ++index)
            EXPECT_EQ(FeatureTopic(c.list, static_cast<int>(index), c.model), c.topics[index]);
        // An index outside the row opens nothing.
        EXPECT_EQ(FeatureTopic(c.list, static_cast<int>(c.topics.size()), c.model), 0u);
        EXPECT_EQ(FeatureTopic(c.list, -1, c.model), 0u);
    }
}

TEST(FeatureSubjects, ThePanelMenuAndTheGuideAreTheSubjectsTheirOptionsAdd) {
    const std::vector<FeatureSubject> all = FeatureSubjects(1, kAllInOneBoth);
    ASSERT_EQ(all.size(), 7u);
    EXPECT_EQ(all[0].textId, static_cast<UINT>(IDS_FEATURE_PRINTABLE_GUIDE));
    EXPECT_EQ(all[2].textId, static_cast<UINT>(IDS_FEATURE_AIO_PANEL_MENU));
    for (const FeatureSubject& subject : FeatureSubjects(1, kAllInOneNeither)) {
        EXPECT_NE(subject.textId, static_cast<UINT>(IDS_FEATURE_AIO_PANEL_MENU));
        EXPECT_NE(subject.textId, static_cast<UINT>(IDS_FEATURE_PRINTABLE_GUIDE));
    }
    EXPECT_EQ(FeatureSubjects(2, kPrinter).front().textId,
              static_cast<UINT>(IDS_FEATURE_PROJECT_PHOTOS));
    EXPECT_EQ(FeatureSubjects(3, kPrinter).back().textId,
              static_cast<UINT>(IDS_FEATURE_PAPER_CUSTOM_SIZE));
}

TEST(ContactRules, OnlyTheUnitedStatesAndCanadianEnglishLocalesSeeTheSpecialOffer) {
    struct Case {
        const char* locale;
        bool offered;
    };
    const Case cases[] = {{"00000409", true},   {"00001009", true},  {"00000809", false},
                          {"00000407", false},  {"00000c0a", false}, {"0409", false},
                          {"000004090", false}, {"", false},         {nullptr, false}};
    for (const Case& c : cases)
        EXPECT_EQ(ShowsSpecialOffer(c.locale), c.offered) << (c.locale ? c.locale : "(null)");
}
