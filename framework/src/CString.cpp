#include "CString.h"

#include "Module.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

CString& CString::operator=(const char* text) {
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& other) {
    m_text += other.m_text;
    return *this;
}

CString& CString::operator+=(const char* text) {
    if (text)
        m_text += text;
    return *this;
}

CString& CString::operator+=(char c) {
    m_text += c;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, const char* b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const char* a, const CString& b) {
    CString result(a);
    result += b;
    return result;
}

CString operator+(const CString& a, char b) {
    CString result(a);
    result += b;
    return result;
}

int CString::Compare(const char* other) const {
    return std::strcmp(m_text.c_str(), other ? other : "");
}

int CString::CompareNoCase(const char* other) const {
    return lstrcmpiA(m_text.c_str(), other ? other : "");
}

int CString::Find(const char* sub, int start) const {
    if (!sub || start < 0 || start > GetLength())
        return -1;
    auto at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(char c, int start) const {
    if (start < 0 || start > GetLength())
        return -1;
    auto at = m_text.find(c, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char c) const {
    auto at = m_text.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(0, static_cast<size_t>(count)));
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

CString& CString::MakeUpper() {
    for (char& c : m_text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::MakeLower() {
    for (char& c : m_text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return *this;
}

CString& CString::TrimLeft() {
    auto first = std::find_if(m_text.begin(), m_text.end(),
                              [](unsigned char c) { return !std::isspace(c); });
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_text.empty() && std::isspace(static_cast<unsigned char>(m_text.back())))
        m_text.pop_back();
    return *this;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

int CString::Replace(const char* oldText, const char* newText) {
    if (!oldText || !*oldText)
        return 0;
    std::string replacement = newText ? newText : "";
    size_t oldLength = std::strlen(oldText);
    int count = 0;
    for (size_t at = m_text.find(oldText); at != std::string::npos;
         at = m_text.find(oldText, at + replacement.size())) {
        m_text.replace(at, oldLength, replacement);
        ++count;
    }
    return count;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
        return;
    }
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    m_text.assign(buffer.data(), static_cast<size_t>(length));
}

BOOL CString::LoadString(UINT id) {
    // A string resource is at most 4097 characters long.
    char buffer[4100];
    int length = ::LoadStringA(AfxGetResourceHandle(), id, buffer, sizeof buffer);
    if (length <= 0) {
        m_text.clear();
        return FALSE;
    }
    m_text.assign(buffer, static_cast<size_t>(length));
    return TRUE;
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_text.resize(static_cast<size_t>(minLength));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}
