// The printer's own settings in the registry, under its key.
#include "CSpy.h"
#include "QORTabDlg.h"

namespace {
constexpr const char* kQorKey = "QOR";
constexpr const char* kDriverDataKey = "PrinterDriverData";
constexpr const char* kCompanyKey = "SOFTWARE\\Corvane";

// Reads a DWORD; false (value untouched, logged) when it is missing or of another type or size.
bool ReadDword(CRegistry& registry, const char* name, BOOL& value) {
    try {
        DWORD read = 0;
        registry.Read(name, read);
        value = read != 0;
        return true;
    } catch (CRegistryException* error) {
        error->Delete();
        CSpy spy;
        spy.OutputData(
            "CQORTabDlg: a printer setting is missing or not a number, its default stands");
        spy.OutputData(name);
        return false;
    }
}

// Opens one of the printer's keys for reading; a key that does not exist yet is made with its
// first values. Only the making needs write access: a user without it reads the defaults.
template <class WriteDefaults>
bool OpenOrMake(CRegistry& registry, const char* key, WriteDefaults writeDefaults) {
    if (registry.Open(key))
        return true;
    BOOL created = FALSE;
    if (!registry.Create(key, &created))
        return false;
    if (created)
        writeDefaults();
    return true;
}

void WriteValue(CRegistry& registry, const char* name, DWORD value) {
    try {
        registry.Write(name, value);
    } catch (CRegistryException* error) {
        error->Delete();
    }
}

void WriteValue(CRegistry& registry, const char* name, const char* text) {
    try {
        registry.Write(name, text);
    } catch (CRegistryException* error) {
        error->Delete();
    }
}
} // namespace

void CQORTabDlg::ReadPrinterSettings() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::ReadPrinterSettings()");
    m_Registry.SetFriendlyName(m_strPrinterName);
    if (OpenOrMake(m_Registry, kQorKey, [&] {
            WriteValue(m_Registry, "Bidi", 1);
            WriteValue(m_Registry, "Show Network Errors", 1);
        })) {
        ReadDword(m_Registry, "Bidi", m_bBidi);
        ReadDword(m_Registry, "Show Network Errors", m_bShowNetworkErrors);
        m_Registry.Close();
    }
    if (OpenOrMake(m_Registry, kDriverDataKey,
                   [&] { WriteValue(m_Registry, "DisableDOS", "0"); })) {
        // Only a text starting with '1' disables DOS printing; a missing or unreadable value
        // disables nothing, as an empty one.
        CString disable;
        try {
            m_Registry.Read("DisableDOS", disable);
        } catch (CRegistryException* error) {
            error->Delete();
            disable.Empty();
        }
        m_bDOSPrinting = disable.IsEmpty() || disable[0] != '1';
        m_Registry.Close();
    }
    // A missing company key or value keeps peer-to-peer sharing at its default (on).
    if (m_Registry.Open(kCompanyKey, KEY_READ, FALSE)) {
        ReadDword(m_Registry, "Enable P2P", m_bEnableP2P);
        m_Registry.Close();
    }
    m_bBidiNew = m_bBidi;
    m_bDOSPrintingNew = m_bDOSPrinting;
}

void CQORTabDlg::WritePrinterSettings(BOOL save) {
    CSpy spy;
    spy.OutputData("CQORTabDlg::WritePrinterSettings()");
    spy.OutputData(save);
    m_Registry.SetFriendlyName(m_strPrinterName);
    if (m_Registry.Open(kQorKey, KEY_SET_VALUE)) {
        WriteValue(m_Registry, "Bidi", static_cast<DWORD>(save ? m_bBidiNew : m_bBidi));
        m_Registry.Close();
    }
    if (m_Registry.Open(kDriverDataKey, KEY_SET_VALUE)) {
        BOOL dosPrinting = save ? m_bDOSPrintingNew : m_bDOSPrinting;
        WriteValue(m_Registry, "DisableDOS", dosPrinting == 1 ? "0" : "1");
        m_Registry.Close();
    }
    if (m_Registry.Open(kCompanyKey, KEY_SET_VALUE, FALSE)) {
        WriteValue(m_Registry, "Enable P2P", static_cast<DWORD>(m_bEnableP2P));
        m_Registry.Close();
    }
}

BOOL CQORTabDlg::IsSoundOn() {
    m_Registry.SetFriendlyName(m_strPrinterName);
    BOOL sound = 1;
    if (m_Registry.Open(kQorKey)) {
        ReadDword(m_Registry, "Sound", sound);
        m_Registry.Close();
    }
    return sound;
}
