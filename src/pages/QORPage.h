// What every page of the main window shares: a white page painted through a memory device
// context with the module palette, and transparent texts on it.
#pragma once

#include "Palette256.h"
#include "PropertySheet.h"

class CQORPage : public CPropertyPage {
public:
    explicit CQORPage(UINT templateId);

    // Brings the page's controls up to date with the main window's records.
    virtual void Refresh() {}

protected:
    BOOL OnInitDialog() override;
    BOOL OnEraseBkgnd(HDC dc);
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlColor);
    void OnSysColorChange();
    // Draws what the page shows over its white background (pictures, tanks).
    virtual void PaintContent(HDC) {}
    DECLARE_MESSAGE_MAP()

    CPalette256 m_Palette;
};
