// Period names from captions, the user-label text field, and deleting temporary pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "printing/picture_conversion.h"
#include "settings/label_settings.h"
#include "settings/period_name.h"
#include "settings/user_label_text.h"
#include "settings_fixture.h"
#include "site/small_files.h"

namespace vt::test {
namespace {

TEST(PeriodName, TheMarkerIsTakenOutInTheFirstThreePlaces) {
    struct Case {
        const char* caption;
        const char* name;
    };
    for (const Case& c :
         {Case{"&10am", "10am"}, Case{"1&0am", "10am"}, Case{"10&am", "10am"}, Case{"&2pm ", "2pm"},
          Case{"1&0amlong", "10aml"},  // four characters after the marker
          Case{"10a&m", "10a&m"},      // further on: trimmed only
          Case{"  HS ", "HS"}, Case{"", ""}, Case{"&", ""}}) {
        EXPECT_EQ(MkX(c.caption), c.name) << c.caption;
    }
}

TEST(UserLabelText, OneFieldAsACommaSeparatedReaderTakesIt) {
    EXPECT_EQ(ReadTextField("\"Happy Birthday, Rose!\"\r\n"), "Happy Birthday, Rose!");
    EXPECT_EQ(ReadTextField("  \"Line one\r\nLine two\"\r\n"), "Line one\r\nLine two");
    EXPECT_EQ(ReadTextField("Happy Birthday, Rose!\r\n"), "Happy Birthday");
    EXPECT_EQ(ReadTextField("no end"), "no end");
    EXPECT_EQ(ReadTextField("\"unclosed, text"), "unclosed, text");
    EXPECT_EQ(ReadTextField(""), "");
}

TEST(UserLabelText, GetSetPutsItIntoTheSimpleWindowWhenAPrinterIsInstalled) {
    StationFixture f;
    site::WriteUserLabelText(f.tp.root(), f.layout, "Welcome, Rose");
    GetSet(*f.app);
    EXPECT_EQ(f.app->form2.Text1.Text, "Welcome, Rose");
    EXPECT_EQ(f.app->st.ULabelText, "Welcome, Rose");

    auto noPrinters = f.NewApp();
    noPrinters->st.NoPrinterList = 1;
    GetSet(*noPrinters);
    EXPECT_EQ(noPrinters->form2.Text1.Text, "");
    EXPECT_EQ(noPrinters->form1.Combo1.Text, "No Printers Installed");
}

TEST(Kxfil, DeletesOnlyTheProgramsOwnTemporaryCopies) {
    StationFixture f;
    const std::filesystem::path copy =
        std::filesystem::path(PictureTempFolder()) / "kxfil-test.as2";
    WriteHostFile(copy, "picture");
    f.app->st.PicturePath = copy.string();
    kxfil(*f.app);
    EXPECT_FALSE(std::filesystem::exists(copy));
    kxfil(*f.app);  // already gone: nothing happens

    const auto stored = f.Host(f.layout.PicturePath("1001", ".gif"));
    WriteHostFile(stored, "GIF89a");
    f.app->st.PicturePath = stored.string();
    kxfil(*f.app);
    EXPECT_TRUE(std::filesystem::exists(stored));
}

}  // namespace
}  // namespace vt::test
