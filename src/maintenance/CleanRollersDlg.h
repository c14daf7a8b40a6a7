// The instructions for cleaning the paper rollers, for models that ask for it: three pictures,
// a heading, what is needed and up to four steps chosen by the model. It asks nothing of the
// host; its one button, Enter and Escape close it.
#pragma once

#include "Dialog.h"
#include "GuiFont.h"
#include "TransStatic.h"
#include "status/CleaningChoices.h"

#include <array>

class NvoProduct;

class CCleanRollersDlg : public CDialog {
public:
    explicit CCleanRollersDlg(CWnd* parent);

    // The model's choices of steps.
    static RollerOptions OptionsOf(const NvoProduct& product);

protected:
    BOOL OnInitDialog() override;
    void OnCloseButton() { EndDialog(IDOK); }
    DECLARE_MESSAGE_MAP()

private:
    CGUIFont m_HeadingFont;
    std::array<CTransStaticBmp, 3> m_Pictures;
};
