// The numbered operations of the utility library, and the handler that automated hosts and tests
// put in place of everything that would appear in front of the user outside our own dialogs.
#pragma once

#include "UtilApi.h"

#include <windows.h>

// kind 1, a message box: text, caption, number = the style; the result is the button pressed
//         (IDOK 1, IDCANCEL 2, ...);
// kind 2, a help topic: text = the help file's path, caption null, number = the topic,
//         command = the help command; the result is ignored;
// kind 3, an address, file or program opened through the shell: text = the address or path,
//         caption = the verb or null, number = the show mode; the result is ignored.
typedef int (*VqtrUiHandler)(int kind, const char* text, const char* caption, unsigned number,
                             unsigned command);

enum VqtrUiKind { VQTR_UI_MESSAGE_BOX = 1, VQTR_UI_HELP = 2, VQTR_UI_SHELL_OPEN = 3 };

// Sets the handler for the whole process; a null handler restores the real actions.
extern "C" VQTRUTIL_API void VqtrSetUiHandler(VqtrUiHandler handler);

// Operation 1: the user's locale as eight upper-case hexadecimal digits ("00000409") into
// localeText, and the English name of its language ("English") into secondValue when that is
// given. The environment variable VQTR_LOCALE, when it holds eight hexadecimal digits (in either
// case), stands in for the user's locale. Returns the number of characters of the locale text, or 0
// when localeText is null or shorter than 9 characters. A second value that does not fit is cut.
VQTRUTIL_API int UtilGetLocaleText(char* localeText, int localeSize, char* secondValue,
                                   int secondSize);

// Operation 2: a message box (MessageBoxA, or the handler's kind 1); the button pressed.
VQTRUTIL_API int UtilMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// Operation 3: nonzero while a device installation runs, which is while the environment
// variable VQTR_DEVICE_INSTALL names a file that exists.
VQTRUTIL_API BOOL UtilIsDeviceInstalling();

// Operation 6: a help topic (the help viewer's HtmlHelpA with the command and the topic, or the
// handler's kind 2). A help file that does not exist is logged and nothing is shown; so is a
// command of the viewer whose data is not a number (only HH_HELP_CONTEXT, HH_CLOSE_ALL and
// HH_DISPLAY_TOPIC with topic 0, the file's first page, are shown). reserved is not used.
VQTRUTIL_API void UtilShowHelp(HWND owner, const char* helpFile, UINT command, DWORD topic,
                               DWORD reserved);

// An address, file or program opened through the shell (ShellExecuteA with the verb, null for
// the default one, or the handler's kind 3).
VQTRUTIL_API void UtilShellOpen(HWND owner, const char* target, const char* verb, int show);
