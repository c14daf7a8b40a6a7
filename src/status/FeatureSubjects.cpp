#include "FeatureSubjects.h"

#include "resource.h"

namespace {
// A row of a list and the models that offer it.
struct SubjectRow {
    FeatureSubject subject;
    enum Condition { kAlways, kPrintableGuide, kPanelMenu } condition;
};

constexpr SubjectRow kGuide = {{IDS_FEATURE_PRINTABLE_GUIDE, 155}, SubjectRow::kPrintableGuide};

constexpr SubjectRow kAllInOne1[] = {
    kGuide,
    {{IDS_FEATURE_AIO_COPY, 801}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_PANEL_MENU, 802}, SubjectRow::kPanelMenu},
    {{IDS_FEATURE_AIO_SCAN, 803}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_FAX, 804}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_MEMORY_CARDS, 805}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_CARE, 806}, SubjectRow::kAlways},
};
constexpr SubjectRow kPrinter1[] = {
    kGuide,
    {{IDS_FEATURE_PRINT_BASICS, 301}, SubjectRow::kAlways},
    {{IDS_FEATURE_PRINT_SETTINGS, 302}, SubjectRow::kAlways},
    {{IDS_FEATURE_PRINT_QUALITY, 303}, SubjectRow::kAlways},
    {{IDS_FEATURE_PRINT_SHARING, 304}, SubjectRow::kAlways},
};
constexpr SubjectRow kAllInOne2[] = {
    {{IDS_FEATURE_AIO_PHOTOS, 807}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_COPY_PHOTOS, 808}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_SCAN_DOCUMENTS, 809}, SubjectRow::kAlways},
    {{IDS_FEATURE_AIO_BOTH_SIDES, 810}, SubjectRow::kAlways},
};
constexpr SubjectRow kPrinter2[] = {
    {{IDS_FEATURE_PROJECT_PHOTOS, 305}, SubjectRow::kAlways},
    {{IDS_FEATURE_PROJECT_BOTH_SIDES, 306}, SubjectRow::kAlways},
    {{IDS_FEATURE_PROJECT_BANNERS, 307}, SubjectRow::kAlways},
    {{IDS_FEATURE_PROJECT_IRON_ON, 308}, SubjectRow::kAlways},
    {{IDS_FEATURE_PROJECT_BOOKLETS, 309}, SubjectRow::kAlways},
};
constexpr SubjectRow kPaper3[] = {
    {{IDS_FEATURE_PAPER_PLAIN, 811}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_PHOTO, 812}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_ENVELOPES, 813}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_CARDS, 814}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_TRANSPARENCIES, 815}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_LABELS, 816}, SubjectRow::kAlways},
    {{IDS_FEATURE_PAPER_CUSTOM_SIZE, 817}, SubjectRow::kAlways},
};

bool Offered(const SubjectRow& row, const FeatureModel& model) {
    switch (row.condition) {
    case SubjectRow::kPrintableGuide:
        return model.printableGuide;
    case SubjectRow::kPanelMenu:
        return model.panelMenu;
    case SubjectRow::kAlways:
        break;
    }
    return true;
}

template <size_t N>
std::vector<FeatureSubject> OfferedRows(const SubjectRow (&rows)[N], const FeatureModel& model) {
    std::vector<FeatureSubject> subjects;
    for (const SubjectRow& row : rows)
        if (Offered(row, model))
            subjects.push_back(row.subject);
    return subjects;
}
} // namespace

std::vector<FeatureSubject> FeatureSubjects(int list, const FeatureModel& model) {
    switch (list) {
    case 1:
        return model.allInOne ? OfferedRows(kAllInOne1, model) : OfferedRows(kPrinter1, model);
    case 2:
        return model.allInOne ? OfferedRows(kAllInOne2, model) : OfferedRows(kPrinter2, model);
    case 3:
        return OfferedRows(kPaper3, model);
    default:
        return {};
    }
}

DWORD FeatureTopic(int list, int index, const FeatureModel& model) {
    const std::vector<FeatureSubject> subjects = FeatureSubjects(list, model);
    if (index < 0 || static_cast<size_t>(index) >= subjects.size())
        return 0;
    return subjects[static_cast<size_t>(index)].topic;
}
