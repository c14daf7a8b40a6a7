// The main window's sheet of pages: no tabs, one page shown at a time, switched by the
// navigation buttons. It owns its pages, built in page-index order.
#pragma once

#include "PageIndex.h"
#include "WizardSheet.h"
#include "qor.h"

#include <array>
#include <memory>

class CQORPage;

class CQORPageSheet : public CWizardSheet {
public:
    CQORPageSheet(const RECT& rect, const char* title, STATUSINFO* status, CWnd* parent);
    ~CQORPageSheet() override;

    bool CreateChild(CWnd* parent);
    CQORPage* GetQorPage(int index) const;

    const RECT& GetRect() const { return m_rect; }
    STATUSINFO* GetStatus() const { return m_pStatus; }

    // Topics 106 to 108: the Printer Features page opens one of its lists after the window shows.
    bool m_bFeatureSelection = false;
    int m_iFeatureSubItem = 0;

private:
    RECT m_rect;
    STATUSINFO* m_pStatus;
    std::array<std::unique_ptr<CQORPage>, kPageCount> m_pages;
};
