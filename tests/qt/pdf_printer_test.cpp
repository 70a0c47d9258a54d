#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/file_error.h"
#include "platform/qt/qt_printers.h"
#include "support/qt/run_tool.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace vt {
namespace {

namespace fs = std::filesystem;

using test::RunTool;

int PageCount(const fs::path& pdf) {
    const QString info = RunTool("pdfinfo", {QString::fromStdString(pdf.string())});
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PageSize(const fs::path& pdf) {
    const QString info = RunTool("pdfinfo", {QString::fromStdString(pdf.string())});
    return QRegularExpression(R"(Page size:\s+(\d+ x \d+))").match(info).captured(1);
}

struct Word {
    QString text;
    double xMin, yMin;  // points from the page's top left
};

std::vector<Word> Words(const fs::path& pdf) {
    const QString html = RunTool("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

// The finished files (a run's file is written under a hidden name until it ends).
std::vector<fs::path> Pdfs(const fs::path& folder) {
    std::vector<fs::path> found;
    if (!fs::exists(folder)) return found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string()[0] != '.') found.push_back(entry.path());
    }
    return found;
}

class PdfPrinter : public testing::Test {
  protected:
    void SetUp() override {
        ::setenv("VITTLON_PDF_DIR", folder.string().c_str(), 1);
        const auto names = printers.Installed();
        ASSERT_EQ(names.back(), kPdfPrinterName);
        ASSERT_TRUE(printers.SetCurrent(kPdfPrinterName));
    }
    void TearDown() override { ::unsetenv("VITTLON_PDF_DIR"); }

    void Text(double x, double y, const std::string& text, CodePage cp = CodePage::Cp1252) {
        Surface& page = printers.Printer();
        page.SetCurrentX(x);
        page.SetCurrentY(y);
        page.Print(text, cp);
    }

    test::TempDir temp;
    fs::path folder = temp.path() / "out";  // missing: the printer creates it
    QtPrinters printers;
};

TEST_F(PdfPrinter, OneFilePerRunWithOnePagePerDocument) {
    Text(1440, 1440, "first");
    printers.Printer().EndDoc();
    printers.Printer().EndDoc();  // nothing drawn since the last one: no blank page
    Text(1440, 1440, "second");
    printers.Printer().EndDoc();
    printers.RunEnded();
    const auto files = Pdfs(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(fs::path(printers.LastOutput()), files[0]);
    EXPECT_TRUE(QRegularExpression(R"(^labels-\d{8}-\d{6}\.pdf$)")
                    .match(QString::fromStdString(files[0].filename().string()))
                    .hasMatch())
        << files[0];
    EXPECT_EQ(PageCount(files[0]), 2);
    EXPECT_EQ(PageSize(files[0]), "612 x 792") << "letter portrait, in points";
}

TEST_F(PdfPrinter, LastSheetWithoutEndDocStillCounts) {
    Text(1440, 1440, "only");
    printers.RunEnded();  // a run stopped by an error before its EndDoc
    const auto files = Pdfs(folder);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(PageCount(files[0]), 1);
}

TEST_F(PdfPrinter, RunThatDrewNothingLeavesNoFile) {
    printers.Printer().SetFontSize(9);  // setting state is not drawing
    printers.Printer().EndDoc();
    printers.RunEnded();
    EXPECT_TRUE(Pdfs(folder).empty());
    EXPECT_EQ(printers.LastOutput(), "");
}

TEST_F(PdfPrinter, AFolderNameThatIsNotUtf8KeepsItsBytes) {
    const fs::path bytes = temp.path() /
                           "K\xc3\xbc"
                           "che\xff";
    ::setenv("VITTLON_PDF_DIR", bytes.c_str(), 1);
    Text(1440, 1440, "label");
    printers.RunEnded();
    const auto files = Pdfs(bytes);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(fs::path(printers.LastOutput()), files[0]);
}

TEST(PdfPrinterFolder, WithoutAHomeNoFolderIsGuessed) {
    test::ScopedEnv noFolder("VITTLON_PDF_DIR", nullptr);
    test::ScopedEnv noHome("HOME", nullptr);
    QtPrinters printers;
    ASSERT_TRUE(printers.SetCurrent(kPdfPrinterName));
    EXPECT_THROW(printers.Printer().Print("label", CodePage::Cp1252), FileError);
}

TEST_F(PdfPrinter, TakenNameGetsSuffixAndKindNamesTheFile) {
    // Hold the names of the next few seconds, so the run's name is taken whenever it starts.
    fs::create_directories(folder);
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = 0; s < 30; ++s) {
        const std::string stamp = now.addSecs(s).toString("yyyyMMdd-HHmmss").toStdString();
        std::ofstream(folder / ("menu-" + stamp + ".pdf")) << "taken";
    }
    printers.SetJobKind("menu");
    Text(100, 100, "menu");
    printers.RunEnded();
    const std::string name = fs::path(printers.LastOutput()).filename().string();
    EXPECT_TRUE(QRegularExpression(R"(^menu-\d{8}-\d{6}-2\.pdf$)")
                    .match(QString::fromStdString(name))
                    .hasMatch())
        << name;
    // The kind holds for one run: the next file is "labels" again.
    Text(100, 100, "labels");
    printers.RunEnded();
    EXPECT_EQ(fs::path(printers.LastOutput()).filename().string().substr(0, 7), "labels-");
    EXPECT_THROW(printers.SetJobKind("../x"), std::invalid_argument);
}

TEST_F(PdfPrinter, TextLandsAtItsTwips) {
    Text(1440, 2880, "Placed");  // 1 inch from the left, 2 inches down: 72 and 144 points
    printers.RunEnded();
    const auto words = Words(printers.LastOutput());
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, "Placed");
    EXPECT_NEAR(words[0].xMin, 72, 2);
    EXPECT_NEAR(words[0].yMin, 144, 3);
}

TEST_F(PdfPrinter, LandscapeMenuDrawsBoxDrawingCharactersAsRules) {
    Surface& page = printers.Printer();
    page.SetPaperSize(1);
    page.SetOrientation(2);
    EXPECT_GT(page.Width(), page.Height());
    page.SetFontName("MonoG");
    page.SetFontSize(8);
    // Code page 437: C9 CD BB is the top of a double-line box, B3 a single vertical bar.
    Text(100, 0, "\xC9\xCD\xCD\xBB", CodePage::Cp437);
    Text(100, 145, "\xB3Mon\xB3", CodePage::Cp437);
    page.EndDoc();
    printers.RunEnded();
    const fs::path pdf = printers.LastOutput();
    EXPECT_EQ(PageSize(pdf), "792 x 612");
    // The letters are text; the line drawing characters are strokes, not glyphs.
    const QString text =
        RunTool("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(text.contains("Mon")) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8("╔"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8("│"))) << text.toStdString();
}

TEST_F(PdfPrinter, ChangingPrinterEndsTheOpenFile) {
    Text(100, 100, "before");
    EXPECT_TRUE(printers.SetCurrent(kPdfPrinterName));  // the same printer: no change
    EXPECT_TRUE(Pdfs(folder).empty());
    // A printer that is not installed is refused, and the open file stays open.
    EXPECT_FALSE(printers.SetCurrent("A queue that was removed"));
    EXPECT_EQ(printers.CurrentName(), kPdfPrinterName);
    EXPECT_TRUE(Pdfs(folder).empty());
    printers.RunEnded();
    EXPECT_EQ(Pdfs(folder).size(), 1u);
}

TEST(QtPrintersList, PdfPrinterIsLastAndDefaultIsInstalled) {
    QtPrinters printers;
    const auto names = printers.Installed();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), kPdfPrinterName);
    EXPECT_NE(std::find(names.begin(), names.end(), printers.DefaultName()), names.end());
    EXPECT_EQ(printers.CurrentName(), printers.DefaultName());
    // 300 dots to the inch on paper: the barcode's printer units are twips / 4.8.
    EXPECT_DOUBLE_EQ(printers.Printer().TwipsPerDeviceUnit(), 4.8);
    EXPECT_DOUBLE_EQ(printers.Printer().Width(), 12240);
    EXPECT_DOUBLE_EQ(printers.Printer().Height(), 15840);
}

}  // namespace
}  // namespace vt
