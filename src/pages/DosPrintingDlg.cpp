#include "DosPrintingDlg.h"

#include "CSpy.h"
#include "Controls.h"
#include "DosPrintingStore.h"
#include "Operations.h"
#include "main/PrinterHelpers.h"
#include "resource.h"

#include <htmlhelp.h>

namespace {
constexpr DWORD kDosHelpTopic = 224;
// The controls the enable box turns on and off.
constexpr UINT kSettingControls[] = {IDC_DOS_FONT_LABEL, IDC_DOS_FONT_LIST,
                                     IDC_DOS_SYMBOL_SET_LABEL, IDC_DOS_SYMBOL_SET_LIST,
                                     IDC_DOS_CARRIAGE};

template <class Row> void FillList(CComboBox list, std::span<const Row> rows) {
    CString text;
    for (const Row& row : rows) {
        text.LoadString(row.textId);
        list.AddString(text);
    }
}
} // namespace

BEGIN_MESSAGE_MAP(CDOSPrintingDlg, CDialog)
ON_COMMAND(IDC_DOS_RESTORE_DEFAULTS, OnRestoreDefaults)
ON_COMMAND(IDC_DOS_OK, OnOK)
ON_COMMAND(IDC_DOS_CANCEL, OnCancel)
ON_COMMAND(IDC_DOS_HELP, OnHelp)
ON_COMMAND(IDC_DOS_ENABLE, OnEnable)
END_MESSAGE_MAP()

CDOSPrintingDlg::CDOSPrintingDlg(const char* printerName, const char* locale, CWnd* parent)
    : CDialog(IDD_DOS_PRINTING, parent), m_strLocale(locale ? locale : "") {
    m_Registry.SetFriendlyName(printerName);
}

BOOL CDOSPrintingDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CSpy spy;
    spy.OutputEach("CDOSPrintingDlg::OnInitDialog()", m_strLocale);
    FillLists();
    const StoredDosValues stored = LoadDosSettings(m_Registry, m_strLocale);
    m_bDOSPrinting = stored.enabled;
    Show(FontRowFor(stored.typeface, stored.pitch), SymbolSetRowFor(stored.charSet),
         stored.carriage.value_or(0) != 0);
    CButton(GetDlgItem(IDC_DOS_ENABLE)).SetCheck(m_bDOSPrinting ? BST_CHECKED : BST_UNCHECKED);
    ApplyEnableState();
    return TRUE;
}

void CDOSPrintingDlg::FillLists() {
    FillList(CComboBox(GetDlgItem(IDC_DOS_FONT_LIST)), DosFonts());
    FillList(CComboBox(GetDlgItem(IDC_DOS_SYMBOL_SET_LIST)), DosSymbolSets());
}

void CDOSPrintingDlg::Show(int fontRow, int symbolSetRow, bool carriage) {
    CComboBox(GetDlgItem(IDC_DOS_FONT_LIST)).SetCurSel(fontRow);
    CComboBox(GetDlgItem(IDC_DOS_SYMBOL_SET_LIST)).SetCurSel(symbolSetRow);
    CButton(GetDlgItem(IDC_DOS_CARRIAGE)).SetCheck(carriage ? BST_CHECKED : BST_UNCHECKED);
}

void CDOSPrintingDlg::ApplyEnableState() {
    const bool enabled = CButton(GetDlgItem(IDC_DOS_ENABLE)).GetCheck() == BST_CHECKED;
    for (UINT id : kSettingControls)
        GetDlgItem(static_cast<int>(id)).EnableWindow(enabled);
}

void CDOSPrintingDlg::OnRestoreDefaults() {
    CSpy().OutputData("CDOSPrintingDlg::OnRestoreDefaults()");
    const DosSettings defaults = DefaultDosSettings(m_strLocale);
    Show(FontRowFor(defaults.typeface, defaults.pitch), SymbolSetRowFor(defaults.charSet),
         defaults.carriage);
}

DosSettings CDOSPrintingDlg::ChosenSettings() const {
    // A list without a selection (none can be made by the user) stores row 0.
    auto row = [this](UINT list) {
        int selected = CComboBox(GetDlgItem(static_cast<int>(list))).GetCurSel();
        return selected < 0 ? size_t{0} : static_cast<size_t>(selected);
    };
    const DosFontRow& font = DosFonts()[std::min(row(IDC_DOS_FONT_LIST), DosFonts().size() - 1)];
    const DosSymbolSetRow& symbolSet =
        DosSymbolSets()[std::min(row(IDC_DOS_SYMBOL_SET_LIST), DosSymbolSets().size() - 1)];
    DosSettings settings;
    settings.pitch = font.pitch;
    settings.typeface = font.typeface;
    settings.charSet = symbolSet.value;
    settings.carriage = CButton(GetDlgItem(IDC_DOS_CARRIAGE)).GetCheck() == BST_CHECKED;
    settings.enabled = CButton(GetDlgItem(IDC_DOS_ENABLE)).GetCheck() == BST_CHECKED;
    return settings;
}

void CDOSPrintingDlg::OnOK() {
    CSpy().OutputData("CDOSPrintingDlg::OnOK()");
    const DosSettings settings = ChosenSettings();
    SaveDosSettings(m_Registry, settings);
    m_bDOSPrinting = settings.enabled;
    EndDialog(IDOK);
}

void CDOSPrintingDlg::OnHelp() {
    UtilShowHelp(m_hWnd, DriverFolder() + "3\\vqtrqor.chm", HH_HELP_CONTEXT, kDosHelpTopic, 0);
}
