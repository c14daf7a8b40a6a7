// The preload file: an ini file in the system folder, named by an option of the model.
#include "HelpersSupport.h"

using testing_support::ScopedOptionsFile;
using testing_support::TempFile;

class PreloadTest : public MainWindowTest {
protected:
    CQORTabDlg main;
};

TEST_F(PreloadTest, ValuesAreReadBySectionAndKeyFromTheNamedFileInTheSystemFolder) {
    // The default model's file is left alone: this one names the preload file.
    ScopedOptionsFile options({"IDO_PLC_FILENAME=vqtr_test_preload.ini"});
    TempFile preload(SystemFolder() + "\\vqtr_test_preload.ini",
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
    const char* const optionLines[] = {"IDO_PLC_FILENAME=vqtr_no_such_preload.ini",
                                       "IDO_PLC_FILENAME=", "IDO_OTHER=1"};
    for (const char* line : optionLines) {
        SCOPED_TRACE(line);
        ScopedOptionsFile options({line});
        EXPECT_EQ(std::string(main.ReadPreloadValue("Yes", "PostInstall")), "");
    }
}
