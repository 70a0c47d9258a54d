// The program started with a command line: a print run to a named PDF file from the drives
// folder the line names, and bad usage refused before anything starts.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <chrono>
#include <filesystem>

#include "batch_site.h"
#include "program_process.h"
#include "site/demo_site.h"
#include "site/site_files.h"
#include "support/qt/run_tool.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct CommandLineSite {
    TempDir dir;
    fs::path drives = dir.path() / "site";
    fs::path otherDrives = dir.path() / "elsewhere";  // $VITTLON_DRIVES, which --drives overrides
    fs::path pdf = dir.path() / "pdf";
    fs::path output = dir.path() / "out" / "east wing.pdf";

    CommandLineSite() {
        WriteBatchSite(drives, 3, kPdfPrinterName, Today());
        fs::remove(site::HostPath(drives, site::SiteLayout().SetupPath("autop")));
        fs::create_directories(otherDrives);
    }
};

TEST(CommandLineProgram, PrintWritesTheNamedPdfFromTheDrivesFolderItNames) {
    CommandLineSite s;
    Program program(s.otherDrives, s.pdf, {}, false,
                    {"--drives", s.drives.string(), "--print", "--output", s.output.string()});
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.WaitFor(60s), 0) << program.ErrorOutput();
    EXPECT_TRUE(fs::is_regular_file(s.output));
    EXPECT_FALSE(fs::exists(s.pdf) && !fs::is_empty(s.pdf)) << "only the named file is written";
    EXPECT_NE(program.Output().find("Output: " + s.output.string()), std::string::npos)
        << program.Output();
}

TEST(CommandLineProgram, BadUsageEndsWithStatusTwoBeforeAnythingStarts) {
    CommandLineSite s;
    Program program(s.drives, s.pdf, {}, false,
                    {"--print", "--date", "13-01-2027", "--output", s.output.string()});
    ASSERT_TRUE(program.started());
    EXPECT_EQ(program.WaitFor(60s), 2);
    EXPECT_NE(program.ErrorOutput().find("--date"), std::string::npos) << program.ErrorOutput();
    EXPECT_FALSE(fs::exists(s.output));
}

TEST(CommandLineProgram, StartAtPutsTheFirstLabelInThatCellOfAPartUsedSheet) {
    TempDir dir;
    const fs::path drives = dir.path() / "drives";
    const fs::path output = dir.path() / "part-used.pdf";
    site::BuildDemoSite(drives, Today(), false);
    Program program(drives, dir.path() / "pdf", {}, false,
                    {"--print", "--start-at", "7", "--output", output.string()});
    ASSERT_TRUE(program.started());
    ASSERT_EQ(program.WaitFor(120s), 0) << program.ErrorOutput();

    // Three across, from 720 twips down, 1,440 apart: cell 7 is row 3, column 1, its top at
    // 3,600 twips (180 points). The first resident's name line stands 150 twips lower, beside
    // the picture (1,300 twips in from the column at 270): 78.5 and 187.5 points.
    const QString html = RunTool(
        "pdftotext", {"-bbox", "-f", "1", "-l", "1", QString::fromStdString(output.string()), "-"});
    const QRegularExpression wordAt(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    double highest = 1e9;
    bool named = false;
    for (const auto& word : wordAt.globalMatch(html)) {
        highest = std::min(highest, word.captured(2).toDouble());
        if (word.captured(3) == "E101A" && !named) {
            named = true;
            EXPECT_NEAR(word.captured(1).toDouble(), 78.5, 1.5);
            EXPECT_NEAR(word.captured(2).toDouble(), 187.5, 3.0);
        }
    }
    EXPECT_TRUE(named) << html.left(2000).toStdString();
    EXPECT_NEAR(highest, 178.5, 3.0) << "cells 1 to 6 stay empty";
}

// The words of a PDF's pages as pdftotext places them, from page `first` to `last`.
QStringList PageWords(const fs::path& pdf, int first, int last) {
    const QString html =
        RunTool("pdftotext", {"-bbox", "-f", QString::number(first), "-l", QString::number(last),
                              QString::fromStdString(pdf.string()), "-"});
    QStringList words;
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("<word")) || line.contains(QStringLiteral("<page"))) {
            words << line.trimmed();
        }
    }
    return words;
}

TEST(CommandLineProgram, SheetsPrintsThoseSheetsOfTheRunAsTheWholeRunDoes) {
    TempDir dir;
    const fs::path drives = dir.path() / "drives";
    site::BuildDemoSite(drives, Today(), false);
    const auto run = [&](const std::string& file, const std::vector<std::string>& more) {
        std::vector<std::string> arguments{"--print", "--output", (dir.path() / file).string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        auto program = std::make_unique<Program>(drives, dir.path() / "pdf",
                                                 std::vector<std::string>{}, false, arguments);
        EXPECT_TRUE(program->started());
        return program;
    };
    auto whole = run("whole.pdf", {});
    ASSERT_EQ(whole->WaitFor(120s), 0) << whole->ErrorOutput();
    const QStringList all = PageWords(dir.path() / "whole.pdf", 1, 9999);
    const long sheets = all.filter(QStringLiteral("<page")).size();
    ASSERT_GE(sheets, 4);

    auto again = run("again.pdf", {"--sheets", "2-3"});
    ASSERT_EQ(again->WaitFor(120s), 0) << again->ErrorOutput();
    const QStringList reprinted = PageWords(dir.path() / "again.pdf", 1, 9999);
    EXPECT_EQ(reprinted.filter(QStringLiteral("<page")).size(), 2);
    EXPECT_EQ(reprinted, PageWords(dir.path() / "whole.pdf", 2, 3));
    EXPECT_NE(again->Output().find("again on sheets 2-3 of " + std::to_string(sheets)),
              std::string::npos)
        << again->Output();

    auto past = run("past.pdf", {"--sheets", "3, " + std::to_string(sheets + 1)});
    EXPECT_EQ(past->WaitFor(120s), 1);
    EXPECT_NE(past->ErrorOutput().find("the run has " + std::to_string(sheets) + " sheets"),
              std::string::npos)
        << past->ErrorOutput();
    EXPECT_FALSE(fs::exists(dir.path() / "past.pdf")) << "nothing of it is kept";
}

}  // namespace
}  // namespace vt::test
