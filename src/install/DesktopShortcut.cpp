#include "DesktopShortcut.h"

#include "CSpy.h"
#include "Registry.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace {
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// COM for this call only: a host that has it already keeps its own.
class CComScope {
public:
    CComScope() : m_result(::CoInitialize(nullptr)) {}
    ~CComScope() {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;
    HRESULT Result() const { return m_result; }

private:
    HRESULT m_result;
};

// One COM interface, released when it goes.
template <class Interface> class CComRef {
public:
    CComRef() = default;
    ~CComRef() {
        if (m_p)
            m_p->Release();
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    Interface* operator->() const { return m_p; }
    void** OutVoid() { return reinterpret_cast<void**>(&m_p); }

private:
    Interface* m_p = nullptr;
};

std::vector<wchar_t> Wide(const CString& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}
} // namespace

CString RegistryText(HKEY root, const char* key, const char* name) {
    CRegistry registry;
    registry.InitMode(root);
    CString text;
    if (!registry.Open(key, KEY_READ, FALSE))
        return text;
    try {
        registry.Read(name, text);
    } catch (CRegistryException* error) {
        error->Delete();
        text.Empty();
    }
    return text;
}

CString DesktopFolder() {
    CString folder;
    const DWORD platform = CRegistry::GetOSPlatform();
    if (platform == 1)
        folder = RegistryText(HKEY_CURRENT_USER, kShellFolders, "Desktop");
    if (folder.IsEmpty() || platform == 2 || platform == 10)
        folder = RegistryText(HKEY_LOCAL_MACHINE, kShellFolders, "Common Desktop");
    if (folder.IsEmpty()) {
        char windows[MAX_PATH] = {};
        const UINT length = ::GetWindowsDirectoryA(windows, MAX_PATH);
        folder = CString(windows, length < MAX_PATH ? static_cast<int>(length) : 0);
        folder += "\\All Users\\Desktop";
    }
    return folder;
}

CString LinkFileName(const CString& folder, const char* linkName) {
    CString path = folder + "\\" + (linkName ? linkName : "");
    CString lower = path;
    lower.MakeLower();
    const int length = lower.GetLength();
    if (length < 4 || lower.Mid(length - 4) != ".lnk")
        path += ".lnk";
    return path;
}

HRESULT CreateDesktopShortcut(const char* target, const char* arguments, const char* linkName,
                              const char* iconFile, int iconIndex, BOOL useIcon, BOOL folderOnly) {
    CSpy spy;
    spy.OutputEach("CreateDesktopShortcut()", target ? target : "", linkName ? linkName : "");
    const CString targetPath(target ? target : "");
    const int folderEnd = targetPath.ReverseFind('\\');
    const CString workingFolder = folderEnd >= 0 ? targetPath.Left(folderEnd) : CString();
    CComScope com;
    if (FAILED(com.Result())) {
        spy.OutputError("CreateDesktopShortcut() COM could not be initialised");
        return 0;
    }
    const CString folder = DesktopFolder();
    if (folderOnly) {
        const CString path = folder + "\\" + (linkName ? linkName : "");
        return ::CreateDirectoryA(path, nullptr) ? S_OK : HRESULT_FROM_WIN32(::GetLastError());
    }
    CComRef<IShellLinkA> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, link.OutVoid());
    if (FAILED(result)) {
        spy.OutputError("CreateDesktopShortcut() no shell link object");
        spy.OutputData(static_cast<unsigned long>(result));
        return result;
    }
    link->SetPath(targetPath);
    link->SetArguments(arguments ? arguments : "");
    link->SetWorkingDirectory(workingFolder);
    if (useIcon)
        link->SetIconLocation(iconFile ? iconFile : "", iconIndex);
    CComRef<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.OutVoid());
    if (FAILED(result))
        return result;
    const CString path = LinkFileName(folder, linkName);
    result = file->Save(Wide(path).data(), TRUE);
    spy.OutputEach("IPersistFile::Save()", path, static_cast<unsigned long>(result));
    return result;
}
