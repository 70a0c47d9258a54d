// The weekly snack menu printed through Qt to the PDF printer: one landscape page whose text
// holds the grid's line drawing characters and the demo site's items.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QRegularExpression>
#include <filesystem>

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

class SnackMenuPdf : public testing::Test {
  protected:
    void SetUp() override { ::setenv("VITTLON_PDF_DIR", (dir.path() / "pdf").c_str(), 1); }
    void TearDown() override { ::unsetenv("VITTLON_PDF_DIR"); }

    // The demo site's list for week 1, created and loaded as start-up does, then printed.
    fs::path PrintDemoMenu() {
        QtPrinters printers;
        printers.SetCurrent(static_cast<int>(printers.Installed().size()) - 1);  // the PDF one
        StationFixture f;
        Platform platform{f.tp.drives, f.tp.clock, f.tp.dialogs,
                          f.tp.events, printers,   f.tp.pictures};
        App app(platform);
        app.st = f.app->st;
        app.st.SnackWeek = 1;
        app.st.ScreenSize = 2;
        app.st.FacilityName = site::demo::kFacilityName;
        app.st.StationDates(1) = "12-06-26";
        site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", site::DemoSnackTemplate());
        loadfil(app);
        Command5_Click(app);
        EXPECT_TRUE(f.tp.dialogs.asked.empty());
        return printers.LastOutputPath();
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
          "Apple juice 4 oz", "001-001 007-007", "│", "┼", "─",
          "Items of equal value may be substituted"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    if (const char* keep = std::getenv("VITTLON_KEEP_MENU")) fs::copy_file(pdf, keep);
}

}  // namespace
}  // namespace vt::test
