// What every page of the main window shares: a white page painted through a memory device
// context with the module palette, its title, and the closing buttons that act on the main window
// (Close, or OK and Cancel while an Advanced setting is unsaved, and Help).
#pragma once

#include "GuiButton.h"
#include "Links.h"
#include "Palette256.h"
#include "PropertySheet.h"
#include "TransStatic.h"
#include "qor.h"

#include <array>

// The colour the resource module's pictures leave transparent.
constexpr COLORREF kKeyColor = RGB(0, 255, 0);

class CQORPage : public CPropertyPage {
public:
    // What the Order button does on a model with the order option: open the supplies web page
    // for the printer's cartridges, or the supplies ordering dialog with all ways to order.
    enum class OrderButton { SuppliesWebPage, OrderDialog };
    explicit CQORPage(UINT templateId, OrderButton order = OrderButton::SuppliesWebPage);

    // Brings the page's controls up to date with the main window's records.
    virtual void Refresh() {}
    // New ink levels and cartridges for the page's ink display, if it has one.
    virtual void UpdateInkLevels(INKINFO*) {}
    // Shows Close, or OK and Cancel while a setting is unsaved.
    void UpdateClosingButtons();

protected:
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnEraseBkgnd(HDC dc);
    void PaintPage(HDC dc);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    void OnSysColorChange();
    BOOL OnHelpInfo(HELPINFO* info);
    void OnClosePage();
    void OnSaveAndClose();
    void OnRevertAndClose();
    void OnHelp();
    void OnOkButton();
    void OnCancelOrHelp();
    void OnHelpOrOrder();
    // The printable user guide, a help file of its own, opened at its first page.
    void OpenUserGuide();
    // Enter presses the focused drawn button or link, as Space does; other controls keep it.
    BOOL PreTranslateMessage(MSG* msg) override;
    // The web link at the page's foot and its caption, with their texts; an override option of
    // "1" hides both.
    void InitWebLink(transbkstatic& caption, UINT captionText, CGUIUrlLink& link, UINT linkText,
                     const char* overrideOption);
    // Draws what the page shows over its white background (pictures, tanks).
    virtual void PaintContent(HDC) {}
    // Models with the order option have OK (closing), Help and Order Supplies; the others Close
    // and Help, or OK and Cancel while an Advanced setting is unsaved.
    static bool HasOrderButtons();
    // Shows or hides a control, doing nothing when it already is so (painting asks every time).
    static void ShowControl(const CWindow& control, bool show);
    static bool ShowsOkAndCancel();
    // The main window, which owns what the page opens.
    HWND Owner() const { return ::GetAncestor(m_hWnd, GA_ROOT); }
    DECLARE_MESSAGE_MAP()

    CPalette256 m_Palette;
    transbkstatic m_Title;

private:
    enum ClosingButton { kClose, kOk, kCancel, kHelp, kClosingButtons };
    std::array<CGUIButton, kClosingButtons> m_ClosingButtons;
    OrderButton m_OrderButton;
};
