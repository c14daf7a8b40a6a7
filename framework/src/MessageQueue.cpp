#include "MessageQueue.h"

#include "Wnd.h"

CMessagePass DispatchWaitingMessages(int limit, MessageFilter filter, QuitMessage quit) {
    CMessagePass pass;
    MSG msg;
    while (pass.taken < limit && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ++pass.taken;
        if (msg.message == WM_QUIT) {
            pass.quit = true;
            pass.quitCode = msg.wParam;
            if (quit == QuitMessage::Hold)
                continue;
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!(filter ? filter(&msg) : CWnd::WalkPreTranslateTree(&msg))) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return pass;
}
