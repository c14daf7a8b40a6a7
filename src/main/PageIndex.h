// The pages of the main window, in the order of their navigation buttons.
#pragma once

enum PageIndex {
    kHomePage = 0,
    kPrinterFeaturesPage = 1,
    kTroubleshootingPage = 2,
    kInkPage = 3, // Ink Tanks on an ink-tank printer, Ink Cartridge otherwise
    kContactInfoPage = 4,
    kAdvancedPage = 5,
    kPageCount = 6
};
