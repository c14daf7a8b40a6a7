#include "QorWizardSheet.h"

#include "CSpy.h"

#include "QORTabDlg.h"
#include "QorWizardPage.h"
#include "resource.h"

CQorWizardSheet::CQorWizardSheet(WindowId windowId, UINT titleId, CWnd* parent)
    : CWizardSheet("", parent), m_windowId(windowId), m_titleId(titleId) {}

INT_PTR CQorWizardSheet::RunModal() {
    if (GetPageCount() == 0)
        return -1;
    m_bModal = true;
    return DoModal();
}

BOOL CQorWizardSheet::CreateModeless() {
    if (GetPageCount() == 0)
        return FALSE;
    m_bModal = false;
    return Create(nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
}

BOOL CQorWizardSheet::OnInitDialog() {
    m_Palette.Create(IDR_PALETTE);
    if (HDC dc = ::GetDC(m_hWnd)) {
        m_Palette.Realize(dc);
        ::ReleaseDC(m_hWnd, dc);
    }
    BOOL result = CWizardSheet::OnInitDialog();
    CString title;
    title.LoadString(m_titleId);
    if (g_pQORTabDlg)
        title += " - " + g_pQORTabDlg->m_strPrinterName;
    SetWizardTitle(title);
    return result;
}

void CQorWizardSheet::CloseWizard(bool shutDownMain) {
    if (m_bModal) {
        EndDialog(0);
        return;
    }
    const WindowId windowId = m_windowId;
    DestroyWindow();
    // Nothing of this sheet is touched from here on.
    if (shutDownMain && g_pQORTabDlg)
        g_pQORTabDlg->Shutdown(windowId);
}

void CQorWizardSheet::OnOK() {
    if (auto* page = dynamic_cast<CQorWizardPage*>(GetActivePage()))
        page->PressNext();
}

void CQorWizardSheet::OnCancel() {
    if (auto* page = dynamic_cast<CQorWizardPage*>(GetActivePage()))
        page->PressCancel();
}

void CQorWizardSheet::TakePages(std::vector<std::unique_ptr<CPropertyPage>> pages) {
    for (size_t index = 0; index < pages.size(); ++index) {
        if (!pages[index]) {
            CSpy spy;
            spy.OutputError("CQorWizardSheet: a page of this wizard cannot be shown");
            spy.OutputEach("window", static_cast<int>(m_windowId), "page", static_cast<int>(index));
            return;
        }
    }
    for (std::unique_ptr<CPropertyPage>& page : pages) {
        AddPage(page.get());
        m_Pages.push_back(std::move(page));
    }
}
