// One ink tank of a page: a static control drawn as a rounded tank whose fill height follows the
// ink level (clamped to 0..100, so the new-cartridge marker draws full and negative levels draw
// empty), in the colours of its ink: black; a colour cartridge as cyan, magenta and yellow
// stripes each at its own level; a photo cartridge as photo black, cyan and magenta stripes. A
// missing cartridge is an empty dashed outline, an unidentified one shows "?", an invalid one
// "!". The caption under the tank gives the level in percent (the lowest of a cartridge's inks).
// Each ink but black carries a pattern of its own over its colour, and the window text says what
// the tank shows, so that neither the levels nor the inks depend on seeing colours.
#pragma once

#include "DrawnControl.h"
#include "UtilApi.h"

#include <qor.h>
#include <windows.h>

enum class TankLook {
    Empty, // draws nothing
    Black, // one ink each
    Cyan,
    Magenta,
    Yellow,
    Color,   // three stripes: cyan, magenta, yellow
    Photo,   // three stripes: photo black, cyan, magenta
    Missing, // no cartridge
    Unidentified,
    Invalid
};

class VQTRUTIL_API CGUIInkTank : public CDrawnStatic {
public:
    static constexpr int kInks = 3;

    // Binds the static control of a page.
    BOOL Attach(UINT controlId, CWnd* parent);

    // The look and levels for the cartridge with this id, levels taken from ink by the
    // cartridge's kind (null ink: empty levels); full draws a declared-new cartridge at 100.
    void SetCartridge(DWORD cartridgeId, const INKINFO* ink, BOOL full = FALSE);
    // One ink (or three for Color and Photo). Redraws only when something changed.
    void SetInk(TankLook look, int level, int level2 = 0, int level3 = 0);
    void ShowCaption(BOOL show);

    TankLook GetLook() const { return m_look; }
    // The clamped level of ink 0..2.
    int GetLevel(int ink = 0) const;
    // The level the caption shows: the lowest of the inks drawn.
    int GetShownLevel() const;
    // What the tank shows in words, its window text: "Black ink: 60%", "No cartridge".
    CString Name() const;

    static int ClampLevel(long long level);
    // The filled part of a tank's inside for a level: the bottom level percent of inside.
    static RECT FillArea(const RECT& inside, long long level);
    // Where the parts go in a control of this size: the tank's outline and the caption.
    static void Layout(const RECT& control, bool caption, RECT& body, RECT& captionRect);

protected:
    void DrawContent(HDC dc, const RECT& rect) override;

private:
    int InkCount() const;
    void UpdateName();
    void DrawInks(HDC dc, const RECT& inside) const;

    TankLook m_look = TankLook::Empty;
    int m_levels[kInks]{};
    bool m_caption = true;
};
