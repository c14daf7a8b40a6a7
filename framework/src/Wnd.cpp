#include "Wnd.h"

#include <exception>
#include <mutex>
#include <unordered_map>

namespace {
// Which object each bound window belongs to. Every message looks its object up, so the table is
// the process's own rather than a window property, which is a request to the window system.
class BindingTable {
public:
    static BindingTable& Instance() {
        static BindingTable table;
        return table;
    }

    CWnd* Find(HWND hwnd) {
        std::lock_guard lock(m_mutex);
        auto found = m_bindings.find(hwnd);
        return found == m_bindings.end() ? nullptr : found->second;
    }

    void Bind(HWND hwnd, CWnd* wnd) {
        std::lock_guard lock(m_mutex);
        m_bindings[hwnd] = wnd;
    }

    // Drops the binding of hwnd when it is wnd's.
    void Unbind(HWND hwnd, const CWnd* wnd) {
        std::lock_guard lock(m_mutex);
        auto found = m_bindings.find(hwnd);
        if (found != m_bindings.end() && found->second == wnd)
            m_bindings.erase(found);
    }

private:
    std::mutex m_mutex;
    std::unordered_map<HWND, CWnd*> m_bindings;
};

void LogEscapedException(const char* what) {
    CString text("VQTRG: exception stopped at the window procedure: ");
    text += what;
    text += "\n";
    ::OutputDebugStringA(text);
}
} // namespace

BOOL CWindow::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

CString CWindow::GetWindowText() const {
    CString text;
    int length = ::GetWindowTextLengthA(m_hWnd);
    if (length > 0) {
        int copied = ::GetWindowTextA(m_hWnd, text.GetBuffer(length + 1), length + 1);
        text.ReleaseBuffer(copied);
    }
    return text;
}

BOOL CWindow::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const {
    LONG_PTR style = GetStyle();
    LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, changed);
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWindow::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) const {
    LONG_PTR style = GetExStyle();
    LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, changed);
    if (swpFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

RECT CWindow::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWindow::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWindow::ScreenToClient(RECT* rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWindow::ClientToScreen(RECT* rect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

CWnd::DispatchFrame::DispatchFrame(CWnd* owner, UINT msg, WPARAM wParam, LPARAM lParam)
    : wnd(owner), outer(owner->m_frame) {
    message.hwnd = owner->m_hWnd;
    message.message = msg;
    message.wParam = wParam;
    message.lParam = lParam;
    owner->m_frame = this;
}

CWnd::DispatchFrame::~DispatchFrame() {
    if (alive)
        wnd->m_frame = outer;
}

CWnd::~CWnd() {
    for (DispatchFrame* frame = m_frame; frame; frame = frame->outer)
        frame->alive = false;
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        if (m_superProc)
            UnsubclassWindow();
        else
            Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return hwnd ? BindingTable::Instance().Find(hwnd) : nullptr;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    m_moduleState = AfxGetModuleState();
    BindingTable::Instance().Bind(hwnd, this);
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd)
        BindingTable::Instance().Unbind(hwnd, this);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    Attach(hwnd);
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, const CWindow& parent) {
    return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd || !m_superProc)
        return nullptr;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    return Detach();
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = FromHandlePermanent(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (!(::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

const MSG* CWnd::GetCurrentMessage() const {
    static const MSG none{};
    return m_frame ? &m_frame->message : &none;
}

LRESULT CWnd::Default() {
    if (!m_frame)
        return 0;
    if (m_superProc) {
        const MSG& msg = m_frame->message;
        m_frame->defaulted = true;
        m_frame->defaultResult =
            ::CallWindowProcA(m_superProc, m_hWnd, msg.message, msg.wParam, msg.lParam);
        return m_frame->defaultResult;
    }
    m_frame->passOn = true;
    return 0;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Notifications go to the control that sent them first, so that drawn controls draw
    // themselves whichever dialog holds them.
    HWND control = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU)
            control = item->hwndItem;
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU)
            control = ::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID));
        break;
    }
    case WM_COMMAND:
        control = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        if (lParam)
            control = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        break;
    default:
        if (IsCtlColorMessage(message))
            control = reinterpret_cast<HWND>(lParam);
        break;
    }
    if (control && control != m_hWnd) {
        CWnd* child = FromHandlePermanent(control);
        if (child && child->OnChildNotify(message, wParam, lParam, result))
            return true;
    }
    return RouteMessage(message, wParam, lParam, result);
}

namespace {
bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message < entry.message || message > entry.messageLast)
        return false;
    if (message == WM_COMMAND) {
        UINT code = HIWORD(wParam);
        UINT id = LOWORD(wParam);
        bool codeMatches = entry.code == code || (entry.code == 0 && code == 1);
        return codeMatches && id >= entry.idFirst && id <= entry.idLast;
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header && header->code == entry.code && header->idFrom >= entry.idFirst &&
               header->idFrom <= entry.idLast;
    }
    return true;
}
} // namespace

bool CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry) {
            if (!Matches(*entry, message, wParam, lParam))
                continue;
            DispatchFrame* frame = m_frame;
            if (frame) {
                frame->passOn = false;
                frame->defaulted = false;
            }
            result = 0;
            entry->handler(this, wParam, lParam, result);
            // The handler may have deleted this object: the frame says whether it still lives.
            if (!frame || !frame->alive)
                return true;
            if (frame->defaulted && result == 0)
                result = frame->defaultResult;
            return frame->defaulted || !frame->passOn;
        }
        if (!map->base)
            break;
    }
    return false;
}

const MessageMap* CWnd::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, 0, 0, nullptr}};
    static const MessageMap map{nullptr, entries};
    return &map;
}

bool CWnd::Dispatch(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                    bool& alive) {
    CModuleStateScope state(wnd->m_moduleState);
    DispatchFrame frame(wnd, message, wParam, lParam);
    bool handled = false;
    try {
        handled = wnd->WindowProc(message, wParam, lParam, result);
    } catch (const std::exception& error) {
        LogEscapedException(error.what());
    } catch (...) {
        LogEscapedException("unknown");
    }
    alive = frame.alive;
    if (alive && frame.defaulted)
        handled = true;
    return handled;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC super = wnd->m_superProc;
    LRESULT result = 0;
    bool alive = true;
    bool handled = Dispatch(wnd, message, wParam, lParam, result, alive);
    if (!handled)
        result = ::CallWindowProcA(super, hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY && alive && wnd->m_hWnd == hwnd) {
        // The window is gone: its own procedure need not be put back.
        wnd->m_superProc = nullptr;
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}
