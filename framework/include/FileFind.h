// Files matching a pattern, one after the other, on the find handle of FindFirstFileA:
//     CFileFind finder;
//     for (BOOL more = finder.FindFile(pattern); more;) {
//         more = finder.FindNextFile(); // now describes one file; false when it was the last
//         ...
//     }
#pragma once

#include "CString.h"
#include "FrameworkApi.h"
#include "Handles.h"

#include <windows.h>

class VQTRG_API CFileFind {
public:
    CFileFind() = default;
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search; false when nothing matches (or the pattern is null or bad).
    BOOL FindFile(const char* pattern = "*.*");
    // Moves to the next file found; false when the file it moved to is the last one.
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const { return CString(m_current.cFileName); }
    CString GetFilePath() const;
    // The folder searched, as a full path without a trailing backslash.
    CString GetRoot() const { return m_root; }
    ULONGLONG GetLength() const {
        return (static_cast<ULONGLONG>(m_current.nFileSizeHigh) << 32) | m_current.nFileSizeLow;
    }
    DWORD GetAttributes() const { return m_current.dwFileAttributes; }
    BOOL IsDirectory() const {
        return (m_current.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    BOOL IsReadOnly() const { return (m_current.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0; }
    // "." and "..", which a folder walk skips.
    BOOL IsDots() const;
    FILETIME GetLastWriteTime() const { return m_current.ftLastWriteTime; }

private:
    CFindHandle m_find;
    WIN32_FIND_DATAA m_current{};
    WIN32_FIND_DATAA m_next{};
    bool m_hasNext = false;
    CString m_root;
};
