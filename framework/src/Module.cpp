#include "Module.h"

#include "Wnd.h"

namespace {
CModuleState g_processState;
CModuleState* g_current = &g_processState;
} // namespace

CModuleState* AfxGetModuleState() {
    return g_current;
}

HINSTANCE AfxGetResourceHandle() {
    return g_current->hResource;
}

void AfxSetResourceHandle(HINSTANCE resource) {
    g_current->hResource = resource;
}

CWinApp* AfxGetApp() {
    return g_current->pApp;
}

CModuleStateScope::CModuleStateScope(CModuleState* state)
    : m_state(state ? state : &g_processState), m_previous(g_current) {
    g_current = m_state;
    ++m_state->callDepth;
}

CModuleStateScope::~CModuleStateScope() {
    // The routine runs as one more call of the module: what it deletes may dispatch messages to
    // the module's windows, whose scopes then never reach the outermost return again.
    if (m_state->callDepth == 1 && m_state->pfnAfterOutermostCall) {
        try {
            m_state->pfnAfterOutermostCall();
        } catch (...) {
            ::OutputDebugStringA("VQTRG: exception stopped after a module's outermost call\n");
        }
    }
    --m_state->callDepth;
    g_current = m_previous;
}

CWinApp::CWinApp(CModuleState* state) : m_state(state) {
    if (m_state)
        m_state->pApp = this;
}

CWinApp::~CWinApp() {
    if (m_state && m_state->pApp == this)
        m_state->pApp = nullptr;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    return msg ? CWnd::WalkPreTranslateTree(msg) : FALSE;
}

FARPROC AfxLoadSystemFunction(const char* library, const char* name) {
    HMODULE loaded = ::LoadLibraryA(library);
    return loaded ? ::GetProcAddress(loaded, name) : nullptr;
}
