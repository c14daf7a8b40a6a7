// The preload file: an ini file in the system folder, named by an option of the model.
#include "HelpersSupport.h"

namespace {
// The options of a test: the default model's file is left alone; this one names the preload
// file, or names none.
class ScopedOptions {
public:
    explicit ScopedOptions(const std::string& lines)
        : m_file(TempFolder() + "vqtr_preload_options.ini", "[Options]\n" + lines) {
        char previous[MAX_PATH] = {};
        m_hadPrevious = ::GetEnvironmentVariableA("VQTR_OPTIONS", previous, MAX_PATH) > 0;
        m_previous = previous;
        ::SetEnvironmentVariableA("VQTR_OPTIONS", m_file.Path().c_str());
    }
    ~ScopedOptions() {
        ::SetEnvironmentVariableA("VQTR_OPTIONS", m_hadPrevious ? m_previous.c_str() : nullptr);
    }
    ScopedOptions(const ScopedOptions&) = delete;
    ScopedOptions& operator=(const ScopedOptions&) = delete;

private:
    ScopedFile m_file;
    bool m_hadPrevious = false;
    std::string m_previous;
};
} // namespace

class PreloadTest : public MainWindowTest {
protected:
    CQORTabDlg main;
};

TEST_F(PreloadTest, ValuesAreReadBySectionAndKeyFromTheNamedFileInTheSystemFolder) {
    ScopedOptions options("IDO_PLC_FILENAME=vqtr_test_preload.ini\n");
    ScopedFile preload(SystemFolder() + "\\vqtr_test_preload.ini",
                       "[PostInstall]\nEmpty=\nDefault=Default\nYes=1\nNo=0\n"
                       "[Other]\nYes=other section\n");
    struct Case {
        const char* key;
        const char* section;
        const char* value;
    };
    const Case cases[] = {{"Empty", "PostInstall", ""},   {"Default", "PostInstall", "Default"},
                          {"Yes", "PostInstall", "1"},    {"No", "PostInstall", "0"},
                          {"Missing", "PostInstall", ""}, {"Yes", "Other", "other section"},
                          {"Yes", "NoSection", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(std::string(main.ReadPreloadValue(c.key, c.section)), c.value);
    }
}

TEST_F(PreloadTest, AMissingFileOrNoFileNameReadsAsEmpty) {
    const char* const optionLines[] = {"IDO_PLC_FILENAME=vqtr_no_such_preload.ini\n",
                                       "IDO_PLC_FILENAME=\n", "IDO_OTHER=1\n"};
    for (const char* lines : optionLines) {
        SCOPED_TRACE(lines);
        ScopedOptions options(lines);
        EXPECT_EQ(std::string(main.ReadPreloadValue("Yes", "PostInstall")), "");
    }
}
