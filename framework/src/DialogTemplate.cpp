#include "DialogTemplate.h"

#include "CString.h"

#include <cstring>

namespace {
struct PredefinedClass {
    const char* name;
    WORD atom;
};
const PredefinedClass kPredefinedClasses[] = {{"BUTTON", 0x0080},    {"EDIT", 0x0081},
                                              {"STATIC", 0x0082},    {"LISTBOX", 0x0083},
                                              {"SCROLLBAR", 0x0084}, {"COMBOBOX", 0x0085}};

// Reads a template within its byte limit; any read past it marks the template bad.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t limit) : m_data(data), m_limit(limit) {}

    WORD Word() {
        WORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }
    DWORD Dword() {
        DWORD value = 0;
        Read(&value, sizeof(value));
        return value;
    }
    void Skip(size_t bytes) {
        if (bytes > m_limit - m_offset)
            m_bad = true;
        else
            m_offset += bytes;
    }
    // A name or an ordinal: 0, 0xFFFF plus a number, or a wide text ended by 0.
    void SkipNameOrOrdinal() {
        WORD first = Word();
        if (first == 0xFFFF)
            Skip(sizeof(WORD));
        else if (first != 0)
            SkipText(first);
    }
    // A control's window class; true when it is a name other than the system's predefined
    // classes (which a resource compiler may store by name as well).
    bool ReadsOtherClass() {
        WORD first = Word();
        if (first == 0xFFFF) {
            Skip(sizeof(WORD));
            return false;
        }
        CString name;
        for (WORD letter = first; !m_bad && letter != 0; letter = Word())
            name += static_cast<char>(letter < 0x80 ? letter : '?');
        for (const PredefinedClass& predefined : kPredefinedClasses) {
            if (name.CompareNoCase(predefined.name) == 0)
                return false;
        }
        return !name.IsEmpty();
    }
    // A wide text ended by 0, of which first letter was read already (0: none).
    void SkipText(WORD first = 1) {
        for (WORD letter = first; !m_bad && letter != 0;)
            letter = Word();
    }
    void AlignToDword() { Skip((4 - m_offset % 4) % 4); }
    size_t Offset() const { return m_offset; }
    bool Bad() const { return m_bad || !m_data; }

private:
    void Read(void* value, size_t bytes) {
        if (!m_data || bytes > m_limit - m_offset) {
            m_bad = true;
            return;
        }
        std::memcpy(value, m_data + m_offset, bytes);
        m_offset += bytes;
    }

    const BYTE* m_data;
    size_t m_limit;
    size_t m_offset = 0;
    bool m_bad = false;
};

bool IsExtended(const void* dialogTemplate) {
    const auto* words = static_cast<const WORD*>(dialogTemplate);
    return words[0] == 1 && words[1] == 0xFFFF;
}

// Offsets of the header fields in the two layouts.
struct Layout {
    size_t style;
    size_t exStyle;
    size_t cx;
};
constexpr Layout kClassic{0, 4, 14};
constexpr Layout kExtended{12, 8, 22};

const Layout& LayoutOf(const void* dialogTemplate) {
    return IsExtended(dialogTemplate) ? kExtended : kClassic;
}

template <typename T> T FieldAt(const void* dialogTemplate, size_t offset) {
    T value;
    std::memcpy(&value, static_cast<const BYTE*>(dialogTemplate) + offset, sizeof(value));
    return value;
}
} // namespace

CDialogTemplate::CDialogTemplate(DWORD style, const RECT& rect, const char* caption,
                                 const char* fontFace, WORD pointSize, DWORD exStyle) {
    if (fontFace)
        style |= DS_SETFONT;
    else
        style &= ~static_cast<DWORD>(DS_SETFONT);
    AppendDword(style);
    AppendDword(exStyle);
    m_words.push_back(0); // control count, raised by AddControl
    m_words.push_back(static_cast<WORD>(rect.left));
    m_words.push_back(static_cast<WORD>(rect.top));
    m_words.push_back(static_cast<WORD>(rect.right - rect.left));
    m_words.push_back(static_cast<WORD>(rect.bottom - rect.top));
    m_words.push_back(0); // no menu
    m_words.push_back(0); // the default dialog class
    AppendText(caption);
    if (fontFace) {
        m_words.push_back(pointSize);
        AppendText(fontFace);
    }
}

void CDialogTemplate::AddControl(const char* className, const char* text, WORD id, DWORD style,
                                 const RECT& rect, DWORD exStyle) {
    AlignToDword();
    AppendDword(style);
    AppendDword(exStyle);
    m_words.push_back(static_cast<WORD>(rect.left));
    m_words.push_back(static_cast<WORD>(rect.top));
    m_words.push_back(static_cast<WORD>(rect.right - rect.left));
    m_words.push_back(static_cast<WORD>(rect.bottom - rect.top));
    m_words.push_back(id);
    WORD atom = 0;
    for (const PredefinedClass& predefined : kPredefinedClasses) {
        if (className && CString(className).CompareNoCase(predefined.name) == 0)
            atom = predefined.atom;
    }
    if (atom) {
        m_words.push_back(0xFFFF);
        m_words.push_back(atom);
    } else {
        AppendText(className);
    }
    AppendText(text);
    m_words.push_back(0); // no creation data
    ++m_words[4];
}

void CDialogTemplate::AppendText(const char* text) {
    if (text && *text) {
        int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        size_t start = m_words.size();
        m_words.resize(start + static_cast<size_t>(length));
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(&m_words[start]),
                              length);
    } else {
        m_words.push_back(0);
    }
}

void CDialogTemplate::AppendDword(DWORD value) {
    m_words.push_back(LOWORD(value));
    m_words.push_back(HIWORD(value));
}

void CDialogTemplate::AlignToDword() {
    if (m_words.size() % 2)
        m_words.push_back(0);
}

namespace {
struct TemplateWalk {
    size_t size = 0;         // 0: malformed
    bool otherClass = false; // a control of a class beyond the system's predefined ones
};

TemplateWalk WalkTemplate(const void* dialogTemplate, size_t limit) {
    TemplateWalk walk;
    TemplateReader reader(static_cast<const BYTE*>(dialogTemplate), limit);
    if (reader.Bad() || limit < sizeof(DLGTEMPLATE))
        return walk;
    bool extended = IsExtended(dialogTemplate);
    DWORD style = 0;
    WORD count = 0;
    if (extended) {
        reader.Skip(12); // version, signature, help id, extended style
        style = reader.Dword();
        count = reader.Word();
    } else {
        style = reader.Dword();
        reader.Skip(4);
        count = reader.Word();
    }
    reader.Skip(4 * sizeof(WORD)); // x, y, cx, cy
    reader.SkipNameOrOrdinal();    // menu
    reader.SkipNameOrOrdinal();    // window class
    reader.SkipText();             // caption
    if (style & DS_SETFONT) {
        reader.Skip(extended ? 6 : 2); // point size (weight, italic, character set)
        reader.SkipText();
    }
    for (WORD item = 0; item < count && !reader.Bad(); ++item) {
        reader.AlignToDword();
        reader.Skip(extended ? 24 : 18);
        walk.otherClass = reader.ReadsOtherClass() || walk.otherClass;
        reader.SkipNameOrOrdinal(); // text
        reader.Skip(reader.Word()); // creation data
    }
    walk.size = reader.Bad() ? 0 : reader.Offset();
    return walk;
}
} // namespace

namespace vqtr::dlg {
size_t TemplateSize(const void* dialogTemplate, size_t limit) {
    return WalkTemplate(dialogTemplate, limit).size;
}

bool HoldsOtherControlClass(const void* dialogTemplate, size_t limit) {
    TemplateWalk walk = WalkTemplate(dialogTemplate, limit);
    return walk.size != 0 && walk.otherClass;
}

const void* FindTemplateResource(HINSTANCE module, UINT id, size_t& limit) {
    HRSRC info = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    if (!loaded)
        return nullptr;
    limit = ::SizeofResource(module, info);
    return ::LockResource(loaded);
}

bool TemplateExtent(const void* dialogTemplate, SIZE& size) {
    if (!dialogTemplate)
        return false;
    size_t offset = LayoutOf(dialogTemplate).cx;
    size.cx = static_cast<short>(FieldAt<WORD>(dialogTemplate, offset));
    size.cy = static_cast<short>(FieldAt<WORD>(dialogTemplate, offset + 2));
    return true;
}

DWORD TemplateStyle(const void* dialogTemplate) {
    return dialogTemplate ? FieldAt<DWORD>(dialogTemplate, LayoutOf(dialogTemplate).style) : 0;
}

std::vector<BYTE> MakeChildTemplate(const void* dialogTemplate, size_t limit) {
    size_t size = TemplateSize(dialogTemplate, limit);
    if (size == 0)
        return {};
    std::vector<BYTE> copy(static_cast<const BYTE*>(dialogTemplate),
                           static_cast<const BYTE*>(dialogTemplate) + size);
    const Layout& layout = LayoutOf(dialogTemplate);
    constexpr DWORD kTopLevelStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                      WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                                      WS_VISIBLE | DS_MODALFRAME | DS_CENTER | DS_SYSMODAL |
                                      DS_ABSALIGN;
    constexpr DWORD kFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE |
                                     WS_EX_STATICEDGE | WS_EX_APPWINDOW | WS_EX_TOOLWINDOW;
    DWORD style =
        (FieldAt<DWORD>(copy.data(), layout.style) & ~kTopLevelStyles) | WS_CHILD | DS_CONTROL;
    DWORD exStyle =
        (FieldAt<DWORD>(copy.data(), layout.exStyle) & ~kFrameExStyles) | WS_EX_CONTROLPARENT;
    std::memcpy(copy.data() + layout.style, &style, sizeof(style));
    std::memcpy(copy.data() + layout.exStyle, &exStyle, sizeof(exStyle));
    return copy;
}
} // namespace vqtr::dlg
