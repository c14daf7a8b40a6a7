// The printer choice behind QORChoosePrinter.
#include "CSpy.h"
#include "Operations.h"
#include "PrinterChoiceDlg.h"
#include "QORTabDlg.h"
#include "resource.h"

int CQORTabDlg::ChoosePrinter(const char* printerList) {
    CSpy spy;
    spy.OutputData("CQORTabDlg::ChoosePrinter()");
    CPrinterChoiceDlg NormalDlg(HasMainWindow() ? this : nullptr);
    NormalDlg.SetPrinterList(printerList);
    const std::vector<CString>& names = NormalDlg.GetPrinterNames();
    spy.OutputData(names.empty() ? CString() : names.front());
    spy.OutputData("NormalDlg->m_NumPrinters");
    spy.OutputData(NormalDlg.m_NumPrinters);
    if (NormalDlg.m_NumPrinters == 0) {
        CString text;
        CString caption;
        text.LoadString(IDS_NO_PRINTERS);
        caption.LoadString(IDS_MAIN_TITLE);
        UtilMessageBox(m_hWnd, text, caption, MB_OK);
        return 0;
    }
    INT_PTR choice = NormalDlg.DoModal();
    if (choice < 0) {
        spy.OutputError("CQORTabDlg::ChoosePrinter() the printer choice could not be shown");
        return 0;
    }
    spy.OutputData("CQORTabDlg::ChoosePrinter() choice");
    spy.OutputData(static_cast<int>(choice));
    return static_cast<int>(choice);
}
