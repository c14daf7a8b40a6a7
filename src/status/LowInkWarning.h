// The low-ink warning apart from any window: which cartridges are low by the model's thresholds,
// the text that says so, and whether a status update starts a new low-ink episode.
#pragma once

#include "qor.h"

#include <windows.h>

// The model's thresholds in percent: a level at most alert is very low, at most warning is low.
// A threshold that could not be read is kNoThreshold, under which no level falls: without the
// model's numbers no warning is given rather than a wrong one.
struct LowInkThresholds {
    static constexpr LONG kNoThreshold = -1;
    LONG alert = kNoThreshold;
    LONG warning = kNoThreshold;
};

// The lowest level of each cartridge kind, each in 0..100: a level below 0 or above 100 (the
// new-cartridge marker among them) counts as full, and so does a kind the carrier does not hold
// (by the logical ids of a cartridge carrier; ink-tank printers have no photo ink).
struct LowInkLevels {
    LONG black;
    LONG colour;
    LONG photo;
};
LowInkLevels CountedLevels(const INKINFO& ink);

// The texts, in the order of the rules that choose them; None is the empty text.
enum class LowInkText {
    BlackAndColourVeryLow,
    PhotoAndColourVeryLow,
    BlackAndColourLow,
    PhotoAndColourLow,
    BlackVeryLow,
    PhotoVeryLow,
    ColourVeryLow,
    BlackLow,
    PhotoLow,
    ColourLow,
    None,
};

// The first rule that holds: two kinds low with one of them very low, two kinds low, one kind
// very low, one kind low (black before photo before colour in each), else None.
LowInkText ChooseLowInkText(const LowInkLevels& levels, const LowInkThresholds& thresholds);
LowInkText ChooseLowInkText(const INKINFO& ink, const LowInkThresholds& thresholds);

// The string of the resource module that holds a text; 0 for None.
UINT LowInkTextId(LowInkText text);

// Whether the warning has a text to show: the state that opens it once per episode.
bool IsInkLow(const INKINFO& ink, const LowInkThresholds& thresholds);

// Follows the status updates and answers true for the first one that shows low ink after one
// that did not (or after the start): the warning opens once per episode, never on every poll.
class LowInkEpisode {
public:
    bool Starts(bool inkLow) {
        bool starts = inkLow && !m_bLow;
        m_bLow = inkLow;
        return starts;
    }
    // The warning was shown otherwise (the host asked for it): this episode has had it.
    void Shown() { m_bLow = true; }

private:
    bool m_bLow = false;
};
