// Creating the week's snack list from a template: which template, the title line, and what is
// left behind when the new file cannot be written.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text.h"
#include "site/snack_template.h"
#include "snacks/snack_document.h"
#include "support/file_size_limit.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

constexpr std::size_t kLine = 166;  // 164 characters and CR LF

struct WeekFixture : StationFixture {
    WeekFixture() { SnackWeekOne(app->st, "ELM HOUSE", "12-01-26"); }
    // Only "snack1.1", the last choice, in the template folder.
    std::string WriteLastChoice() {
        site::SnackTemplate t;
        t.rows[0].items[0][0] = "Graham crackers";
        t.rows[0].rangeALow = 1;
        t.rows[0].rangeAHigh = 99;
        site::WriteSnackTemplate(tp.root(), layout, 1, "1", t);
        return Bytes(layout.SnackTemplatePath(1, "1"));
    }
    // Names in the snack list folder that are not the week files themselves.
    std::vector<std::string> StrayFiles() const {
        std::vector<std::string> stray;
        for (const auto& entry : fs::directory_iterator(Host(layout.paths(6)))) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Snk", 0) != 0) stray.push_back(name);
        }
        return stray;
    }
};

TEST(WeekFile, AnyWeekIsCreatedFromTheLastChoiceTemplateWhenItIsTheOnlyOne) {
    struct Case {
        Int16 week;
        const char* file;  // a week outside 1..5 is a station without settings: week 1
    };
    for (const Case& c :
         {Case{1, "Snk1.D1"}, Case{2, "Snk2.D1"}, Case{4, "Snk4.D1"}, Case{5, "Snk5.D1"},
          Case{0, "Snk1.D1"}, Case{6, "Snk1.D1"}, Case{-3, "Snk1.D1"}}) {
        WeekFixture f;
        const std::string templ = f.WriteLastChoice();
        f.app->st.SnackWeek = c.week;
        loadfil(*f.app);
        const AppState& st = f.app->st;
        EXPECT_EQ(st.SnackTemplate, "c:\\zel\\templ\\snack1.1") << c.week;
        ASSERT_EQ(st.SnackFile, "c:\\zel\\snack\\" + std::string(c.file)) << c.week;
        const std::string created = f.Bytes(st.SnackFile);
        ASSERT_EQ(created.size(), templ.size()) << c.week;
        EXPECT_EQ(created.substr(kLine), templ.substr(kLine)) << c.week;
        EXPECT_EQ(Trim(created.substr(0, 164)), "ELM HOUSE Weekly Snack Menu as of 12-01-26");
        EXPECT_EQ(created.substr(164, 2), "\r\n");
        // Written through a temporary file that is gone once the week file is in place.
        EXPECT_TRUE(f.StrayFiles().empty()) << c.week;
        EXPECT_TRUE(f.tp.dialogs.asked.empty());
    }
}

TEST(WeekFile, TheTitleLineIsCentredOrCutAtTheLineEnd) {
    // The title is the name and 33 more characters (" Weekly Snack Menu as of " and the
    // date). Below 163 characters it gets (164 - length) \ 2 + 1 blanks in front; from 163 on it
    // starts in column 1 and whatever passes column 164 is cut, the line end stays CR LF.
    struct Case {
        std::size_t nameLength;
        std::size_t blanks;
    };
    for (const Case& c :
         {Case{7, 63}, Case{127, 3}, Case{129, 2}, Case{130, 0}, Case{131, 0}, Case{200, 0}}) {
        WeekFixture f;
        f.WriteLastChoice();
        const std::string name(c.nameLength, 'N');
        f.app->st.FacilityName = name;
        loadfil(*f.app);
        const std::string title = name + " Weekly Snack Menu as of 12-01-26";
        const std::string expected = PadTo(std::string(c.blanks, ' ') + title, 164) + "\r\n";
        EXPECT_EQ(f.Bytes(f.app->st.SnackFile).substr(0, kLine), expected) << c.nameLength;
    }
}

TEST(WeekFile, AWeekFileThatCannotBeWrittenIsToldAndNothingIsSavedLater) {
    WeekFixture f;
    const std::string templ = f.WriteLastChoice();
    ASSERT_GT(templ.size(), 4096u);
    {
        const FileSizeLimit fullDisk(4096);
        EXPECT_NO_THROW(loadfil(*f.app));
    }
    const std::string week = f.layout.SnackListPath(1);
    EXPECT_FALSE(fs::exists(f.Host(week)));
    EXPECT_TRUE(f.StrayFiles().empty());
    // No list is open, so the operator's exit cannot write the editor's text as the week's list,
    // which would then never be made from the template again.
    EXPECT_EQ(f.app->st.SnackFile, "");
    EXPECT_EQ(f.tp.dialogs.asked.size(), 1u);
    if (!f.tp.dialogs.asked.empty()) {
        EXPECT_NE(f.tp.dialogs.asked[0].detail.find("Snk1.D1"), std::string::npos);
    }
    f.app->form1.RichTextBox1.Text = "not a snack list";
    savefil(*f.app);
    EXPECT_FALSE(fs::exists(f.Host(week)));

    // With room on the disk again the next load makes the week from the template.
    loadfil(*f.app);
    const std::string created = f.Bytes(week);
    ASSERT_EQ(created.size(), templ.size());
    EXPECT_EQ(created.substr(kLine), templ.substr(kLine));
}

TEST(WeekFile, ADamagedTemplateStillGivesAWeekFileWithItsTitle) {
    // Templates cut anywhere: the week file holds the title on line 1 and the template's bytes
    // after it, and nothing throws.
    for (std::size_t size : {0u, 1u, 100u, 165u, 166u, 167u, 400u}) {
        WeekFixture f;
        std::string templ(size, '\xC4');
        WriteHostFile(f.Host(f.layout.SnackTemplatePath(1, "1")), templ);
        EXPECT_NO_THROW(loadfil(*f.app)) << size;
        const std::string created = f.Bytes(f.layout.SnackListPath(1));
        ASSERT_EQ(created.size(), std::max<std::size_t>(size, kLine)) << size;
        EXPECT_EQ(Trim(created.substr(0, 164)), "ELM HOUSE Weekly Snack Menu as of 12-01-26");
        if (size > kLine) {
            EXPECT_EQ(created.substr(kLine), templ.substr(kLine)) << size;
        }
        EXPECT_EQ(f.app->form1.RichTextBox1.Text, created) << size;
    }
}

}  // namespace
}  // namespace vt::test
