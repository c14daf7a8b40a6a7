// One thin wrapper per control type: a CWindow (copyable, owning nothing) with the control's
// messages as calls.
#pragma once

#include "CString.h"
#include "FrameworkApi.h"
#include "Wnd.h"

#include <commctrl.h>
#include <windows.h>

namespace vqtr::detail {
// A list or combo box message with an index and a text (null reads as empty text).
inline int SendText(const CWindow& control, UINT message, int index, const char* text) {
    return static_cast<int>(control.SendMessage(message, static_cast<WPARAM>(index),
                                                reinterpret_cast<LPARAM>(text ? text : "")));
}
} // namespace vqtr::detail

// Registers the common control classes (once per process; later calls do nothing).
VQTRG_API void AfxInitCommonControls();

class VQTRG_API CButton : public CWindow {
public:
    CButton(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CButton(const CWindow& window) : CWindow(window) {}
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL highlight) const { SendMessage(BM_SETSTATE, highlight); }
    HBITMAP SetBitmap(HBITMAP bitmap) const {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
    }
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(
            SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
    }
    // The button kind (BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_OWNERDRAW, ...).
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) const {
        SendMessage(BM_SETSTYLE, style, redraw);
    }
    UINT GetButtonStyle() const { return static_cast<UINT>(GetStyle()) & 0xFFFF; }
    void Click() const { SendMessage(BM_CLICK); }
};

class VQTRG_API CStatic : public CWindow {
public:
    CStatic(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CStatic(const CWindow& window) : CWindow(window) {}
    // The static needs SS_BITMAP (SS_ICON) to show what it is given.
    HBITMAP SetBitmap(HBITMAP bitmap) const {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    }
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};

class VQTRG_API CEdit : public CWindow {
public:
    CEdit(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CEdit(const CWindow& window) : CWindow(window) {}
    void LimitText(int maxChars = 0) const {
        SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars));
    }
    void SetSel(int start, int end, BOOL noScroll = FALSE) const {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
        if (!noScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void GetSel(int& start, int& end) const {
        DWORD first = 0;
        DWORD last = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        start = static_cast<int>(first);
        end = static_cast<int>(last);
    }
    void ReplaceSel(const char* text, BOOL canUndo = FALSE) const {
        SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text ? text : ""));
    }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    int LineIndex(int line = -1) const {
        return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
    }
    int LineLength(int line = -1) const;
    // The text of one line (empty for a line that does not exist).
    CString GetLine(int line) const;
    BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
    void SetModify(BOOL modified = TRUE) const { SendMessage(EM_SETMODIFY, modified); }
    BOOL SetReadOnly(BOOL readOnly = TRUE) const {
        return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
    }
};

class VQTRG_API CComboBox : public CWindow {
public:
    CComboBox(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CComboBox(const CWindow& window) : CWindow(window) {}
    int AddString(const char* text) const {
        return vqtr::detail::SendText(*this, CB_ADDSTRING, 0, text);
    }
    int InsertString(int index, const char* text) const {
        return vqtr::detail::SendText(*this, CB_INSERTSTRING, index, text);
    }
    int DeleteString(int index) const {
        return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // The item's text (empty for an index out of range).
    CString GetLBText(int index) const;
    void GetLBText(int index, CString& text) const { text = GetLBText(index); }
    int GetLBTextLen(int index) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
    }
    void ShowDropDown(BOOL show = TRUE) const { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    int SetItemData(int index, DWORD_PTR data) const {
        return static_cast<int>(
            SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    // Searches after startAfter (-1: from the top), without regard to case; CB_ERR when absent.
    int FindStringExact(int startAfter, const char* text) const {
        return vqtr::detail::SendText(*this, CB_FINDSTRINGEXACT, startAfter, text);
    }
    int FindString(int startAfter, const char* text) const {
        return vqtr::detail::SendText(*this, CB_FINDSTRING, startAfter, text);
    }
    int SelectString(int startAfter, const char* text) const {
        return vqtr::detail::SendText(*this, CB_SELECTSTRING, startAfter, text);
    }
    int SetDroppedWidth(int width) const {
        return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width)));
    }
    void LimitText(int maxChars) const { SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
};

class VQTRG_API CListBox : public CWindow {
public:
    CListBox(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CListBox(const CWindow& window) : CWindow(window) {}
    int AddString(const char* text) const {
        return vqtr::detail::SendText(*this, LB_ADDSTRING, 0, text);
    }
    int InsertString(int index, const char* text) const {
        return vqtr::detail::SendText(*this, LB_INSERTSTRING, index, text);
    }
    int DeleteString(int index) const {
        return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)));
    }
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const {
        return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)));
    }
    // The item's text (empty for an index out of range).
    CString GetText(int index) const;
    void GetText(int index, CString& text) const { text = GetText(index); }
    int GetTextLen(int index) const {
        return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)));
    }
    int SetItemData(int index, DWORD_PTR data) const {
        return static_cast<int>(
            SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
    int FindStringExact(int startAfter, const char* text) const {
        return vqtr::detail::SendText(*this, LB_FINDSTRINGEXACT, startAfter, text);
    }
    int SelectString(int startAfter, const char* text) const {
        return vqtr::detail::SendText(*this, LB_SELECTSTRING, startAfter, text);
    }
    int GetTopIndex() const { return static_cast<int>(SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) const {
        return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)));
    }
};

class VQTRG_API CSpinButtonCtrl : public CWindow {
public:
    CSpinButtonCtrl(HWND hwnd = nullptr) : CWindow(hwnd) {}
    CSpinButtonCtrl(const CWindow& window) : CWindow(window) {}
    void SetRange32(int lower, int upper) const {
        SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper);
    }
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                    reinterpret_cast<LPARAM>(&upper));
    }
    int SetPos32(int position) const {
        return static_cast<int>(SendMessage(UDM_SETPOS32, 0, position));
    }
    // The position; error (when given) says whether the buddy's text is not a valid number.
    int GetPos32(BOOL* error = nullptr) const {
        return static_cast<int>(SendMessage(UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(error)));
    }
    HWND SetBuddy(HWND buddy) const {
        return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
    }
    HWND GetBuddy() const { return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY)); }
};
