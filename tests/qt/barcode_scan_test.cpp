// Barcodes printed to PDF, rasterised and read back by a real barcode reader: the bars must
// decode to exactly the value, at the label drawing's printer placement and when narrowed.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/barcode.h"
#include "platform/qt/qt_printers.h"
#include "support/qt/run_tool.h"
#include "support/test_support.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

using test::HaveTool;
using test::RunTool;

class BarcodeScan : public testing::Test {
  protected:
    void SetUp() override {
        if (!HaveTool("pdftoppm") || !HaveTool("zbarimg")) {
            GTEST_SKIP() << "pdftoppm (poppler-utils) or zbarimg (zbar-tools) is not installed";
        }
        ::setenv("VITTLON_PDF_DIR", (temp.path() / "out").string().c_str(), 1);
        const auto names = printers.Installed();
        ASSERT_EQ(names.back(), kPdfPrinterName);
        ASSERT_TRUE(printers.SetCurrent(kPdfPrinterName));
    }
    void TearDown() override { ::unsetenv("VITTLON_PDF_DIR"); }

    // Prints the one barcode on a page of its own and returns what the reader finds on it,
    // one value a line.
    std::string PrintAndRead(Barcod& code) {
        code.Draw(printers.Printer());
        printers.Printer().EndDoc();
        printers.RunEnded();
        const QString pdf = QString::fromStdString(printers.LastOutput());
        const QString png = QString::fromStdString((temp.path() / "page").string());
        RunTool("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, png});
        return RunTool("zbarimg", {"--raw", "-q", png + ".png"}).trimmed().toStdString();
    }

    test::TempDir temp;
    QtPrinters printers;
};

TEST_F(BarcodeScan, BothSymbologiesDecodeToExactlyTheValue) {
    // A label in the second column, second row (left 4,200, top 3,240 twips), placed as the
    // label drawing places it on a 300 dpi printer: twips / 4.8 plus the default shifts.
    const double left = 4200, top = 3240;
    for (int symbology : {Barcod::kCode39, Barcod::kCode128}) {
        for (const char* value : {"M1234", "H99871"}) {
            // 460 dots is the default width; at 300 the narrowest element of "H99871" in
            // Code 39 (103 modules) is under three dots.
            for (double width : {460.0, 300.0}) {
                Barcod code;
                code.Symbology = symbology;
                code.Text = value;
                code.X = left / 4.8 + 290;
                code.Y = top / 4.8 + 170;
                code.Width = width;
                code.Height = 80;
                EXPECT_EQ(PrintAndRead(code), value) << symbology << " width " << width;
                EXPECT_EQ(code.HumanReadable(), value);
            }
        }
    }
}

}  // namespace
}  // namespace vt
