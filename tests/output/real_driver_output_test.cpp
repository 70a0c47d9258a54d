// Labels, the menu and the test sheet through a real printer driver: a private print server
// whose queue has CUPS's sample PostScript driver behind the cups-filters chain and A4 as its
// default paper. Every job must ask for Letter and come out on a Letter page, unscaled, with
// its ink where the built-in PDF printer puts it.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <filesystem>
#include <functional>

#include "platform/qt/qt_printers.h"
#include "printing/label_drawing.h"
#include "printing/test_sheet.h"
#include "site/demo_site.h"
#include "site/snack_template.h"
#include "snacks/snack_document.h"
#include "snacks/snack_menu_print.h"
#include "support/label_state.h"
#include "support/private_cups.h"
#include "support/qt/run_tool.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

// What ghostscript finds inked on the first page, in points from the bottom left corner.
QRectF Ink(const fs::path& file) {
    QProcess gs;
    gs.start("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dLastPage=1", "-sDEVICE=bbox",
                    QString::fromStdString(file.string())});
    gs.waitForFinished(-1);
    const QString out = QString::fromUtf8(gs.readAllStandardError());
    const auto box =
        QRegularExpression(R"(%%HiResBoundingBox: ([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+))").match(out);
    if (!box.hasMatch()) return {};
    return QRectF(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                  QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
}

using Draw = std::function<void(App&)>;

class RealDriver : public testing::Test {
  protected:
    void SetUp() override {
        if (!HaveTool("gs")) GTEST_SKIP() << "ghostscript is not installed";
        if (!cups.started()) GTEST_SKIP() << "no private print server: " << cups.why();
        ::setenv("CUPS_SERVER", cups.Socket().c_str(), 1);
        cupsSetServer(nullptr);  // libcups takes the server from the environment again
        ::setenv("VITTLON_PDF_DIR", (dir.path() / "pdf").c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
        ::unsetenv("VITTLON_PDF_DIR");
    }

    // Draws through the printer (the drawing ends its run): the PDF file, or the file the
    // queue wrote.
    fs::path PrintOn(const std::string& printer, const Draw& draw) {
        QtPrinters printers;
        EXPECT_TRUE(printers.SetCurrent(printer));
        StationFixture f;
        Platform platform{f.tp.drives, f.tp.clock, f.tp.dialogs,
                          f.tp.events, printers,   f.tp.pictures};
        App app(platform);
        app.st = f.app->st;
        draw(app);
        EXPECT_TRUE(f.tp.dialogs.asked.empty());
        if (printer == kPdfPrinterName) return printers.LastOutput();
        EXPECT_NE(printers.LastOutput().find("printer queue Office, job "), std::string::npos);
        EXPECT_TRUE(cups.WaitForCompleted(++jobs_));
        return cups.OutputFile();
    }

    // The job's media in the page log, and the PostScript page size.
    void ExpectLetter(const fs::path& ps) {
        const QString log = QString::fromStdString(cups.PageLog()).trimmed();
        EXPECT_TRUE(log.section('\n', -1).contains(" Letter ")) << log.toStdString();
        const QString text = QString::fromStdString(ReadHostFile(ps));
        EXPECT_TRUE(text.contains("%%PageBoundingBox: 0 0 612 792"))
            << text.left(800).toStdString();
    }

    PrivateCups cups{"Office", PrivateCups::Driver::GenericPostScript};
    TempDir dir;
    int jobs_ = 0;
};

void TwoLabels(App& app) {
    Surface& page = app.os.printers.AlignedPrinter();
    LabelContent content = SmithsLabel();
    content.barcode = "M1234";
    LabelStyle style = PrinterLabelStyle(3600, 1430);
    style.pictureBox = false;
    page.SetFontSize(9);
    DrawLabel(page, {270, 720}, content, style);
    DrawLabel(page, {8190, 13680}, content, style);
    page.EndDoc();
    app.os.printers.RunEnded();
}

void TestSheet(App& app) {
    UseThreeAcrossSheet(app.st);
    ASSERT_TRUE(PrintTestSheet(app, {}));
}

void Menu(App& app) {
    SnackWeekOne(app.st, site::demo::kFacilityName, "12-06-26");
    StationFixture layout;
    site::WriteSnackTemplate(app.os.drives.root(), layout.layout, 1, "1",
                             site::DemoSnackTemplate());
    loadfil(app);
    Command5_Click(app);
}

TEST_F(RealDriver, LabelsAndTheTestSheetComeOutOnLetterWhereThePdfPutsThem) {
    for (const auto& [name, draw] : {std::pair<const char*, Draw>{"labels", TwoLabels},
                                     std::pair<const char*, Draw>{"test sheet", TestSheet}}) {
        SCOPED_TRACE(name);
        const QRectF inPdf = Ink(PrintOn(kPdfPrinterName, draw));
        const fs::path ps = PrintOn("Office", draw);
        ExpectLetter(ps);
        const QRectF printed = Ink(ps);
        ASSERT_FALSE(inPdf.isEmpty());
        EXPECT_NEAR(printed.left(), inPdf.left(), 1.0);
        EXPECT_NEAR(printed.top(), inPdf.top(), 1.0);
        EXPECT_NEAR(printed.right(), inPdf.right(), 1.0);
        EXPECT_NEAR(printed.bottom(), inPdf.bottom(), 1.0);
    }
}

TEST_F(RealDriver, TheMenuIsLetterLandscapeInsideThePrintableArea) {
    const QRectF inPdf = Ink(PrintOn(kPdfPrinterName, Menu));
    const fs::path ps = PrintOn("Office", Menu);
    ExpectLetter(ps);
    // The landscape page turned onto the portrait sheet, whole and unscaled: the PDF's ink
    // width is the printed ink's height. The driver's printable area is 12 points in from
    // each edge.
    const QRectF printed = Ink(ps);
    ASSERT_FALSE(inPdf.isEmpty());
    EXPECT_NEAR(printed.height(), inPdf.width(), 1.0);
    EXPECT_NEAR(printed.width(), inPdf.height(), 1.0);
    EXPECT_TRUE(QRectF(12, 12, 612 - 24, 792 - 24).contains(printed))
        << printed.left() << " " << printed.top() << " " << printed.right() << " "
        << printed.bottom();
}

}  // namespace
}  // namespace vt::test
