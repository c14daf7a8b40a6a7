// The test page printed for real: on a CUPS queue whose backend writes each job as a PDF file,
// which is read back for its pages and for where the picture went; the picture the setup CD may
// give instead; and a printer that does not exist.
#include "../main/MainWindowFixture.h"
#include "Gdi.h"
#include "main/PrinterHelpers.h"
#include "maintenance/TestPage.h"
#include "status/TestPageLayout.h"

#include <winspool.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string Variable(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// The queue and the folder its backend writes to, as the project's scripts make them.
std::string QueueName() {
    return Variable("VQTR_PRINT_QUEUE", "VqtrPDF");
}
std::string PdfFolder() {
    std::string folder = "Z:" + Variable("VQTR_PDF_FOLDER", "/var/spool/cups-pdf/vqtr");
    for (char& c : folder)
        c = c == '/' ? '\\' : c;
    return folder + "\\";
}

bool PrinterListed(const std::string& name) {
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 ||
        !::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count))
        return false;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD index = 0; index < count; ++index)
        if (name == printers[index].pPrinterName)
            return true;
    return false;
}

std::set<std::string> PdfFiles() {
    std::set<std::string> files;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((PdfFolder() + "*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do
        files.insert(found.cFileName);
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return files;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The first PDF that was not there before, once it has been written to its end; empty when none
// comes within a minute (the backend converts the job with Ghostscript).
std::string WaitForNewPdf(const std::set<std::string>& before) {
    for (int tries = 0; tries < 300; ++tries) {
        for (const std::string& name : PdfFiles()) {
            if (before.count(name))
                continue;
            std::string contents = ReadFile(PdfFolder() + name);
            if (contents.find("%%EOF") != std::string::npos)
                return contents;
        }
        ::Sleep(200);
    }
    return {};
}

struct Box {
    double left, bottom, right, top;
};

// Where each image of the page contents went, in points: the contents' transformations are
// followed through q, Q and cm up to each Do. Only contents stored uncompressed can be read.
std::vector<Box> ImagePlacements(const std::string& pdf) {
    std::vector<Box> boxes;
    static const std::regex kStream(R"(<<((?:(?!>>\s*stream)[\s\S])*)>>\s*stream\r?\n)");
    for (std::sregex_iterator match(pdf.begin(), pdf.end(), kStream), end; match != end; ++match) {
        const std::string dictionary = (*match)[1];
        if (dictionary.find("/Filter") != std::string::npos ||
            dictionary.find("/Subtype") != std::string::npos)
            continue;
        const size_t start = static_cast<size_t>(match->position(0) + match->length(0));
        const size_t stop = pdf.find("endstream", start);
        std::istringstream contents(pdf.substr(start, stop - start));
        std::vector<double> matrix{1, 0, 0, 1, 0, 0};
        std::vector<std::vector<double>> saved;
        std::vector<double> operands;
        for (std::string token; contents >> token;) {
            char* rest = nullptr;
            const double number = std::strtod(token.c_str(), &rest);
            if (rest && *rest == '\0' && rest != token.c_str()) {
                operands.push_back(number);
                continue;
            }
            if (token == "q") {
                saved.push_back(matrix);
            } else if (token == "Q" && !saved.empty()) {
                matrix = saved.back();
                saved.pop_back();
            } else if (token == "cm" && operands.size() >= 6) {
                const double* m = &operands[operands.size() - 6];
                const std::vector<double> old = matrix;
                matrix = {
                    m[0] * old[0] + m[1] * old[2],          m[0] * old[1] + m[1] * old[3],
                    m[2] * old[0] + m[3] * old[2],          m[2] * old[1] + m[3] * old[3],
                    m[4] * old[0] + m[5] * old[2] + old[4], m[4] * old[1] + m[5] * old[3] + old[5]};
            } else if (token == "Do") {
                // The image is the unit square under the current transformation.
                const double xs[] = {matrix[4], matrix[0] + matrix[4], matrix[2] + matrix[4],
                                     matrix[0] + matrix[2] + matrix[4]};
                const double ys[] = {matrix[5], matrix[1] + matrix[5], matrix[3] + matrix[5],
                                     matrix[1] + matrix[3] + matrix[5]};
                boxes.push_back({*std::min_element(std::begin(xs), std::end(xs)),
                                 *std::min_element(std::begin(ys), std::end(ys)),
                                 *std::max_element(std::begin(xs), std::end(xs)),
                                 *std::max_element(std::begin(ys), std::end(ys))});
            }
            if (token.front() != '/')
                operands.clear();
        }
    }
    return boxes;
}

int CountMatches(const std::string& text, const std::regex& pattern) {
    return static_cast<int>(std::distance(std::sregex_iterator(text.begin(), text.end(), pattern),
                                          std::sregex_iterator()));
}

// A 24-bit picture of its own size, as the setup CD would hold one.
std::string BitmapFile(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(info.biSizeImage, '\x7F');
    return bytes;
}

class TestPagePrintTest : public MainWindowTest {
protected:
    ~TestPagePrintTest() override { std::strcpy(g_szCDRoot, savedCdRoot.c_str()); }

    // Whether the queue is there to print on.
    static bool QueueMissing() {
        return !PrinterListed(QueueName()) ||
               ::GetFileAttributesA(PdfFolder().c_str()) == INVALID_FILE_ATTRIBUTES;
    }
    static std::string WhyNoQueue() {
        return "no print queue \"" + QueueName() + "\" writing PDF files to " + PdfFolder() +
               ": CUPS with cups-pdf is set up by scripts/vqtr (vqtr_ensure_print_queue)";
    }

    // Prints as the module's calls do: the picture and the job's name come from the resource
    // module.
    static void UseResourceModule() { ASSERT_TRUE(LoadResourceModule()); }

    std::string savedCdRoot = g_szCDRoot;
};

TEST_F(TestPagePrintTest, OnePageWithThePictureScaledAndCentred) {
    if (QueueMissing())
        GTEST_SKIP() << WhyNoQueue();
    UseResourceModule();
    CPrinterDC queue(QueueName().c_str());
    ASSERT_NE(queue.GetSafeHdc(), nullptr);
    const PageGeometry page{queue.GetDeviceCaps(PHYSICALWIDTH), queue.GetDeviceCaps(PHYSICALHEIGHT),
                            queue.GetDeviceCaps(PHYSICALOFFSETX),
                            queue.GetDeviceCaps(PHYSICALOFFSETY)};
    const double pointsX = 72.0 / queue.GetDeviceCaps(LOGPIXELSX);
    const double pointsY = 72.0 / queue.GetDeviceCaps(LOGPIXELSY);
    CBitmap picture;
    picture.LoadBitmap(IDB_TEST_PAGE);
    const SIZE size = picture.GetSize();
    const std::optional<TestPagePlacement> expected = PlaceTestPage(page, size.cx, size.cy);
    ASSERT_TRUE(expected);

    const std::set<std::string> before = PdfFiles();
    PrintTestPage(QueueName().c_str());
    EXPECT_TRUE(log.HasSequence({"print standard test page"}));
    const std::string pdf = WaitForNewPdf(before);
    ASSERT_FALSE(pdf.empty()) << "the job made no PDF file in " << PdfFolder();

    EXPECT_EQ(CountMatches(pdf, std::regex(R"(/Type\s*/Page(?![s\w]))")), 1);
    // The standard picture, whole.
    EXPECT_EQ(CountMatches(pdf, std::regex(R"(/Subtype\s*/Image)")), 1);
    EXPECT_NE(pdf.find("/Width " + std::to_string(size.cx)), std::string::npos);
    EXPECT_NE(pdf.find("/Height " + std::to_string(size.cy)), std::string::npos);

    std::smatch media;
    ASSERT_TRUE(std::regex_search(pdf, media,
                                  std::regex(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))")));
    const double pageHeight = std::stod(media[2]);
    const std::vector<Box> images = ImagePlacements(pdf);
    ASSERT_EQ(images.size(), 1u) << "page contents that can be read (uncompressed)";
    const Box& image = images[0];
    // Device pixels from the paper's top-left corner, in points from its bottom-left corner.
    const double left = (expected->x + page.offsetX) * pointsX;
    const double top = pageHeight - (expected->y + page.offsetY) * pointsY;
    EXPECT_NEAR(image.left, left, 1.0);
    EXPECT_NEAR(image.right, left + expected->width * pointsX, 1.0);
    EXPECT_NEAR(image.top, top, 1.0);
    EXPECT_NEAR(image.bottom, top - expected->height * pointsY, 1.0);
    // Centred on the printable area: as much room on either side.
    const double areaLeft = 2 * page.offsetX * pointsX + page.offsetX * pointsX;
    const double areaRight = areaLeft + (page.physicalWidth - 4 * page.offsetX) * pointsX;
    EXPECT_NEAR(image.left - areaLeft, areaRight - image.right, 1.0);
}

TEST_F(TestPagePrintTest, APrinterThatIsNotThereIsLoggedAndNothingElseHappens) {
    const std::string name = "No Such Printer " + printer;
    TestLog printLog;
    PrintTestPage(name.c_str());
    EXPECT_TRUE(
        SameLines(printLog.Lines(), {"PrintTestPage()", name, "ERROR!!!  Printer was not found"}));
    EXPECT_TRUE(Calls().empty());
}

TEST_F(TestPagePrintTest, TheSetupCdsPictureOnlyWhenTheModelAsksAndTheCdHasIt) {
    if (QueueMissing())
        GTEST_SKIP() << WhyNoQueue();
    UseResourceModule();
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    const std::string cd = std::string(temp) + "vqtr_cd_" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(cd.c_str(), nullptr);
    ::CreateDirectoryA((cd + "\\Drivers").c_str(), nullptr);
    const std::string picturePath = cd + "\\Drivers\\thankyoupage.bmp";
    struct CdCase {
        const char* name;
        const char* option;
        bool cdKnown;
        bool pictureOnCd;
        const char* printed;
    };
    const CdCase cases[] = {
        {"asked for, no CD", "1", false, false, "print standard test page"},
        {"asked for, CD without the picture", "1", true, false, "print standard test page"},
        {"asked for, picture on the CD", "1", true, true, "print alternate test page"},
        {"not asked for", "0", true, true, "print standard test page"},
    };
    for (const CdCase& test : cases) {
        SCOPED_TRACE(test.name);
        testing_support::ScopedOptionsFile options(
            {std::string("IDO_TESTPAGEFROMCD=") + test.option});
        std::strcpy(g_szCDRoot, test.cdKnown ? (cd + "\\").c_str() : "");
        std::optional<testing_support::TempFile> onCd;
        if (test.pictureOnCd)
            onCd.emplace(picturePath, BitmapFile(64, 32));
        TestLog caseLog;
        PrintTestPage(QueueName().c_str());
        const std::string path = test.cdKnown ? picturePath : "";
        EXPECT_TRUE(caseLog.HasSequence(
            {"test page", path, test.pictureOnCd && test.cdKnown ? "1" : "0", test.printed}));
    }
    ::RemoveDirectoryA((cd + "\\Drivers").c_str());
    ::RemoveDirectoryA(cd.c_str());
}
} // namespace

TEST_F(TestPagePrintTest, InkPageLinkHelpsThenPrints) {
    ASSERT_EQ(Open(103), 1);
    CQORPage* page = Main()->GetPageSheet()->GetQorPage(kInkPage);
    ASSERT_NE(page, nullptr);
    Calls().clear();
    TestLog linkLog;
    ::SendMessageA(*page, WM_COMMAND, MAKEWPARAM(IDC_INK_TEST_PAGE_LINK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(*page, IDC_INK_TEST_PAGE_LINK)));
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].kind, VQTR_UI_HELP);
    EXPECT_EQ(Calls()[0].number, 998u);
    // The test's printer does not exist: the print stops at its log line.
    EXPECT_TRUE(
        linkLog.HasSequence({"PrintTestPage()", printer, "ERROR!!!  Printer was not found"}));
    // The page is printed by the system, not through the host.
    EXPECT_EQ(host.Count(CBSendFile), 0);
}
