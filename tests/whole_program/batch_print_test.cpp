// The program as a scheduled job: with the automatic-print marker it prints to the default
// printer and ends by itself.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <chrono>
#include <thread>

#include "batch_site.h"
#include "program_process.h"
#include "support/private_cups.h"
#include "support/qt/run_tool.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(BatchPrint, ToPdfOneFileWithAPagePerSheetAndTheLabelsInPlace) {
    TempDir dir;
    WriteBatchSite(dir.path() / "drives", 31, "Vittlon PDF", Today());
    Program program(dir.path() / "drives", dir.path() / "pdf");
    ASSERT_TRUE(program.started());
    ASSERT_EQ(program.WaitFor(120s), 0) << "the automatic run ends the program";

    std::vector<fs::path> pdfs;
    for (const auto& entry : fs::directory_iterator(dir.path() / "pdf"))
        pdfs.push_back(entry.path());
    ASSERT_EQ(pdfs.size(), 1u);
    const QString file = QString::fromStdString(pdfs[0].string());
    const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(RunTool("pdfinfo", {file}));
    ASSERT_TRUE(pages.hasMatch());
    EXPECT_EQ(pages.captured(1).toInt(), 2) << "30 labels to a sheet, the 31st on the next";

    // The first label's name line: 100 twips into the label at x = 270 and 150 below its top
    // at 720: 18.5 and 43.5 points (20 twips a point) to the top of the text cell.
    const QString html = RunTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", file, "-"});
    const auto word =
        QRegularExpression(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>E101</word>)re")
            .match(html);
    ASSERT_TRUE(word.hasMatch()) << html.left(2000).toStdString();
    EXPECT_NEAR(word.captured(1).toDouble(), 18.5, 1.5);
    EXPECT_NEAR(word.captured(2).toDouble(), 43.5, 3.0);
    const QString second = RunTool("pdftotext", {"-f", "2", "-l", "2", file, "-"});
    EXPECT_TRUE(second.contains("Resident31, Pat")) << second.toStdString();
}

TEST(BatchPrint, ToACupsPrinterOneJobPerSheet) {
    PrivateCups cups("Kitchen");
    if (!cups.started()) GTEST_SKIP() << "no private print server: " << cups.why();
    TempDir dir;
    WriteBatchSite(dir.path() / "drives", 31, "Kitchen", Today());
    Program program(dir.path() / "drives", dir.path() / "pdf", {cups.ServerSetting()});
    ASSERT_TRUE(program.started());
    ASSERT_EQ(program.WaitFor(120s), 0);
    // The report names the queue and the jobs the two sheets went out as.
    EXPECT_NE(program.Output().find("Output: printer queue Kitchen, jobs "), std::string::npos)
        << program.Output();
    int jobs = 0;
    for (int i = 0; i < 200 && jobs < 2; ++i) {
        jobs = cups.CompletedJobs();
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(jobs, 2);
    EXPECT_FALSE(fs::exists(dir.path() / "pdf") && !fs::is_empty(dir.path() / "pdf"));
}

}  // namespace
}  // namespace vt::test
