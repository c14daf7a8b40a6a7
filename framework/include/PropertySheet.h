// Page sheets of our own: page dialogs hosted as child windows of one sheet dialog, one shown at
// a time, created the first time they are shown. In wizard mode the sheet adds the Back, Next,
// Finish and Cancel buttons under the pages.
//
// Ending: the sheet's EndDialog ends a modal run (DoModal returns the result); a modeless sheet
// is destroyed instead (DestroyWindow), its pages with it, and GetResult() keeps the result. A
// modeless derived sheet learns that it has ended in PostNcDestroy: it deletes itself there when
// it lives on the heap, or tells its owner. Pages belong to the derived sheet (usually as
// members) and must outlive the sheet's window.
#pragma once

#include "Dialog.h"
#include "DialogTemplate.h"

#include <commctrl.h>
#include <vector>

// The wizard buttons' control ids, as in the classic class library.
#ifndef ID_WIZBACK
#define ID_WIZBACK 0x3023
#define ID_WIZNEXT 0x3024
#define ID_WIZFINISH 0x3025
#endif

class CPropertySheet;

class VQTRG_API CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);
    // A page from a template in memory (which must outlive the page); templateId names the page
    // for OnWizardNext/OnWizardBack results.
    explicit CPropertyPage(const DLGTEMPLATE* dialogTemplate, UINT templateId = 0);

    CPropertySheet* GetSheet() const { return m_sheet; }
    // The template's size in dialog units; false when the template cannot be found.
    bool GetTemplateExtent(SIZE& size) const;

    virtual BOOL OnSetActive();     // TRUE: may be shown; FALSE: skipped in the moving direction
    virtual BOOL OnKillActive();    // FALSE: keep this page
    virtual LRESULT OnWizardBack(); // 0: previous page; -1: stay; a template id: go to that page
    virtual LRESULT OnWizardNext(); // 0: next page; -1: stay; a template id: go to that page
    virtual BOOL OnWizardFinish();  // TRUE: the sheet ends with ID_WIZFINISH
    virtual BOOL OnQueryCancel();   // FALSE: do not cancel
    // OK and Cancel of a page act on its sheet: the default button, or Cancel.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class CPropertySheet;
    // Creates the page window as a child of sheet at rect (hidden).
    BOOL CreateInSheet(CPropertySheet* sheet, const RECT& rect);
    // The template as given or as found in the resource module, with its length when known.
    const void* FindTemplate(size_t& limit) const;

    CPropertySheet* m_sheet = nullptr;
    std::vector<BYTE> m_childTemplate; // the template made into a child dialog
};

class VQTRG_API CPropertySheet : public CDialog {
public:
    explicit CPropertySheet(const char* caption = nullptr, CWnd* parent = nullptr,
                            UINT selectPage = 0);

    void AddPage(CPropertyPage* page); // not owned: derived sheets own their pages
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
    // Before the window exists: the page shown first. After: shows the page (the active one
    // must agree to leave); FALSE when the page stays as it was.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

    void SetTitle(const char* title);
    void SetWizardMode() { m_wizard = true; }
    BOOL IsWizardMode() const { return m_wizard; }
    // PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH | PSWIZB_DISABLEDFINISH: Finish, enabled or
    // not, takes the place of Next.
    void SetWizardButtons(DWORD flags);
    // Shows Finish with this text in place of Next, and hides Back.
    void SetFinishText(const char* text);
    // PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_OK, PSBTN_CANCEL: as if the user pressed it
    // (a hidden or disabled wizard button does nothing). FALSE for an unknown button.
    BOOL PressButton(int button);

    // Modeless: a child sheet inside parent (style has WS_CHILD) or a popup; rect (the window's,
    // in the parent's client or in screen coordinates) null: sized to fit the largest page plus
    // the wizard button row; a popup then centres on its owner or the screen.
    BOOL Create(CWnd* parent = nullptr,
                DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, DWORD exStyle = 0,
                const RECT* rect = nullptr);
    INT_PTR DoModal() override; // ID_WIZFINISH, IDOK or IDCANCEL (-1: no window)
    // Ends the sheet: a modal run returns result; a modeless sheet is destroyed.
    void EndDialog(INT_PTR result);
    INT_PTR GetResult() const { return m_result; }

    // Where pages sit in the client area (pixels); the pages already made move there.
    void SetPageRect(const RECT& rect);
    RECT GetPageRect() const { return m_pageRect; }

protected:
    BOOL OnInitDialog() override; // derived sheets override and call the base
    void OnOK() override;
    void OnCancel() override;
    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    DECLARE_MESSAGE_MAP()

private:
    void OnWizardButton(UINT id);
    void OnClose();
    void CenterOnOwner();
    // The template of the sheet's own window with the given styles, sized for the pages.
    void BuildTemplate(DWORD style, DWORD exStyle);
    SIZE LargestPageExtent() const;
    void CreateWizardButtons();
    void LayoutWizardButtons();
    void UpdateWizardButtons();
    // Shows the page at index, or the first in direction after it whose OnSetActive agrees.
    bool ActivateFrom(int index, int direction);
    // Moves to a wizard page by the result of OnWizardNext/OnWizardBack.
    void MoveByWizardResult(LRESULT result, int direction);
    // Moves the focus into page when it was in the sheet (always when force).
    void FocusPage(CPropertyPage* page, bool force) const;
    bool IsPageWindow(HWND hwnd) const;
    bool IsButtonUsable(int id) const;

    CString m_title;
    std::vector<CPropertyPage*> m_pages;
    int m_active = -1;
    int m_initialPage;
    bool m_wizard = false;
    DWORD m_wizardFlags = PSWIZB_BACK | PSWIZB_NEXT;
    CString m_finishText;
    bool m_pageRectSet = false;
    RECT m_pageRect{};
    RECT m_createRect{};
    bool m_hasCreateRect = false;
    INT_PTR m_result = IDCANCEL;
    CDialogTemplate m_template;
};
