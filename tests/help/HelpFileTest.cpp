// The compiled help files as built: every topic number of the help project's list and every
// topic the module's own tables can open reaches a page of the file with real text, and the
// user guide's chapters are all there.
#include "CompiledHelp.h"
#include "HelpTopicList.h"
#include "main/HelpTopics.h"
#include "status/ReadyVerdicts.h"
#include "status/TroubleshootingStates.h"

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <regex>
#include <set>
#include <vector>

namespace {
constexpr size_t kMinimumWords = 50;

// Whether a topic number leads to a page of the file with enough text, and why not.
::testing::AssertionResult OpensAPageWithText(const CompiledHelp& help,
                                              const std::map<unsigned, std::string>& map,
                                              unsigned topic) {
    const auto entry = map.find(topic);
    if (entry == map.end())
        return ::testing::AssertionFailure() << "topic " << topic << " is not in the context map";
    const std::string page = entry->second.starts_with('/') ? entry->second : "/" + entry->second;
    const std::optional<std::string> html = help.Read(page);
    if (!html)
        return ::testing::AssertionFailure() << "topic " << topic << ": no page " << page;
    const size_t words = WordsOfPage(*html);
    if (words < kMinimumWords)
        return ::testing::AssertionFailure()
               << "topic " << topic << ": " << page << " has only " << words << " words";
    return ::testing::AssertionSuccess();
}

// The alert help classes that the Troubleshooting page can hold when a solution is clicked:
// none yet, or what any state with any alert made of them.
std::vector<AlertTopics> ReachableAlertTopics() {
    std::vector<AlertTopics> reachable{AlertTopics{}};
    for (AlertKind alert : {AlertKind::None, AlertKind::OutOfPaper, AlertKind::PaperJam,
                            AlertKind::CarriageStall, AlertKind::Cartridge, AlertKind::General}) {
        for (DWORD status = 0; status <= 11; ++status) {
            AlertTopics topics;
            ViewOfState(status, QOR_PORT_USB, alert, false, topics);
            reachable.push_back(topics);
        }
    }
    return reachable;
}

// Every help topic that the module's window-free tables open, over their whole input domain.
std::set<unsigned> TopicsTheCodeOpens() {
    std::set<unsigned> topics(std::begin(kPageHelpTopics), std::end(kPageHelpTopics));
    topics.insert({kHelpTopicGeneral, kHelpTopicNetwork, kHelpTopicTestPage, kHelpTopicCartridges,
                   kHelpTopicAlignment});
    const std::vector<AlertTopics> alertTopics = ReachableAlertTopics();
    for (DWORD status = 0; status <= 11; ++status) {
        for (DWORD port = 0; port <= 11; ++port) {
            for (int link = 1; link <= 3; ++link)
                for (const AlertTopics& alert : alertTopics)
                    topics.insert(SolutionTopic(link, status, port, alert));
            for (bool powerOffAlert : {false, true})
                topics.insert(CheckPrinterReady(status, port, powerOffAlert).helpTopic);
        }
    }
    for (int answer : {0, 1})
        for (BOOL bidiNew : {FALSE, TRUE})
            topics.insert(CheckOpenSession(answer, bidiNew).helpTopic);
    topics.erase(0); // opens nothing
    return topics;
}

class HelpFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_help = std::make_unique<CompiledHelp>(BuiltHelpFile("vqtrqor.chm"));
        s_map = s_help->ContextMap();
    }
    static void TearDownTestSuite() { s_help.reset(); }

    void SetUp() override { ASSERT_TRUE(s_help->Opened()) << "vqtrqor.chm cannot be opened"; }

    static std::unique_ptr<CompiledHelp> s_help;
    static std::map<unsigned, std::string> s_map;
};
std::unique_ptr<CompiledHelp> HelpFileTest::s_help;
std::map<unsigned, std::string> HelpFileTest::s_map;
} // namespace

TEST_F(HelpFileTest, EveryListedTopicOpensAPageWithText) {
    for (const ListedTopic& topic : kListedTopics)
        EXPECT_TRUE(OpensAPageWithText(*s_help, s_map, topic.number)) << topic.name;
}

TEST_F(HelpFileTest, TheContextMapHoldsTheListedTopicsAndNoOthers) {
    std::set<unsigned> listed;
    for (const ListedTopic& topic : kListedTopics)
        EXPECT_TRUE(listed.insert(topic.number).second) << topic.name << " repeats a number";
    std::set<unsigned> mapped;
    for (const auto& [number, page] : s_map)
        mapped.insert(number);
    EXPECT_EQ(mapped, listed);
}

TEST_F(HelpFileTest, EveryTopicTheModuleOpensHasItsPage) {
    for (unsigned topic : TopicsTheCodeOpens())
        EXPECT_TRUE(OpensAPageWithText(*s_help, s_map, topic));
}

TEST_F(HelpFileTest, AnUnlistedTopicHasNoPage) {
    EXPECT_FALSE(OpensAPageWithText(*s_help, s_map, 4242));
    EXPECT_FALSE(s_help->Read("/no_such_page.htm"));
}

TEST(UserGuideTest, EveryChapterOfTheContentsIsAPageWithText) {
    CompiledHelp guide(BuiltHelpFile("vqtrma.chm"));
    ASSERT_TRUE(guide.Opened());
    const std::optional<std::string> contents = guide.Read("/vqtrma.hhc");
    ASSERT_TRUE(contents);
    const std::regex local("<param name=\"Local\" value=\"([^\"]+)\">");
    size_t chapters = 0;
    for (auto match = std::sregex_iterator(contents->begin(), contents->end(), local);
         match != std::sregex_iterator(); ++match, ++chapters) {
        const std::optional<std::string> page = guide.Read("/" + (*match)[1].str());
        ASSERT_TRUE(page) << (*match)[1];
        EXPECT_GE(WordsOfPage(*page), 150u) << (*match)[1];
    }
    // The welcome page and the chapters from getting started to contacting the maker.
    EXPECT_GE(chapters, 8u);
}
