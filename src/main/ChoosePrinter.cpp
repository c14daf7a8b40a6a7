// The printer choice behind QORChoosePrinter.
#include "CSpy.h"
#include "Operations.h"
#include "QORTabDlg.h"
#include "resource.h"

#include <cstring>

int CQORTabDlg::ChoosePrinter(const char* printerList) {
    CSpy spy;
    int count = 0;
    CString first;
    for (const char* name = printerList; name && *name; name += std::strlen(name) + 1) {
        if (count++ == 0)
            first = name;
    }
    spy.OutputData(first);
    spy.OutputData("NormalDlg->m_NumPrinters");
    spy.OutputData(count);
    if (count == 0) {
        CString text;
        CString caption;
        text.LoadString(IDS_NO_PRINTERS);
        caption.LoadString(IDS_MAIN_TITLE);
        UtilMessageBox(m_hWnd, text, caption, MB_OK);
        return 0;
    }
    spy.OutputData("CQORTabDlg::ChoosePrinter() the printer choice is not offered by this build");
    return 0;
}
