#include "PaperQualityDlg.h"

#include "CSpy.h"
#include "main/DialogHeading.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/PaperQuality.h"

CPaperQualityDlg::CPaperQualityDlg(CQORTabDlg& main, CWnd* parent)
    : CDialog(IDD_PAPER_QUALITY, parent), m_Main(main) {}

BOOL CPaperQualityDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CSpy().OutputData("CPaperQualityDlg::OnInitDialog()");
    m_Palette.Create(IDR_PALETTE);
    if (HDC dc = ::GetDC(m_hWnd)) {
        m_Palette.Realize(dc);
        ::ReleaseDC(m_hWnd, dc);
    }
    SetTitleAndHeading(*this, IDS_PAPER_TITLE, IDC_PAPER_HEADING, m_HeadingFont);
    m_Picture.Init(IDC_PAPER_PICTURE, this, IDB_JOB_CANCELLED_PAPER);
    m_BoldFont.CreateFromStringId(IDS_POINT_SIZE_SMALL, TRUE);
    const UINT texts[][2] = {{IDC_PAPER_INTRO, IDS_PAPER_INTRO},
                             {IDC_PAPER_INTRO2, IDS_PAPER_INTRO2},
                             {IDC_PAPER_SENSED_HEADING, IDS_PAPER_SENSED_HEADING},
                             {IDC_PAPER_QUALITY_HEADING, IDS_PAPER_QUALITY_HEADING},
                             {IDC_PAPER_HINT_SIDE, IDS_PAPER_HINT_SIDE},
                             {IDC_PAPER_HINT_INKJET, IDS_PAPER_HINT_INKJET},
                             {IDC_PAPER_HINT_PHOTO, IDS_PAPER_HINT_PHOTO},
                             {IDC_PAPER_HINT_CLOSE, IDS_PAPER_HINT_CLOSE}};
    for (const auto& [control, string] : texts) {
        CString text;
        text.LoadString(string);
        SetDlgItemText(static_cast<int>(control), text);
    }
    for (UINT bold : {IDC_PAPER_SENSED_HEADING, IDC_PAPER_QUALITY_HEADING})
        ::SendDlgItemMessageA(m_hWnd, static_cast<int>(bold), WM_SETFONT,
                              reinterpret_cast<WPARAM>(m_BoldFont.Get()), FALSE);
    ShowTrays();
    return TRUE;
}

void CPaperQualityDlg::ShowTrays() {
    const bool dualTray = m_Main.m_Product.CompareSetting("IDO_AUTOMEDIASENSEDUALTRAY", 1);
    const bool advice =
        dualTray || !m_Main.m_Product.CompareSetting("IDO_AUTO_QUALITY_IMPLEMENTED", 0);
    const QualityOptions options = ReadQualityOptions(m_Main.m_Product);
    const STATUSINFO& info = m_Main.m_InfoStruct;
    const INKINFO& ink = m_Main.m_Records.ink;
    struct Tray {
        DWORD media;
        UINT label, line, advice;
        bool shown;
    };
    const Tray trays[] = {
        {info.dwMediaTray1, IDC_PAPER_TRAY1_LABEL, IDC_PAPER_MEDIA1, IDC_PAPER_ADVICE1, true},
        {info.dwMediaTray2, IDC_PAPER_TRAY2_LABEL, IDC_PAPER_MEDIA2, IDC_PAPER_ADVICE2, dualTray},
    };
    CSpy().OutputEach("CPaperQualityDlg::ShowTrays()", static_cast<int>(info.dwMediaTray1),
                      static_cast<int>(info.dwMediaTray2), static_cast<int>(dualTray));
    for (const Tray& tray : trays) {
        // One tray needs no name.
        GetDlgItem(tray.label).ShowWindow(tray.shown && dualTray ? SW_SHOW : SW_HIDE);
        GetDlgItem(tray.line).ShowWindow(tray.shown ? SW_SHOW : SW_HIDE);
        GetDlgItem(tray.advice).ShowWindow(tray.shown && advice ? SW_SHOW : SW_HIDE);
        if (!tray.shown)
            continue;
        CString text;
        if (const UINT line = PaperLineText(tray.media); line && text.LoadString(line))
            SetDlgItemText(static_cast<int>(tray.line), text);
        if (const UINT text2 = QualityAdviceText(tray.media, ink, options);
            text2 && advice && text.LoadString(text2))
            SetDlgItemText(static_cast<int>(tray.advice), text);
    }
}
