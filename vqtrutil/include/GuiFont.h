// Fonts of the pages: a face at a point size, bold or not, for the screen.
#pragma once

#include "UtilApi.h"

#include <Gdi.h>
#include <windows.h>

class VQTRUTIL_API CGUIFont : public CFont {
public:
    static constexpr int kDefaultPointTenths = 80; // the dialogs' own 8 points

    // pointTenths tenths of a point (80 = 8 points); a size below 1 point takes the default.
    BOOL CreateFont(int pointTenths, BOOL bold, const char* face = "MS Shell Dlg");
    // The size is the number in a string of the resource module times 10 ("12" gives 12
    // points). FALSE when the string is missing or holds no positive number: the font is then
    // made at the default size.
    BOOL CreateFromStringId(UINT pointSizeStringId, BOOL bold, const char* face = "MS Shell Dlg");

    // The point size in tenths that a size text stands for; 0 when it holds no positive number.
    static int PointTenthsFromText(const char* text);
};
