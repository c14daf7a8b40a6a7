// Programs started from the module, with and without waiting, and the module's windows kept
// alive while it waits.
#include "HelpersSupport.h"

#include "main/PrinterChoiceDlg.h"

#include <algorithm>

namespace {
std::string RecorderPath() {
    return ProgramFolder() + "launch_recorder.exe";
}

// What the recorder wrote: its command line and its process id.
struct Record {
    std::string commandLine;
    DWORD processId = 0;
};

Record ReadRecord(const std::string& path) {
    std::string text = ReadWholeFile(path);
    Record record;
    std::string::size_type end = text.find('\n');
    if (end == std::string::npos)
        return record;
    record.commandLine = text.substr(0, end);
    record.processId = std::strtoul(text.c_str() + end + 1, nullptr, 10);
    return record;
}

// What the test's window and timer do while the module waits: the release file ends a recorder
// that waits for it; a recorder that never ends is stopped once the window has seen enough.
struct WaitActions {
    WaitActions(std::string release, std::string record)
        : releaseFile(std::move(release)), recordFile(std::move(record)) {}
    std::string releaseFile;
    std::string recordFile;
    bool posted = false;
    int ticks = 0;
    bool stopped = false;
};
WaitActions* g_actions = nullptr;

constexpr UINT kPostedMessage = WM_APP + 7;
constexpr UINT_PTR kWindowTimer = 3;
constexpr DWORD kStoppedExitCode = 9;

void Release() {
    std::ofstream(g_actions->releaseFile) << "go";
}

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPostedMessage) {
        g_actions->posted = true;
        if (!g_actions->releaseFile.empty())
            Release();
        return 0;
    }
    if (message == WM_TIMER && wParam == kWindowTimer) {
        ++g_actions->ticks;
        Record record = ReadRecord(g_actions->recordFile);
        if (g_actions->posted && g_actions->ticks >= 3 && record.processId && !g_actions->stopped) {
            HANDLE process = ::OpenProcess(PROCESS_TERMINATE, FALSE, record.processId);
            g_actions->stopped = process && ::TerminateProcess(process, kStoppedExitCode);
            if (process)
                ::CloseHandle(process);
        }
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

void CALLBACK ReleaseFromThreadTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    Release();
}

// A message-only window of the test's own, served by whatever loop runs the thread's messages.
class TestWindow {
public:
    TestWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "VqtrLaunchTestWindow";
        ::RegisterClassA(&windowClass);
        m_hwnd = ::CreateWindowA("VqtrLaunchTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 windowClass.hInstance, nullptr);
    }
    ~TestWindow() { ::DestroyWindow(m_hwnd); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    operator HWND() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};
} // namespace

class LaunchProgramTest : public MainWindowTest {
protected:
    LaunchProgramTest() {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        recordFile = TempFolder() + "vqtr_record_" + name + ".txt";
        releaseFile = TempFolder() + "vqtr_release_" + name + ".txt";
    }
    ~LaunchProgramTest() override {
        ::DeleteFileA(recordFile.c_str());
        ::DeleteFileA(releaseFile.c_str());
        g_actions = nullptr;
    }
    std::string Command(const std::string& arguments) const {
        return "\"" + RecorderPath() + "\" " + recordFile + " " + arguments;
    }
    size_t Count(const std::string& entry) const {
        std::vector<std::string> lines = log.Lines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), entry));
    }

    CQORTabDlg main;
    std::string recordFile;
    std::string releaseFile;
};

TEST_F(LaunchProgramTest, AWaitedProgramRunsWithTheCommandLineToItsEnd) {
    const int exitCodes[] = {0, 7};
    for (int exitCode : exitCodes) {
        SCOPED_TRACE(exitCode);
        std::string command = Command(std::to_string(exitCode));
        EXPECT_EQ(main.LaunchProgram(command.c_str(), TRUE), 1);
        EXPECT_EQ(ReadRecord(recordFile).commandLine, command);
        EXPECT_TRUE(log.HasSequence({"Launch Program()", command}));
        EXPECT_TRUE(log.HasSequence({"GetExitCodeProcess()", std::to_string(exitCode),
                                     "CreateProcess() Return Code", "1"}));
    }
}

TEST_F(LaunchProgramTest, AProgramNotWaitedForIsLeftRunning) {
    std::string eventName = "vqtr_recorded_" + recordFile.substr(recordFile.rfind('\\') + 1);
    CHandle recorded(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    std::string command = Command("0 until " + releaseFile);
    // The recorder cannot end before the release file exists: the call returns while it runs.
    EXPECT_EQ(main.LaunchProgram(command.c_str(), FALSE), -1);
    EXPECT_TRUE(log.HasSequence({"CreateProcess() Return Code", "1"}));
    EXPECT_EQ(Count("waiting..."), 0u);

    ASSERT_EQ(::WaitForSingleObject(recorded, 60000), WAIT_OBJECT_0);
    Record record = ReadRecord(recordFile);
    EXPECT_EQ(record.commandLine, command);
    CHandle process(::OpenProcess(SYNCHRONIZE, FALSE, record.processId));
    ASSERT_TRUE(process.IsValid()) << "the program still runs";
    std::ofstream(releaseFile) << "go";
    EXPECT_EQ(::WaitForSingleObject(process, 60000), WAIT_OBJECT_0);
}

TEST_F(LaunchProgramTest, AProgramThatCannotStartGivesMinusOneAndLogsReturnCodeZero) {
    const char* const commands[] = {"Z:\\no\\such\\folder\\program.exe",
                                    "vqtr_no_such_program.exe /s", ""};
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        size_t before = log.Lines().size();
        EXPECT_EQ(main.LaunchProgram(command, TRUE), -1);
        std::vector<std::string> lines = LinesSince(log, before);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "CreateProcess() Return Code");
        EXPECT_EQ(lines.back(), "0");
    }
    EXPECT_EQ(main.LaunchProgram(nullptr, TRUE), -1);
    EXPECT_EQ(main.LaunchProgram(nullptr, FALSE), -1);
}

TEST_F(LaunchProgramTest, TheWaitDeliversPostedMessagesAndTimersWhileTheProgramRuns) {
    enum class Trigger { PostedMessage, ThreadTimer };
    for (Trigger trigger : {Trigger::PostedMessage, Trigger::ThreadTimer}) {
        SCOPED_TRACE(trigger == Trigger::PostedMessage ? "posted message" : "thread timer");
        ::DeleteFileA(releaseFile.c_str());
        WaitActions actions(releaseFile, recordFile);
        g_actions = &actions;
        TestWindow window;
        // Queued before the call: only the wait loop can run them, and only they release the
        // program.
        if (trigger == Trigger::PostedMessage)
            ::PostMessageA(window, kPostedMessage, 0, 0);
        else
            ::SetTimer(nullptr, 0, 1, ReleaseFromThreadTimer);
        std::string command = Command("5 until " + releaseFile);
        EXPECT_EQ(main.LaunchProgram(command.c_str(), TRUE), 1);
        EXPECT_EQ(actions.posted, trigger == Trigger::PostedMessage);
        EXPECT_EQ(ReadRecord(recordFile).commandLine, command);
        EXPECT_TRUE(log.HasSequence({"GetExitCodeProcess()", "5"}));
        EXPECT_GE(Count("waiting..."), 1u);
    }
}

TEST_F(LaunchProgramTest, AProgramThatNeverEndsLeavesTheWindowsResponsive) {
    WaitActions actions("", recordFile);
    g_actions = &actions;
    TestWindow window;
    ::PostMessageA(window, kPostedMessage, 0, 0);
    ::SetTimer(window, kWindowTimer, 1, nullptr);
    // The window stops the program once it has had its message and three timer ticks.
    EXPECT_EQ(main.LaunchProgram(Command("0 forever").c_str(), TRUE), 1);
    EXPECT_TRUE(actions.posted);
    EXPECT_GE(actions.ticks, 3);
    EXPECT_TRUE(actions.stopped);
    EXPECT_TRUE(log.HasSequence({"GetExitCodeProcess()", std::to_string(kStoppedExitCode)}));
    EXPECT_GE(Count("waiting..."), 1u);
}

TEST_F(LaunchProgramTest, AQuitMessageMetDuringTheWaitIsLeftForTheHostsLoop) {
    ::PostQuitMessage(3);
    std::string command = Command("0");
    EXPECT_EQ(main.LaunchProgram(command.c_str(), TRUE), 1);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(LaunchProgramTest, TheWaitOffersKeysToTheModulesDialogsFirst) {
    CModuleStateScope state(QorModuleState());
    ASSERT_TRUE(LoadResourceModule());
    CPrinterChoiceDlg dialog;
    dialog.SetPrinterList("Office Printer\0");
    ASSERT_TRUE(dialog.Create(IDD_PRINTER_CHOICE));
    dialog.ShowWindow(SW_SHOW);
    WaitActions actions(releaseFile, recordFile);
    g_actions = &actions;
    TestWindow window;
    // Escape reaches the dialog's keyboard handling only through its PreTranslateMessage; the
    // list box itself ignores it.
    ::PostMessageA(dialog.GetDlgItem(IDC_PRINTER_CHOICE_LIST), WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageA(window, kPostedMessage, 0, 0);
    EXPECT_EQ(main.LaunchProgram(Command("0 until " + releaseFile).c_str(), TRUE), 1);
    EXPECT_TRUE(actions.posted);
    EXPECT_FALSE(dialog.IsWindowVisible()) << "Escape cancelled the dialog";
    dialog.DestroyWindow();
    FreeResourceModule();
}
