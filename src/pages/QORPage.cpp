#include "QORPage.h"

#include "Gdi.h"
#include "MemDC.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CQORPage, CPropertyPage)
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CQORPage::CQORPage(UINT templateId) : CPropertyPage(templateId) {}

BOOL CQORPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_Palette.Create(IDR_PALETTE);
    return TRUE;
}

BOOL CQORPage::OnEraseBkgnd(HDC dc) {
    RECT client = GetClientRect();
    CMemDC memory(dc, client);
    m_Palette.Realize(memory);
    ::FillRect(memory, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    PaintContent(memory);
    return TRUE;
}

HBRUSH CQORPage::OnCtlColor(HDC dc, HWND, UINT ctlColor) {
    if (ctlColor == CTLCOLOR_STATIC || ctlColor == CTLCOLOR_DLG)
        ::SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

void CQORPage::OnSysColorChange() {
    CClientDC dc(m_hWnd);
    m_Palette.Realize(dc);
    Invalidate();
}
