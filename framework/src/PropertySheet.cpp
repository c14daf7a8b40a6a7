#include "PropertySheet.h"

#include "Module.h"

#include <algorithm>

namespace {
// The wizard button row, in dialog units.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonRowHeight = kMargin + kButtonHeight + kMargin;
constexpr int kSeparatorId = 0xFFFF;

void Log(const char* text, UINT number) {
    CString line;
    line.Format("VQTRG: %s %u\n", text, number);
    ::OutputDebugStringA(line);
}

bool HasVisibleStyle(HWND hwnd) {
    return hwnd && (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE);
}
} // namespace

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {}

CPropertyPage::CPropertyPage(const DLGTEMPLATE* dialogTemplate, UINT templateId)
    : CDialog(templateId) {
    SetTemplate(dialogTemplate);
}

const void* CPropertyPage::FindTemplate(size_t& limit) const {
    limit = static_cast<size_t>(-1);
    if (GetTemplate())
        return GetTemplate();
    return vqtr::dlg::FindTemplateResource(AfxGetResourceHandle(), GetTemplateId(), limit);
}

bool CPropertyPage::GetTemplateExtent(SIZE& size) const {
    size_t limit = 0;
    const void* dialogTemplate = FindTemplate(limit);
    return dialogTemplate && vqtr::dlg::TemplateSize(dialogTemplate, limit) != 0 &&
           vqtr::dlg::TemplateExtent(dialogTemplate, size);
}

BOOL CPropertyPage::CreateInSheet(CPropertySheet* sheet, const RECT& rect) {
    size_t limit = 0;
    const void* source = FindTemplate(limit);
    // Once made, the child copy is the page's template; it needs no second patching.
    if (source && (m_childTemplate.empty() || source != m_childTemplate.data()))
        m_childTemplate = vqtr::dlg::MakeChildTemplate(source, limit);
    if (!source || m_childTemplate.empty()) {
        Log("page template missing or malformed:", GetTemplateId());
        return FALSE;
    }
    if (!CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(m_childTemplate.data()), sheet))
        return FALSE;
    // First among the sheet's children, so that Tab visits the page before the buttons.
    SetWindowPos(HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOACTIVATE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() {
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

void CPropertyPage::OnOK() {
    if (m_sheet)
        m_sheet->PressButton(PSBTN_OK);
    else
        CDialog::OnOK();
}

void CPropertyPage::OnCancel() {
    if (m_sheet)
        m_sheet->PressButton(PSBTN_CANCEL);
    else
        CDialog::OnCancel();
}

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
ON_COMMAND_RANGE(ID_WIZBACK, ID_WIZFINISH, OnWizardButton)
ON_WM_CLOSE()
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT selectPage)
    : CDialog(0, parent), m_title(caption), m_initialPage(static_cast<int>(selectPage)),
      m_template(0, RECT{}, nullptr, nullptr) {}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page || GetPageIndex(page) >= 0)
        return;
    page->m_sheet = this;
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
    auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const {
    return m_hWnd ? m_active : m_initialPage;
}

BOOL CPropertySheet::SetActivePage(int index) {
    if (!GetPage(index))
        return FALSE;
    if (!m_hWnd) {
        m_initialPage = index;
        return TRUE;
    }
    if (index == m_active)
        return TRUE;
    CPropertyPage* current = GetActivePage();
    if (current && !current->OnKillActive())
        return FALSE;
    return ActivateFrom(index, index < m_active ? -1 : 1);
}

void CPropertySheet::SetTitle(const char* title) {
    m_title = title;
    if (m_hWnd)
        SetWindowText(m_title);
}

void CPropertySheet::SetWizardButtons(DWORD flags) {
    m_wizardFlags = flags;
    UpdateWizardButtons();
}

void CPropertySheet::SetFinishText(const char* text) {
    m_finishText = text;
    if (m_hWnd && !m_finishText.IsEmpty())
        SetDlgItemText(ID_WIZFINISH, m_finishText);
    UpdateWizardButtons();
}

bool CPropertySheet::IsButtonUsable(int id) const {
    // Outside wizard mode the sheet has no buttons of its own: a derived sheet's controls press
    // them for it.
    if (!m_wizard)
        return true;
    HWND button = ::GetDlgItem(m_hWnd, id);
    return HasVisibleStyle(button) && ::IsWindowEnabled(button);
}

BOOL CPropertySheet::PressButton(int button) {
    if (!m_hWnd)
        return FALSE;
    CPropertyPage* page = GetActivePage();
    switch (button) {
    case PSBTN_BACK:
        if (!page || !IsButtonUsable(ID_WIZBACK))
            return FALSE;
        MoveByWizardResult(page->OnWizardBack(), -1);
        return TRUE;
    case PSBTN_NEXT:
        if (!page || !IsButtonUsable(ID_WIZNEXT))
            return FALSE;
        MoveByWizardResult(page->OnWizardNext(), 1);
        return TRUE;
    case PSBTN_FINISH:
        if (!page || !IsButtonUsable(ID_WIZFINISH))
            return FALSE;
        if (page->OnWizardFinish())
            EndDialog(ID_WIZFINISH);
        return TRUE;
    case PSBTN_OK:
        // In a wizard, OK (Enter) is the default button: Finish when shown, else Next.
        if (m_wizard)
            return PressButton(IsButtonUsable(ID_WIZFINISH) ? PSBTN_FINISH : PSBTN_NEXT);
        if (!page || page->OnKillActive())
            EndDialog(IDOK);
        return TRUE;
    case PSBTN_CANCEL:
        if (!page || page->OnQueryCancel())
            EndDialog(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CPropertySheet::OnWizardButton(UINT id) {
    static const int kButtons[] = {PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH};
    PressButton(kButtons[id - ID_WIZBACK]);
}

void CPropertySheet::OnClose() {
    // The caption's close is Cancel, as a derived sheet defines it.
    OnCancel();
}

void CPropertySheet::OnOK() {
    PressButton(PSBTN_OK);
}

void CPropertySheet::OnCancel() {
    PressButton(PSBTN_CANCEL);
}

void CPropertySheet::EndDialog(INT_PTR result) {
    m_result = result;
    if (IsModal())
        CDialog::EndDialog(result);
    else if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::MoveByWizardResult(LRESULT result, int direction) {
    if (result == -1)
        return;
    int target = m_active + direction;
    if (result != 0) {
        auto found = std::find_if(m_pages.begin(), m_pages.end(), [result](CPropertyPage* page) {
            return page->GetTemplateId() == static_cast<UINT>(result);
        });
        if (found == m_pages.end()) {
            Log("wizard asked for a page it does not have:", static_cast<UINT>(result));
            return;
        }
        target = static_cast<int>(found - m_pages.begin());
    }
    if (!GetPage(target) || target == m_active)
        return;
    CPropertyPage* current = GetActivePage();
    if (current && !current->OnKillActive())
        return;
    ActivateFrom(target, direction);
}

bool CPropertySheet::ActivateFrom(int index, int direction) {
    for (int i = index; GetPage(i) && i != m_active; i += direction) {
        CPropertyPage* page = GetPage(i);
        if (!page->m_hWnd && !page->CreateInSheet(this, m_pageRect))
            continue;
        if (!page->OnSetActive())
            continue;
        CPropertyPage* previous = GetActivePage();
        m_active = i;
        page->ShowWindow(SW_SHOW);
        if (previous && previous->m_hWnd)
            previous->ShowWindow(SW_HIDE);
        FocusPage(page, false);
        return true;
    }
    return false;
}

void CPropertySheet::FocusPage(CPropertyPage* page, bool force) const {
    HWND focus = ::GetFocus();
    bool inSheet = focus && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
    if (!force && !inSheet)
        return; // the focus is in another window: leave it there
    // A wizard button keeps the focus while it can take it.
    if (inSheet && ::GetParent(focus) == m_hWnd && !IsPageWindow(focus) && HasVisibleStyle(focus) &&
        ::IsWindowEnabled(focus))
        return;
    HWND first = ::GetNextDlgTabItem(*page, nullptr, FALSE);
    ::SetFocus(first ? first : page->m_hWnd);
}

bool CPropertySheet::IsPageWindow(HWND hwnd) const {
    return std::any_of(m_pages.begin(), m_pages.end(),
                       [hwnd](const CPropertyPage* page) { return page->m_hWnd == hwnd; });
}

SIZE CPropertySheet::LargestPageExtent() const {
    SIZE largest{0, 0};
    for (const CPropertyPage* page : m_pages) {
        SIZE size{0, 0};
        if (!page->GetTemplateExtent(size))
            continue;
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    return largest;
}

void CPropertySheet::BuildTemplate(DWORD style, DWORD exStyle) {
    bool child = (style & WS_CHILD) != 0;
    SIZE size = LargestPageExtent();
    if (m_wizard)
        size.cy += kButtonRowHeight;
    DWORD templateStyle = style | (child ? DS_CONTROL : DS_MODALFRAME);
    m_template = CDialogTemplate(templateStyle, RECT{0, 0, size.cx, size.cy}, m_title,
                                 "MS Shell Dlg", 8, exStyle | WS_EX_CONTROLPARENT);
}

BOOL CPropertySheet::Create(CWnd* parent, DWORD style, DWORD exStyle, const RECT* rect) {
    if (m_hWnd)
        return FALSE;
    CWnd* owner = parent ? parent : m_pParentWnd;
    if ((style & WS_CHILD) && !(owner && owner->IsWindow())) {
        ::OutputDebugStringA("VQTRG: a child sheet needs a parent window\n");
        return FALSE;
    }
    m_hasCreateRect = rect != nullptr;
    if (rect)
        m_createRect = *rect;
    BuildTemplate(style, exStyle);
    return CreateIndirect(m_template.Get(), owner);
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd)
        return -1;
    m_hasCreateRect = false;
    m_result = IDCANCEL;
    BuildTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU, 0);
    SetTemplate(m_template.Get());
    return CDialog::DoModal();
}

void CPropertySheet::SetPageRect(const RECT& rect) {
    m_pageRect = rect;
    m_pageRectSet = true;
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd)
            page->MoveWindow(rect);
    }
}

BOOL CPropertySheet::OnInitDialog() {
    CDialog::OnInitDialog();
    m_active = -1;
    bool child = (GetStyle() & WS_CHILD) != 0;
    if (m_hasCreateRect)
        MoveWindow(m_createRect, FALSE);
    else if (!child)
        CenterOnOwner();
    if (!m_pageRectSet) {
        SIZE size = LargestPageExtent();
        m_pageRect = RECT{0, 0, size.cx, size.cy};
        MapDialogRect(&m_pageRect);
    }
    if (m_wizard)
        CreateWizardButtons();
    ActivateFrom(GetPage(m_initialPage) ? m_initialPage : 0, 1);
    if (!child && GetActivePage())
        FocusPage(GetActivePage(), true);
    return FALSE; // the focus is set
}

void CPropertySheet::CenterOnOwner() {
    RECT area{};
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT window = GetWindowRect();
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    // Keep the whole sheet on the screen, even for an owner near an edge.
    RECT screen{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    x = std::max<int>(screen.left, std::min<int>(x, screen.right - width));
    y = std::max<int>(screen.top, std::min<int>(y, screen.bottom - height));
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPropertySheet::CreateWizardButtons() {
    struct Button {
        int id;
        const char* text;
        DWORD style;
    };
    const Button buttons[] = {
        {kSeparatorId, "", SS_ETCHEDHORZ},
        {ID_WIZBACK, "< &Back", WS_TABSTOP | BS_PUSHBUTTON},
        {ID_WIZNEXT, "&Next >", WS_TABSTOP | BS_DEFPUSHBUTTON},
        {ID_WIZFINISH, m_finishText.IsEmpty() ? "Finish" : m_finishText.c_str(),
         WS_TABSTOP | BS_PUSHBUTTON},
        {IDCANCEL, "Cancel", WS_TABSTOP | BS_PUSHBUTTON},
    };
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
    HFONT font = GetFont();
    for (const Button& button : buttons) {
        HWND hwnd =
            ::CreateWindowExA(0, button.id == kSeparatorId ? "STATIC" : "BUTTON", button.text,
                              WS_CHILD | WS_VISIBLE | button.style, 0, 0, 0, 0, m_hWnd,
                              reinterpret_cast<HMENU>(INT_PTR{button.id}), instance, nullptr);
        if (hwnd)
            ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    LayoutWizardButtons();
    UpdateWizardButtons();
}

void CPropertySheet::LayoutWizardButtons() {
    RECT client = GetClientRect();
    RECT unit{kMargin, kButtonHeight, kButtonWidth, 0};
    MapDialogRect(&unit); // left: margin, top: button height, right: button width
    int top = client.bottom - unit.left - unit.top;
    int cancelLeft = client.right - unit.left - unit.right;
    int nextLeft = cancelLeft - unit.left - unit.right;
    struct Place {
        int id;
        int left;
    };
    const Place places[] = {{ID_WIZBACK, nextLeft - unit.right},
                            {ID_WIZNEXT, nextLeft},
                            {ID_WIZFINISH, nextLeft},
                            {IDCANCEL, cancelLeft}};
    for (const Place& place : places)
        ::MoveWindow(::GetDlgItem(m_hWnd, place.id), place.left, top, unit.right, unit.top, FALSE);
    ::MoveWindow(::GetDlgItem(m_hWnd, kSeparatorId), unit.left, top - unit.left,
                 client.right - 2 * unit.left, 2, FALSE);
}

void CPropertySheet::UpdateWizardButtons() {
    if (!m_wizard || !m_hWnd || !::GetDlgItem(m_hWnd, ID_WIZNEXT))
        return;
    bool finishText = !m_finishText.IsEmpty();
    bool finishShown = finishText || (m_wizardFlags & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH));
    bool finishEnabled = finishText || (m_wizardFlags & PSWIZB_FINISH);
    bool nextEnabled = (m_wizardFlags & PSWIZB_NEXT) != 0;
    struct State {
        int id;
        bool shown;
        bool enabled;
    };
    const State states[] = {{ID_WIZBACK, !finishText, (m_wizardFlags & PSWIZB_BACK) != 0},
                            {ID_WIZNEXT, !finishShown, nextEnabled},
                            {ID_WIZFINISH, finishShown, finishEnabled}};
    for (const State& state : states) {
        HWND button = ::GetDlgItem(m_hWnd, state.id);
        ::EnableWindow(button, state.enabled);
        ::ShowWindow(button, state.shown ? SW_SHOWNA : SW_HIDE);
    }
    int defaultId =
        finishShown ? (finishEnabled ? ID_WIZFINISH : 0) : (nextEnabled ? ID_WIZNEXT : 0);
    if (defaultId)
        SendMessage(DM_SETDEFID, static_cast<WPARAM>(defaultId));
    // A button that went away or grew disabled hands the focus on.
    HWND focus = ::GetFocus();
    if (focus && ::GetParent(focus) == m_hWnd &&
        (!HasVisibleStyle(focus) || !::IsWindowEnabled(focus))) {
        HWND next = defaultId ? ::GetDlgItem(m_hWnd, defaultId) : nullptr;
        CPropertyPage* page = GetActivePage();
        if (next)
            ::SetFocus(next);
        else if (page)
            FocusPage(page, true);
    }
}

bool CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DESTROY)
        m_active = -1; // the pages go with the window; a new window starts again
    return CDialog::WindowProc(message, wParam, lParam, result);
}
