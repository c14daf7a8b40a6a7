// Topics of the printer's help file that the module opens: each number has a page of its own in
// the help file's context map.
#pragma once

#include "PageIndex.h"

constexpr unsigned kHelpTopicGeneral = 219;
constexpr unsigned kHelpTopicNetwork = 984;
constexpr unsigned kHelpTopicTestPage = 998;
// Fitting and checking print cartridges: the cartridge wizard's pages.
constexpr unsigned kHelpTopicCartridges = 254;
// Aligning the cartridges: the alignment wizard's pages.
constexpr unsigned kHelpTopicAlignment = 261;

// The help of each page of the main window, by page index.
constexpr unsigned kPageHelpTopics[kPageCount] = {200, 201, 211, 218, 220, 221};
