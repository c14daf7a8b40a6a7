#include "QorModule.h"

#include "CSpy.h"
#include "Operations.h"
#include "ResourceLanguage.h"
#include "main/QORTabDlg.h"

#include <string>
#include <vector>

std::unique_ptr<CQORTabDlg> theCQORTabDlg;
HMODULE g_hQORResModule = nullptr;
QORCALLBACK g_pfnQORCallback = nullptr;

namespace {
// Main objects closed while a call of the module was running: deleted when the outermost call
// returns, so that no code of theirs still on the stack runs on a deleted object.
std::vector<std::unique_ptr<CQORTabDlg>> g_retired;
// The resource module waits for the same moment: a dialog still on the stack may load from it.
bool g_resourcesReleased = false;

void AfterOutermostCall() {
    if (g_retired.empty() && !g_resourcesReleased)
        return;
    // Taken out first: deleting an object dispatches messages that end calls of their own.
    std::vector<std::unique_ptr<CQORTabDlg>> retired = std::move(g_retired);
    retired.clear();
    if (g_resourcesReleased && !theCQORTabDlg) {
        ::FreeLibrary(g_hQORResModule);
        g_hQORResModule = nullptr;
        AfxSetResourceHandle(nullptr);
    }
    g_resourcesReleased = false;
}

CModuleState MakeModuleState() {
    CModuleState state;
    state.pfnAfterOutermostCall = &AfterOutermostCall;
    return state;
}

CModuleState g_moduleState = MakeModuleState();
// Offers the host's messages to the module's windows (QORFilterDllMsg).
CWinApp g_app(&g_moduleState);
} // namespace

std::string ModuleFolder() {
    HMODULE self = nullptr;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              reinterpret_cast<LPCSTR>(&ModuleFolder), &self))
        return {};
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

HMODULE LoadCompanion(const char* fileName) {
    std::string folder = ModuleFolder();
    if (folder.empty()) {
        CSpy spy;
        spy.OutputData("The module's own folder is unknown: no companion is loaded");
        return nullptr;
    }
    // Only the copy beside the module: never one from the host's folder, the current folder or
    // the path.
    return ::LoadLibraryExA((folder + fileName).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

CModuleState* QorModuleState() {
    return &g_moduleState;
}

bool LoadResourceModule() {
    g_resourcesReleased = false;
    if (!g_hQORResModule) {
        char locale[16] = {};
        UtilGetLocaleText(locale, sizeof locale, nullptr, 0);
        const std::string own = ResourceModuleFor(locale);
        if (own != kBaseResourceModule) {
            g_hQORResModule = LoadCompanion(own.c_str());
            if (!g_hQORResModule) {
                CSpy spy;
                spy.OutputEach("No resource module for the user's language: English stands", locale,
                               own.c_str());
            }
        }
    }
    if (!g_hQORResModule)
        g_hQORResModule = LoadCompanion(kBaseResourceModule);
    if (!g_hQORResModule) {
        CSpy spy;
        spy.OutputData("QOR Res DLL not loaded");
        return false;
    }
    AfxSetResourceHandle(g_hQORResModule);
    return true;
}

void FreeResourceModule() {
    if (!g_hQORResModule)
        return;
    g_resourcesReleased = true;
    // Outside every call of the module (a host's own code) it goes at once.
    if (g_moduleState.callDepth == 0)
        AfterOutermostCall();
}

CQORTabDlg* MakeMainObject() {
    RetireMainObject();
    theCQORTabDlg = std::make_unique<CQORTabDlg>();
    g_moduleState.bClosing = false;
    return theCQORTabDlg.get();
}

void RetireMainObject() {
    // The object leaves the global before anything else, so that nothing reaches it half-gone.
    std::unique_ptr<CQORTabDlg> leaving = std::move(theCQORTabDlg);
    if (!leaving)
        return;
    g_moduleState.bClosing = true;
    leaving->Retire();
    g_retired.push_back(std::move(leaving));
    if (g_moduleState.callDepth == 0)
        AfterOutermostCall();
}

void CloseModule() {
    RetireMainObject();
    FreeResourceModule();
    CSpy spy;
    spy.OutputData("Shuting down QOR");
}
