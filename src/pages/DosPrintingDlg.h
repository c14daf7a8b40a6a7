// The DOS printing settings of the printer (modal): whether DOS programs may print, the font and
// symbol set they print with and the carriage-return rule. OK stores all five values; Restore
// Defaults only shows the defaults, Cancel stores nothing.
#pragma once

#include "CString.h"
#include "Dialog.h"
#include "Registry.h"
#include "status/DosPrinting.h"

class CDOSPrintingDlg : public CDialog {
public:
    CDOSPrintingDlg(const char* printerName, const char* locale, CWnd* parent);

    // After OK: whether DOS printing was left on.
    bool IsDosPrintingEnabled() const { return m_bDOSPrinting; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnRestoreDefaults();
    void OnHelp();
    void OnEnable() { ApplyEnableState(); }
    DECLARE_MESSAGE_MAP()

private:
    void FillLists();
    void Show(int fontRow, int symbolSetRow, bool carriage);
    void ApplyEnableState();
    DosSettings ChosenSettings() const;

    CRegistry m_Registry;
    CString m_strLocale;
    bool m_bDOSPrinting = true;
};
