// Acting in dialogs of one kind as they show, inside their modal loops: one action per dialog in
// the order they appear (a dialog activated again, as one is after a dialog it opened, gets none;
// other windows are left alone).
#pragma once

#include "DialogHook.h"

#include <functional>
#include <set>
#include <utility>
#include <vector>
#include <windows.h>

class DialogActor {
public:
    using Action = std::function<void(HWND dialog)>;
    using Kind = bool (*)(HWND dialog);

    DialogActor(Kind kind, std::vector<Action> actions)
        : m_hook(CDialogHook::kActivated, [](HWND dialog) {
              State& state = Current();
              if (!state.kind || !state.kind(dialog) || !state.seen.insert(dialog).second)
                  return;
              state.waiting.push_back(dialog);
              // A thread timer runs inside the dialog's modal loop, once the dialog shows.
              ::SetTimer(nullptr, 0, 0, &DialogActor::Act);
          }) {
        Current() = State{};
        Current().kind = kind;
        Current().actions = std::move(actions);
    }
    ~DialogActor() { Current() = State{}; }
    DialogActor(const DialogActor&) = delete;
    DialogActor& operator=(const DialogActor&) = delete;

    int Acted() const { return Current().next; }

private:
    struct State {
        Kind kind = nullptr;
        std::vector<Action> actions;
        std::set<HWND> seen;
        std::vector<HWND> waiting;
        int next = 0;
    };
    static State& Current() {
        static State state;
        return state;
    }
    static void CALLBACK Act(HWND, UINT, UINT_PTR timer, DWORD) {
        ::KillTimer(nullptr, timer);
        State& state = Current();
        if (state.waiting.empty())
            return;
        HWND dialog = state.waiting.front();
        state.waiting.erase(state.waiting.begin());
        if (!::IsWindow(dialog) || state.next >= static_cast<int>(state.actions.size()))
            return;
        Action action = state.actions[static_cast<size_t>(state.next++)];
        action(dialog);
    }
    CDialogHook m_hook;
};
