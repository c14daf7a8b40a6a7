// A host at its simplest: it loads the module by its full path and nothing else. Run as
//   load_probe MODULE_PATH [PRELOAD_PATH]
// where PRELOAD_PATH is a DLL the host loads first, under a name the module's companions bear.
// Exit code: 0 the module and its companions loaded from the module's folder; 1 the preload
// failed; 2 the module did not load; 3 a companion came from elsewhere.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    if (argc > 2 && !::LoadLibraryA(argv[2]))
        return 1;
    HMODULE module = ::LoadLibraryA(argv[1]);
    if (!module || !::GetProcAddress(module, "QORInit"))
        return 2;
    std::string folder(argv[1]);
    folder.erase(folder.find_last_of('\\') + 1);
    for (const char* companion : {"VQTRG.dll", "vqtrutil.dll"})
        if (!::GetModuleHandleA((folder + companion).c_str()))
            return 3;
    ::FreeLibrary(module);
    return 0;
}
