#include "OneCartridgePage.h"

#include "CSpy.h"
#include "Handles.h"
#include "Operations.h"
#include "host/QorModule.h"
#include "main/QORTabDlg.h"
#include "resource.h"
#include "status/CartridgePictures.h"

#include <string>

namespace {
constexpr const char* kHeldJobTexts = "vqtrjswr.dll";

// Makes a module the source of the texts loaded while it lives.
class ResourceSource {
public:
    explicit ResourceSource(HINSTANCE module) : m_previous(AfxGetResourceHandle()) {
        AfxSetResourceHandle(module);
    }
    ~ResourceSource() { AfxSetResourceHandle(m_previous); }
    ResourceSource(const ResourceSource&) = delete;
    ResourceSource& operator=(const ResourceSource&) = delete;

private:
    HINSTANCE m_previous;
};

struct HeldJobMessage {
    CString text;
    CString caption;
};

HeldJobMessage LoadHeldJobMessage(HeldJobNeed need) {
    const auto LoadText = &CCartWizardPage::LoadText;
    const UINT needs =
        need == HeldJobNeed::Black ? IDS_HELD_JOB_NEEDS_BLACK : IDS_HELD_JOB_NEEDS_COLOUR;
    return {LoadText(IDS_HELD_JOB_MESSAGE) + "\r\n\r\n" + LoadText(IDS_HELD_JOB_REASON) + "\r\n" +
                LoadText(needs),
            LoadText(IDS_HELD_JOB_CAPTION)};
}
} // namespace

BEGIN_MESSAGE_MAP(COneCartridgePage, CCartWizardPage)
ON_CBN_SELCHANGE(IDC_CARTV_ONE_CARTRIDGE, OnChoiceChanged)
ON_BN_CLICKED(IDC_CARTV_ONE_OLD, OnChoiceChanged)
ON_BN_CLICKED(IDC_CARTV_ONE_NEW, OnChoiceChanged)
END_MESSAGE_MAP()

COneCartridgePage::COneCartridgePage() : CCartWizardPage(IDD_CARTV_ONE_CARTRIDGE) {}

BOOL COneCartridgePage::OnInitDialog() {
    CCartWizardPage::OnInitDialog();
    SetHeading(IDC_CARTV_ONE_HEADING, HeadingText());
    SetText(IDC_CARTV_ONE_INTRO, IntroText());
    m_Tank.Attach(IDC_CARTV_ONE_TANK, this);
    m_Picture.Init(IDC_CARTV_ONE_PICTURE, this, static_cast<HBITMAP>(nullptr));
    if (!g_pQORTabDlg)
        return TRUE;
    const CQORTabDlg& main = *g_pQORTabDlg;
    const INKINFO& ink = main.m_Records.ink;
    // The printer's name for the cartridge where it has one, else what it senses.
    HWND list = GetDlgItem(IDC_CARTV_ONE_CARTRIDGE);
    FillCartridgeList(list, CartridgeList::OneCartridge, ink.LogCartID1);
    if (GetChosenCartridge() == QOR_CART_INVALID)
        FillCartridgeList(list, CartridgeList::OneCartridge, ink.PhyCartID1);
    const bool asNew = OneCartridgeStartsNew(GetChosenCartridge(), ink, main.m_bPromptNewCart1);
    ::CheckRadioButton(m_hWnd, IDC_CARTV_ONE_OLD, IDC_CARTV_ONE_NEW,
                       asNew ? IDC_CARTV_ONE_NEW : IDC_CARTV_ONE_OLD);
    ShowChosenCartridge();
    return TRUE;
}

DWORD COneCartridgePage::GetChosenCartridge() const {
    return ChosenCartridgeOf(GetDlgItem(IDC_CARTV_ONE_CARTRIDGE), CartridgeList::OneCartridge,
                             QOR_CART_INVALID);
}

bool COneCartridgePage::SaysNew() const {
    return IsDlgButtonChecked(IDC_CARTV_ONE_NEW) == BST_CHECKED;
}

void COneCartridgePage::ShowChosenCartridge() {
    if (!g_pQORTabDlg)
        return;
    const CQORTabDlg& main = *g_pQORTabDlg;
    const DWORD chosen = GetChosenCartridge();
    ShowTank(m_Tank, chosen, main.m_Records.ink, SaysNew());
    const bool override = main.m_Product.CompareSetting("IDO_CARTRIDGE_BITMAP_OVERRIDE", "1");
    ShowControl(IDC_CARTV_ONE_PICTURE, !override);
    if (!override)
        m_Picture.SetBitmap(CartridgePictureId(chosen));
}

void COneCartridgePage::ShowHeldJobMessage(HeldJobNeed need) {
    CModule texts(LoadCompanion(kHeldJobTexts));
    if (!texts.Get()) {
        // The resource module carries the same texts: the user still learns what to fit.
        const std::string path = ModuleFolder() + kHeldJobTexts;
        CSpy spy;
        spy.OutputError("COneCartridgePage: the held job's texts could not be loaded");
        spy.OutputData(path.c_str());
        UtilMessageBox(m_hWnd, path.c_str(), "ERROR", MB_OK | MB_ICONERROR);
    }
    HeldJobMessage message;
    {
        ResourceSource source(texts.Get() ? texts.Get() : AfxGetResourceHandle());
        message = LoadHeldJobMessage(need);
    }
    UtilMessageBox(m_hWnd, message.text, message.caption, MB_OK | MB_ICONEXCLAMATION);
}
