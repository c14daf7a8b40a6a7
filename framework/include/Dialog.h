// Dialogs from templates of the current resource module (or from a template in memory): modal,
// with a message loop of our own so that every message passes PreTranslateMessage, or modeless.
#pragma once

#include "Wnd.h"

class VQTRG_API CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modeless: the window lives on the caller's message loop until DestroyWindow.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL CreateIndirect(const DLGTEMPLATE* dialogTemplate, CWnd* parent = nullptr);
    // Modal: disables the owner, runs until EndDialog, and returns EndDialog's result
    // (-1 when the window could not be made).
    virtual INT_PTR DoModal();
    // Ends a modal run with a result; a modeless window is hidden only.
    void EndDialog(INT_PTR result);
    bool IsModal() const { return m_inModalLoop; }

    UINT GetTemplateId() const { return m_templateId; }
    void SetTemplate(const DLGTEMPLATE* dialogTemplate) { m_indirectTemplate = dialogTemplate; }
    const DLGTEMPLATE* GetTemplate() const { return m_indirectTemplate; }
    // Dialog units to pixels with this dialog's font.
    void MapDialogRect(RECT* rect) const { ::MapDialogRect(m_hWnd, rect); }
    void NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, FALSE); }
    void GotoDlgCtrl(HWND control) const {
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    // The life cycle: virtual, everything else goes through the message map.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    bool WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd;

private:
    HWND CreateWindowFromTemplate(HWND parent);

    UINT m_templateId;
    const DLGTEMPLATE* m_indirectTemplate = nullptr;
    bool m_inModalLoop = false;
    bool m_endModal = false;
    INT_PTR m_modalResult = -1;
};
