#include "CSpy.h"

#include "Environment.h"
#include "Handles.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace {

// More bytes than this make a log line that nobody reads; a length beyond it is usually wrong.
constexpr size_t kMaxShownBytes = 4096;

void WriteEntry(std::string_view entry) {
    std::string line(entry);
    line += '\n';
    OutputDebugStringA(line.c_str());
    const std::string path = vqtr::util::ReadEnvironment("VQTR_SPY_LOG");
    if (path.empty())
        return;
    // Appending through FILE_APPEND_DATA keeps each line whole even with several writers.
    CHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// How many of the length bytes at data can be read. Records and lengths come from the host, and
// a length may run past the buffer behind it: the log must not fault on that.
size_t ReadableLength(const void* data, size_t length) {
    constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const auto* start = static_cast<const BYTE*>(data);
    size_t readable = 0;
    while (readable < length) {
        MEMORY_BASIC_INFORMATION info{};
        if (!VirtualQuery(start + readable, &info, sizeof info) || info.State != MEM_COMMIT ||
            !(info.Protect & kReadable) || (info.Protect & PAGE_GUARD))
            break;
        const auto* regionEnd = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize;
        readable = std::min(length, static_cast<size_t>(regionEnd - start));
    }
    return readable;
}

template <typename Record> bool IsReadable(const Record* record) {
    return ReadableLength(record, sizeof(Record)) == sizeof(Record);
}

std::string FormatBytes(const BYTE* data, long long length) {
    if (!data)
        return "(null)";
    if (length < 0)
        return "(invalid length " + std::to_string(length) + ")";
    const size_t wanted = static_cast<size_t>(std::min<long long>(length, kMaxShownBytes));
    const size_t shown = ReadableLength(data, wanted);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(shown * 3 + 32);
    for (size_t i = 0; i < shown; ++i) {
        if (i)
            text += ' ';
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
    }
    if (shown < static_cast<unsigned long long>(length))
        text += (shown ? " ... (" : "... (") + std::to_string(length) + " bytes)";
    return text;
}

// One record on one line: NAME{field=value, ...}.
class RecordText {
public:
    explicit RecordText(const char* name) : m_text(name) { m_text += '{'; }
    RecordText& Field(const char* name, std::string_view value) {
        if (m_text.back() != '{')
            m_text += ", ";
        m_text += name;
        m_text += '=';
        m_text += value;
        return *this;
    }
    RecordText& Field(const char* name, long long value) {
        return Field(name, std::to_string(value));
    }
    std::string Close() { return m_text + '}'; }

private:
    std::string m_text;
};

// The text of a record pointer that cannot be followed, or an empty text when it can.
template <typename Record> std::string Unfollowable(const char* name, const Record* record) {
    if (!record)
        return std::string(name) + "{null}";
    if (!IsReadable(record))
        return std::string(name) + "{unreadable}";
    return {};
}

std::string Format(const STATUSERROR* error) {
    if (auto text = Unfollowable("STATUSERROR", error); !text.empty())
        return text;
    const BYTE* bytes = error->lpAlertStatusBytes;
    return RecordText("STATUSERROR")
        .Field("lpAlertStatusBytes",
               bytes ? "[" + FormatBytes(bytes, error->dwAlertStatusLength) + "]" : "null")
        .Field("dwAlertStatusLength", error->dwAlertStatusLength)
        .Close();
}

struct InkField {
    const char* name;
    size_t offset;
    bool isSigned;
};

#define VQTR_INK_FIELD(field)                                                                      \
    InkField {                                                                                     \
#field, offsetof(INKINFO, field), std::is_signed_v < decltype(INKINFO::field)>             \
    }
constexpr InkField kInkFields[] = {
    VQTR_INK_FIELD(dwCarrierType), VQTR_INK_FIELD(nBlackLevel),  VQTR_INK_FIELD(nColorLevel1),
    VQTR_INK_FIELD(nColorLevel2),  VQTR_INK_FIELD(nColorLevel3), VQTR_INK_FIELD(nPhotoLevel1),
    VQTR_INK_FIELD(nPhotoLevel2),  VQTR_INK_FIELD(nPhotoLevel3), VQTR_INK_FIELD(dwReserved8),
    VQTR_INK_FIELD(dwReserved9),   VQTR_INK_FIELD(dwReserved10), VQTR_INK_FIELD(bCartChanged1),
    VQTR_INK_FIELD(bCartChanged2), VQTR_INK_FIELD(LogCartID1),   VQTR_INK_FIELD(LogCartID2),
    VQTR_INK_FIELD(PhyCartID1),    VQTR_INK_FIELD(PhyCartID2),   VQTR_INK_FIELD(dwCarried17),
    VQTR_INK_FIELD(dwCarried18),   VQTR_INK_FIELD(bAlignCart1),  VQTR_INK_FIELD(bAlignCart2),
    VQTR_INK_FIELD(dwReserved21),  VQTR_INK_FIELD(dwReserved22),
};
#undef VQTR_INK_FIELD
static_assert(std::size(kInkFields) * sizeof(DWORD) == sizeof(INKINFO),
              "every INKINFO field is logged");

std::string Format(const INKINFO* ink) {
    if (auto text = Unfollowable("INKINFO", ink); !text.empty())
        return text;
    RecordText text("INKINFO");
    for (const InkField& field : kInkFields) {
        DWORD raw = 0;
        std::memcpy(&raw, reinterpret_cast<const BYTE*>(ink) + field.offset, sizeof raw);
        text.Field(field.name, field.isSigned ? static_cast<long long>(static_cast<LONG>(raw))
                                              : static_cast<long long>(raw));
    }
    return text.Close();
}

std::string Format(const ALIGNINFO* align) {
    if (auto text = Unfollowable("ALIGNINFO", align); !text.empty())
        return text;
    std::string values = "[";
    for (size_t i = 0; i < QOR_ALIGN_VALUES; ++i) {
        if (i)
            values += ", ";
        values += std::to_string(align->dwValue[i]);
    }
    return RecordText("ALIGNINFO").Field("dwValue", values + "]").Close();
}

std::string Format(const PORTINFO* port) {
    if (auto text = Unfollowable("PORTINFO", port); !text.empty())
        return text;
    return RecordText("PORTINFO")
        .Field("dwPortType", port->dwPortType)
        .Field("dwPortValue1", port->dwPortValue1)
        .Field("dwPortValue2", port->dwPortValue2)
        .Close();
}

// A pointer inside STATUSINFO: null stands alone, anything else is the record it leads to.
template <typename Record> std::string Nested(const Record* record) {
    return record ? Format(record) : "null";
}

std::string Format(const STATUSINFO* status) {
    if (auto text = Unfollowable("STATUSINFO", status); !text.empty())
        return text;
    return RecordText("STATUSINFO")
        .Field("dwStatus", status->dwStatus)
        .Field("lpStatusError", Nested(status->lpStatusError))
        .Field("dwMediaTray1", status->dwMediaTray1)
        .Field("dwMediaTray2", status->dwMediaTray2)
        .Field("lpInk", Nested(status->lpInk))
        .Field("lpHeadAlign", Nested(status->lpHeadAlign))
        .Close();
}

} // namespace

void CSpy::OutputData(const CString& text) const {
    WriteEntry(text.str());
}
void CSpy::OutputData(const char* text) const {
    WriteEntry(text ? text : "(null)");
}
void CSpy::OutputData(int value) const {
    WriteEntry(std::to_string(value));
}
void CSpy::OutputData(unsigned int value) const {
    WriteEntry(std::to_string(value));
}
void CSpy::OutputData(long value) const {
    WriteEntry(std::to_string(value));
}
void CSpy::OutputData(unsigned long value) const {
    WriteEntry(std::to_string(value));
}
void CSpy::OutputData(const STATUSINFO* status) const {
    WriteEntry(Format(status));
}
void CSpy::OutputData(const STATUSERROR* error) const {
    WriteEntry(Format(error));
}
void CSpy::OutputData(const INKINFO* ink) const {
    WriteEntry(Format(ink));
}
void CSpy::OutputData(const ALIGNINFO* align) const {
    WriteEntry(Format(align));
}
void CSpy::OutputData(const PORTINFO* port) const {
    WriteEntry(Format(port));
}
void CSpy::OutputData(const BYTE* data, int length) const {
    WriteEntry(FormatBytes(data, length));
}

void CSpy::OutputError(const char* text) const {
    const std::string frame(55, '!');
    WriteEntry(frame);
    OutputData(text);
    WriteEntry(frame);
}
