// What the cartridge verification wizard decides from the records and the model's options, apart
// from its windows: which pages a mode opens, what each carrier position proposes and asks, which
// cartridge a chosen name stands for, and what Next writes into the ink record.
#pragma once

#include "InkCarrier.h"
#include "NvoProduct.h"
#include "qor.h"

#include <windows.h>

#include <functional>

// ---- The sheet ----

// The pages a mode shows. "First" is the instruction page; "Second" the verification page of the
// model's kind; "ColourSort" the page that asks for one kind of cartridge before a held job goes
// on.
enum class CartWizardPage { First, Second, ColourSort };

struct CartWizardPlan {
    int pageCount;
    CartWizardPage pages[2];
    // The value the mode gives the main window's m_bPromptAlignment.
    BOOL promptAlignment;
    // Whether the mode sets m_bSkipCartAlign (otherwise it is left as it stands).
    bool skipCartAlign;
    // The cartridge information page's start flag: whether its Back button may be used.
    bool informationCanGoBack;
};

// Modes 1 to 5 as the main window uses them; any other value opens the second page alone.
CartWizardPlan PlanCartWizard(int mode);

enum class FirstPageKind { Plain, AllInOne };
enum class SecondPageKind { SingleCartridge, Information, Verification };

// The all-in-one instruction page where IDO_CARTRIDGE_INSTALLATION_AIO or ..._6STEPS is 1.
FirstPageKind ChooseFirstPage(const NvoProduct& product);
// One position (carrier type 3): the single-cartridge page; IDO_SPECIFY_CARTRIDGE_INFO 1: the
// information page; otherwise the verification page.
SecondPageKind ChooseSecondPage(DWORD carrierType, const NvoProduct& product);

// ---- The verification page: what each position proposes and asks ----

// The model's cartridges for a generic sensed id: IDO_DEFAULT_COLORCART and ..._BLACKCART.
struct DefaultCartridges {
    DWORD colour;
    DWORD black;
};
DefaultCartridges ReadDefaultCartridges(const NvoProduct& product);

// A position the printer reports as changed, or whose logical id is invalid (16), proposes the
// model's cartridge for a generic sensed id (80 colour, 48 black); any other position proposes its
// logical id, and an empty one (32) stays empty in both places. Logs the ids before and after.
void ProposeSensedCartridges(INKINFO& ink, const DefaultCartridges& defaults);

// Why a position needs the user's attention. A position with any mark is shown.
struct PositionAttention {
    bool unidentified = false;
    bool changed = false;
    bool replace = false;
    bool install = false;
    bool Shown() const { return unidentified || changed || replace || install; }
};

// The instruction a shown position gives: unidentified overrides, then changed, replace, install.
enum class AttentionText { None, Unidentified, Changed, Replace, Install };
AttentionText TextOfAttention(const PositionAttention& attention, bool printStyle2);

// The marks of both positions ([0] position 1, [1] position 2): first by the change flags and the
// unidentified cartridges (999), then by the carrier state. Logs the numbered cases.
struct Attention {
    PositionAttention position[2];
};
Attention DecideAttention(const INKINFO& ink, CarrierState state, bool knownHeadFormat);

// The cartridges the combo boxes first show, and whether the attention groups are disabled. On a
// connection without status (9) the model's defaults are written into the physical ids and shown;
// under print style 2 a position the carrier state calls invalid shows 16.
struct FirstChoice {
    DWORD cartridge[2];
    bool attentionDisabled;
};
FirstChoice ChooseFirstCartridges(INKINFO& ink, DWORD portType, CarrierState state,
                                  bool printStyle2, const DefaultCartridges& defaults);

// What a position's ink tank shows for the cartridge chosen there.
enum class TankPicture { Ink, Unidentified, Unknown };
struct ShownTank {
    TankPicture picture;
    int inkColour; // an InkColor of the ink display: black 0, colour 4, photo 5
    LONG level;
};
ShownTank TankOfChoice(DWORD chosen, const INKINFO& ink, BOOL promptNew);

// Whether a position starts with "new" chosen: a low cartridge (below 13), and at the check after
// installation an empty, invalid or (carrier state 1) unusable one or one reported changed. Sets
// the position's new-cartridge flag when it does and logs as the page does. position: 1 or 2.
bool StartsAsNew(int position, DWORD chosen, const INKINFO& ink, BOOL postInstallCheck,
                 CarrierState state, BOOL& promptNew);

// ---- Names and ids ----

// The lists of cartridge names: one for each position of the verification page, and the one of
// the pages for a single cartridge (black 48, 64, 53, colour 80, 96, 85, and no cartridge).
enum class CartridgeList { Position1, Position2, OneCartridge };
constexpr CartridgeList ListOfPosition(int position) {
    return position == 1 ? CartridgeList::Position1 : CartridgeList::Position2;
}

// The cartridge a chosen name stands for in a list, by the resource module's names; loadString
// gives the text of a string id (empty when missing; "~" marks a name the model does not use). A
// null text (no choice) and a name that matches none give 32.
using StringLoader = std::function<CString(UINT id)>;
DWORD CartridgeOfName(const char* chosenText, CartridgeList list, const StringLoader& loadString);

// The string ids of the names a list offers, in its order (id, string id).
struct CartridgeName {
    DWORD id;
    UINT stringId;
};
int CartridgeNamesOf(CartridgeList list, CartridgeName* names, int capacity);

// ---- Next ----

// A cartridge declared new gets the marker in every level of its ink kind. Returns false when the
// id is of no ink kind: the position then counts as holding no cartridge, not a new one.
bool MarkNewCartridge(INKINFO& ink, DWORD chosen);

// Why the verification page stays on Next: under print style 2 a photo cartridge in position 2
// with position 1 empty; and, in the modes that skip the alignment, a position with no cartridge
// (either one; under print style 2 both).
enum class NextRefusal { None, PhotoWithoutColour, NoCartridge };
NextRefusal RefuseNext(DWORD chosen1, DWORD chosen2, bool printStyle2, BOOL skipCartAlign);

// ---- One cartridge ----

// The cartridge a held print job waits for: the colour topics ask for a three-colour cartridge,
// the black ones (without a colour topic) for a black one.
enum class HeldJobNeed { Any, Black, Colour };
HeldJobNeed NeedOfHeldJob(BOOL colourTopic, BOOL blackTopic);
// Whether the cartridge the printer now names in position 1 is the one the job needs.
bool MeetsHeldJob(HeldJobNeed need, DWORD logicalId);

// Whether a page for a single cartridge starts with "new" chosen: the position's new-cartridge
// flag is set, or the cartridge's ink is low (below 13).
bool OneCartridgeStartsNew(DWORD chosen, const INKINFO& ink, BOOL promptNew);
