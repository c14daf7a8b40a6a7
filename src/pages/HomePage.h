// The main window's first page: the printer's state, the cartridges with their names, pictures
// and ink levels, the paper sensed, a link to the maker's web site and the closing buttons.
#pragma once

#include "InkDisplay.h"
#include "InkTank.h"
#include "Links.h"
#include "QORPage.h"
#include "TransStatic.h"

#include <array>

class CQORHomePage : public CQORPage {
public:
    CQORHomePage();

    // The status lines, written by the main window's status dispatch. A text id of 0 leaves
    // the line as it stands.
    void SetStatusLine1(UINT textId);
    void SetStatusLine2(UINT textId, bool shown);
    void SetMediaLines(UINT line1, UINT line2, bool hideLine1);
    bool IsStatusLine2Shown() const { return m_bStatusText2Shown; }
    // Puts the picture of a cartridge position (1 or 2) for a logical id.
    void SetCartridgePicture(int position, DWORD logicalId);
    // Hides and shows a status or paper line so that its new text is drawn over the page.
    void RepaintLine(UINT controlId);
    void UpdateInkLevels(INKINFO* ink) override;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void PaintContent(HDC dc) override;
    void OnWebLink();
    DECLARE_MESSAGE_MAP()

private:
    bool IsPictureOverride() const;
    void InitTexts();
    void InitMediaTexts();
    void InitCartridges();
    void InitInkTanks();
    void ShowCartridge(int position, DWORD logicalId);

    CGUIInkDisplay m_InkDisplay;
    transbkstatic m_StatusText1;
    transbkstatic m_MediaText1;
    transbkstatic m_MediaText2;
    // Pictures and names of cartridges 1 and 2, and their label pictures.
    std::array<CTransStaticBmp, 2> m_CartridgePictures;
    std::array<UINT, 2> m_CartridgePictureIds{};
    std::array<CTransStaticBmp, 2> m_CartridgeLabels;
    std::array<transbkstatic, 2> m_CartridgeNames;
    transbkstatic m_StatusText2;
    bool m_bSecondCartridgeShown = false;
    bool m_bStatusText2Shown = false;
    // Tanks of controls 2028, 2025, 2026, 2027, 2023, 2024, in this order.
    std::array<CGUIInkTank, 6> m_Tanks;
    CTransStaticBmp m_Picture6013;
    CTransStaticBmp m_Picture6161;
    CTransStaticBmp m_Picture6015;
    transbkstatic m_SubtitleStatus;
    transbkstatic m_SubtitleCartridges;
    transbkstatic m_MediaHeading;
    transbkstatic m_CartridgeNote;
    transbkstatic m_WebCaption;
    CGUIUrlLink m_WebLink;
};
