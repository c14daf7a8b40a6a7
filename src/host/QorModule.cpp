#include "QorModule.h"

#include "CSpy.h"
#include "main/QORTabDlg.h"

std::unique_ptr<CQORTabDlg> theCQORTabDlg;
HMODULE g_hQORResModule = nullptr;
QORCALLBACK g_pfnQORCallback = nullptr;

namespace {
CModuleState g_moduleState;
// Offers the host's messages to the module's windows (QORFilterDllMsg).
CWinApp g_app(&g_moduleState);
} // namespace

CModuleState* QorModuleState() {
    return &g_moduleState;
}

bool LoadResourceModule() {
    if (!g_hQORResModule)
        g_hQORResModule = ::LoadLibraryA("vqtrqorr.dll");
    if (!g_hQORResModule) {
        CSpy spy;
        spy.OutputData("QOR Res DLL not loaded");
        return false;
    }
    AfxSetResourceHandle(g_hQORResModule);
    return true;
}

void FreeResourceModule() {
    if (g_hQORResModule) {
        ::FreeLibrary(g_hQORResModule);
        g_hQORResModule = nullptr;
    }
    AfxSetResourceHandle(nullptr);
}

void CloseModule() {
    // The object leaves the global before it is deleted, so that nothing reaches it half-gone.
    std::unique_ptr<CQORTabDlg> closing = std::move(theCQORTabDlg);
    closing.reset();
    FreeResourceModule();
    CSpy spy;
    spy.OutputData("Shuting down QOR");
}
