#include "OptionsDialogs.h"

#include "CSpy.h"
#include "Registry.h"

#include <Handles.h>
#include <cstring>

namespace {
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// The fixed file information of a module's version resource, found by its signature.
const VS_FIXEDFILEINFO* FindFixedInfo(const BYTE* data, DWORD size) {
    for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(data + offset);
        if (info->dwSignature == VS_FFI_SIGNATURE)
            return info;
    }
    return nullptr;
}
} // namespace

VersionDlg::VersionDlg(CWnd* parent)
    : CDialog(0, parent), m_template(kDialogStyle, RECT{0, 0, 220, 76}, "Version") {
    m_template.AddControl("STATIC", "", IDC_VERSION_TEXT, kChild | SS_LEFT, RECT{10, 10, 210, 48});
    m_template.AddControl("BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          RECT{160, 54, 210, 68});
    SetTemplate(m_template.Get());
}

CString VersionDlg::GetModuleVersion(const char* moduleName) {
    if (!moduleName || !*moduleName)
        return CString();
    HMODULE module = ::GetModuleHandleA(moduleName);
    CModule loaded;
    if (!module) {
        loaded.Attach(::LoadLibraryExA(moduleName, nullptr, LOAD_LIBRARY_AS_DATAFILE));
        module = loaded;
    }
    if (!module)
        return CString();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(VS_VERSION_INFO),
                                  MAKEINTRESOURCEA(16)); // RT_VERSION
    HGLOBAL data = found ? ::LoadResource(module, found) : nullptr;
    const void* bytes = data ? ::LockResource(data) : nullptr;
    const VS_FIXEDFILEINFO* info =
        bytes ? FindFixedInfo(static_cast<const BYTE*>(bytes), ::SizeofResource(module, found))
              : nullptr;
    if (!info)
        return CString();
    CString version;
    version.Format("%u.%u.%u.%u", HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                   HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS));
    return version;
}

CString VersionDlg::BuildText() {
    struct Part {
        const char* title;
        const char* module;
    };
    static const Part parts[] = {{"Printer assistant", "vqtrqor.dll"},
                                 {"Utility library", "vqtrutil.dll"}};
    CString text;
    for (const Part& part : parts) {
        CString version = GetModuleVersion(part.module);
        CString line;
        line.Format("%s (%s): %s\r\n", part.title, part.module,
                    version.IsEmpty() ? "no version information" : version.c_str());
        text += line;
    }
    return text;
}

BOOL VersionDlg::OnInitDialog() {
    CSpy().OutputData("VersionDlg::OnInitDialog()");
    SetDlgItemText(IDC_VERSION_TEXT, BuildText());
    return TRUE;
}

JSWOptionsDlg::JSWOptionsDlg(const char* resourceFolder, const char* printerName, CWnd* parent)
    : CDialog(0, parent),
      m_template(kDialogStyle, RECT{0, 0, 220, 78}, "Job status window options"),
      m_strFolder(resourceFolder), m_strPrinter(printerName) {
    m_template.AddControl("BUTTON", "&Show the job status window while printing", IDC_JSW_SHOW,
                          kChild | WS_TABSTOP | BS_AUTOCHECKBOX, RECT{10, 10, 210, 22});
    m_template.AddControl("BUTTON", "Start it &minimized", IDC_JSW_MINIMIZED,
                          kChild | WS_TABSTOP | BS_AUTOCHECKBOX, RECT{10, 26, 210, 38});
    m_template.AddControl("BUTTON", "OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON,
                          RECT{106, 56, 156, 70});
    m_template.AddControl("BUTTON", "Cancel", IDCANCEL, kChild | WS_TABSTOP,
                          RECT{160, 56, 210, 70});
    SetTemplate(m_template.Get());
}

BOOL JSWOptionsDlg::Load() {
    m_bShow = TRUE;
    m_bMinimized = FALSE;
    if (m_strPrinter.IsEmpty())
        return FALSE;
    CRegistry registry;
    registry.SetFriendlyName(m_strPrinter);
    if (!registry.Open("JSW", KEY_READ))
        return TRUE;
    auto read = [&registry](const char* name, BOOL& flag) {
        try {
            DWORD value = 0;
            registry.Read(name, value);
            flag = value != 0;
        } catch (CRegistryException* error) {
            error->Delete();
        }
    };
    read("Show Process Window", m_bShow);
    read("Job Progress Minimized", m_bMinimized);
    return TRUE;
}

BOOL JSWOptionsDlg::Save() {
    CRegistry registry;
    registry.SetFriendlyName(m_strPrinter);
    if (!registry.Create("JSW"))
        return FALSE;
    try {
        registry.Write("Show Process Window", static_cast<DWORD>(m_bShow ? 1 : 0));
        registry.Write("Job Progress Minimized", static_cast<DWORD>(m_bMinimized ? 1 : 0));
    } catch (CRegistryException* error) {
        CSpy spy;
        spy.OutputData("JSWOptionsDlg::Save() the settings could not be written");
        spy.OutputData(error->m_strWhat);
        error->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL JSWOptionsDlg::OnInitDialog() {
    CSpy spy;
    spy.OutputData("JSWOptionsDlg::OnInitDialog()");
    spy.OutputData(m_strFolder);
    BOOL havePrinter = Load();
    CheckDlgButton(IDC_JSW_SHOW, m_bShow ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_JSW_MINIMIZED, m_bMinimized ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(IDC_JSW_SHOW).EnableWindow(havePrinter);
    GetDlgItem(IDC_JSW_MINIMIZED).EnableWindow(havePrinter);
    return TRUE;
}

void JSWOptionsDlg::OnOK() {
    m_bShow = IsDlgButtonChecked(IDC_JSW_SHOW) == BST_CHECKED;
    m_bMinimized = IsDlgButtonChecked(IDC_JSW_MINIMIZED) == BST_CHECKED;
    if (!m_strPrinter.IsEmpty())
        Save();
    EndDialog(IDOK);
}
