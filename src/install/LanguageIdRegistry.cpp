#include "LanguageIdRegistry.h"

#include "CSpy.h"
#include "Handles.h"
#include "InstallState.h"
#include "LanguageNames.h"
#include "resource.h"

#include <cstring>
#include <optional>
#include <string>

namespace {
constexpr const char* kValueName = "APPLICATIONS";

CString InstallKey(const NvoProduct& product, const char* oemOption) {
    CString oem, prefix, name;
    product.GetSetting(oemOption, oem);
    product.GetSetting("IDO_PRODUCT_PREFIX", prefix);
    product.GetSetting("IDO_REG_INSTALL_KEYNAME", name);
    if (oem.IsEmpty() || prefix.IsEmpty() || name.IsEmpty())
        return CString();
    return oem + "\\" + prefix + "\\" + name;
}

// The text as a string value without its terminator, as the installers read it.
LONG WriteText(HKEY key, const char* text) {
    return ::RegSetValueExA(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                            static_cast<DWORD>(std::strlen(text)));
}

// The value as it stood before, to be put back when the other key cannot take the new one.
std::optional<std::string> ReadText(HKEY key) {
    char buffer[64] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key, kValueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::string(buffer, std::strlen(buffer));
}

bool CreateKey(const CString& path, CHKey& key) {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    key.Attach(opened);
    return true;
}
} // namespace

void WriteLangIDToRegistry(const NvoProduct& product) {
    CSpy spy;
    // The post-install topic records the language before its sheet has read the name.
    CString language = g_strUILanguage;
    if (language.IsEmpty())
        language.LoadString(IDS_LANGUAGE_NAME);
    spy.OutputEach("WriteLangIDToRegistry", language);
    const char* id = WindowsLanguageId(FolderIdOfName(language));
    const CString paths[2] = {InstallKey(product, "IDO_REG_OEM_INKJET"),
                              InstallKey(product, "IDO_REG_OEM_INKJET32")};
    spy.OutputEach(paths[0], paths[1]);
    if (!*id || paths[0].IsEmpty() || paths[1].IsEmpty()) {
        spy.OutputError("WriteLangIDToRegistry() no language id or no key: nothing written");
        return;
    }
    CHKey keys[2];
    if (!CreateKey(paths[0], keys[0]) || !CreateKey(paths[1], keys[1])) {
        spy.OutputError("WriteLangIDToRegistry() a key cannot be written: nothing written");
        return;
    }
    const std::optional<std::string> before = ReadText(keys[0]);
    LONG written = WriteText(keys[0], id);
    if (written == ERROR_SUCCESS) {
        written = WriteText(keys[1], id);
        if (written != ERROR_SUCCESS) {
            // The first key gets back what it held.
            if (before)
                WriteText(keys[0], before->c_str());
            else
                ::RegDeleteValueA(keys[0], kValueName);
        }
    }
    if (written != ERROR_SUCCESS) {
        spy.OutputError("WriteLangIDToRegistry() the value cannot be written: nothing written");
        spy.OutputData(static_cast<long>(written));
    }
}
