#include "Controls.h"

#include "Module.h"

void AfxInitCommonControls() {
    static const bool initialized = [] {
        auto init = AfxSystemFunction<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
            "comctl32.dll", "InitCommonControlsEx");
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return init && init(&classes) != FALSE;
    }();
    (void)initialized;
}

namespace {
// The text of an item whose length the control tells first: list and combo boxes.
CString ItemText(const CWindow& control, UINT lengthMessage, UINT textMessage, int index) {
    CString text;
    int length = static_cast<int>(control.SendMessage(lengthMessage, static_cast<WPARAM>(index)));
    if (length > 0) {
        int copied = static_cast<int>(
            control.SendMessage(textMessage, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(text.GetBuffer(length + 1))));
        text.ReleaseBuffer(copied > 0 ? copied : 0);
    }
    return text;
}
} // namespace

int CEdit::LineLength(int line) const {
    int index = line < 0 ? -1 : LineIndex(line);
    if (line >= 0 && index < 0)
        return 0;
    return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(index)));
}

CString CEdit::GetLine(int line) const {
    CString text;
    if (line < 0 || line >= GetLineCount())
        return text;
    int length = LineLength(line);
    if (length <= 0)
        return text;
    // EM_GETLINE takes the buffer's size in its first word and writes no terminator.
    int size = length + 1 > 2 ? length + 1 : 2;
    char* buffer = text.GetBuffer(size);
    *reinterpret_cast<WORD*>(buffer) = static_cast<WORD>(size);
    int copied = static_cast<int>(
        SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied > 0 ? copied : 0);
    return text;
}

CString CComboBox::GetLBText(int index) const {
    return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

CString CListBox::GetText(int index) const {
    return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index);
}
