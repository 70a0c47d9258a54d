// The alignment test sheet as a real PDF page: one outline per cell of the label type, where the
// cells are.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QRegularExpression>
#include <filesystem>
#include <vector>

#include "platform/qt/qt_printers.h"
#include "printing/test_sheet.h"
#include "support/label_state.h"
#include "support/qt/run_tool.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

TEST(TestSheetPdf, HasOneOutlinePerCellOfTheLabelType) {
    if (!HaveTool("pdftocairo")) GTEST_SKIP() << "pdftocairo (poppler-utils) is not installed";
    TempDir dir;
    ::setenv("VITTLON_PDF_DIR", (dir.path() / "pdf").c_str(), 1);
    StationFixture f;
    QtPrinters printers;
    ASSERT_TRUE(printers.SetCurrent(kPdfPrinterName));
    Platform platform{f.tp.drives, f.tp.clock, f.tp.dialogs, f.tp.events, printers, f.tp.pictures};
    App app(platform);
    UseThreeAcrossSheet(app.st);
    ASSERT_TRUE(PrintTestSheet(app, {}));
    ::unsetenv("VITTLON_PDF_DIR");

    const QString svg =
        RunTool("pdftocairo", {"-svg", QString::fromStdString(printers.LastOutput()), "-"});
    // Outlines are the closed stroked paths; the page is drawn in twips (scaled by 0.05 to
    // points), so each starts at its cell's top left corner in twips.
    static const QRegularExpression outline(
        R"re(<path style="fill:none;[^"]*" d="M ([\d.]+) ([\d.]+) L [^"]* Z [^"]*")re");
    std::vector<std::pair<double, double>> corners;
    for (const auto& path : outline.globalMatch(svg)) {
        corners.push_back({path.captured(1).toDouble(), path.captured(2).toDouble()});
    }
    ASSERT_EQ(corners.size(), 30u) << svg.left(3000).toStdString();
    for (int cell = 0; cell < 30; ++cell) {
        const auto [x, y] = corners[static_cast<std::size_t>(cell)];
        const double columns[] = {270, 4230, 8190};
        EXPECT_NEAR(x, columns[cell % 3], 0.5) << "cell " << cell + 1;
        EXPECT_NEAR(y, 720 + (cell / 3) * 1440, 0.5) << "cell " << cell + 1;
    }
    // The left ruler's centimetres, two digits from 10 on, end clear of the first column.
    int numbers = 0;
    for (const PdfWord& word : PdfWords(QString::fromStdString(printers.LastOutput()))) {
        bool number = false;
        const int cm = word.text.toInt(&number);
        if (!number || cm < 10 || word.xMin > 20) continue;
        ++numbers;
        EXPECT_LT(word.xMax, 270 / 20.0) << cm;
    }
    EXPECT_EQ(numbers, 18) << "10 to 27 cm down the sheet";

    // The alignment's lines, the scales last, stay inside the first cell.
    QStringList firstCell;
    for (const PdfWord& word : PdfWords(QString::fromStdString(printers.LastOutput()))) {
        if (word.yMin < 720 / 20.0 || word.yMin > (720 + 1440) / 20.0 || word.xMin < 400 / 20.0 ||
            word.xMin > 4230 / 20.0) {
            continue;
        }
        firstCell << word.text;
        EXPECT_LT(word.xMax, (4230 - 10) / 20.0) << word.text.toStdString();
    }
    EXPECT_TRUE(firstCell.join(' ').endsWith("across 100.0 %, down 100.0 %"))
        << firstCell.join(' ').toStdString();
    if (const char* keep = std::getenv("VITTLON_KEEP_TEST_SHEET")) {
        fs::copy_file(printers.LastOutput(), keep, fs::copy_options::overwrite_existing);
    }
}

}  // namespace
}  // namespace vt::test
