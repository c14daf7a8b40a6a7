// The module-wide state the exports own: the one main object, the resource module and the host
// callback, and the module state every export and window of ours runs in.
#pragma once

#include "Module.h"
#include "qor.h"

#include <memory>
#include <string>

class CQORTabDlg;

extern std::unique_ptr<CQORTabDlg> theCQORTabDlg;
extern HMODULE g_hQORResModule;
extern QORCALLBACK g_pfnQORCallback;

// The module's own state: its resource handle and its application object.
CModuleState* QorModuleState();

// The folder the module was loaded from, with its closing backslash; empty when unknown.
std::string ModuleFolder();
// Loads a companion DLL of the module by its full path in the module's own folder.
HMODULE LoadCompanion(const char* fileName);

// Loads the resource module (once) and makes it the current resource source; false, logged,
// when it cannot be loaded.
bool LoadResourceModule();
// Frees the resource module once no call of the module runs any more, unless the module has
// been opened again by then.
void FreeResourceModule();

// A new main object in theCQORTabDlg; one already there is retired.
CQORTabDlg* MakeMainObject();
// Takes the main object out of theCQORTabDlg and closes every window it owns at once; the object
// itself is deleted when the outermost call of the module returns (at once outside any call).
void RetireMainObject();
// Retires the main object and frees the resource module: the module is closed again.
void CloseModule();
