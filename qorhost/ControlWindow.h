// The host's control window, beside the module's windows: the simulated printer's state, editable
// (what is shown is what the printer reports); the calls a host makes (a topic, a status push, new
// cartridges, the end); and a live list of every call and request with its payload decoded.
// A modeless dialog built in memory; the host's loop gives it its keyboard (IsDialogMessage).
#pragma once

#include "ModuleHost.h"
#include "Profile.h"

#include <windows.h>

#include <string>

class ControlWindow {
public:
    ControlWindow(ModuleHost& host, std::string printerName, const Profile& profile);
    ~ControlWindow();
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    // Creates and shows the window; closing it ends the module and the message loop.
    bool Create();
    HWND Handle() const { return m_window; }
    // Moves the window to the right of the module's main window (or of its newest window).
    void PlaceBesideModule();

    // What the host tells it.
    void OnRequest(const RequestRecord& record);
    void OnCall(const std::string& line);
    void OnLifetime();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void InitControls();
    void OnCommand(WORD id, WORD code);
    void OnClose();

    // The printer's state into the controls, and the controls into the printer's state.
    void ShowPrinter();
    void ReadPrinter();
    void ShowModuleState(const std::string& note = {});
    void AddRow(const std::string& kind, const std::string& payload, const std::string& result);
    bool RefuseWhileModuleHoldsLoop();

    void OpenTopic();
    void PushStatus();
    void FitNewCartridges();
    void EndModule();

    HWND Item(int id) const { return ::GetDlgItem(m_window, id); }
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    // The number a control's text starts with ("80 colour" -> 80); false when there is none.
    bool Number(int id, long long& value) const;
    void SetNumberChoice(int id, long long value);

    ModuleHost& m_host;
    std::string m_printerName;
    const Profile& m_profile;
    HWND m_window = nullptr;
    HFONT m_listFont = nullptr;
    bool m_showing = false;
    int m_rows = 0;
};
