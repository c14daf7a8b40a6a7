// Topic codes: what the host asks the module to show or do.
#pragma once

constexpr int kTopicNone = 0;
constexpr int kTopicHome = 100;
constexpr int kTopicFeatureList1 = 106;
constexpr int kTopicFeatureList3 = 108;
constexpr int kTopicPostInstall = 400;
constexpr int kTopicCartridgeChange = 405;
constexpr int kTopicChoosePrinter = 500;
constexpr int kTopicSuppliesWeb = 700;
constexpr int kTopicStatusUpdate = 900;

// Help topics of the help file.
constexpr unsigned kHelpTopicGeneral = 219;
constexpr unsigned kHelpTopicNetwork = 984;

// The topics that run without the main window (a wizard, a dialog, help, or nothing): 400, 201
// to 222, and 303 or more. The others open the main window on a page.
constexpr bool IsDirectTopic(int topic) {
    return topic == kTopicPostInstall || (topic >= 201 && topic <= 222) || topic >= 303;
}

// The page a main-window topic opens (0 Home ... 5 Advanced).
constexpr int PageOfTopic(int topic) {
    switch (topic) {
    case 101:
    case 106:
    case 107:
    case 108:
        return 1;
    case 102:
    case 224:
    case 301:
        return 2;
    case 103:
        return 3;
    case 104:
        return 4;
    case 105:
    case 223:
        return 5;
    default:
        return 0;
    }
}
