#include "PrinterFeaturesPage.h"

#include "resource.h"

CQORPrinterFeaturesPage::CQORPrinterFeaturesPage() : CQORPage(IDD_PAGE_FEATURES) {}

void CQORPrinterFeaturesPage::OpenFeatureList(int list) {
    static constexpr UINT kLists[] = {IDC_FEATURES_LIST1, IDC_FEATURES_LIST2, IDC_FEATURES_LIST3};
    if (list < 1 || list > 3 || !IsWindow())
        return;
    CWindow combo = GetDlgItem(static_cast<int>(kLists[list - 1]));
    if (!combo.IsWindow())
        return;
    combo.SetFocus();
    if (!combo.SendMessage(CB_GETDROPPEDSTATE))
        combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
}
