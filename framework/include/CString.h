// An 8-bit text string. It cannot be built by accident from a number or a single character.
#pragma once

#include "FrameworkApi.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <windows.h>

class VQTRG_API CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? std::string(text, length) : std::string()) {}
    explicit CString(std::string text) : m_text(std::move(text)) {}
    explicit CString(std::string_view text) : m_text(text) {}
    CString(int) = delete;
    CString(unsigned) = delete;
    CString(char) = delete;
    CString(long) = delete;
    CString(unsigned long) = delete;

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char c) { m_text.at(static_cast<size_t>(index)) = c; }
    operator const char*() const { return m_text.c_str(); }
    const char* c_str() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    CString& operator=(const char* text);
    CString& operator+=(const CString& other);
    CString& operator+=(const char* text);
    CString& operator+=(char c);
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;

    friend VQTRG_API CString operator+(const CString& a, const CString& b);
    friend VQTRG_API CString operator+(const CString& a, const char* b);
    friend VQTRG_API CString operator+(const char* a, const CString& b);
    friend VQTRG_API CString operator+(const CString& a, char b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    int Find(const char* sub, int start = 0) const;
    int Find(char c, int start = 0) const;
    int ReverseFind(char c) const;
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    int Replace(const char* oldText, const char* newText);

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);
    // Loads a string of the current resource module (the module-state switch chooses which).
    BOOL LoadString(UINT id);

    // Direct writing into the text, as Win32 calls need: the length is fixed by ReleaseBuffer.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_text;
};
