// Whether the printer may take a job: the main object's entry to the printer-ready check.
#include "CSpy.h"
#include "QORTabDlg.h"
#include "pages/PrinterReadyCheck.h"

BOOL CQORTabDlg::IsPrinterReady() {
    CSpy spy;
    spy.OutputData("CQORTabDlg::IsPrinterReady()");
    if (m_pReadyDlg)
        return FALSE;
    // A parallel or USB printer without two-way communication has no status to ask for.
    DWORD port = m_PortInfo.dwPortType;
    if (!m_bBidi && (port == QOR_PORT_PARALLEL || port == QOR_PORT_USB))
        return TRUE;
    DoCallback(CBGetStatus, &m_InfoStruct, 0, 0);
    CPrinterReadyDlg alert(*this);
    return alert.CheckPrinter();
}
