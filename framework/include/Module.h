// Module state: which module's resources the framework loads from, and which application object
// filters the thread's messages. Each client module owns one CModuleState.
//
// When a client module switches to its own state with a CModuleStateScope:
// - every export, for the length of the call;
// - every routine that Windows calls without a window message of the module's: a timer
//   procedure given to SetTimer, a hook procedure, a thread timer.
// Nowhere else: every message to a window of the module (its dialogs, pages, controls) runs in the
// state that was current when the window was made, which the framework switches to itself.
#pragma once

#include "FrameworkApi.h"

#include <windows.h>

class CWinApp;

struct VQTRG_API CModuleState {
    HINSTANCE hResource = nullptr; // where templates, strings and bitmaps come from
    CWinApp* pApp = nullptr;       // the module's application object, if any
    // The module's calls on the thread's stack (its scopes), and what runs when the outermost
    // of them returns: a module that is closed from inside one of its own calls deletes its
    // objects there, once none of its code is running any more.
    int callDepth = 0;
    void (*pfnAfterOutermostCall)() = nullptr;
    // While set, the module is closing: no dialog of it opens and no modal loop of it runs.
    bool bClosing = false;
};

// The state in force now (never null: a process-wide default stands in before any switch).
VQTRG_API CModuleState* AfxGetModuleState();
VQTRG_API HINSTANCE AfxGetResourceHandle();
VQTRG_API void AfxSetResourceHandle(HINSTANCE resource);
VQTRG_API CWinApp* AfxGetApp();

// A function of a system library that the modules need seldom (the shell, sound, help, common
// controls): the library is loaded at the first call for it rather than with the modules, so a
// host that never needs it never maps it, and it stays for the life of the process, as what it
// makes (windows, classes, a sound playing) outlives the call. Null when missing.
VQTRG_API FARPROC AfxLoadSystemFunction(const char* library, const char* name);
template <typename Function> Function AfxSystemFunction(const char* library, const char* name) {
    return reinterpret_cast<Function>(AfxLoadSystemFunction(library, name));
}

// Sets a module's state as the current one and restores the previous one when it goes.
class VQTRG_API CModuleStateScope {
public:
    explicit CModuleStateScope(CModuleState* state);
    ~CModuleStateScope();
    CModuleStateScope(const CModuleStateScope&) = delete;
    CModuleStateScope& operator=(const CModuleStateScope&) = delete;

private:
    CModuleState* m_state;
    CModuleState* m_previous;
};

// The application object of a client module: it lets the host's message loop offer each message
// to the module's windows first (PreTranslateMessage), from the innermost window outwards.
class VQTRG_API CWinApp {
public:
    explicit CWinApp(CModuleState* state);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL PreTranslateMessage(MSG* msg);

private:
    CModuleState* m_state;
};
