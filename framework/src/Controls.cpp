#include "Controls.h"

void AfxInitCommonControls() {
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
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

CToolTipCtrl::~CToolTipCtrl() {
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(HWND parent, DWORD style) {
    AfxInitCommonControls();
    DestroyWindow();
    m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent,
                               nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hWnd) {
        ::OutputDebugStringA("VQTRG: tool tip window could not be created\n");
        return FALSE;
    }
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CToolTipCtrl::DestroyWindow() {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    return hwnd && ::IsWindow(hwnd) ? ::DestroyWindow(hwnd) : FALSE;
}

TOOLINFOA CToolTipCtrl::MakeToolInfo(HWND owner, UINT_PTR toolId, UINT flags,
                                     const char* text) const {
    // The version 2 layout is understood by every common controls version.
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = flags;
    info.hwnd = owner;
    info.uId = toolId;
    info.lpszText = const_cast<char*>(text ? text : "");
    return info;
}

BOOL CToolTipCtrl::AddToolInfo(TOOLINFOA& info) {
    if (!m_hWnd)
        return FALSE;
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(HWND tool, const char* text, UINT flags) {
    TOOLINFOA info = MakeToolInfo(::GetParent(tool), reinterpret_cast<UINT_PTR>(tool),
                                  flags | TTF_IDISHWND, text);
    return AddToolInfo(info);
}

BOOL CToolTipCtrl::AddTool(HWND owner, UINT_PTR toolId, const RECT& rect, const char* text,
                           UINT flags) {
    TOOLINFOA info = MakeToolInfo(owner, toolId, flags & ~TTF_IDISHWND, text);
    info.rect = rect;
    return AddToolInfo(info);
}

BOOL CToolTipCtrl::AddTrackingTool(HWND owner, UINT_PTR toolId, const char* text, UINT flags) {
    TOOLINFOA info = MakeToolInfo(owner, toolId, flags | TTF_TRACK, text);
    return AddToolInfo(info);
}

void CToolTipCtrl::DelTool(HWND owner, UINT_PTR toolId) const {
    TOOLINFOA info = MakeToolInfo(owner, toolId, 0, nullptr);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(const char* text, HWND owner, UINT_PTR toolId) const {
    TOOLINFOA info = MakeToolInfo(owner, toolId, 0, text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::TrackActivate(BOOL activate, HWND owner, UINT_PTR toolId) const {
    TOOLINFOA info = MakeToolInfo(owner, toolId, 0, nullptr);
    SendMessage(TTM_TRACKACTIVATE, activate, reinterpret_cast<LPARAM>(&info));
}

CString CToolTipCtrl::GetText(HWND owner, UINT_PTR toolId) const {
    // TTM_GETTEXTA cannot say how long the text is; tips are short labels.
    char buffer[1024] = "";
    TOOLINFOA info = MakeToolInfo(owner, toolId, 0, nullptr);
    info.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    return CString(buffer);
}
