// The module's notice dialogs carry their title twice: in the caption and, in the bold heading
// type, as the heading of their text.
#pragma once

#include "GuiFont.h"
#include "Wnd.h"

// Sets the caption and the heading control to the title string; the heading font is created
// into headingFont, which must live as long as the dialog.
void SetTitleAndHeading(CWnd& dialog, UINT titleId, UINT headingControl, CGUIFont& headingFont);
