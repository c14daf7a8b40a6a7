// Dialog templates in memory: a builder for dialogs that have no resource (the page sheet's own
// window, tests), and readers for templates of either layout (DLGTEMPLATE, DLGTEMPLATEEX).
#pragma once

#include "FrameworkApi.h"

#include <cstddef>
#include <vector>
#include <windows.h>

// Builds a DLGTEMPLATE with its controls; sizes and positions are dialog units.
class VQTRG_API CDialogTemplate {
public:
    // DS_SETFONT is added when a font face is given.
    CDialogTemplate(DWORD style, const RECT& rect, const char* caption = nullptr,
                    const char* fontFace = "MS Shell Dlg", WORD pointSize = 8, DWORD exStyle = 0);
    // A control of a window class given by name ("BUTTON", "EDIT", "STATIC", "LISTBOX",
    // "SCROLLBAR", "COMBOBOX" are stored as the predefined atoms).
    void AddControl(const char* className, const char* text, WORD id, DWORD style, const RECT& rect,
                    DWORD exStyle = 0);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }
    size_t GetSize() const { return m_words.size() * sizeof(WORD); }

private:
    void AppendText(const char* text);
    void AppendDword(DWORD value);
    void AlignToDword();

    std::vector<WORD> m_words;
};

namespace vqtr::dlg {
// The template's byte length, or 0 when it is malformed or longer than limit.
VQTRG_API size_t TemplateSize(const void* dialogTemplate, size_t limit = static_cast<size_t>(-1));
// Whether a control's window class is another than the system's predefined ones ("BUTTON",
// "EDIT", ... by atom or by name): a common control (spin button, progress bar, ...), whose
// classes must be registered before the dialog is made. False when malformed.
VQTRG_API bool HoldsOtherControlClass(const void* dialogTemplate,
                                      size_t limit = static_cast<size_t>(-1));
// The dialog template id of module, with its byte length in limit; null when missing.
VQTRG_API const void* FindTemplateResource(HINSTANCE module, UINT id, size_t& limit);
// The dialog's client size in dialog units.
VQTRG_API bool TemplateExtent(const void* dialogTemplate, SIZE& size);
VQTRG_API DWORD TemplateStyle(const void* dialogTemplate);
// A copy of the template made into a child dialog: WS_CHILD | DS_CONTROL, hidden, without the
// caption, frame, border and pop-up styles, WS_EX_CONTROLPARENT. Empty when malformed.
VQTRG_API std::vector<BYTE> MakeChildTemplate(const void* dialogTemplate,
                                              size_t limit = static_cast<size_t>(-1));
} // namespace vqtr::dlg
