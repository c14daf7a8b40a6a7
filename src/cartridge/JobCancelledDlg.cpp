#include "JobCancelledDlg.h"

#include "main/DialogHeading.h"
#include "resource.h"

namespace {
constexpr COLORREF kKeyColour = RGB(0x00, 0xFF, 0x00);
}

BEGIN_MESSAGE_MAP(CJobCancelledDlg, CDialog)
ON_COMMAND(IDC_JOB_CANCELLED_CLOSE, OnCloseButton)
END_MESSAGE_MAP()

CJobCancelledDlg::CJobCancelledDlg(CWnd* parent) : CDialog(IDD_JOB_CANCELLED, parent) {}

BOOL CJobCancelledDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleAndHeading(*this, IDS_JOB_CANCELLED_TITLE, IDC_JOB_CANCELLED_HEADING, m_HeadingFont);
    CString text;
    text.LoadString(IDS_JOB_CANCELLED_TEXT1);
    SetDlgItemText(IDC_JOB_CANCELLED_TEXT1, text);
    text.LoadString(IDS_JOB_CANCELLED_TEXT2);
    SetDlgItemText(IDC_JOB_CANCELLED_TEXT2, text);
    m_BoldFont.CreateFont(CGUIFont::kDefaultPointTenths, TRUE);
    ::SendDlgItemMessageA(m_hWnd, IDC_JOB_CANCELLED_TEXT2, WM_SETFONT,
                          reinterpret_cast<WPARAM>(m_BoldFont.Get()), FALSE);
    const UINT pictures[2][2] = {{IDC_JOB_CANCELLED_PICTURE1, IDB_JOB_CANCELLED_PRINTER},
                                 {IDC_JOB_CANCELLED_PICTURE2, IDB_JOB_CANCELLED_PAPER}};
    // The first picture fills its place, the second sits at its corner.
    m_Pictures[0].Init(pictures[0][0], this, pictures[0][1], kKeyColour, BITMAP_STRETCHED);
    m_Pictures[1].Init(pictures[1][0], this, pictures[1][1], kKeyColour, BITMAP_TOPLEFT);
    if (m_CloseButton.Init(IDC_JOB_CANCELLED_CLOSE, this, IDB_NOTICE_BUTTON_UP,
                           IDB_NOTICE_BUTTON_DOWN, kKeyColour)) {
        text.LoadString(IDS_JOB_CANCELLED_CLOSE);
        m_CloseButton.SetWindowText(text);
        m_CloseButton.SetOverlap(TRUE);
    }
    ::SetFocus(m_CloseButton.m_hWnd);
    return FALSE;
}
