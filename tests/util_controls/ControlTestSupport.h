// What the control tests share: a dialog in memory holding one control of each kind, that paints
// a known background and records the commands it receives; bitmaps made in memory; the options
// file and the user-interface handler of a test.
#pragma once

#include "DialogHook.h"
#include "TestEnvironment.h"

#include "Operations.h"

#include <CString.h>
#include <Dialog.h>
#include <DialogTemplate.h>
#include <Gdi.h>
#include <MessageQueue.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace controls_test {

constexpr COLORREF kBackground = RGB(0x20, 0x90, 0x40);
constexpr COLORREF kKey = RGB(0, 255, 0);

enum ControlId : UINT {
    kButtonId = 100,
    kNavId = 101,
    kTankId = 102,
    kPictureId = 103,
    kTextId = 104,
    kLinkId = 105,
    kEditId = 106,
    kOwnButtonId = 107,
    kTank2Id = 108,
    kMissingId = 999
};

inline CDialogTemplate MakeTemplate() {
    CDialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU, RECT{0, 0, 240, 150}, "Controls");
    const DWORD child = WS_CHILD | WS_VISIBLE;
    dialog.AddControl("BUTTON", "OK", kButtonId, child | WS_TABSTOP, RECT{8, 8, 68, 26});
    dialog.AddControl("BUTTON", "Home", kNavId, child | WS_TABSTOP, RECT{8, 32, 68, 50});
    dialog.AddControl("BUTTON", "Own", kOwnButtonId, child | WS_TABSTOP, RECT{8, 56, 68, 70});
    dialog.AddControl("STATIC", "", kTankId, child, RECT{80, 8, 104, 60});
    dialog.AddControl("STATIC", "", kTank2Id, child, RECT{108, 8, 132, 60});
    dialog.AddControl("STATIC", "", kPictureId, child, RECT{140, 8, 190, 58});
    dialog.AddControl("STATIC", "Title", kTextId, child, RECT{8, 76, 230, 90});
    dialog.AddControl("STATIC", "Visit the web", kLinkId, child | WS_TABSTOP,
                      RECT{8, 94, 120, 104});
    dialog.AddControl("EDIT", "Line one\r\nLine two", kEditId,
                      child | ES_MULTILINE | ES_READONLY | WS_BORDER, RECT{8, 108, 230, 140});
    return dialog;
}

// A modeless dialog with the controls above, shown, on a known background colour.
class CControlsDialog : public CDialog {
public:
    CControlsDialog() : m_template(MakeTemplate()) {}
    ~CControlsDialog() override = default;

    bool Open() {
        if (!CreateIndirect(m_template.Get()))
            return false;
        SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(SW_SHOWNORMAL);
        UpdateWindow();
        DispatchWaitingMessages();
        return true;
    }

    // Commands received: (control id, notification code).
    std::vector<std::pair<UINT, UINT>> commands;

protected:
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_COMMAND && lParam)
            commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        if (message == WM_ERASEBKGND) {
            CDC dc(reinterpret_cast<HDC>(wParam));
            dc.FillSolidRect(GetClientRect(), kBackground);
            result = TRUE;
            return true;
        }
        return CDialog::WindowProc(message, wParam, lParam, result);
    }

private:
    CDialogTemplate m_template;
};

// A bitmap in memory: width x height of colour, with a key-coloured left part of keyWidth
// columns (the transparent part).
inline HBITMAP MakeBitmap(int width, int height, COLORREF color, int keyWidth = 0) {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    CCompatibleDC dc;
    CSelectObject select(dc, bitmap);
    dc.FillSolidRect(0, 0, width, height, color);
    if (keyWidth > 0)
        dc.FillSolidRect(0, 0, keyWidth, height, kKey);
    return bitmap;
}

// A memory DC of the dialog's client size filled with the background colour.
class CCanvas {
public:
    CCanvas(int width, int height) : m_dc(nullptr, width, height) {
        m_dc.FillSolidRect(0, 0, width, height, kBackground);
    }
    HDC Get() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }

private:
    CMemoryDC m_dc;
};

// What the screen shows at a point of a window's client area (copied from the screen, which
// includes the child windows, as a screenshot does).
inline COLORREF ScreenPixel(HWND window, int x, int y) {
    DispatchWaitingMessages();
    POINT point{x, y};
    ::ClientToScreen(window, &point);
    HDC screen = ::GetDC(nullptr);
    CMemoryDC copy(screen, 1, 1);
    copy.BitBlt(0, 0, 1, 1, screen, point.x, point.y);
    ::ReleaseDC(nullptr, screen);
    return copy.GetPixel(0, 0);
}

using testing_support::ScopedEnvironment;
using testing_support::ScopedOptionsFile;

// Records what would have been put in front of the user.
struct UiCall {
    int kind;
    std::string text;
    std::string caption;
    unsigned number;
    unsigned command;
};

class CUiRecorder {
public:
    CUiRecorder() {
        Calls().clear();
        VqtrSetUiHandler(&CUiRecorder::Record);
    }
    ~CUiRecorder() { VqtrSetUiHandler(nullptr); }
    CUiRecorder(const CUiRecorder&) = delete;
    CUiRecorder& operator=(const CUiRecorder&) = delete;

    static std::vector<UiCall>& Calls() {
        static std::vector<UiCall> calls;
        return calls;
    }

private:
    static int Record(int kind, const char* text, const char* caption, unsigned number,
                      unsigned command) {
        Calls().push_back(
            {kind, text ? text : "(null)", caption ? caption : "(null)", number, command});
        return IDOK;
    }
};

// Acts on each dialog of this thread as it is activated (a modal dialog: while its
// WM_INITDIALOG runs, before its loop).
class CDialogActivationHook : public CDialogHook {
public:
    explicit CDialogActivationHook(std::function<void(HWND)> action)
        : CDialogHook(kActivated, std::move(action)) {}
};

} // namespace controls_test
