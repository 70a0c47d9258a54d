// The week's snack list: its name, creation from a template, loading into the editor, saving.
#include "snacks/snack_document.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text.h"
#include "program/startup.h"
#include "site/demo_site.h"
#include "site/snack_template.h"
#include "snacks/snack_editor.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

site::SnackTemplate Template(const std::string& firstItem) {
    site::SnackTemplate t;
    t.rows[0].items[0][0] = firstItem;
    t.rows[0].rangeALow = 1;
    t.rows[0].rangeAHigh = 99;
    return t;
}

struct SnackFixture : StationFixture {
    SnackFixture() { SnackWeekOne(app->st, "ELM HOUSE", "12-01-26"); }
    std::string Line(const std::string& winPath, std::size_t n) {
        return Bytes(winPath).substr((n - 1) * 166, 166);
    }
};

TEST(SnackDocument, TheWeeksFileIsNamedFromTheSnackFolderWeekAndStation) {
    SnackFixture f;
    App& app = *f.app;
    app.st.SetupTable(6) = "c:\\dat";
    app.st.StationCode = "A1";
    app.st.SnackWeek = 3;
    fs::create_directories(f.Host("c:\\dat"));
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("Graham crackers"));
    loadfil(app);
    EXPECT_EQ(app.st.SnackFile, "c:\\dat\\Snk3.A1");
    EXPECT_TRUE(fs::exists(f.Host("c:\\dat\\Snk3.A1")));
}

TEST(SnackDocument, ANewWeekIsTheTemplateWithAFreshCentredTitle) {
    SnackFixture f;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("Graham crackers"));
    const std::string templ = f.Bytes(f.layout.SnackTemplatePath(1, "1"));
    loadfil(*f.app);

    const std::string created = f.Bytes(f.layout.SnackListPath(1));
    ASSERT_EQ(created.size(), templ.size());
    EXPECT_EQ(created.substr(166), templ.substr(166));  // every line but the title, byte for byte
    const std::string title = "ELM HOUSE Weekly Snack Menu as of 12-01-26";  // 42 characters
    EXPECT_EQ(created.substr(0, 166),
              std::string((164 - 42) / 2 + 1, ' ') + PadTo(title, 164 - 62) + "\r\n");
    // The editor holds the file and stands on the first item cell.
    EXPECT_EQ(f.app->form1.RichTextBox1.Text, created);
    EXPECT_EQ(f.app->st.SnackText, created);
    EXPECT_EQ(f.app->form1.RichTextBox1.SelStart, 681);
    EXPECT_EQ(f.app->form1.RichTextBox1.SelLength, 1);
    EXPECT_EQ(created.substr(681, 15), "Graham crackers");
    EXPECT_TRUE(f.app->form1.Form.Visible);
}

TEST(SnackDocument, TitlesAreCentredOrCut) {
    // " Weekly Snack Menu as of " is 25 characters and the date 8: a 7-character name makes a
    // title of 40, which gets (164 - 40) \ 2 + 1 = 63 blanks in front.
    const std::string forty = SnackListTitle("FFFFFFF", "12-01-26");
    EXPECT_EQ(forty, std::string(63, ' ') + "FFFFFFF Weekly Snack Menu as of 12-01-26");
    const std::string longName(160, 'F');
    const std::string title = SnackListTitle(longName, "12-01-26");
    EXPECT_EQ(title.substr(0, 160), longName);  // no blanks in front of a long title
}

TEST(SnackDocument, TemplatesAreChosenStationFirstThenWeekThenTheLastChoice) {
    struct Case {
        bool station, week;
        const char* expected;
    };
    for (const Case& c : {Case{true, true, "c:\\zel\\templ\\snack2.D1"},
                          Case{false, true, "c:\\zel\\templ\\snack2.1"},
                          Case{false, false, "c:\\zel\\templ\\snack1.1"}}) {
        SnackFixture f;
        f.app->st.SnackWeek = 2;
        site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("last"));
        if (c.week) site::WriteSnackTemplate(f.tp.root(), f.layout, 2, "1", Template("week"));
        if (c.station)
            site::WriteSnackTemplate(f.tp.root(), f.layout, 2, "D1", Template("station"));
        loadfil(*f.app);
        EXPECT_EQ(f.app->st.SnackTemplate, c.expected);
    }
}

TEST(SnackDocument, AnExistingWeekIsNeverRetitled) {
    SnackFixture f;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("x"));
    loadfil(*f.app);
    const std::string first = f.Bytes(f.layout.SnackListPath(1));
    f.app->st.FacilityName = "ANOTHER NAME";
    loadfil(*f.app);
    EXPECT_EQ(f.Bytes(f.layout.SnackListPath(1)), first);
}

TEST(SnackDocument, WithoutFileAndTemplateNothingIsOpenNothingTypedAndNothingSaved) {
    SnackFixture f;
    f.app->form1.RichTextBox1.Text = "the week before";  // another week's list was open
    loadfil(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text, "c:\\zel\\templ\\snack1.1 Snack Template NOT FOUND.");
    EXPECT_EQ(f.app->st.SnackFile, "");
    // The editor shows no list and takes no typing until a list loads.
    RichTextBox& editor = f.app->form1.RichTextBox1;
    EXPECT_EQ(editor.Text, "");
    EXPECT_TRUE(editor.Locked);
    int key = 'A';
    RichTextBox1_KeyPress(*f.app, key);
    EXPECT_EQ(editor.Text, "");
    savefil(*f.app);
    EXPECT_FALSE(fs::exists(f.Host(f.layout.SnackListPath(1))));

    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("x"));
    loadfil(*f.app);
    EXPECT_FALSE(editor.Locked);
    EXPECT_FALSE(editor.Text.empty());
}

TEST(SnackDocument, SavingWithoutEditsKeepsEveryByteAndEditsAreSaved) {
    SnackFixture f;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("Pudding \xC2\xBD cup"));
    loadfil(*f.app);
    const std::string loaded = f.Bytes(f.layout.SnackListPath(1));
    savefil(*f.app);
    EXPECT_EQ(f.Bytes(f.layout.SnackListPath(1)), loaded);
    EXPECT_NE(loaded.find('\xB3'), std::string::npos);  // code page 437 borders are there

    f.app->form1.RichTextBox1.Text[681] = 'Q';
    savefil(*f.app);
    EXPECT_EQ(f.Bytes(f.layout.SnackListPath(1))[681], 'Q');
}

TEST(SnackDocument, AFailedSaveIsToldAndTheFileKeepsItsBytes) {
    SnackFixture f;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("x"));
    loadfil(*f.app);
    const std::string saved = f.Bytes(f.layout.SnackListPath(1));
    f.app->st.SnackFile = "c:\\zel\\gone\\Snk1.D1";  // its folder has disappeared
    f.app->form1.RichTextBox1.Text = "changed";
    savefil(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text, "The snack list could not be saved.");
    EXPECT_NE(f.tp.dialogs.asked[0].detail.find("Snk1.D1"), std::string::npos);
    EXPECT_EQ(f.Bytes(f.layout.SnackListPath(1)), saved);
}

TEST(SnackDocument, EditorAndWindowAreSizedByTheScreenSize) {
    struct Case {
        Int16 size;
        double width, height, windowWidth, windowHeight;
    };
    for (const Case& c :
         {Case{1, 79 * 120, 17 * 240, 10500, 10620}, Case{2, 99.5 * 120, 25 * 240, 15840, 8700},
          Case{3, 127.5 * 120, 34 * 240, 15840, 10620},
          Case{4, 127.5 * 120, 34 * 240, 15840, 10620}}) {
        SnackFixture f;
        f.app->st.ScreenSize = c.size;
        site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("x"));
        loadfil(*f.app);
        const Form1& w = f.app->form1;
        EXPECT_EQ(w.RichTextBox1.Width, c.width) << c.size;
        EXPECT_EQ(w.RichTextBox1.Height, c.height) << c.size;
        EXPECT_EQ(w.RichTextBox1.RightMargin, 167 * 120) << c.size;
        EXPECT_EQ(w.Form.Width, c.windowWidth) << c.size;
        EXPECT_EQ(w.Form.Height, c.windowHeight) << c.size;
    }
}

TEST(SnackDocument, AStationWithoutAChosenWeekWorksOnWeekOne) {
    SnackFixture f;
    f.app->st.SnackWeek = 0;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", Template("x"));
    loadfil(*f.app);
    EXPECT_EQ(f.app->st.SnackFile, f.layout.SnackListPath(1));
}

TEST(SnackDocument, StartUpLoadsTheWeeksList) {
    TestPlatform tp;
    site::BuildDemoSite(tp.root(), tp.clock.Today(), false);
    App app(tp.platform);
    Form_Load(app);
    EXPECT_EQ(app.st.SnackFile, "c:\\zel\\snack\\Snk1.D1");
    ASSERT_EQ(app.form1.RichTextBox1.Text.size(), 56u * 166u);
    EXPECT_EQ(app.form1.RichTextBox1.SelStart, 681);
}

}  // namespace
}  // namespace vt::test
