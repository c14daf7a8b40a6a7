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

CModuleStateScope::CModuleStateScope(CModuleState* state) : m_previous(g_current) {
    g_current = state ? state : &g_processState;
}

CModuleStateScope::~CModuleStateScope() {
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
