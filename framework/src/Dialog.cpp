#include "Dialog.h"

#include "Controls.h"
#include "DialogTemplate.h"

#include "Module.h"

namespace {
bool ReturnsResultDirectly(UINT message) {
    if (IsCtlColorMessage(message))
        return true;
    switch (message) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

bool IsKeyboardMessage(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}
} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_templateId(templateId) {}

CDialog::~CDialog() {
    // The window goes with its object; unbind first so that no message reaches the half-gone
    // object while the window is destroyed.
    HWND hwnd = Detach();
    if (hwnd && ::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
}

HWND CDialog::CreateWindowFromTemplate(HWND parent) {
    HINSTANCE resources = AfxGetResourceHandle();
    // A template may hold common controls (spin buttons, progress bars): their classes are
    // registered first. Templates of the system's own controls alone leave the common controls
    // unloaded, and a process that never needs them never maps them.
    size_t limit = static_cast<size_t>(-1);
    const void* dialogTemplate =
        m_indirectTemplate ? m_indirectTemplate
                           : vqtr::dlg::FindTemplateResource(resources, m_templateId, limit);
    if (dialogTemplate && vqtr::dlg::HoldsOtherControlClass(dialogTemplate, limit))
        AfxInitCommonControls();
    HWND hwnd = nullptr;
    if (m_indirectTemplate)
        hwnd = ::CreateDialogIndirectParamA(resources, m_indirectTemplate, parent,
                                            &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    else
        hwnd = ::CreateDialogParamA(resources, MAKEINTRESOURCEA(m_templateId), parent,
                                    &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) {
        CString text;
        text.Format("VQTRG: dialog template %u could not be created (error %lu)\n", m_templateId,
                    ::GetLastError());
        ::OutputDebugStringA(text);
    }
    return hwnd;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    m_indirectTemplate = nullptr;
    if (parent)
        m_pParentWnd = parent;
    return CreateWindowFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr) != nullptr;
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent) {
    m_indirectTemplate = dialogTemplate;
    if (parent)
        m_pParentWnd = parent;
    return CreateWindowFromTemplate(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr) != nullptr;
}

INT_PTR CDialog::DoModal() {
    if (AfxGetModuleState()->bClosing)
        return -1;
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : ::GetActiveWindow();
    while (owner && (::GetWindowLongPtrA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    bool ownerDisabled = owner && ::IsWindowEnabled(owner);
    if (ownerDisabled)
        ::EnableWindow(owner, FALSE);

    m_endModal = false;
    m_modalResult = -1;
    m_inModalLoop = true;
    HWND hwnd = CreateWindowFromTemplate(owner);
    if (hwnd && !m_endModal) {
        ::ShowWindow(hwnd, SW_SHOW);
        MSG msg;
        // The loop ends with its window too: a module closed while it runs takes it along.
        while (!m_endModal && ::IsWindow(hwnd)) {
            BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
            if (got <= 0) {
                // A quit message belongs to the host's loop: hand it back and end this one.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (!WalkPreTranslateTree(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    m_inModalLoop = false;
    if (ownerDisabled)
        ::EnableWindow(owner, TRUE);
    if (owner && hwnd && ::GetActiveWindow() == hwnd)
        ::SetActiveWindow(owner);
    if (m_hWnd)
        DestroyWindow();
    return hwnd ? m_modalResult : -1;
}

void CDialog::EndDialog(INT_PTR result) {
    m_modalResult = result;
    if (m_inModalLoop) {
        m_endModal = true;
        // Wake the loop if it waits for a message.
        ::PostMessageA(nullptr, WM_NULL, 0, 0);
    } else if (m_hWnd) {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    // Child dialogs (pages) leave the dialog keys to the top-level dialog, which moves the focus
    // through every nested control.
    if (!m_hWnd || (GetStyle() & WS_CHILD) || !IsKeyboardMessage(msg->message))
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    // A typed character makes the dialog look for a control with that mnemonic, walking the
    // visible controls from the target round to it again: a target the walk cannot reach (a
    // hidden control, or one on a hidden page) would keep it walking for ever.
    bool character = msg->message == WM_CHAR || msg->message == WM_SYSCHAR;
    if (character && !::IsWindowVisible(msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}

bool CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (CWnd::WindowProc(message, wParam, lParam, result))
        return true;
    // OK and Cancel reach the life-cycle functions when no map row took them.
    if (message == WM_COMMAND && HIWORD(wParam) <= 1) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->Attach(hwnd);
    } else {
        dialog = static_cast<CDialog*>(FromHandlePermanent(hwnd));
    }
    if (!dialog)
        return FALSE;

    LRESULT result = 0;
    bool alive = true;
    bool handled = false;
    if (message == WM_INITDIALOG) {
        CModuleStateScope state(dialog->m_moduleState);
        DispatchFrame frame(dialog, message, wParam, lParam);
        try {
            result = dialog->OnInitDialog();
        } catch (...) {
            ::OutputDebugStringA("VQTRG: exception stopped at OnInitDialog\n");
            result = TRUE;
        }
        alive = frame.alive;
        handled = true;
    } else {
        handled = Dispatch(dialog, message, wParam, lParam, result, alive);
    }
    if (message == WM_NCDESTROY && alive && dialog->m_hWnd == hwnd) {
        // A modal loop that waits for a message learns that its window is gone.
        if (dialog->m_inModalLoop)
            ::PostMessageA(nullptr, WM_NULL, 0, 0);
        dialog->Detach();
        dialog->PostNcDestroy();
    }
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return result;
    // Reading the result slot costs nothing; writing it is a request to the window system.
    if (::GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) != result)
        ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
