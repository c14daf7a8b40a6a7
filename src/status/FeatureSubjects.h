// The how-to subjects of the Printer Features page's three lists and the help topic each opens,
// decided from the model's options alone.
#pragma once

#include <windows.h>

#include <vector>

// What the model is and offers, from its options.
struct FeatureModel {
    bool allInOne;       // IDO_AIO_FAMILY 1
    bool printableGuide; // IDO_FIND_PRINTABLE_USER_GUIDE 1
    bool panelMenu;      // IDO_PANEL_MENU 1
};

// A subject of a list: its text and the help topic it opens.
struct FeatureSubject {
    UINT textId;
    DWORD topic;
};

// The subjects of list 1, 2 or 3 in their order on the page; none for another list.
std::vector<FeatureSubject> FeatureSubjects(int list, const FeatureModel& model);

// The topic of the subject at a zero-based index of a list; 0 (nothing to open) for an index
// outside the list.
DWORD FeatureTopic(int list, int index, const FeatureModel& model);
