// Windows: CWindow is a copyable, non-owning HWND with the thin Win32 calls; CWnd binds a window
// to an object whose static message map handles its messages.
#pragma once

#include "CString.h"
#include "FrameworkApi.h"
#include "Module.h"

#include <windows.h>

class VQTRG_API CWindow {
public:
    CWindow(HWND hwnd = nullptr) : m_hWnd(hwnd) {}
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL DestroyWindow();
    CWindow GetParent() const { return ::GetParent(m_hWnd); }
    CWindow GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWindow SetFocus() const { return ::SetFocus(m_hWnd); }

    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    CString GetWindowText() const;
    void GetWindowText(CString& text) const { text = GetWindowText(); }
    void SetDlgItemText(int id, const char* text) const { ::SetDlgItemTextA(m_hWnd, id, text); }
    CString GetDlgItemText(int id) const {
        return CWindow(::GetDlgItem(m_hWnd, id)).GetWindowText();
    }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckDlgButton(int id, UINT check) const { ::CheckDlgButton(m_hWnd, id, check); }

    LONG_PTR GetStyle() const { return ::GetWindowLongPtrA(m_hWnd, GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0) const;

    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
    void ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL MoveWindow(const RECT& rect, BOOL repaint = TRUE) const {
        return MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                          repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    // A window not on screen is skipped: it is painted whole when it is shown, and marking it
    // is a request to the window system.
    void Invalidate(BOOL erase = TRUE) const { InvalidateRect(nullptr, erase); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) const {
        if (::IsWindowVisible(m_hWnd))
            ::InvalidateRect(m_hWnd, rect, erase);
    }
    BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(const RECT* rect = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) const {
        return ::RedrawWindow(m_hWnd, rect, region, flags);
    }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr) const {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    HMENU GetSystemMenu(BOOL revert = FALSE) const { return ::GetSystemMenu(m_hWnd, revert); }
    HICON SetIcon(HICON icon, BOOL big) const {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }

    HWND m_hWnd;
};

class CWnd;
using MessageHandler = bool (*)(CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT& result);

// One row of a message map: a message (or a range of messages), and for WM_COMMAND and
// WM_NOTIFY the notification code and a range of control ids.
// The messages by which a parent chooses a control's colours (WM_CTLCOLORMSGBOX to
// WM_CTLCOLORSTATIC, in that order).
constexpr UINT kFirstCtlColorMessage = WM_CTLCOLORMSGBOX;
constexpr UINT kLastCtlColorMessage = WM_CTLCOLORSTATIC;
constexpr bool IsCtlColorMessage(UINT message) {
    return message >= kFirstCtlColorMessage && message <= kLastCtlColorMessage;
}

struct MessageMapEntry {
    UINT message;
    UINT messageLast;
    UINT code;
    UINT idFirst;
    UINT idLast;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries; // ended by a row with a null handler
};

class VQTRG_API CWnd : public CWindow {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object bound to a window of ours, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Binds this object to an existing window (a dialog's control) and routes its messages
    // through the message map first, then to the window's own procedure.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, const CWindow& parent);
    HWND UnsubclassWindow();

    // Offers a message of the host's or a modal loop to this window before dispatch.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers msg to every bound window from msg->hwnd up to the top-level window.
    static BOOL WalkPreTranslateTree(MSG* msg);

    // The message's default handling, from inside a handler ("pass the message on").
    LRESULT Default();
    // The message being handled (an empty one outside any handler).
    const MSG* GetCurrentMessage() const;

protected:
    // Every message of a bound window comes here: reflection to child controls, then the
    // message map. false: not handled, the window's default handling follows.
    virtual bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification of the parent about this control (WM_DRAWITEM, WM_CTLCOLOR..., WM_COMMAND
    // from this control): handled here when the control draws itself.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called after the window is gone (WM_NCDESTROY) and the binding is dropped.
    virtual void PostNcDestroy() {}

    void Attach(HWND hwnd);
    HWND Detach();

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }

    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // One message being handled by this object. Frames chain outwards for nested messages; the
    // destructor marks them all, so a handler may delete its own object (a window that closes
    // the module) and the dispatch code touches nothing of it afterwards.
    struct DispatchFrame {
        explicit DispatchFrame(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
        ~DispatchFrame();
        DispatchFrame(const DispatchFrame&) = delete;
        DispatchFrame& operator=(const DispatchFrame&) = delete;
        CWnd* wnd;
        DispatchFrame* outer;
        bool alive = true;
        MSG message{};
        bool passOn = false;    // Default() asked for the default handling
        bool defaulted = false; // Default() already ran it (subclassed windows)
        LRESULT defaultResult = 0;
    };
    // Runs WindowProc inside a frame; exceptions stop here. Returns false when not handled.
    static bool Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                         bool& alive);

private:
    friend class CDialog;
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_superProc = nullptr; // the window's own procedure when subclassed
    DispatchFrame* m_frame = nullptr;
    // The module state in force when the window was bound: its messages are handled in it, so
    // that a message from the host's loop loads resources from the right module.
    CModuleState* m_moduleState = nullptr;
};

// Message maps, in the style of the class library they stand in for.
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const ::MessageMap* GetThisMessageMap();                                                \
    const ::MessageMap* GetMessageMap() const override {                                           \
        return GetThisMessageMap();                                                                \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const ::MessageMap* theClass::GetThisMessageMap() {                                            \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const ::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, 0, nullptr }                                                                     \
    }                                                                                              \
    ;                                                                                              \
    static const ::MessageMap map{&TheBaseClass::GetThisMessageMap, entries};                      \
    return &map;                                                                                   \
    }

#define VQTR_SELF static_cast<ThisClass*>(self)
#define VQTR_HANDLER(body)                                                                         \
    [](CWnd* self, WPARAM wParam, LPARAM lParam, LRESULT& result) -> bool {                        \
        (void)self;                                                                                \
        (void)wParam;                                                                              \
        (void)lParam;                                                                              \
        (void)result;                                                                              \
        body;                                                                                      \
        return true;                                                                               \
    }

// Commands and control notifications, bound by control id.
#define ON_COMMAND(id, fn) {WM_COMMAND, WM_COMMAND, 0, id, id, VQTR_HANDLER(VQTR_SELF->fn())},
#define ON_COMMAND_RANGE(first, last, fn)                                                          \
    {WM_COMMAND, WM_COMMAND, 0, first, last, VQTR_HANDLER(VQTR_SELF->fn(LOWORD(wParam)))},
#define ON_CONTROL(code, id, fn)                                                                   \
    {WM_COMMAND, WM_COMMAND, code, id, id, VQTR_HANDLER(VQTR_SELF->fn())},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_NOTIFY(code, id, fn)                                                                    \
    {                                                                                              \
        WM_NOTIFY,                                                                                 \
        WM_NOTIFY,                                                                                 \
        static_cast<UINT>(code),                                                                   \
        id,                                                                                        \
        id,                                                                                        \
        VQTR_HANDLER(VQTR_SELF->fn(reinterpret_cast<NMHDR*>(lParam), &result))},
// Any message: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn)                                                                    \
    {message, message, 0, 0, 0, VQTR_HANDLER(result = VQTR_SELF->fn(wParam, lParam))},

// Window messages with their parameters unpacked.
#define ON_WM_CLOSE() {WM_CLOSE, WM_CLOSE, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnClose())},
#define ON_WM_DESTROY() {WM_DESTROY, WM_DESTROY, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnDestroy())},
#define ON_WM_PAINT() {WM_PAINT, WM_PAINT, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnPaint())},
#define ON_WM_TIMER()                                                                              \
    {WM_TIMER, WM_TIMER, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnTimer(static_cast<UINT_PTR>(wParam)))},
#define ON_WM_ACTIVATE()                                                                           \
    {WM_ACTIVATE,                                                                                  \
     WM_ACTIVATE,                                                                                  \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam),            \
                                        HIWORD(wParam) != 0))},
#define ON_WM_SIZE()                                                                               \
    {WM_SIZE,                                                                                      \
     WM_SIZE,                                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)), \
                                    static_cast<short>(HIWORD(lParam))))},
#define ON_WM_MOVE()                                                                               \
    {WM_MOVE,                                                                                      \
     WM_MOVE,                                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnMove(static_cast<short>(LOWORD(lParam)),                            \
                                    static_cast<short>(HIWORD(lParam))))},
#define VQTR_POINT_OF(lParam)                                                                      \
    POINT {                                                                                        \
        static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))                     \
    }
#define ON_WM_NCLBUTTONDOWN()                                                                      \
    {WM_NCLBUTTONDOWN,                                                                             \
     WM_NCLBUTTONDOWN,                                                                             \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnNcLButtonDown(static_cast<UINT>(wParam), VQTR_POINT_OF(lParam)))},
#define ON_WM_NCLBUTTONUP()                                                                        \
    {WM_NCLBUTTONUP,                                                                               \
     WM_NCLBUTTONUP,                                                                               \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnNcLButtonUp(static_cast<UINT>(wParam), VQTR_POINT_OF(lParam)))},
#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN,                                                                               \
     WM_LBUTTONDOWN,                                                                               \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnLButtonDown(static_cast<UINT>(wParam), VQTR_POINT_OF(lParam)))},
#define ON_WM_LBUTTONUP()                                                                          \
    {WM_LBUTTONUP,                                                                                 \
     WM_LBUTTONUP,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnLButtonUp(static_cast<UINT>(wParam), VQTR_POINT_OF(lParam)))},
#define ON_WM_MOUSEMOVE()                                                                          \
    {WM_MOUSEMOVE,                                                                                 \
     WM_MOUSEMOVE,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnMouseMove(static_cast<UINT>(wParam), VQTR_POINT_OF(lParam)))},
#define ON_WM_MOUSELEAVE()                                                                         \
    {WM_MOUSELEAVE, WM_MOUSELEAVE, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnMouseLeave())},
#define ON_WM_SETCURSOR()                                                                          \
    {WM_SETCURSOR,                                                                                 \
     WM_SETCURSOR,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(result = VQTR_SELF->OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam),  \
                                                  HIWORD(lParam)))},
#define ON_WM_ERASEBKGND()                                                                         \
    {WM_ERASEBKGND,                                                                                \
     WM_ERASEBKGND,                                                                                \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(result = VQTR_SELF->OnEraseBkgnd(reinterpret_cast<HDC>(wParam)))},
// HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor): ctlColor is CTLCOLOR_STATIC and the like.
#define ON_WM_CTLCOLOR()                                                                           \
    {kFirstCtlColorMessage,                                                                        \
     kLastCtlColorMessage,                                                                         \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(result = reinterpret_cast<LRESULT>(VQTR_SELF->OnCtlColor(                        \
                      reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),               \
                      self->GetCurrentMessage()->message - WM_CTLCOLORMSGBOX)))},
#define ON_WM_DRAWITEM()                                                                           \
    {                                                                                              \
        WM_DRAWITEM, WM_DRAWITEM, 0, 0, 0,                                                         \
            VQTR_HANDLER(VQTR_SELF->OnDrawItem(static_cast<int>(wParam),                           \
                                               reinterpret_cast<DRAWITEMSTRUCT*>(lParam));         \
                         result = TRUE)                                                            \
    }                                                                                              \
    ,
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    {WM_SYSCOLORCHANGE, WM_SYSCOLORCHANGE, 0, 0, 0, VQTR_HANDLER(VQTR_SELF->OnSysColorChange())},
#define ON_WM_QUERYNEWPALETTE()                                                                    \
    {WM_QUERYNEWPALETTE,                                                                           \
     WM_QUERYNEWPALETTE,                                                                           \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(result = VQTR_SELF->OnQueryNewPalette())},
#define ON_WM_PALETTECHANGED()                                                                     \
    {WM_PALETTECHANGED,                                                                            \
     WM_PALETTECHANGED,                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnPaletteChanged(reinterpret_cast<HWND>(wParam)))},
#define ON_WM_HELPINFO()                                                                           \
    {WM_HELP, WM_HELP,                                                                             \
     0,       0,                                                                                   \
     0,       VQTR_HANDLER(result = VQTR_SELF->OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam)))},
#define ON_WM_KEYDOWN()                                                                            \
    {WM_KEYDOWN,                                                                                   \
     WM_KEYDOWN,                                                                                   \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(                                                                                 \
         VQTR_SELF->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))},
#define ON_WM_GETDLGCODE()                                                                         \
    {WM_GETDLGCODE, WM_GETDLGCODE, 0, 0, 0, VQTR_HANDLER(result = VQTR_SELF->OnGetDlgCode())},
#define ON_WM_SETFOCUS()                                                                           \
    {                                                                                              \
        WM_SETFOCUS, WM_SETFOCUS,                                                                  \
        0,           0,                                                                            \
        0,           VQTR_HANDLER(VQTR_SELF->OnSetFocus(reinterpret_cast<HWND>(wParam)))},
#define ON_WM_KILLFOCUS()                                                                          \
    {WM_KILLFOCUS,                                                                                 \
     WM_KILLFOCUS,                                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnKillFocus(reinterpret_cast<HWND>(wParam)))},
#define ON_WM_SHOWWINDOW()                                                                         \
    {WM_SHOWWINDOW,                                                                                \
     WM_SHOWWINDOW,                                                                                \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     VQTR_HANDLER(VQTR_SELF->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)))},
