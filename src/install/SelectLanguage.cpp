#include "SelectLanguage.h"

#include "CSpy.h"
#include "FileFind.h"
#include "HelpTopics.h"
#include "InstallState.h"
#include "LanguageNames.h"
#include "PrinterHelpers.h"
#include "QORTabDlg.h"
#include "resource.h"

namespace {
// With the language page in the sheet, the page after it (the registration offer) is page 3.
constexpr int kPageAfterLanguage = 3;

constexpr UINT kCheckIds[] = {0, IDC_SELLANG_APP1_CHECK, IDC_SELLANG_APP2_CHECK,
                              IDC_SELLANG_APP3_CHECK, IDC_SELLANG_APP4_CHECK};
constexpr UINT kListIds[] = {0, IDC_SELLANG_APP1_LIST, IDC_SELLANG_APP2_LIST, IDC_SELLANG_APP3_LIST,
                             IDC_SELLANG_APP4_LIST};
constexpr UINT kCheckTexts[] = {0, IDS_SELLANG_APP1, IDS_SELLANG_APP2, IDS_SELLANG_APP3,
                                IDS_SELLANG_APP4};

// Whether the page shows a control (the page itself may not be shown yet).
bool Shown(const CWindow& control) {
    return (control.GetStyle() & WS_VISIBLE) != 0;
}

// A list entry keeps the display name id it shows.
int AddLanguage(const CComboBox& combo, UINT displayId) {
    const int index = combo.AddString(LanguageName(displayId));
    if (index >= 0)
        combo.SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), displayId);
    return index;
}
} // namespace

BEGIN_MESSAGE_MAP(CSelectLanguage, CQorWizardPage)
ON_COMMAND(IDC_SELLANG_INSTALL, OnInstallButton)
ON_COMMAND_RANGE(IDC_SELLANG_APP1_CHECK, IDC_SELLANG_APP4_LIST, OnChoiceChanged)
END_MESSAGE_MAP()

CSelectLanguage::CSelectLanguage(bool openedByTopic)
    : CQorWizardPage(IDD_SELECT_LANGUAGE), m_bOpenedByTopic(openedByTopic ? 1 : 0) {}

unsigned CSelectLanguage::HelpTopic() const {
    return kHelpTopicGeneral;
}

CButton CSelectLanguage::Check(int number) const {
    return CButton(GetDlgItem(static_cast<int>(kCheckIds[number])));
}

CComboBox CSelectLanguage::List(int number) const {
    return CComboBox(GetDlgItem(static_cast<int>(kListIds[number])));
}

BOOL CSelectLanguage::OnInitDialog() {
    CQorWizardPage::OnInitDialog();
    CSpy spy;
    spy.OutputEach("CSelectLanguage::OnInitDialog()", static_cast<int>(m_bOpenedByTopic));
    CQORTabDlg* main = g_pQORTabDlg;
    SetHeading(IDC_SELLANG_HEADING, IDS_SELLANG_HEADING);
    const bool allInOne = main && main->m_Product.CompareSetting("IDO_AIO_FAMILY", 1);
    SetText(IDC_SELLANG_TEXT, allInOne ? IDS_SELLANG_TEXT_AIO : IDS_SELLANG_TEXT);
    if (main) {
        for (int number = 1; number <= kAccompanyingApps; ++number) {
            const AccompanyingApp app = AccompanyingApp::Read(main->m_Product, number);
            SetCheckText(app);
            if (m_bOpenedByTopic)
                ShowEveryLanguage(app);
            // Outside the topic mode application 3 is never offered here.
            else if (number != 3)
                ShowSearchedApp(app);
        }
    }
    UpdateInstallButton();
    return TRUE;
}

void CSelectLanguage::SetCheckText(const AccompanyingApp& app) {
    CString text = LoadText(kCheckTexts[app.number]);
    CQORTabDlg* main = g_pQORTabDlg;
    if (app.number == 1 && main) {
        CString key, section, none;
        main->m_Product.GetSetting("IDO_PRELOAD_KEY_PROGRAM1SELECTSTRING", key);
        main->m_Product.GetSetting("IDO_SECTIONNAME", section);
        main->m_Product.GetSetting("IDO_NULLSTRING", none);
        const CString preload = key.IsEmpty() ? CString() : main->ReadPreloadValue(key, section);
        if (!IsPreloadUnset(preload) && !(preload == none))
            text = preload;
    }
    Check(app.number).SetWindowText(text);
    Check(app.number).SetCheck(BST_CHECKED);
}

void CSelectLanguage::ShowSearchedApp(const AccompanyingApp& app) {
    CQORTabDlg* main = g_pQORTabDlg;
    const bool hidden = !app.offered || !IsAppAvailable(app.number) || ExcludedForJapanese(app) ||
                        (app.number == 2 && PortTakesNoApps(main->m_PortInfo.dwPortType));
    if (hidden)
        return;
    ShowCheck(app);
    const bool listHidden =
        app.showAllTime ? IsPreloaded(app) : IsAppLanguageFound(app.number) != 0;
    if (listHidden)
        return;
    SearchDirectoryAndAddCombo(List(app.number), CString(g_szCDRoot) + app.path,
                               UsesLanguageVariant(main->m_Product, app.number));
    ShowControl(kListIds[app.number], true);
}

void CSelectLanguage::ShowEveryLanguage(const AccompanyingApp& app) {
    if (!app.offered)
        return;
    ShowCheck(app);
    const CComboBox list = List(app.number);
    for (UINT display : TopicListDisplayOrder())
        AddLanguage(list, display);
    list.SetCurSel(0);
    ShowControl(kListIds[app.number], true);
}

void CSelectLanguage::ShowCheck(const AccompanyingApp& app) {
    ShowControl(kCheckIds[app.number], true);
    // Application 1 installed in any case keeps its name on the page, ticked for good.
    if (app.number == 1 && g_pQORTabDlg->m_Product.CompareSetting("IDO_FORCE_INSTALL_APP1", 1))
        Check(1).EnableWindow(FALSE);
}

bool CSelectLanguage::IsPreloaded(const AccompanyingApp& app) const {
    if (app.number == 1)
        return g_bApp1Preloaded;
    CQORTabDlg* main = g_pQORTabDlg;
    CString section;
    main->m_Product.GetSetting("IDO_SECTIONNAME", section);
    return !app.keyName.IsEmpty() &&
           !IsPreloadUnset(main->ReadPreloadValue(app.keyName, section)) &&
           !IsAppLanguageFound(app.number);
}

void CSelectLanguage::SearchDirectoryAndAddCombo(const CComboBox& combo, const CString& lanDirPath,
                                                 bool variant) {
    CSpy spy;
    spy.OutputData("CSelectLanguage::SearchDirectoryAndAddCombo()");
    spy.OutputEach("lanDirPath", lanDirPath, "defaultLanguage", g_strUILanguage);
    spy.OutputData("languages directories found:");
    int defaultIndex = -1;
    CFileFind finder;
    for (BOOL more = finder.FindFile(lanDirPath + "*.*"); more;) {
        more = finder.FindNextFile();
        if (!finder.IsDirectory() || finder.IsDots() ||
            (finder.GetAttributes() & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            continue;
        const CString folder = finder.GetFileName();
        spy.OutputData(folder);
        for (const LanguagePair& pair : LanguagePairs()) {
            if (LanguageName(pair.folder).CompareNoCase(folder) != 0)
                continue;
            const int index = AddLanguage(combo, DisplayForFolder(pair.folder, variant));
            spy.OutputData("lang match");
            // Only a folder that has an entry can be the one selected.
            if (folder.CompareNoCase(g_strUILanguage) == 0)
                defaultIndex = index;
            break;
        }
    }
    combo.SetCurSel(defaultIndex);
}

AppChoices CSelectLanguage::ReadChoices() const {
    AppChoices choices;
    for (int number = 1; number <= kAccompanyingApps; ++number) {
        AppChoice& choice = choices[static_cast<size_t>(number)];
        const CButton check = Check(number);
        choice.ticked = !Shown(check) || check.GetCheck() == BST_CHECKED;
        const CComboBox list = List(number);
        const int selected = list.GetCurSel();
        if (Shown(list) && selected >= 0)
            choice.display =
                static_cast<UINT>(list.SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(selected)));
    }
    return choices;
}

void CSelectLanguage::UpdateInstallButton() {
    CQORTabDlg* main = g_pQORTabDlg;
    const bool fourInOne = main && main->m_Product.CompareSetting("IDO_FOURINONE", 1);
    bool ready = true;
    for (int number = 1; number <= kAccompanyingApps; ++number) {
        const CButton check = Check(number);
        const bool leftOut =
            Shown(check) && check.GetCheck() != BST_CHECKED && (number != 1 || !fourInOne);
        const CComboBox list = List(number);
        if (!leftOut && Shown(list) && list.GetCurSel() < 0)
            ready = false;
    }
    GetDlgItem(IDC_SELLANG_INSTALL).EnableWindow(ready);
}

void CSelectLanguage::OnChoiceChanged(UINT) {
    UpdateInstallButton();
}

void CSelectLanguage::EnableChoices(bool enabled) {
    for (int number = 1; number <= kAccompanyingApps; ++number) {
        Check(number).EnableWindow(enabled);
        List(number).EnableWindow(enabled);
    }
}

void CSelectLanguage::OnInstallButton() {
    CQORTabDlg* main = g_pQORTabDlg;
    CQorWizardSheet* sheet = WizardSheet();
    if (!main || !GetDlgItem(IDC_SELLANG_INSTALL).IsWindowEnabled())
        return;
    CSpy().OutputData("CSelectLanguage::OnInstallButton()");
    CAppInstaller installer(*main, this, ReadChoices());
    EnableChoices(false);
    // Nothing of the wizard may be pressed while the installers run: their waits pass the
    // wizard's messages on.
    const HWND wizard = sheet ? sheet->m_hWnd : m_hWnd;
    ::EnableWindow(wizard, FALSE);
    installer.CheckSetupCd();
    const bool open = !installer.ModuleClosed() && installer.InstallChosen();
    if (!open)
        return;
    ::EnableWindow(wizard, TRUE);
    if (sheet)
        sheet->ShowPageNumber(kPageAfterLanguage);
}

void CSelectLanguage::OnCancelbutton() {
    CSpy().OutputData("CSelectLanguage::OnCancelbutton()");
    if (CQorWizardSheet* sheet = WizardSheet())
        sheet->CloseWizard(true);
}
