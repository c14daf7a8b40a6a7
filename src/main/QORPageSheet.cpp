#include "QORPageSheet.h"

#include "pages/AdvancedPage.h"
#include "pages/ContactInfoPage.h"
#include "pages/HomePage.h"
#include "pages/InkCartridgePage.h"
#include "pages/InkTanksPage.h"
#include "pages/PrinterFeaturesPage.h"
#include "pages/TroubleshootingPage.h"

CQORPageSheet::CQORPageSheet(const RECT& rect, const char* title, STATUSINFO* status, CWnd* parent)
    : CWizardSheet(title, parent), m_rect(rect), m_pStatus(status) {
    NoTabs();
    bool inkTanks =
        status && status->lpInk && status->lpInk->dwCarrierType == QOR_CARRIER_INK_TANKS;
    m_pages[kHomePage] = std::make_unique<CQORHomePage>();
    m_pages[kPrinterFeaturesPage] = std::make_unique<CQORPrinterFeaturesPage>();
    m_pages[kTroubleshootingPage] = std::make_unique<CQORTroubleshootingPage>();
    if (inkTanks)
        m_pages[kInkPage] = std::make_unique<CQORInkTanksPage>();
    else
        m_pages[kInkPage] = std::make_unique<CQORInkCartridgePage>();
    m_pages[kContactInfoPage] = std::make_unique<CQORContactInfoPage>();
    m_pages[kAdvancedPage] = std::make_unique<CQORAdvancedPage>();
    for (auto& page : m_pages)
        AddPage(page.get());
}

// The pages go after the sheet's window, which refers to them while it is destroyed.
CQORPageSheet::~CQORPageSheet() {
    HWND hwnd = Detach();
    if (hwnd && ::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
}

bool CQORPageSheet::CreateChild(CWnd* parent) {
    return Create(parent, WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT, &m_rect) != FALSE;
}

CQORPage* CQORPageSheet::GetQorPage(int index) const {
    return index >= 0 && index < kPageCount ? m_pages[index].get() : nullptr;
}
