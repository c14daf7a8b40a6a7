// What the main window's two ink pages share (Ink Cartridge for cartridge printers, Ink Tanks for
// ink-tank printers): the ink display and its four tanks, the maintenance links and the guarded
// launch of their wizards, the ink-ordering link and the set-up of links.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "Links.h"
#include "QORPage.h"
#include "WindowSlots.h"

#include <array>

class CQORTabDlg;

class CQORInkPage : public CQORPage {
public:
    explicit CQORInkPage(UINT templateId);

    void UpdateInkLevels(INKINFO* ink) override;

    // The page's operations, also run by topics of the open window. Installing opens the
    // cartridge verification wizard, or on an ink-tank printer the wizard that replaces a tank.
    void InstallCartridges();
    void AlignCartridges();
    void CleanCartridges();
    void OrderSupplies();

    // Whether a maintenance wizard of this slot may start now: the connection allows it, the
    // printer is ready (a refusal has told the user why) and no wizard of the slot is open.
    bool MayLaunchWizard(WindowId slot);

protected:
    BOOL OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void OnLButtonUp(UINT flags, POINT point);
    DECLARE_MESSAGE_MAP()

    // The page's name in the log.
    virtual const char* LogName() const = 0;
    // Whether the connection keeps the maintenance links greyed and idle.
    virtual bool LinksDisabled(DWORD portType) const = 0;
    // The page's check that the printer may take a wizard now; a refusal has told the user why.
    // The host may have closed the module meanwhile: the caller checks g_pQORTabDlg.
    virtual bool PassReadinessCheck(CQORTabDlg& main) = 0;

    void LaunchWizard(WindowId slot);

    struct LinkSetUp {
        CGUILink* link;
        UINT id;
        UINT normal;
        UINT hover;
        UINT disabled; // 0: the link works on every connection
        int textTop;
    };
    void SetUpLink(const LinkSetUp& setUp, bool disabledConnection);
    // The links both pages have: install, test page, align, clean and ink ordering.
    void SetUpMaintenanceLinks(bool disabledConnection);
    // A web link with its arrow, hidden with its caption when the model's override option says
    // "1".
    void SetUpWebLink(CGUIUrlLink& link, UINT id, UINT textId, const char* overrideOption);

    CGUIInkDisplay m_InkDisplay;
    CString m_strModuleFolder;
    transbkstatic m_WebCaption;
    CGUIWizardLink m_InstallLink;
    CGUIWizardLink m_TestPageLink;
    CGUIWizardLink m_AlignLink;
    CGUIWizardLink m_CleanLink;
    CGUIHelpLink m_OrderLink;
    // In the order each page hands them to the ink display.
    std::array<CGUIInkTank, 4> m_Tanks;
};

// Shows the ink page of the open main window; null when there is none.
CQORInkPage* ShowInkPage(CQORTabDlg& main);
