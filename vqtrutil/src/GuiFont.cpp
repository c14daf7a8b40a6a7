#include "GuiFont.h"

#include "CSpy.h"

#include <CString.h>
#include <cstdlib>

BOOL CGUIFont::CreateFont(int pointTenths, BOOL bold, const char* face) {
    if (pointTenths < 10)
        pointTenths = kDefaultPointTenths;
    return CreatePointFont(pointTenths, face && *face ? face : "MS Shell Dlg", nullptr,
                           bold != FALSE) != nullptr;
}

BOOL CGUIFont::CreateFromStringId(UINT pointSizeStringId, BOOL bold, const char* face) {
    CString text;
    int tenths = text.LoadString(pointSizeStringId) ? PointTenthsFromText(text) : 0;
    if (tenths <= 0) {
        CSpy spy;
        spy.OutputData("CGUIFont::CreateFromStringId() no point size in string");
        spy.OutputData(pointSizeStringId);
    }
    BOOL created = CreateFont(tenths, bold, face);
    return created && tenths > 0;
}

int CGUIFont::PointTenthsFromText(const char* text) {
    if (!text)
        return 0;
    char* end = nullptr;
    long points = std::strtol(text, &end, 10);
    // Sizes beyond any screen text are refused rather than overflowing.
    if (end == text || points <= 0 || points > 1000)
        return 0;
    return static_cast<int>(points * 10);
}
