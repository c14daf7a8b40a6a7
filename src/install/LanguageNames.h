// The language names of the accompanying applications, as data: which CD language folder pairs
// with which name a list shows, the Windows language id of a folder, and what the text
// recognition (OCR) installer takes for a language. Names are string ids of the resource module;
// only FolderIdOfName and LanguageName read the module.
#pragma once

#include "CString.h"

#include <span>

#include <windows.h>

struct LanguagePair {
    UINT folder;
    UINT display;
};

// The folder/display pairs in the order a folder found on the CD is compared with them.
std::span<const LanguagePair> LanguagePairs();

// What a list shows for a folder: 0 when the folder has no pair. With the variant flag (the
// text recognition list), the Portuguese folder shows the Brazilian name.
UINT DisplayForFolder(UINT folderId, bool variant);
// The folder a list entry stands for; 0 for an id that is no display name. With the variant flag
// both Chinese names lead to the shared Chinese folder and the Brazilian name to Portuguese.
UINT FolderForDisplay(UINT displayId, bool variant);

// Every display name, in the order the lists show them when the page is opened by a topic (no
// CD is searched then).
std::span<const UINT> TopicListDisplayOrder();

// A folder's Windows language id as decimal text ("1033"); empty when the folder has none.
const char* WindowsLanguageId(UINT folderId);

// What the text recognition installer takes for a language: its own language id (the name of
// its transform) and its user-interface number; both empty for a language it does not know.
struct OcrLanguage {
    const char* languageId;
    const char* interfaceNumber;
};
OcrLanguage OcrLanguageFor(UINT folderId);

// The folder id whose name (from the resource module) is `name`, compared without regard to
// case; 0 when none is.
UINT FolderIdOfName(const char* name);
// A language name of the resource module; empty when it is missing.
CString LanguageName(UINT id);
