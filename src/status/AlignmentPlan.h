// What the alignment wizard decides from the records and the model's options, apart from its
// windows: which pages its sheet holds, the values each value page asks for (their controls,
// ranges and start values) and where the typed values go in the alignment record.
#pragma once

#include "InkCarrier.h"
#include "JobFiles.h"
#include "qor.h"

#include <windows.h>

#include <vector>

// The pages of the alignment sheet: the automatic start and result pages; the manual start page;
// the ink-tank printer's two value pages; the value pages for two cartridges, for a photo
// cartridge and for one cartridge. Then the post-install wizard's value pages, which read the
// installation's alignment page: the ink tanks', two cartridges', a photo cartridge's and one
// cartridge's.
enum class AlignPage {
    AutoStart,
    AutoResult,
    Start,
    TankValues1,
    TankValues2,
    CartValues,
    PhotoValues,
    SingleValues,
    InstallTankValues,
    InstallCartValues,
    InstallPhotoValues,
    InstallSingleValues
};

// The pages in sheet order: with automatic alignment supported, the two automatic pages and the
// three cartridge value pages; otherwise the start page and the value pages of the carrier (a
// dual carrier with a cartridge missing, 32, gets the one-cartridge page; one with a photo
// cartridge, 112, the photo page). No page for an unknown carrier type.
std::vector<AlignPage> PlanAlignSheet(bool autoSupported, const INKINFO& ink);

// One value a page asks for: its edit field and spin control, its range, the alignment record's
// field that gives its start value and the start value when that field does not fit the range.
struct AlignValue {
    UINT edit;
    UINT spin;
    int low;
    int high;
    int startField;
    int defaultValue;
};

// The values of a value page in their order; none for the start pages.
std::vector<AlignValue> ValuesOf(AlignPage page, const INKINFO& ink);

// The start value: the record's field when it fits the range (the test is unsigned, so 0xFFFFFFFF
// gives the default, not -1), else the default.
int StartValue(const AlignValue& value, const ALIGNINFO& align);

// Writes a page's typed values (in ValuesOf's order) into the alignment record: the ink-tank
// values 1 to 5 to fields 7 to 11; the second ink-tank page's values to fields 1 to 6 with 1 in
// field 0; two cartridges 1, 2 to fields 1, 2 and 3, 4 to fields 3 and 5, 4 and 6; a photo
// cartridge's to fields 7 to 10; one cartridge's to fields 3 and 5 when it is black, else 4 and
// 6. The one-cartridge page is about the right position on a dual carrier with a cartridge
// missing and about the left one otherwise, for its start value, picture and fields alike.
// The post-install pages: the ink tanks' five values to fields 7 to 11, every other field
// cleared and 1 in field 0; two cartridges' as above and their fifth value to field 12; a photo
// cartridge's to fields 7 to 10; one cartridge's to fields 3 and 5 when the left cartridge is
// black, else 4 and 6 (its range is 0 to 20 on a two-position carrier, 0 to 14 on a one-position
// one).
void WriteAlignValues(AlignPage page, const std::vector<int>& values, const INKINFO& ink,
                      ALIGNINFO& align);

// The carrier picture of a value page (0 for the pages without one): two cartridges by the
// carrier state, one cartridge by whether it is black.
UINT AlignPictureOf(AlignPage page, const INKINFO& ink, CarrierState state);

// The manual choice on the automatic wizard's start page: the step its debug log names ("<6>" to
// "<12>"; 0 where no file applies), the job file (null when nothing is sent), the value page
// shown next, and whether the one cartridge is neither black nor colour (the user is told, nothing
// is printed, and the one-cartridge page still follows so that the user may cancel there).
// printStyle2: the model's IDO_PRINTSTYLE is 2, which alone lets a two-position carrier with a
// cartridge missing print the one-cartridge page.
struct ManualChoice {
    int logStep;
    const char* file;
    AlignPage next;
    bool unknownCartridge;
};
ManualChoice ManualChoiceOf(const INKINFO& ink, bool printStyle2);

// The automatic wizard's result page shows the carriage it aligned: colour and black, colour and
// photo, the black cartridge alone or the colour one alone.
UINT AutoResultPictureOf(const INKINFO& ink);
