#include "CompiledHelp.h"

#include <algorithm>
#include <cctype>
#include <cstring>

// The storage interface of compiled help files; no system header declares it. It stays outside
// the anonymous namespace: the compiler would take an interface that nothing in this file
// implements for one whose calls cannot happen.
struct ITS_Control_Data;
enum ECompactionLev { COMPACT_DATA = 0, COMPACT_DATA_AND_PATH };

struct IITStorage : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR* name, DWORD mode,
                                                       DWORD reserved, IStorage** storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes* bytes, DWORD mode,
                                                                   DWORD reserved,
                                                                   IStorage** storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes* bytes) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR* name, IStorage* priority,
                                                     DWORD mode, SNB exclude, DWORD reserved,
                                                     IStorage** storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorageOnILockBytes(ILockBytes* bytes,
                                                                 IStorage* priority, DWORD mode,
                                                                 SNB exclude, DWORD reserved,
                                                                 IStorage** storage) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgSetTimes(const WCHAR* name, const FILETIME* created,
                                                  const FILETIME* accessed,
                                                  const FILETIME* modified) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetControlData(ITS_Control_Data* data) = 0;
    virtual HRESULT STDMETHODCALLTYPE DefaultControlData(ITS_Control_Data** data) = 0;
    virtual HRESULT STDMETHODCALLTYPE Compact(const WCHAR* name, ECompactionLev level) = 0;
};

namespace {
constexpr CLSID kClsidITStorage = {
    0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
constexpr IID kIidITStorage = {
    0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                             wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return wide;
}

DWORD DwordAt(const std::string& data, size_t offset) {
    DWORD value = 0;
    std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

template <class Interface> struct Released {
    Interface* p = nullptr;
    ~Released() {
        if (p)
            p->Release();
    }
};
} // namespace

CompiledHelp::CompiledHelp(const std::string& path) {
    m_comInitialised = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    Released<IITStorage> its;
    if (FAILED(::CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, kIidITStorage,
                                  reinterpret_cast<void**>(&its.p))))
        return;
    if (FAILED(its.p->StgOpenStorage(Wide(path).c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE,
                                     nullptr, 0, &m_storage)))
        m_storage = nullptr;
}

CompiledHelp::~CompiledHelp() {
    if (m_storage)
        m_storage->Release();
    if (m_comInitialised)
        ::CoUninitialize();
}

std::optional<std::string> CompiledHelp::Read(const std::string& name) const {
    Released<IStream> stream;
    if (!m_storage || FAILED(m_storage->OpenStream(Wide(name).c_str(), nullptr,
                                                   STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream.p)))
        return std::nullopt;
    std::string content;
    char buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream.p->Read(buffer, sizeof buffer, &read)) && read > 0)
        content.append(buffer, read);
    return content;
}

std::map<unsigned, std::string> CompiledHelp::ContextMap() const {
    std::map<unsigned, std::string> map;
    const std::optional<std::string> pairs = Read("#IVB");
    const std::optional<std::string> strings = Read("#STRINGS");
    if (!pairs || !strings || pairs->size() < sizeof(DWORD))
        return map;
    // The first double word counts the bytes of the pairs that follow it.
    const size_t end = std::min<size_t>(pairs->size(), sizeof(DWORD) + DwordAt(*pairs, 0));
    for (size_t at = sizeof(DWORD); at + 2 * sizeof(DWORD) <= end; at += 2 * sizeof(DWORD)) {
        const DWORD offset = DwordAt(*pairs, at + sizeof(DWORD));
        map[DwordAt(*pairs, at)] =
            offset < strings->size() ? std::string(strings->c_str() + offset) : std::string();
    }
    return map;
}

std::string BuiltHelpFile(const char* name) {
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}

size_t WordsOfPage(const std::string& html) {
    const size_t bodyStart = html.find("<body");
    const size_t bodyEnd = html.rfind("</body>");
    if (bodyStart == std::string::npos || bodyEnd == std::string::npos || bodyEnd < bodyStart)
        return 0;
    size_t words = 0;
    bool inTag = false;
    bool inWord = false;
    for (size_t at = bodyStart; at < bodyEnd; ++at) {
        const unsigned char c = static_cast<unsigned char>(html[at]);
        if (c == '<')
            inTag = true;
        const bool letter = !inTag && std::isalpha(c);
        if (letter && !inWord)
            ++words;
        inWord = letter || (inWord && !inTag && (c == '\'' || c == '-'));
        if (c == '>')
            inTag = false;
    }
    return words;
}
