// The printer choice behind QORChoosePrinter: the printers handed in, in a list, with OK and
// Cancel. Enter or a double-click chooses the selected printer, Escape cancels. DoModal's result
// is the position of the chosen printer in the list, counted from 1; 0 when the user cancels; -1
// when the window could not be made.
#pragma once

#include "Dialog.h"

#include <vector>

class CPrinterChoiceDlg : public CDialog {
public:
    explicit CPrinterChoiceDlg(CWnd* parent = nullptr);

    // Takes the names of a list of NUL-terminated names ended by an empty one (null: none) and
    // counts them into m_NumPrinters.
    void SetPrinterList(const char* printerList);
    const std::vector<CString>& GetPrinterNames() const { return m_Names; }

    int m_NumPrinters = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnListDoubleClick();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CString> m_Names;
};
