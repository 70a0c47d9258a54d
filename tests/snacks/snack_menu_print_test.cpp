// Print Snack Menu: the week's list on one landscape page, line by line at fixed places.
#include "snacks/snack_menu_print.h"

#include <gtest/gtest.h>

#include "site/demo_site.h"
#include "site/snack_template.h"
#include "snacks/snack_document.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {

constexpr const char* kPrintingCaption = " Printing ..................................";

// A printer that notes what the window looked like when the menu asked for it, and the job
// kinds it was told.
class WatchingPrinters : public FakePrinters {
  public:
    Surface& Printer() override {
        if (window) captionsSeen.push_back(window->Caption);
        return FakePrinters::Printer();
    }
    void SetJobKind(const std::string& kind) override { kinds.push_back(kind); }
    const Window* window = nullptr;
    std::vector<std::string> captionsSeen, kinds;
};

struct MenuFixture : StationFixture {
    WatchingPrinters printers;
    Platform platform{tp.drives, tp.clock, tp.dialogs, tp.events, printers, tp.pictures};
    App menuApp{platform};
    RecordingSurface& page = printers.printer;

    MenuFixture() {
        printers.window = &menuApp.form1.Form;
        site::WriteSnackTemplate(tp.root(), layout, 1, "1", site::DemoSnackTemplate());
        menuApp.st = app->st;
        SnackWeekOne(menuApp.st, site::demo::kFacilityName, "12-06-26");
        menuApp.st.SnackMenuOn = 1;
        loadfil(menuApp);
        menuApp.form1.Form.Caption = "Vittlon main window";
    }
    Form1& form1() { return menuApp.form1; }
    std::string Saved() { return Bytes(menuApp.st.SnackFile); }
    // Line n of the saved file, without its CR LF.
    std::string FileLine(std::size_t n) { return Saved().substr((n - 1) * 166, 164); }
    std::vector<RecordedOp> Lines() {
        std::vector<RecordedOp> texts;
        for (const RecordedOp& op : page.ops) {
            if (op.kind == RecordedOp::Kind::Text) texts.push_back(op);
        }
        return texts;
    }
    void Print() { Command5_Click(menuApp); }
};

TEST(SnackMenuPrint, TheFilesFirst56LinesStandAtFixedPlacesOnOneLandscapePage) {
    MenuFixture f;
    f.Print();
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 56u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const RecordedOp& op = lines[k];
        EXPECT_EQ(op.text, f.FileLine(k + 1)) << k + 1;
        EXPECT_EQ(op.y1, 145.0 * static_cast<double>(k)) << k + 1;
        EXPECT_EQ(op.x1, 100) << k + 1;
        EXPECT_EQ(op.codePage, CodePage::Cp437);
        EXPECT_EQ(op.fontName, "MonoG");  // the window's font, which has the line drawing
        EXPECT_EQ(op.fontSize, 8);
        EXPECT_FALSE(op.fontBold);
    }
    EXPECT_EQ(lines[2].text.substr(143, 20), "      SATURDAY      ");
    EXPECT_EQ(f.page.paperSize, 1);
    EXPECT_EQ(f.page.orientation, 2);
    EXPECT_EQ(f.page.Documents(), 1);
    EXPECT_EQ(f.page.ops.back().kind, RecordedOp::Kind::EndDoc);
    EXPECT_EQ(f.printers.runsEnded, 1);
    EXPECT_EQ(f.printers.kinds, std::vector<std::string>{"menu"});
    EXPECT_EQ(f.menuApp.st.PrintTarget, &f.printers.AlignedPrinter());  // the page, aligned
}

TEST(SnackMenuPrint, TheCaptionSaysPrintingAndComesBackAfterThePage) {
    MenuFixture f;
    f.Print();
    EXPECT_EQ(f.printers.captionsSeen, std::vector<std::string>{kPrintingCaption});
    EXPECT_EQ(f.form1().Form.Caption, "Vittlon main window");
    EXPECT_TRUE(f.form1().RichTextBox1.HasFocus);

    MenuFixture off;
    off.menuApp.st.SnackMenuOn = 0;  // the editor is hidden: it does not take the focus
    off.Print();
    EXPECT_FALSE(off.form1().RichTextBox1.HasFocus);
}

TEST(SnackMenuPrint, InkjetLinesAre156CharactersAndLine3KeepsTheDayName) {
    MenuFixture f;
    f.menuApp.st.InkjetMode = 1;
    f.Print();
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 56u);
    for (std::size_t n = 1; n <= 56; ++n) {
        const std::string& printed = lines[n - 1].text;
        const std::string line = f.FileLine(n);
        ASSERT_EQ(printed.size(), 156u) << n;
        EXPECT_EQ(printed.back(), line[163]) << n;  // the right border stays
        if (n == 3) {
            // Characters 146-149 (blanks before "SATURDAY") and 160-163 drop out.
            EXPECT_EQ(printed, line.substr(0, 145) + line.substr(149, 10) + line[163]);
            EXPECT_EQ(printed.substr(143, 12), "  SATURDAY  ");
        } else {
            // Characters 156-163 drop out; 146-149 are printed.
            EXPECT_EQ(printed, line.substr(0, 155) + line[163]) << n;
        }
    }
}

TEST(SnackMenuPrint, InkjetShorteningCountsCharactersFromOne) {
    std::string line;
    for (int c = 1; c <= 164; ++c) line += static_cast<char>(' ' + c % 90);
    const std::string heading = InkjetMenuLine(line, 3);
    EXPECT_EQ(heading.substr(144, 2), line.substr(144, 1) + line.substr(149, 1));  // 145, 150
    EXPECT_EQ(heading.substr(154, 2), line.substr(158, 1) + line.substr(163, 1));  // 159, 164
    const std::string other = InkjetMenuLine(line, 4);
    EXPECT_EQ(other.substr(154, 2), line.substr(154, 1) + line.substr(163, 1));  // 155, 164
    EXPECT_EQ(InkjetMenuLine("short", 1), "short" + std::string(151, ' '));
}

TEST(SnackMenuPrint, ThisFontPrintsWithTheCheckBoxsOwnFont) {
    MenuFixture f;
    f.form1().Check8.Value = 1;
    f.Print();
    ASSERT_FALSE(f.Lines().empty());
    EXPECT_EQ(f.Lines()[0].fontName, "MS Sans Serif");
}

TEST(SnackMenuPrint, TheEditorsTextIsSavedFirstSoThePageShowsTheEdit) {
    MenuFixture f;
    std::string& text = f.form1().RichTextBox1.Text;
    text.replace(681, 15, "Fig bars       ");
    f.Print();
    EXPECT_EQ(f.Saved(), text);
    EXPECT_EQ(f.Lines()[4].text.substr(17, 20), "Fig bars            ");
}

TEST(SnackMenuPrint, AShortListPrintsOnlyTheLinesItHas) {
    MenuFixture f;
    // 30 whole lines and a 31st cut after 40 characters.
    const std::string shortList = f.Saved().substr(0, 30 * 166 + 40);
    f.form1().RichTextBox1.Text = shortList;
    f.Print();
    const auto lines = f.Lines();
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(lines[30].text, shortList.substr(30 * 166) + std::string(124, ' '));
    EXPECT_EQ(lines[30].y1, 30 * 145);
    EXPECT_EQ(f.page.Documents(), 1);
}

TEST(SnackMenuPrint, WithNoListOpenTheOperatorIsToldAndNothingIsPrinted) {
    MenuFixture f;
    f.menuApp.st.SnackFile = "";
    f.Print();
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text, "There is no snack list open to print.");
    EXPECT_TRUE(f.page.ops.empty());
    EXPECT_TRUE(f.printers.captionsSeen.empty());
    EXPECT_EQ(f.printers.runsEnded, 0);
    EXPECT_EQ(f.form1().Form.Caption, "Vittlon main window");
}

TEST(SnackMenuPrint, AListThatCannotBeReadIsReportedAndThePrinterLeftClosed) {
    const struct {
        const char* what;
        std::string text;
        std::string file;
    } cases[] = {
        {"an empty list", "", ""},
        {"a file on a drive that is not there", "x", "q:\\Snk1.D1"},
    };
    for (const auto& c : cases) {
        MenuFixture f;
        f.form1().RichTextBox1.Text = c.text;
        if (!c.file.empty()) f.menuApp.st.SnackFile = c.file;
        f.Print();
        ASSERT_FALSE(f.tp.dialogs.asked.empty()) << c.what;
        EXPECT_EQ(f.tp.dialogs.asked.back().text.substr(0, 36),
                  "The snack menu could not be printed.")
            << c.what;
        EXPECT_FALSE(f.tp.dialogs.asked.back().detail.empty()) << c.what;
        EXPECT_TRUE(f.Lines().empty()) << c.what;
        EXPECT_EQ(f.page.Documents(), 0) << c.what;
        EXPECT_EQ(f.printers.runsEnded, 1) << c.what;
        EXPECT_EQ(f.form1().Form.Caption, "Vittlon main window") << c.what;
    }
}

}  // namespace
}  // namespace vt::test
