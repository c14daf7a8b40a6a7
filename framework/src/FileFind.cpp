#include "FileFind.h"

#include <cstring>

BOOL CFileFind::FindFile(const char* pattern) {
    Close();
    if (!pattern || !*pattern)
        return FALSE;
    m_find.Attach(::FindFirstFileA(pattern, &m_next));
    if (!m_find.IsValid())
        return FALSE;
    m_hasNext = true;

    char full[MAX_PATH];
    char* namePart = nullptr;
    DWORD length = ::GetFullPathNameA(pattern, MAX_PATH, full, &namePart);
    if (length > 0 && length < MAX_PATH) {
        if (namePart)
            *namePart = '\0';
        m_root = full;
        // Keep "C:\" whole; drop the separator of any deeper folder.
        if (m_root.GetLength() > 3 && m_root[m_root.GetLength() - 1] == '\\')
            m_root = m_root.Left(m_root.GetLength() - 1);
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    if (!m_hasNext)
        return FALSE;
    m_current = m_next;
    m_hasNext = ::FindNextFileA(m_find, &m_next) != FALSE;
    return m_hasNext;
}

void CFileFind::Close() {
    m_find.Close();
    m_hasNext = false;
    m_current = WIN32_FIND_DATAA{};
    m_root.Empty();
}

CString CFileFind::GetFilePath() const {
    if (m_root.IsEmpty())
        return GetFileName();
    CString path = m_root;
    if (path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path + m_current.cFileName;
}

BOOL CFileFind::IsDots() const {
    return std::strcmp(m_current.cFileName, ".") == 0 ||
           std::strcmp(m_current.cFileName, "..") == 0;
}
