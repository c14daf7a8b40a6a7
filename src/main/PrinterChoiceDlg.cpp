#include "PrinterChoiceDlg.h"

#include "CSpy.h"
#include "Controls.h"
#include "resource.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CPrinterChoiceDlg, CDialog)
ON_LBN_DBLCLK(IDC_PRINTER_CHOICE_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

CPrinterChoiceDlg::CPrinterChoiceDlg(CWnd* parent) : CDialog(IDD_PRINTER_CHOICE, parent) {}

void CPrinterChoiceDlg::SetPrinterList(const char* printerList) {
    CSpy spy;
    m_Names.clear();
    for (const char* name = printerList; name && *name; name += std::strlen(name) + 1) {
        spy.OutputData("add PrinterName to list");
        spy.OutputData(name);
        m_Names.emplace_back(name);
    }
    m_NumPrinters = static_cast<int>(m_Names.size());
}

BOOL CPrinterChoiceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CListBox list = GetDlgItem(IDC_PRINTER_CHOICE_LIST);
    for (const CString& name : m_Names)
        list.AddString(name);
    list.SetCurSel(0);
    GotoDlgCtrl(list);
    // FALSE: the focus stays on the list.
    return FALSE;
}

void CPrinterChoiceDlg::OnOK() {
    int selected = CListBox(GetDlgItem(IDC_PRINTER_CHOICE_LIST)).GetCurSel();
    if (selected < 0)
        return;
    EndDialog(selected + 1);
}

void CPrinterChoiceDlg::OnCancel() {
    EndDialog(0);
}

void CPrinterChoiceDlg::OnListDoubleClick() {
    OnOK();
}
