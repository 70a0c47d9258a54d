// What the simple window's controls do: everything writes through to the main window or the
// state and lets the main window's print run do the work.
#include "ui/simple/simple_window_handlers.h"

#include <gtest/gtest.h>

#include "app/show_form2.h"
#include "settings/settings_fixture.h"
#include "settings/user_label_text.h"
#include "site/small_files.h"
#include "support/file_size_limit.h"
#include "support/window_station.h"
#include "ui/main/main_window_handlers.h"
#include "ui/simple/user_label_save.h"

namespace vt::test {
namespace {

// A station with its settings loaded and the simple window shown, as start-up leaves it.
struct SimpleFixture : WindowStation {
    SimpleFixture() {
        ShowForm2(*app);
        preview.ops.clear();
    }
    std::string UserLabelBytes() { return Bytes(layout.UserLabelPath()); }
    // The operator types into Text1 and leaves it.
    void TypeAndLeave(const std::string& text) {
        app->form2.Text1.Text = text;
        Form2_Text1_LostFocus(*app);
    }
};

TEST(SimpleWindow, UserOnShowsTheTextAndRedrawsThePreviewAtOnce) {
    SimpleFixture f;
    f.TypeAndLeave("Happy Birthday");
    f.preview.ops.clear();
    f.app->form2.Check5.Value = 1;
    Form2_Check5_MouseUp(*f.app);
    EXPECT_TRUE(f.app->form2.Text1.Visible);
    EXPECT_EQ(f.app->st.UserLabelMode, 1);
    ASSERT_FALSE(f.preview.ops.empty());
    EXPECT_EQ(f.preview.ops.front().kind, RecordedOp::Kind::Cls);  // cleared, then drawn
    EXPECT_TRUE(f.PreviewHas("Happy Birthday"));
    EXPECT_FALSE(f.PreviewHas("Juice 1001"));

    f.preview.ops.clear();
    f.app->form2.Check5.Value = 0;
    Form2_Check5_MouseUp(*f.app);
    EXPECT_FALSE(f.app->form2.Text1.Visible);
    EXPECT_EQ(f.app->st.UserLabelMode, 0);
    EXPECT_TRUE(f.PreviewHas("Juice 1001"));  // the residents' labels again
}

TEST(SimpleWindow, LeavingTheTextSavesItSplitsItPreviewsItAndShowsTheWindowAgain) {
    SimpleFixture f;
    f.app->st.UserLabelMode = 1;
    f.app->form1.Check2.Value = 1;  // ticked on the main window since the panel was shown
    f.app->form2.Form.Visible = false;
    f.TypeAndLeave("Happy Birthday\r\nRose");
    EXPECT_EQ(f.UserLabelBytes(), "\"Happy Birthday\r\nRose\"\r\n");
    EXPECT_EQ(f.app->st.ULabelText, "Happy Birthday\r\nRose");
    EXPECT_EQ(f.app->st.UserLines(1), "Happy Birthday");
    EXPECT_EQ(f.app->st.UserLines(2), "Rose     ");
    EXPECT_TRUE(f.PreviewHas("Rose"));
    EXPECT_TRUE(f.app->form2.Form.Visible);
    EXPECT_EQ(f.app->form2.Check2.Value, 1);  // the periods copied again
    EXPECT_EQ(f.app->form2.Form.Caption, " [ EASY ] " + f.app->form1.Form.Caption);
}

TEST(SimpleWindow, TheSavedTextReadsBackAsTyped) {
    // Quotation marks are doubled in the file, so the next reading gives each one back.
    const std::string texts[] = {
        "Say \"cheese\"",        "\"Quoted\" at the start",
        "ends in a mark\"",      "Two \"\" marks",
        "Commas, and\r\nlines",  "  leading blanks",
        "Caf\xe9 \x93smart\x94", "",
    };
    for (const std::string& text : texts) {
        SimpleFixture f;
        f.TypeAndLeave(text);
        EXPECT_EQ(ReadTextField(f.UserLabelBytes()), text);
        StoreAndReread(*f.app);  // what any main window change or the next start does
        EXPECT_EQ(f.app->form2.Text1.Text, text);
        EXPECT_EQ(f.app->st.ULabelText, text);
    }
    EXPECT_EQ(UserLabelFileBytes("Say \"cheese\""), "\"Say \"\"cheese\"\"\"\r\n");
}

TEST(SimpleWindow, AFileThatCannotBeWrittenIsToldOnceAndTheTextIsKept) {
    SimpleFixture f;
    f.TypeAndLeave("Old text");
    f.tp.dialogs.asked.clear();
    f.app->st.ULabelFile = "c:\\no such folder\\ULabel.D1";
    f.app->st.UserLabelMode = 1;
    f.TypeAndLeave("New text");
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].text.find("c:\\no such folder\\ULabel.D1"), std::string::npos);
    EXPECT_EQ(f.UserLabelBytes(), "\"Old text\"\r\n");
    // The run's rereading of the settings did not put the file's older text back.
    EXPECT_TRUE(f.PreviewHas("New text"));
    StoreAndReread(*f.app);
    EXPECT_EQ(f.app->form2.Text1.Text, "New text");
    EXPECT_EQ(f.app->st.UserLines(1), "New text");

    f.app->st.ULabelFile = f.layout.UserLabelPath();  // the share is back
    f.TypeAndLeave("Newer text");
    EXPECT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.UserLabelBytes(), "\"Newer text\"\r\n");
    EXPECT_EQ(f.app->st.ULabelUnsaved, 0);
}

TEST(SimpleWindow, AWriteErrorKeepsTheOldFileWhole) {
    SimpleFixture f;
    f.TypeAndLeave("Old text");
    f.tp.dialogs.asked.clear();
    f.app->st.ULabelText = "A new text much longer than the few bytes a file may have";
    {
        FileSizeLimit limit(8);
        SaveUserLabel(*f.app);
    }
    EXPECT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.UserLabelBytes(), "\"Old text\"\r\n");
    EXPECT_EQ(f.app->st.ULabelUnsaved, 1);
}

// The user-label text follows the snack list's rule: another station's text is never
// replaced silently; by default the file keeps it and the window shows it.
TEST(SimpleWindow, AnotherStationsUserLabelTextIsKept) {
    SimpleFixture f;
    f.TypeAndLeave("Ours");
    WriteHostFile(f.Host(f.layout.UserLabelPath()), "\"Theirs\"\r\n");
    f.TypeAndLeave("Ours, edited");
    ASSERT_EQ(f.tp.dialogs.asked.size(), 2u);  // the question, and where our text went
    EXPECT_NE(f.tp.dialogs.asked[1].text.find("recovery"), std::string::npos);
    EXPECT_EQ(f.UserLabelBytes(), "\"Theirs\"\r\n");
    EXPECT_EQ(f.app->form2.Text1.Text, "Theirs");

    WriteHostFile(f.Host(f.layout.UserLabelPath()), "\"Theirs again\"\r\n");
    f.TypeAndLeave("Theirs");  // left without a change: nothing is written
    EXPECT_EQ(f.UserLabelBytes(), "\"Theirs again\"\r\n");
    EXPECT_EQ(f.tp.dialogs.asked.size(), 2u);
}

TEST(SimpleWindow, ShowForm2CopiesThePeriodsTitleAndTrayLabelSetting) {
    SimpleFixture f;
    Form1& main = f.app->form1;
    main.Form.Caption = "Main";
    main.Check2.Caption = "Noon";
    main.Check3.Value = 1;
    main.Check4.BackColor = 0x00FF00;
    f.app->form2.Form.Visible = false;
    ShowForm2(*f.app);
    const Form2& simple = f.app->form2;
    EXPECT_EQ(simple.Form.Caption, " [ EASY ] Main");
    EXPECT_EQ(simple.Check2.Caption, "Noon");
    EXPECT_EQ(simple.Check3.Value, 1);
    EXPECT_EQ(simple.Check4.BackColor, 0x00FF00u);
    EXPECT_EQ(simple.Check5.BackColor, 0x00FF00u);  // the User box takes the bedtime colour
    EXPECT_EQ(simple.Check5.Caption, "User");       // but keeps its own caption
    EXPECT_TRUE(simple.Form.Visible);
    EXPECT_FALSE(simple.Check6.Visible);  // no tray labels on the main window

    main.Check13.Value = 1;
    ShowForm2(*f.app);
    EXPECT_TRUE(simple.Check6.Visible);
    EXPECT_EQ(simple.Check6.Value, 1);
    EXPECT_EQ(simple.Check6.Caption, main.Check13.Caption);
}

TEST(SimpleWindow, APeriodBoxSetsTheMainWindowsBoxAndNothingElse) {
    for (int n = 1; n <= 4; ++n) {
        SimpleFixture f;
        const std::string settingsBefore = f.Bytes(f.layout.SetupPath("Labelset"));
        CheckBox* simple[] = {&f.app->form2.Check1, &f.app->form2.Check2, &f.app->form2.Check3,
                              &f.app->form2.Check4};
        const CheckBox* main[] = {&f.app->form1.Check1, &f.app->form1.Check2, &f.app->form1.Check3,
                                  &f.app->form1.Check4};
        const int flipped = main[n - 1]->Value == 1 ? 0 : 1;
        simple[n - 1]->Value = flipped;
        Form2_Check_MouseUp(*f.app, n);
        EXPECT_EQ(main[n - 1]->Value, flipped) << "Check" << n;
        EXPECT_TRUE(f.preview.ops.empty()) << "no preview from a period box";
        EXPECT_EQ(f.Bytes(f.layout.SetupPath("Labelset")), settingsBefore) << "not stored yet";
    }
}

TEST(SimpleWindow, PrintingGoesToThePrinterAndPutsThePanelsTitleBack) {
    SimpleFixture f;
    f.app->form1.Form.Caption = "Main";
    ShowForm2(*f.app);
    f.app->st.PreviewMode = 1;
    Form2_Command1_Click(*f.app);
    EXPECT_FALSE(f.Printed().empty());
    EXPECT_EQ(f.app->st.PreviewMode, 0);
    EXPECT_EQ(f.app->form2.Form.Caption, "[Easy] Vittlon");
    EXPECT_EQ(f.app->form1.Form.Caption, "Main");
}

TEST(SimpleWindow, ExitLeavesTheProgramAndAdvancedShowsTheMainWindow) {
    SimpleFixture f;
    f.app->form1.Form.Visible = false;
    Form2_Command3_Click(*f.app);
    EXPECT_TRUE(f.app->form1.Form.Visible);
    EXPECT_TRUE(f.app->form2.Form.Visible);  // the panel stays
    EXPECT_FALSE(f.tp.events.quit);

    f.app->form1.Text14.Text = "3";  // reaches the settings on the way out
    Form2_Command2_Click(*f.app);
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_EQ(f.app->st.StopRequested, 1);
    EXPECT_EQ(Cols(f.Bytes(f.layout.SetupPath("Labelset")).substr(0, 100), 55, 56), "3 ");
}

TEST(SimpleWindow, ANewStartDateReachesTheMainWindowAndTheExpirationDate) {
    struct Case {
        const char* why;
        Date start;
        const char* text9;
        Date expires;
        Int16 days;
    };
    const Case cases[] = {
        {"seven days from December 30 run into the next year", Date(2026, 12, 30), "7",
         Date(2027, 1, 6), 7},
        {"an empty box means no days", Date(2027, 3, 1), "", Date(2027, 3, 1), 0},
        {"leap day counts", Date(2028, 2, 27), "2", Date(2028, 2, 29), 2},
        {"more than 99 days is no expiration date, as the settings take it", Date(2027, 3, 1),
         "150", Date(2027, 3, 1), 0},
        {"a whole century on: no two-digit year turns it back", Date(2031, 5, 1), "1",
         Date(2031, 5, 2), 1},
    };
    for (const Case& c : cases) {
        SimpleFixture f;
        f.app->form1.Text9.Text = c.text9;
        f.app->form2.wwDateTimeEdit1.Value = c.start;
        Form2_wwDateTimeEdit1_Change(*f.app);
        Form2_wwDateTimeEdit1_AfterUpdate(*f.app);
        EXPECT_EQ(f.app->form1.wwDateTimeEdit1.Value, c.start) << c.why;
        EXPECT_EQ(f.app->st.LabelDate, c.start) << c.why;
        EXPECT_EQ(f.app->st.DaysToExpire, c.days) << c.why;
        EXPECT_EQ(f.app->st.ExpDate, c.expires) << c.why;
        EXPECT_EQ(f.app->st.ExpDateText, c.expires.ShortText()) << c.why;
    }
}

}  // namespace
}  // namespace vt::test
