// Access to the registry: the printer's own key and absolute keys under a chosen root.
//
// Relative keys resolve under the printer's key: in HKEY_LOCAL_MACHINE, the key
// "SYSTEM\CurrentControlSet\Control\Print\Printers\<friendly name>" (a backslash in the name
// stands as a comma there, as the spooler writes it). Absolute keys resolve under the root chosen
// with InitMode (HKEY_LOCAL_MACHINE unless chosen otherwise).
//
// Read, Write and GetSubKeyCount throw a CRegistryException* on any failure; the catcher owns it
// and releases it with Delete(). Open and Create answer FALSE instead.
#pragma once

#include "CString.h"
#include "Handles.h"
#include "UtilApi.h"

class VQTRUTIL_API CRegistryException {
public:
    CRegistryException(LONG error, const char* what);
    void Delete(); // deletes this

    LONG m_lError;     // the Win32 error code
    CString m_strWhat; // the operation and the key or value name
};

class VQTRUTIL_API CRegistry {
public:
    CRegistry() = default;
    ~CRegistry() = default; // closes what is open
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // The root of absolute keys.
    void InitMode(HKEY root = HKEY_LOCAL_MACHINE);
    // The printer whose key relative keys resolve under; without one, relative keys fail.
    void SetFriendlyName(const char* printerName);

    // Opens a key, closing the one open before: for reading unless told otherwise (a standard
    // user may read the machine's keys, not write them). Nonzero on success; FALSE, logged, when
    // the key does not exist, cannot be opened with that access, or is relative with no printer
    // named.
    BOOL Open(const char* key, REGSAM access = KEY_READ, BOOL relative = TRUE);
    // Creates a key, or opens it when it exists, for reading and writing; *created tells which.
    BOOL Create(const char* key, BOOL* created = nullptr, BOOL relative = TRUE);

    // Values of the open key. A null name is the key's default value.
    void Read(const char* name, DWORD& value);      // REG_DWORD only
    void Read(const char* name, CString& value);    // REG_SZ or REG_EXPAND_SZ (not expanded)
    void Write(const char* name, DWORD value);      // as REG_DWORD
    void Write(const char* name, const char* text); // as REG_SZ

    // The name of the open key's subkey number index; FALSE past the last one or on failure.
    BOOL EnumSubKey(DWORD index, CString& name);
    DWORD GetSubKeyCount();
    void Close();

    // The Windows version: 1 Windows 95, 2 Windows 98, 3 Windows Me, 6 NT 3.x, 7 NT 4.0,
    // 8 Windows 2000, 9 Windows XP, 10 anything later.
    static DWORD GetOSVer();
    // The platform: 1 the Windows 95 family, 2 NT up to Windows 2000, 9 Windows XP, 10 anything
    // later.
    static DWORD GetOSPlatform();

    HKEY GetKey() const { return m_key.Get(); }

private:
    // The root and path a key name resolves to; FALSE when it cannot resolve.
    BOOL Resolve(const char* key, BOOL relative, HKEY& root, CString& path) const;
    // Throws unless a key is open.
    void RequireKey(const char* what, const char* name) const;

    HKEY m_root = HKEY_LOCAL_MACHINE;
    CString m_strPrinterKey; // the printer's key under HKEY_LOCAL_MACHINE, or empty
    CHKey m_key;
};
