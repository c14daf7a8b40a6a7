// The numbered operations: the user-interface handler in place of what the user would see, the
// locale text and the device-installation marker.
#include "Operations.h"
#include "UtilTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using utiltest::ScopedEnvironment;
using utiltest::TempFile;

namespace {

struct UiCall {
    int kind;
    std::string text;
    std::string caption; // "(null)" for a null caption
    unsigned number;
    unsigned command;
    bool operator==(const UiCall&) const = default;
};

void PrintTo(const UiCall& call, std::ostream* out) {
    *out << "{" << call.kind << ", \"" << call.text << "\", \"" << call.caption << "\", "
         << call.number << ", " << call.command << "}";
}

std::vector<UiCall> g_calls;

int RecordCall(int kind, const char* text, const char* caption, unsigned number, unsigned command) {
    g_calls.push_back(
        {kind, text ? text : "(null)", caption ? caption : "(null)", number, command});
    return IDCANCEL;
}

class UiHandler : public testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        VqtrSetUiHandler(&RecordCall);
    }
    void TearDown() override { VqtrSetUiHandler(nullptr); }

    TempFile m_log{".log"};
    ScopedEnvironment m_logging{"VQTR_SPY_LOG", m_log.Path()};
};

TEST_F(UiHandler, TakesMessageBoxesHelpTopicsAndShellOpens) {
    TempFile help(".chm");
    EXPECT_EQ(UtilMessageBox(nullptr, "Remove the cartridge.", "Corvane", MB_OKCANCEL | 48),
              IDCANCEL);
    UtilShowHelp(nullptr, help.Path(), 1, 6034, 0);
    UtilShellOpen(nullptr, "http://www.example.com/supplies/q710/order.html", nullptr,
                  SW_SHOWNORMAL);
    UtilShellOpen(nullptr, "C:\\vqtrsply.htm", "open", 5);
    EXPECT_EQ(g_calls, (std::vector<UiCall>{
                           {1, "Remove the cartridge.", "Corvane", MB_OKCANCEL | 48, 0},
                           {2, help.Path(), "(null)", 6034, 1},
                           {3, "http://www.example.com/supplies/q710/order.html", "(null)",
                            SW_SHOWNORMAL, 0},
                           {3, "C:\\vqtrsply.htm", "open", 5, 0},
                       }));
}

TEST_F(UiHandler, EveryOperationIsLogged) {
    UtilMessageBox(nullptr, "text", nullptr, 0);
    UtilShowHelp(nullptr, "C:\\missing.chm", 1, 1, 0);
    UtilShellOpen(nullptr, "C:\\file.htm", nullptr, 5);
    UtilIsDeviceInstalling();
    char locale[9];
    UtilGetLocaleText(locale, sizeof locale, nullptr, 0);
    const auto lines = m_log.Lines();
    for (const char* name : {"UtilMessageBox()", "UtilShowHelp()", "UtilShellOpen()",
                             "UtilIsDeviceInstalling()", "UtilGetLocaleText()"}) {
        const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.starts_with(name);
        });
        EXPECT_TRUE(found) << name;
    }
}

TEST_F(UiHandler, BadArgumentsReachNobody) {
    UtilShowHelp(nullptr, nullptr, 1, 1, 0);
    UtilShellOpen(nullptr, nullptr, "open", 5);
    UtilShellOpen(nullptr, "", "open", 5);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(UtilMessageBox(nullptr, nullptr, nullptr, 0), IDCANCEL);
    EXPECT_EQ(g_calls, (std::vector<UiCall>{{1, "", "(null)", 0, 0}}));
}

TEST(UiHandlerExport, HasItsCName) {
    const HMODULE library = GetModuleHandleA("vqtrutil.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(library, "VqtrSetUiHandler")),
              reinterpret_cast<void*>(&VqtrSetUiHandler));
}

// Without a handler the real message box appears: a hook presses its Cancel button.
LRESULT CALLBACK CancelMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(UiHandlerRestored, TheRealActionsAreBack) {
    g_calls.clear();
    VqtrSetUiHandler(&RecordCall);
    VqtrSetUiHandler(nullptr);
    const HHOOK hook = SetWindowsHookExA(WH_CBT, &CancelMessageBox, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    EXPECT_EQ(UtilMessageBox(nullptr, "Real", "Corvane", MB_OKCANCEL), IDCANCEL);
    UnhookWindowsHookEx(hook);
    // A help file that does not exist opens nothing and returns at once.
    TempFile missing(".chm");
    UtilShowHelp(nullptr, missing.Path(), 1, 6034, 0);
    EXPECT_TRUE(g_calls.empty());
}

TEST(DeviceInstallation, OnlyWhileTheMarkerFileExists) {
    TempFile marker(".flag");
    {
        ScopedEnvironment unset("VQTR_DEVICE_INSTALL", nullptr);
        EXPECT_FALSE(UtilIsDeviceInstalling());
    }
    ScopedEnvironment named("VQTR_DEVICE_INSTALL", marker.Path());
    EXPECT_FALSE(UtilIsDeviceInstalling());
    marker.Write("installing");
    EXPECT_TRUE(UtilIsDeviceInstalling());
    DeleteFileA(marker.Path());
    EXPECT_FALSE(UtilIsDeviceInstalling());
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    ScopedEnvironment aFolder("VQTR_DEVICE_INSTALL", folder);
    EXPECT_FALSE(UtilIsDeviceInstalling());
}

TEST(LocaleText, TheVariableStandsForTheUsersLocale) {
    ScopedEnvironment japanese("VQTR_LOCALE", "00000411");
    char locale[16] = "";
    char language[64] = "";
    EXPECT_EQ(UtilGetLocaleText(locale, sizeof locale, language, sizeof language), 8);
    EXPECT_STREQ(locale, "00000411");
    EXPECT_STREQ(language, "Japanese");
}

TEST(LocaleText, AnOverrideIsWrittenInUpperCase) {
    ScopedEnvironment spanish("VQTR_LOCALE", "00000c0a");
    char locale[9] = "";
    EXPECT_EQ(UtilGetLocaleText(locale, sizeof locale, nullptr, 0), 8);
    EXPECT_STREQ(locale, "00000C0A");
}

TEST(LocaleText, WithoutAValidOverrideTheUsersLocale) {
    char expected[16];
    snprintf(expected, sizeof expected, "%08lX", static_cast<unsigned long>(GetUserDefaultLCID()));
    for (const char* value : {static_cast<const char*>(nullptr), "411", "0000041G"}) {
        ScopedEnvironment override("VQTR_LOCALE", value);
        char locale[9] = "";
        EXPECT_EQ(UtilGetLocaleText(locale, sizeof locale, nullptr, 0), 8);
        EXPECT_STREQ(locale, expected) << (value ? value : "(unset)");
    }
}

TEST(LocaleText, BuffersTooSmall) {
    ScopedEnvironment english("VQTR_LOCALE", "00000409");
    char locale[8] = "x";
    EXPECT_EQ(UtilGetLocaleText(locale, sizeof locale, nullptr, 0), 0);
    EXPECT_STREQ(locale, "");
    EXPECT_EQ(UtilGetLocaleText(nullptr, 9, nullptr, 0), 0);
    char full[9];
    char language[4];
    EXPECT_EQ(UtilGetLocaleText(full, sizeof full, language, sizeof language), 8);
    EXPECT_STREQ(language, "Eng");
}

} // namespace
