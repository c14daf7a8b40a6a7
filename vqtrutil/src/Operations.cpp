#include "Operations.h"

#include "CSpy.h"
#include "Environment.h"
#include "resource.h"

#include <CString.h>
#include <Module.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <htmlhelp.h>
#include <shellapi.h>
#include <string>

namespace {

std::atomic<VqtrUiHandler> g_uiHandler{nullptr};

bool IsLocaleText(const std::string& text) {
    return text.size() == 8 &&
           text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

// Copies text into a buffer of size characters, cutting it to fit.
void CopyCut(const std::string& text, char* buffer, int size) {
    if (!buffer || size <= 0)
        return;
    const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

std::string LanguageName(LCID locale) {
    char name[128] = "";
    if (!GetLocaleInfoA(locale, LOCALE_SENGLANGUAGE, name, sizeof name))
        return {};
    return name;
}

bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether a file begins as a compiled help file does; a file cut short or of another kind would
// leave the viewer's window empty.
bool IsCompiledHelp(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char signature[4] = {};
    DWORD read = 0;
    const BOOL done = ReadFile(file, signature, sizeof signature, &read, nullptr);
    CloseHandle(file);
    return done && read == sizeof signature && std::memcmp(signature, "ITSF", 4) == 0;
}

// Tells the user why no help opens, with the file's place for whoever supports them.
void TellHelpUnavailable(HWND owner, UINT messageId, const char* helpFile) {
    CString format;
    CString caption;
    format.LoadString(messageId);
    caption.LoadString(IDS_HELP_UNAVAILABLE_CAPTION);
    CString message;
    message.Format(format, helpFile);
    UtilMessageBox(owner, message, caption, MB_OK | MB_ICONINFORMATION);
}

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

// The help viewer is not in the import libraries.
HtmlHelpFunction HtmlHelp() {
    static const auto function = AfxSystemFunction<HtmlHelpFunction>("hhctrl.ocx", "HtmlHelpA");
    return function;
}

ShellExecuteFunction ShellOpen() {
    static const auto function =
        AfxSystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    return function;
}

} // namespace

extern "C" void VqtrSetUiHandler(VqtrUiHandler handler) {
    CSpy spy;
    spy.OutputData(handler ? "VqtrSetUiHandler() handler set" : "VqtrSetUiHandler() cleared");
    g_uiHandler = handler;
}

int UtilGetLocaleText(char* localeText, int localeSize, char* secondValue, int secondSize) {
    CSpy spy;
    spy.OutputData("UtilGetLocaleText()");
    std::string text = vqtr::util::ReadEnvironment("VQTR_LOCALE");
    if (!text.empty() && !IsLocaleText(text)) {
        spy.OutputError("VQTR_LOCALE is not eight hexadecimal digits; the user's locale stands");
        text.clear();
    }
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (text.empty()) {
        char own[16];
        std::snprintf(own, sizeof own, "%08lX", static_cast<unsigned long>(GetUserDefaultLCID()));
        text = own;
    }
    const LCID locale = MAKELCID(LANGIDFROMLCID(std::stoul(text, nullptr, 16)), SORT_DEFAULT);
    CopyCut(LanguageName(locale), secondValue, secondSize);
    spy.OutputData(text.c_str());
    if (!localeText || localeSize < static_cast<int>(text.size()) + 1) {
        spy.OutputError("UtilGetLocaleText() has no room for the locale text");
        CopyCut({}, localeText, localeSize);
        return 0;
    }
    CopyCut(text, localeText, localeSize);
    return static_cast<int>(text.size());
}

int UtilMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    CSpy spy;
    spy.OutputData("UtilMessageBox()");
    spy.OutputData(text);
    spy.OutputData(caption);
    spy.OutputData(style);
    if (!text)
        text = "";
    int result = 0;
    if (const VqtrUiHandler handler = g_uiHandler)
        result = handler(VQTR_UI_MESSAGE_BOX, text, caption, style, 0);
    else
        result = MessageBoxA(owner, text, caption, style);
    spy.OutputData(result);
    return result;
}

BOOL UtilIsDeviceInstalling() {
    const std::string marker = vqtr::util::ReadEnvironment("VQTR_DEVICE_INSTALL");
    const BOOL installing = !marker.empty() && FileExists(marker.c_str());
    CSpy spy;
    spy.OutputData(installing ? "UtilIsDeviceInstalling() yes" : "UtilIsDeviceInstalling() no");
    return installing;
}

void UtilShowHelp(HWND owner, const char* helpFile, UINT command, DWORD topic, DWORD) {
    CSpy spy;
    spy.OutputData("UtilShowHelp()");
    spy.OutputData(helpFile);
    spy.OutputData(command);
    spy.OutputData(topic);
    if (!helpFile) {
        spy.OutputError("UtilShowHelp() without a help file");
        return;
    }
    if (const VqtrUiHandler handler = g_uiHandler) {
        handler(VQTR_UI_HELP, helpFile, nullptr, topic, command);
        return;
    }
    // The viewer reads the data of its other commands as an address: a topic number there
    // would make it read where nothing is. Its display command without an address opens the
    // file's first page.
    const bool firstPage = command == HH_DISPLAY_TOPIC && topic == 0;
    if (command != HH_HELP_CONTEXT && command != HH_CLOSE_ALL && !firstPage) {
        spy.OutputError("UtilShowHelp() the command takes no topic number: nothing is shown");
        return;
    }
    // Closing the viewer needs no file; showing a page does, and the user is told when it
    // cannot be read.
    if (!FileExists(helpFile)) {
        spy.OutputError("UtilShowHelp() the help file does not exist");
        if (command != HH_CLOSE_ALL)
            TellHelpUnavailable(owner, IDS_HELP_FILE_MISSING, helpFile);
        return;
    }
    if (command != HH_CLOSE_ALL && !IsCompiledHelp(helpFile)) {
        spy.OutputError("UtilShowHelp() the help file is damaged");
        TellHelpUnavailable(owner, IDS_HELP_FILE_DAMAGED, helpFile);
        return;
    }
    if (const HtmlHelpFunction show = HtmlHelp())
        show(owner, helpFile, command, topic);
    else
        spy.OutputError("UtilShowHelp() the help viewer cannot be loaded");
}

void UtilShellOpen(HWND owner, const char* target, const char* verb, int show) {
    CSpy spy;
    spy.OutputData("UtilShellOpen()");
    spy.OutputData(target);
    spy.OutputData(verb);
    spy.OutputData(show);
    if (!target || !*target) {
        spy.OutputError("UtilShellOpen() without a target");
        return;
    }
    if (const VqtrUiHandler handler = g_uiHandler) {
        handler(VQTR_UI_SHELL_OPEN, target, verb, static_cast<unsigned>(show), 0);
        return;
    }
    const ShellExecuteFunction open = ShellOpen();
    const auto result = reinterpret_cast<INT_PTR>(
        open ? open(owner, verb, target, nullptr, nullptr, show) : nullptr);
    if (result <= 32) {
        spy.OutputData("UtilShellOpen() ShellExecute failed:");
        spy.OutputData(static_cast<int>(result));
    }
}
