#include "SetupCdPrompt.h"

#include "main/DialogHeading.h"
#include "resource.h"

namespace {
constexpr COLORREF kKeyColour = RGB(0x00, 0xFF, 0x00);

void InitButton(CGUIButton& button, UINT controlId, UINT textId, CWnd* dialog) {
    if (!button.Init(controlId, dialog, IDB_NOTICE_BUTTON_UP, IDB_NOTICE_BUTTON_DOWN, kKeyColour))
        return;
    CString text;
    text.LoadString(textId);
    button.SetWindowText(text);
    button.SetOverlap(TRUE);
}
} // namespace

BEGIN_MESSAGE_MAP(CSetupCdPrompt, CDialog)
ON_COMMAND(IDC_SETUP_CD_PROMPT_CONTINUE, OnContinue)
ON_COMMAND(IDC_SETUP_CD_PROMPT_SKIP, OnSkip)
END_MESSAGE_MAP()

CSetupCdPrompt::CSetupCdPrompt(UINT titleId, UINT textId, CWnd* parent)
    : CDialog(IDD_SETUP_CD_PROMPT, parent), m_titleId(titleId), m_textId(textId) {}

BOOL CSetupCdPrompt::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTitleAndHeading(*this, m_titleId, IDC_SETUP_CD_PROMPT_HEADING, m_HeadingFont);
    CString text;
    text.LoadString(m_textId);
    SetDlgItemText(IDC_SETUP_CD_PROMPT_TEXT, text);
    InitButton(m_ContinueButton, IDC_SETUP_CD_PROMPT_CONTINUE, IDS_SETUP_CD_PROMPT_CONTINUE, this);
    InitButton(m_SkipButton, IDC_SETUP_CD_PROMPT_SKIP, IDS_SETUP_CD_PROMPT_SKIP, this);
    ::SetFocus(m_ContinueButton.m_hWnd);
    return FALSE;
}
