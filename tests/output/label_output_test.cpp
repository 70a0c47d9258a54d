// Labels drawn through Qt: a PDF page whose text and barcodes real readers find, and the preview
// image.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QRegularExpression>
#include <filesystem>

#include "platform/qt/image_page.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/qt_printers.h"
#include "printing/label_drawing.h"
#include "support/label_state.h"
#include "support/qt/run_tool.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

// The shared label with every line and the barcode filled, for readers to find, in Code 39 or
// Code 128.
LabelContent AbernathysLabel(const std::string& barcode) {
    LabelContent content = SmithsLabel();
    content.lines = {"EAST W [10am] Wed 12-09-26", "E101A Abernathy, Margaret", "PUREED CCHO 1800",
                     "Orange juice 4 oz",          "Graham crackers",           "Milk 2% 8 oz"};
    content.barcode = barcode;
    return content;
}
LabelStyle WithoutPictures(int symbology) {
    LabelStyle style = PrinterLabelStyle(3780, 1440);
    style.pictureBox = false;
    style.bars.symbology = symbology;
    return style;
}
void Draw(Surface& surface, double left, const LabelContent& content, const LabelStyle& style,
          double top = 2000) {
    surface.SetFontName("CB1");
    surface.SetFontSize(9);
    DrawLabel(surface, {left, top}, content, style);
}

class LabelPdf : public testing::Test {
  protected:
    void SetUp() override { ::setenv("VITTLON_PDF_DIR", (dir.path() / "pdf").c_str(), 1); }
    void TearDown() override { ::unsetenv("VITTLON_PDF_DIR"); }

    // Two labels side by side: Code 39 on the left, Code 128 on the right.
    fs::path PrintTwoLabels() {
        QtPrinters printers;
        printers.SetCurrent(kPdfPrinterName);
        Surface& page = printers.Printer();
        Draw(page, 270, AbernathysLabel("M1234"), WithoutPictures(Barcod::kCode39));
        Draw(page, 6000, AbernathysLabel("H99871"), WithoutPictures(Barcod::kCode128));
        page.EndDoc();
        printers.RunEnded();
        return printers.LastOutput();
    }

    TempDir dir;
};

TEST_F(LabelPdf, TheSixLinesAreText) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const fs::path pdf = PrintTwoLabels();
    const QString text =
        RunTool("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    for (const char* line :
         {"EAST W [10am] Wed 12-09-26", "E101A Abernathy, Margaret", "PUREED CCHO 1800",
          "Orange juice 4 oz", "Graham crackers", "Milk 2% 8 oz", "M1234", "H99871"}) {
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    }
}

TEST_F(LabelPdf, BothBarcodesDecodeToPeriodLetterAndResidentKey) {
    if (!HaveTool("pdftoppm") || !HaveTool("zbarimg")) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) or zbarimg (zbar-tools) is not installed";
    }
    const fs::path pdf = PrintTwoLabels();
    const fs::path png = dir.path() / "page";
    RunTool("pdftoppm", {"-r", "300", "-png", "-singlefile", QString::fromStdString(pdf.string()),
                         QString::fromStdString(png.string())});
    const QString decoded =
        RunTool("zbarimg", {"--raw", "-q", QString::fromStdString(png.string() + ".png")});
    QStringList values = decoded.split('\n', Qt::SkipEmptyParts);
    values.sort();
    EXPECT_EQ(values, QStringList({"H99871", "M1234"})) << decoded.toStdString();
}

// A line far too long for its label is cut at its cell's edge, where the next label's frame
// begins: no word of it reaches the neighbouring label, in the PDF's text neither.
TEST_F(LabelPdf, ALineTooLongForItsLabelIsCutAtItsEdge) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QtPrinters printers;
    printers.SetCurrent(kPdfPrinterName);
    Surface& page = printers.Printer();
    LabelStyle style = WithoutPictures(Barcod::kCode128);
    style.sheet.columnX = {270, 270 + 3780 + 180, 0, 0};  // the next label, 1/8 inch to the right
    LabelContent first = AbernathysLabel("M1234");
    first.lines[3] =
        "Apple Banana Cherry Damson Elderberry Fig Grape Huckleberry Imbe Jackfruit Kiwi";
    Draw(page, 270, first, style);
    Draw(page, 270 + 3780 + 180, AbernathysLabel("M5678"), style);
    page.EndDoc();
    printers.RunEnded();

    const QString html =
        RunTool("pdftotext", {"-bbox", QString::fromStdString(printers.LastOutput()), "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    const double edge = (270 + 3780 + 180 - 10) / 20.0;  // points
    QStringList kept;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!QStringLiteral("Apple Banana Cherry Damson Elderberry Fig Grape Huckleberry Imbe "
                            "Jackfruit Kiwi")
                 .split(' ')
                 .contains(m.captured(3))) {
            continue;
        }
        kept << m.captured(3);
        EXPECT_LE(m.captured(2).toDouble(), edge + 0.5) << m.captured(3).toStdString();
    }
    EXPECT_TRUE(kept.contains("Apple")) << html.toStdString();
    EXPECT_FALSE(kept.contains("Kiwi"));
}

// A printer that draws its pages 0.5 % short is set to 100.5 % down: the last row's text moves
// down by 0.5 % of its distance from the page's top, in the PDF.
TEST_F(LabelPdf, TheDownScaleMovesEachRowByItsShareOfTheDistanceFromTheTop) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const double lastRow = 720 + 9 * 1440;
    double dietTop[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        QtPrinters printers;
        printers.SetCurrent(kPdfPrinterName);
        Surface& page = printers.AlignedPrinter({0, 0, 100, i == 0 ? 100 : 100.5});
        Draw(page, 270, AbernathysLabel("M1234"), WithoutPictures(Barcod::kCode128), lastRow);
        page.EndDoc();
        printers.RunEnded();
        for (const PdfWord& w : PdfWords(QString::fromStdString(printers.LastOutput()))) {
            if (w.text == "PUREED") dietTop[i] = w.yMin;
        }
    }
    ASSERT_GT(dietTop[0], 0);
    // The diet line is placed 310 twips below the label's top; points are 20 twips.
    EXPECT_NEAR(dietTop[1] - dietTop[0], 0.005 * (lastRow + 310) / 20, 0.05);
}

TEST(LabelPreview, TheLabelIsDrawnInThePreviewImage) {
    ImagePage image(QSize(801, 129));
    PainterSurface preview(image);
    LabelStyle style = WithoutPictures(Barcod::kCode128);
    style.preview = true;
    Draw(preview, 270, AbernathysLabel("M1234"), style, 150);
    const QImage picture = image.Image();
    // Dark pixels where the frame's left edge and the first line stand, white far right.
    auto dark = [&](int x, int y) { return qGray(picture.pixel(x, y)) < 128; };
    EXPECT_TRUE(dark((270 - 10) / 15, 60));
    int inked = 0;
    for (int x = (270 + 100) / 15; x < (270 + 1800) / 15; ++x)
        inked += dark(x, (150 + 60) / 15) ? 1 : 0;
    EXPECT_GT(inked, 10) << "the first text line";
    EXPECT_FALSE(dark(790, 120));
    // Saved as PNG, the picture comes back the same.
    TempDir dir;
    const QString png = QString::fromStdString((dir.path() / "preview.png").string());
    ASSERT_TRUE(picture.save(png));
    EXPECT_EQ(QImage(png).convertToFormat(picture.format()), picture);
    if (const char* keep = std::getenv("VITTLON_KEEP_PREVIEW")) picture.save(keep);
}

}  // namespace
}  // namespace vt::test
