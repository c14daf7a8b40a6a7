#include "TestPage.h"

#include "CSpy.h"
#include "Gdi.h"
#include "Module.h"
#include "NvoProduct.h"
#include "main/PrinterHelpers.h"
#include "resource.h"
#include "status/TestPageLayout.h"

namespace {
constexpr const char* kCdDriversFolder = "Drivers\\";
constexpr const char* kAlternatePicture = "thankyoupage.bmp";

// A print job of one document: started with its name, ended when finished, else aborted so that
// no half job stays in the queue.
class CPrintJob {
public:
    CPrintJob(HDC printer, const char* documentName) : m_printer(printer) {
        DOCINFOA document{};
        document.cbSize = sizeof(document);
        document.lpszDocName = documentName;
        m_started = ::StartDocA(printer, &document) > 0;
    }
    ~CPrintJob() {
        if (m_started)
            ::AbortDoc(m_printer);
    }
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    bool IsStarted() const { return m_started; }
    bool Finish() {
        m_started = false;
        return ::EndDoc(m_printer) > 0;
    }

private:
    HDC m_printer;
    bool m_started;
};

// The setup CD's picture, when a CD root is known and the file is there. A CD root not yet found
// is no folder: the bare name would find a file in the host's current folder.
CString FindAlternatePicture(CSpy& spy) {
    CString path =
        g_szCDRoot[0] ? CString(g_szCDRoot) + kCdDriversFolder + kAlternatePicture : CString();
    DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(path);
    bool found = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    spy.OutputEach("test page", path, found ? 1 : 0);
    return found ? path : CString();
}

HBITMAP LoadTestPicture(CSpy& spy) {
    CString alternate = FindAlternatePicture(spy);
    if (!alternate.IsEmpty() && NvoProduct().CompareSetting("IDO_TESTPAGEFROMCD", 1)) {
        spy.OutputData("print alternate test page");
        return static_cast<HBITMAP>(::LoadImageA(nullptr, alternate, IMAGE_BITMAP, 0, 0,
                                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION |
                                                     LR_DEFAULTSIZE | LR_LOADMAP3DCOLORS));
    }
    spy.OutputData("print standard test page");
    return static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(),
                                             MAKEINTRESOURCEA(IDB_TEST_PAGE), IMAGE_BITMAP, 0, 0,
                                             LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS));
}
} // namespace

void PrintTestPage(const char* printerName) {
    CSpy spy;
    spy.OutputEach("PrintTestPage()", printerName);
    CPrinterDC printer(printerName);
    if (!printer.GetSafeHdc()) {
        spy.OutputData("ERROR!!!  Printer was not found");
        return;
    }
    CString documentName;
    documentName.LoadString(IDS_TEST_PAGE_DOCUMENT);
    CPrintJob job(printer, documentName);
    if (!job.IsStarted() || ::StartPage(printer) <= 0) {
        spy.OutputError("PrintTestPage() the printer refused the job");
        return;
    }
    CCompatibleDC memory(printer);
    CBitmap picture(LoadTestPicture(spy));
    const SIZE size = picture.GetSize();
    const PageGeometry page{
        printer.GetDeviceCaps(PHYSICALWIDTH), printer.GetDeviceCaps(PHYSICALHEIGHT),
        printer.GetDeviceCaps(PHYSICALOFFSETX), printer.GetDeviceCaps(PHYSICALOFFSETY)};
    const std::optional<TestPagePlacement> place = PlaceTestPage(page, size.cx, size.cy);
    if (!memory.GetSafeHdc() || !place) {
        // An empty page is no test of the printer: the job goes no further.
        spy.OutputError("PrintTestPage() nothing to print on this page");
        spy.OutputEach(size.cx, size.cy, page.physicalWidth, page.physicalHeight);
        return;
    }
    {
        CSelectObject selected(memory, picture);
        printer.StretchBlt(place->x, place->y, place->width, place->height, memory, 0, 0, size.cx,
                           size.cy, SRCCOPY);
    }
    ::EndPage(printer);
    if (!job.Finish())
        spy.OutputError("PrintTestPage() the job could not be ended");
}
