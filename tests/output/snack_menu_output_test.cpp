// The weekly snack menu printed through Qt to the PDF printer: one landscape page with the demo
// site's items as text and the grid's line drawing characters as rules that join up and stay on
// the page.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QRegularExpression>
#include <filesystem>
#include <vector>

#include "platform/qt/qt_printers.h"
#include "site/demo_site.h"
#include "site/snack_template.h"
#include "snacks/snack_document.h"
#include "snacks/snack_menu_print.h"
#include "support/qt/run_tool.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

constexpr int kDotsPerInch = 150;
constexpr double kTwipsPerDot = 1440.0 / kDotsPerInch;
constexpr double kLinePitch = 145;  // twips
constexpr double kPrintableTop = 360;

bool Dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

// The x of the rightmost dark pixel of the page; -1 on a blank page.
int RightmostInk(const QImage& page) {
    for (int x = page.width() - 1; x >= 0; --x) {
        for (int y = 0; y < page.height(); ++y) {
            if (Dark(page, x, y)) return x;
        }
    }
    return -1;
}

// The y of the topmost dark pixel of the page; -1 on a blank page.
int TopmostInk(const QImage& page) {
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (Dark(page, x, y)) return y;
        }
    }
    return -1;
}

// The vertical lines that are dark all the way from `top` to `bottom` (in twips), each known
// by its rightmost column.
std::vector<int> UnbrokenVerticals(const QImage& page, double top, double bottom) {
    std::vector<int> found;
    for (int x = 0; x < page.width(); ++x) {
        bool whole = true;
        for (int y = int(top / kTwipsPerDot); whole && y <= int(bottom / kTwipsPerDot); ++y) {
            whole = Dark(page, x, y);
        }
        if (!whole) continue;
        if (!found.empty() && found.back() == x - 1) {
            found.back() = x;  // the same line, a column further
        } else {
            found.push_back(x);
        }
    }
    return found;
}

class SnackMenuPdf : public testing::Test {
  protected:
    void SetUp() override { ::setenv("VITTLON_PDF_DIR", (dir.path() / "pdf").c_str(), 1); }
    void TearDown() override { ::unsetenv("VITTLON_PDF_DIR"); }

    // The demo site's list for week 1, created and loaded as start-up does, then printed; with
    // `inkjet`, shortened for an inkjet printer and in the "This Font" check box's font, as set
    // up for a printer that lacks the line drawing font.
    fs::path PrintDemoMenu(bool inkjet = false) {
        QtPrinters printers;
        printers.SetCurrent(kPdfPrinterName);
        StationFixture f;
        Platform platform{f.tp.drives, f.tp.clock, f.tp.dialogs,
                          f.tp.events, printers,   f.tp.pictures};
        App app(platform);
        app.st = f.app->st;
        SnackWeekOne(app.st, site::demo::kFacilityName, "12-06-26");
        app.st.InkjetMode = inkjet ? 1 : 0;
        app.form1.Check8.Value = inkjet ? 1 : 0;
        site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", site::DemoSnackTemplate());
        loadfil(app);
        Command5_Click(app);
        EXPECT_TRUE(f.tp.dialogs.asked.empty());
        return printers.LastOutput();
    }

    // The page as pdftoppm draws it, in grey.
    QImage Render(const fs::path& pdf) {
        const fs::path png = dir.path() / "page";
        RunTool("pdftoppm",
                {"-r", QString::number(kDotsPerInch), "-gray", "-png", "-singlefile",
                 QString::fromStdString(pdf.string()), QString::fromStdString(png.string())});
        return QImage(QString::fromStdString(png.string() + ".png"));
    }

    TempDir dir;
};

TEST_F(SnackMenuPdf, OneLandscapePageWithTheGrid) {
    if (!HaveTool("pdfinfo") || !HaveTool("pdftotext")) {
        GTEST_SKIP() << "pdfinfo or pdftotext (poppler-utils) is not installed";
    }
    const fs::path pdf = PrintDemoMenu();
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(pdf.filename().string().substr(0, 5), "menu-");
    const QString path = QString::fromStdString(pdf.string());
    const QString info = RunTool("pdfinfo", {path});
    EXPECT_EQ(QRegularExpression(R"(Pages:\s+(\d+))").match(info).captured(1), "1")
        << info.toStdString();
    // Letter in landscape: 11 x 8.5 inches.
    EXPECT_EQ(QRegularExpression(R"(Page size:\s+(\d+ x \d+))").match(info).captured(1),
              "792 x 612");

    const QString text = RunTool("pdftotext", {"-layout", path, "-"});
    for (const char* expected :
         {"MAPLE GROVE CARE CENTER Weekly Snack Menu as of 12-06-26", "SATURDAY", "Graham crackers",
          "Apple juice 4 oz", "001-001 007-007", "Items of equal value may be substituted"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    if (const char* keep = std::getenv("VITTLON_KEEP_MENU")) fs::copy_file(pdf, keep);
}

TEST_F(SnackMenuPdf, TheGridStaysOnThePageAndItsBordersDoNotBreak) {
    if (!HaveTool("pdftoppm")) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const QImage page = Render(PrintDemoMenu());
    ASSERT_EQ(page.width(), 11 * kDotsPerInch);
    // The grid's right border is the rightmost ink, clear of a printer's quarter-inch margin.
    const int right = RightmostInk(page);
    EXPECT_LT(right, page.width() - kDotsPerInch / 4);
    // The title line stands whole below the top edge, inside a quarter inch as on a printer.
    EXPECT_GE(TopmostInk(page), kDotsPerInch / 4);
    // The demo list's grid has its heading on line 2 and its last rule on line 52: each of its
    // eight borders is one unbroken line from the heading down to that rule. The lines start
    // at the printable origin, a quarter inch in on the built-in PDF.
    const std::vector<int> borders =
        UnbrokenVerticals(page, kPrintableTop + 1.5 * kLinePitch, kPrintableTop + 51 * kLinePitch);
    ASSERT_EQ(borders.size(), 8u);
    EXPECT_NEAR(borders.back(), right, 1);
}

TEST_F(SnackMenuPdf, AnInkjetMenuInTheCheckBoxsFontPrintsOnThePage) {
    if (!HaveTool("pdftotext") || !HaveTool("pdftoppm")) {
        GTEST_SKIP() << "pdftotext or pdftoppm (poppler-utils) is not installed";
    }
    const fs::path pdf = PrintDemoMenu(true);
    ASSERT_FALSE(pdf.empty());
    const QString text =
        RunTool("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    for (const char* expected : {"SATURDAY", "Graham crackers", "Pretzels"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    const QImage page = Render(pdf);
    EXPECT_LT(RightmostInk(page), page.width() - kDotsPerInch / 4);
}

}  // namespace
}  // namespace vt::test
