// The module-wide state the exports own: the one main object, the resource module and the host
// callback, and the module state every export and window of ours runs in.
#pragma once

#include "Module.h"
#include "qor.h"

#include <memory>

class CQORTabDlg;

extern std::unique_ptr<CQORTabDlg> theCQORTabDlg;
extern HMODULE g_hQORResModule;
extern QORCALLBACK g_pfnQORCallback;

// The module's own state: its resource handle and its application object.
CModuleState* QorModuleState();

// Loads the resource module (once) and makes it the current resource source; false, logged,
// when it cannot be loaded.
bool LoadResourceModule();
void FreeResourceModule();

// Deletes the main object (and every window it owns) and frees the resource module: the module
// is closed again.
void CloseModule();
