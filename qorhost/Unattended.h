// Stands in for the user when nobody is there (the soak, headless screenshots):
// - the utility library's message boxes, help topics and shell openings go to a handler
//   (VqtrSetUiHandler, looked up in vqtrutil.dll) that answers at once (help topics may also be
//   shown in the real viewer, as the module asked for them);
// - modal windows of the module (wizards, message boxes of its own) are closed: a CBT hook notes
//   each dialog the module activates, and a thread timer, which also runs inside modal loops,
//   posts IDCANCEL to the newest one while a call into the module or a message dispatched to it
//   has lasted longer than the delay, then WM_CLOSE when cancelling does not end it.
// One at a time per process.
#pragma once

#include "ModuleHost.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class Unattended {
public:
    // answer: the button pressed for a message box of the given style.
    explicit Unattended(std::function<int(UINT style)> answer);
    ~Unattended();
    Unattended(const Unattended&) = delete;
    Unattended& operator=(const Unattended&) = delete;

    // Whether the utility library offered a handler (false: its actions happen for real).
    bool HandlerSet() const { return m_handlerSet; }
    // Modal windows are closed only while this is on (a screenshot first waits for them).
    void SetClosing(bool closing) { m_closing = closing; }
    void SetDelay(DWORD milliseconds) { m_delay = milliseconds; }
    // Help requests are also shown in the system's viewer, and closed again at once; where the
    // module asks for a help file that is not there, `helpFile` is installed in its place first
    // (and removed at the end).
    void ShowHelpInViewer(const std::string& helpFile) { m_viewerHelpFile = helpFile; }

    // Told of each thing that would have been put in front of the user, and of each close.
    std::function<void(const std::string&)> onEvent;
    // Offered a modal window before it is closed: true when the user acted in it instead (a few
    // times for each window, then it is closed as ever).
    std::function<bool(HWND)> onModalWindow;

    int MessageBoxes() const { return m_messageBoxes; }
    int HelpTopics() const { return m_helpTopics; }
    int ViewerTopics() const { return m_viewerTopics; }
    int ShellOpens() const { return m_shellOpens; }
    int ModalCloses() const { return m_modalCloses; }

    // The buttons of a message box style (MB_OK: IDOK; MB_YESNO: IDYES, IDNO; ...).
    static std::vector<int> Buttons(UINT style);

private:
    static int Handler(int kind, const char* text, const char* caption, unsigned number,
                       unsigned command);
    static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void CloseModalWindow();
    HWND NewestModalCandidate();
    void Event(const std::string& text);
    void ShowInViewer(const char* helpPath, unsigned topic, unsigned command);

    std::function<int(UINT)> m_answer;
    bool m_handlerSet = false;
    bool m_closing = true;
    DWORD m_delay = 300;
    HHOOK m_hook = nullptr;
    UINT_PTR m_timer = 0;
    // Dialogs of the module in the order they were activated.
    std::vector<HWND> m_activated;
    HWND m_target = nullptr;
    int m_attempts = 0;
    // What the user does in a modal window before it is closed.
    static constexpr int kActionsBeforeClosing = 8;
    int m_actions = 0;
    int m_messageBoxes = 0;
    int m_helpTopics = 0;
    std::string m_viewerHelpFile;
    int m_viewerTopics = 0;
    std::string m_installedHelpFile;
    int m_shellOpens = 0;
    int m_modalCloses = 0;
};
