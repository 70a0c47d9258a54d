// The specified label layouts on real stock, in the PDF: every line prints whole where the
// layout puts it, and nothing of a label reaches its neighbours' cells or the bars.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/qt_printers.h"
#include "printing/label_drawing.h"
#include "support/label_state.h"
#include "support/qt/run_tool.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

struct Stock {
    const char* name;
    Int32 width;
    Int32 height;
    Int32 columns[3];
};

struct Style {
    bool bold;
    bool tray;
};

fs::path PrintSheet(const fs::path& folder, const Stock& stock, const Style& style) {
    ::setenv("VITTLON_PDF_DIR", folder.c_str(), 1);
    QtPrinters printers;
    printers.SetCurrent(kPdfPrinterName);
    Surface& page = printers.Printer();
    LabelStyle look = PrinterLabelStyle(stock.width, stock.height);
    look.sheet.columnX = {double(stock.columns[0]), double(stock.columns[1]),
                          double(stock.columns[2]), 0};
    look.bold = style.bold;
    look.tray = style.tray;
    LabelContent content = SmithsLabel();
    content.lines = {style.tray ? " [Lunch] " : "EAST W [10am] Wed 12-09-26",
                     "E101A Abernathy, Margaret",
                     "PUREED CCHO 1800",
                     "Orange juice 4 oz",
                     "Graham crackers 2 ea",
                     "Milk 2% 8 oz carton"};
    content.expiration = {{"Thu", "12-11-26"}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            content.barcode = "M" + std::to_string(1001 + row * 3 + column);
            page.SetFontName("CB1");
            page.SetFontSize(9);
            DrawLabel(page, {double(stock.columns[column]), 720.0 + row * stock.height}, content,
                      look);
        }
    }
    page.EndDoc();
    printers.RunEnded();
    ::unsetenv("VITTLON_PDF_DIR");
    return printers.LastOutput();
}

using Word = PdfWord;

std::vector<Word> Words(const fs::path& pdf) {
    return PdfWords(QString::fromStdString(pdf.string()));
}

// Dark pixels of the page without its text (frames, bars) across the middle of a word, where
// its letters are (a frame line may pass above the capitals of a line placed across it).
int DarkWithoutText(const QImage& page, double dpi, const Word& w) {
    const double px = dpi / 72;
    const double height = w.yMax - w.yMin;
    int dark = 0;
    for (int y = int((w.yMin + 0.35 * height) * px); y < int((w.yMin + 0.75 * height) * px); ++y) {
        for (int x = int(w.xMin * px) + 1; x < int(w.xMax * px) - 1; ++x) {
            if (qGray(page.pixel(x, y)) < 128) ++dark;
        }
    }
    return dark;
}

// Two rows of three labels with pictures, barcodes and expiration, on a narrow type whose
// columns stand 3,900 and 4,000 twips apart and on the common 3-across Letter stock; normal,
// bold and tray labels. Every line prints whole inside its label's cell, no bar crosses a
// text, and every barcode reads.
TEST(LabelLayoutPdf, EveryLinePrintsWholeInItsCellClearOfTheBars) {
    for (const char* tool : {"pdftotext", "pdftoppm", "zbarimg", "gs"}) {
        if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    const Stock stocks[] = {{"narrow", 3600, 1440, {270, 4170, 8170}},
                            {"letter", 3780, 1440, {225, 4230, 8235}}};
    TempDir dir;
    for (const Stock& stock : stocks) {
        for (const Style style : {Style{false, false}, Style{true, false}, Style{false, true}}) {
            const std::string name =
                std::string(stock.name) + (style.bold ? "-bold" : "") + (style.tray ? "-tray" : "");
            const fs::path pdf = PrintSheet(dir.path() / name, stock, style);
            const std::vector<Word> words = Words(pdf);
            QStringList seen;
            for (const Word& w : words) seen << w.text;
            for (const char* whole : {"Expires:", "12-11-26", "carton", "Margaret"}) {
                EXPECT_EQ(seen.count(whole), 6) << name << " " << whole;
            }
            EXPECT_EQ(seen.count(style.tray ? "[Lunch]" : "12-09-26"), 6) << name;

            const double dpi = 150;
            const QString image = QString::fromStdString((dir.path() / name).string());
            RunTool("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dFILTERTEXT",
                           "-sDEVICE=pnggray", "-r150", "-sOutputFile=" + image + "-bars.png",
                           QString::fromStdString(pdf.string())});
            const QImage bars(image + "-bars.png");
            ASSERT_FALSE(bars.isNull()) << name;
            for (const Word& w : words) {
                const double x = w.xMin * 20 + 5;  // pdftotext rounds
                int column = 0;
                while (column < 2 && x >= stock.columns[column + 1]) ++column;
                const double right = column < 2 ? stock.columns[column + 1] - 10 : 12240;
                EXPECT_LE(w.xMax * 20, right + 1) << name << " " << w.text.toStdString();
                // The text column beside the picture box: no bar or line inside a word.
                if (x >= stock.columns[column] + 1300) {
                    EXPECT_EQ(DarkWithoutText(bars, dpi, w), 0)
                        << name << " " << w.text.toStdString();
                }
            }
            RunTool("pdftoppm", {"-r", "300", "-png", "-singlefile",
                                 QString::fromStdString(pdf.string()), image});
            const QString decoded = RunTool("zbarimg", {"--raw", "-q", image + ".png"});
            QStringList values = decoded.split('\n', Qt::SkipEmptyParts);
            values.sort();
            EXPECT_EQ(values, QStringList({"M1001", "M1002", "M1003", "M1004", "M1005", "M1006"}))
                << name;
            for (const QString& value : values) EXPECT_EQ(seen.count(value), 1) << name;
        }
    }
}

}  // namespace
}  // namespace vt::test
