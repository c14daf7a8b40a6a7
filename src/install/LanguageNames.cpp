#include "LanguageNames.h"

#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr LanguagePair kPairs[] = {
    {IDS_LANGUAGE_FOLDER_ENGLISH, IDS_LANGUAGE_DISPLAY_ENGLISH},
    {IDS_LANGUAGE_FOLDER_SWEDISH, IDS_LANGUAGE_DISPLAY_SWEDISH},
    {IDS_LANGUAGE_FOLDER_SPANISH, IDS_LANGUAGE_DISPLAY_SPANISH},
    {IDS_LANGUAGE_FOLDER_RUSSIAN, IDS_LANGUAGE_DISPLAY_RUSSIAN},
    {IDS_LANGUAGE_FOLDER_PORTUGUESE, IDS_LANGUAGE_DISPLAY_PORTUGUESE},
    {IDS_LANGUAGE_FOLDER_POLISH, IDS_LANGUAGE_DISPLAY_POLISH},
    {IDS_LANGUAGE_FOLDER_NORWEGIAN, IDS_LANGUAGE_DISPLAY_NORWEGIAN},
    {IDS_LANGUAGE_FOLDER_ITALIAN, IDS_LANGUAGE_DISPLAY_ITALIAN},
    {IDS_LANGUAGE_FOLDER_HUNGARIAN, IDS_LANGUAGE_DISPLAY_HUNGARIAN},
    {IDS_LANGUAGE_FOLDER_GERMAN, IDS_LANGUAGE_DISPLAY_GERMAN},
    {IDS_LANGUAGE_FOLDER_FRENCH, IDS_LANGUAGE_DISPLAY_FRENCH},
    {IDS_LANGUAGE_FOLDER_FINNISH, IDS_LANGUAGE_DISPLAY_FINNISH},
    {IDS_LANGUAGE_FOLDER_ARABIC, IDS_LANGUAGE_DISPLAY_ARABIC},
    {IDS_LANGUAGE_FOLDER_DUTCH, IDS_LANGUAGE_DISPLAY_DUTCH},
    {IDS_LANGUAGE_FOLDER_DANISH, IDS_LANGUAGE_DISPLAY_DANISH},
    {IDS_LANGUAGE_FOLDER_CZECH, IDS_LANGUAGE_DISPLAY_CZECH},
    {IDS_LANGUAGE_FOLDER_CHINESE_TRADITIONAL, IDS_LANGUAGE_DISPLAY_CHINESE_TRADITIONAL},
    {IDS_LANGUAGE_FOLDER_CHINESE_SIMPLIFIED, IDS_LANGUAGE_DISPLAY_CHINESE_SIMPLIFIED},
    {IDS_LANGUAGE_FOLDER_BULGARIAN, IDS_LANGUAGE_DISPLAY_BULGARIAN},
    {IDS_LANGUAGE_FOLDER_BRAZILIAN, IDS_LANGUAGE_DISPLAY_BRAZILIAN},
    {IDS_LANGUAGE_FOLDER_SLOVAK, IDS_LANGUAGE_DISPLAY_SLOVAK},
    {IDS_LANGUAGE_FOLDER_UKRAINIAN, IDS_LANGUAGE_DISPLAY_UKRAINIAN},
    {IDS_LANGUAGE_FOLDER_ROMANIAN, IDS_LANGUAGE_DISPLAY_ROMANIAN},
    {IDS_LANGUAGE_FOLDER_KOREAN, IDS_LANGUAGE_DISPLAY_KOREAN},
    {IDS_LANGUAGE_FOLDER_CANADIAN_FRENCH, IDS_LANGUAGE_DISPLAY_CANADIAN_FRENCH},
    {IDS_LANGUAGE_FOLDER_JAPANESE, IDS_LANGUAGE_DISPLAY_JAPANESE},
    {IDS_LANGUAGE_FOLDER_GREEK, IDS_LANGUAGE_DISPLAY_GREEK},
    {IDS_LANGUAGE_FOLDER_HEBREW, IDS_LANGUAGE_DISPLAY_HEBREW},
};

constexpr UINT kTopicOrder[] = {
    IDS_LANGUAGE_DISPLAY_CHINESE_SIMPLIFIED,
    IDS_LANGUAGE_DISPLAY_CHINESE_TRADITIONAL,
    IDS_LANGUAGE_DISPLAY_CZECH,
    IDS_LANGUAGE_DISPLAY_DANISH,
    IDS_LANGUAGE_DISPLAY_DUTCH,
    IDS_LANGUAGE_DISPLAY_FINNISH,
    IDS_LANGUAGE_DISPLAY_FRENCH,
    IDS_LANGUAGE_DISPLAY_GERMAN,
    IDS_LANGUAGE_DISPLAY_HUNGARIAN,
    IDS_LANGUAGE_DISPLAY_ITALIAN,
    IDS_LANGUAGE_DISPLAY_NORWEGIAN,
    IDS_LANGUAGE_DISPLAY_POLISH,
    IDS_LANGUAGE_DISPLAY_PORTUGUESE,
    IDS_LANGUAGE_DISPLAY_RUSSIAN,
    IDS_LANGUAGE_DISPLAY_SPANISH,
    IDS_LANGUAGE_DISPLAY_SWEDISH,
    IDS_LANGUAGE_DISPLAY_ENGLISH,
    IDS_LANGUAGE_DISPLAY_KOREAN,
    IDS_LANGUAGE_DISPLAY_CANADIAN_FRENCH,
    IDS_LANGUAGE_DISPLAY_ROMANIAN,
    IDS_LANGUAGE_DISPLAY_UKRAINIAN,
    IDS_LANGUAGE_DISPLAY_SLOVAK,
    IDS_LANGUAGE_DISPLAY_BRAZILIAN,
    IDS_LANGUAGE_DISPLAY_BULGARIAN,
};

struct LanguageIdRow {
    UINT folder;
    const char* windowsId;
    const char* ocrInterface; // null: not a language of the text recognition installer
};

// The text recognition installer knows the first fourteen rows.
constexpr LanguageIdRow kLanguageIds[] = {
    {IDS_LANGUAGE_FOLDER_ENGLISH, "1033", "0"},
    {IDS_LANGUAGE_FOLDER_CZECH, "1029", "16"},
    {IDS_LANGUAGE_FOLDER_DUTCH, "1043", "7"},
    {IDS_LANGUAGE_FOLDER_FRENCH, "1036", "3"},
    {IDS_LANGUAGE_FOLDER_GERMAN, "1031", "2"},
    {IDS_LANGUAGE_FOLDER_HUNGARIAN, "1038", "17"},
    {IDS_LANGUAGE_FOLDER_ITALIAN, "1040", "6"},
    {IDS_LANGUAGE_FOLDER_POLISH, "1045", "15"},
    {IDS_LANGUAGE_FOLDER_SPANISH, "1034", "5"},
    {IDS_LANGUAGE_FOLDER_BULGARIAN, "1026", "23"},
    {IDS_LANGUAGE_FOLDER_PORTUGUESE, "1046", "13"},
    {IDS_LANGUAGE_FOLDER_SLOVAK, "1051", "14"},
    {IDS_LANGUAGE_FOLDER_UKRAINIAN, "1058", "4"},
    {IDS_LANGUAGE_FOLDER_RUSSIAN, "1049", "1"},
    {IDS_LANGUAGE_FOLDER_SWEDISH, "1053", nullptr},
    {IDS_LANGUAGE_FOLDER_NORWEGIAN, "1044", nullptr},
    {IDS_LANGUAGE_FOLDER_DANISH, "1030", nullptr},
    {IDS_LANGUAGE_FOLDER_CHINESE_TRADITIONAL, "1028", nullptr},
    {IDS_LANGUAGE_FOLDER_CHINESE_SIMPLIFIED, "2052", nullptr},
    {IDS_LANGUAGE_FOLDER_CHINESE, "1049", nullptr},
    {IDS_LANGUAGE_FOLDER_BRAZILIAN, "1046", nullptr},
    {IDS_LANGUAGE_FOLDER_KOREAN, "1042", nullptr},
    {IDS_LANGUAGE_FOLDER_CANADIAN_FRENCH, "3084", nullptr},
    {IDS_LANGUAGE_FOLDER_JAPANESE, "1041", nullptr},
    {IDS_LANGUAGE_FOLDER_FINNISH, "1035", nullptr},
    {IDS_LANGUAGE_FOLDER_GREEK, "1032", nullptr},
    {IDS_LANGUAGE_FOLDER_ARABIC, "1025", nullptr},
    {IDS_LANGUAGE_FOLDER_HEBREW, "1037", nullptr},
    {IDS_LANGUAGE_FOLDER_TURKISH, "1055", nullptr},
};
// The installer's transform for Portuguese is the European one.
constexpr const char* kOcrPortugueseId = "2070";

// Folders with a name but no list entry of their own.
constexpr UINT kUnpairedFolders[] = {IDS_LANGUAGE_FOLDER_CHINESE, IDS_LANGUAGE_FOLDER_TURKISH};

// Rows are tried in order and the last match wins.
const LanguageIdRow* FindLanguageIdRow(UINT folderId) {
    const LanguageIdRow* found = nullptr;
    for (const LanguageIdRow& row : kLanguageIds)
        if (row.folder == folderId)
            found = &row;
    return found;
}
} // namespace

std::span<const LanguagePair> LanguagePairs() {
    return kPairs;
}

std::span<const UINT> TopicListDisplayOrder() {
    return kTopicOrder;
}

UINT DisplayForFolder(UINT folderId, bool variant) {
    if (variant && folderId == IDS_LANGUAGE_FOLDER_PORTUGUESE)
        return IDS_LANGUAGE_DISPLAY_BRAZILIAN;
    auto pair = std::find_if(std::begin(kPairs), std::end(kPairs),
                             [folderId](const LanguagePair& p) { return p.folder == folderId; });
    return pair != std::end(kPairs) ? pair->display : 0;
}

UINT FolderForDisplay(UINT displayId, bool variant) {
    switch (displayId) {
    case IDS_LANGUAGE_DISPLAY_CHINESE_TRADITIONAL:
    case IDS_LANGUAGE_DISPLAY_CHINESE_SIMPLIFIED:
        if (variant)
            return IDS_LANGUAGE_FOLDER_CHINESE;
        break;
    case IDS_LANGUAGE_DISPLAY_BRAZILIAN:
        return variant ? IDS_LANGUAGE_FOLDER_PORTUGUESE : IDS_LANGUAGE_FOLDER_BRAZILIAN;
    default:
        break;
    }
    auto pair = std::find_if(std::begin(kPairs), std::end(kPairs),
                             [displayId](const LanguagePair& p) { return p.display == displayId; });
    return pair != std::end(kPairs) ? pair->folder : 0;
}

const char* WindowsLanguageId(UINT folderId) {
    const LanguageIdRow* row = FindLanguageIdRow(folderId);
    return row ? row->windowsId : "";
}

OcrLanguage OcrLanguageFor(UINT folderId) {
    const LanguageIdRow* row = FindLanguageIdRow(folderId);
    if (!row || !row->ocrInterface)
        return {"", ""};
    const bool portuguese = folderId == IDS_LANGUAGE_FOLDER_PORTUGUESE;
    return {portuguese ? kOcrPortugueseId : row->windowsId, row->ocrInterface};
}

CString LanguageName(UINT id) {
    CString name;
    name.LoadString(id);
    return name;
}

UINT FolderIdOfName(const char* name) {
    if (!name || !*name)
        return 0;
    for (const LanguagePair& pair : kPairs)
        if (LanguageName(pair.folder).CompareNoCase(name) == 0)
            return pair.folder;
    for (UINT folder : kUnpairedFolders)
        if (LanguageName(folder).CompareNoCase(name) == 0)
            return folder;
    return 0;
}
