// What the main window's controls do: which changes are stored, read back and previewed.
#include "ui/main/main_window_handlers.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "settings/settings_fixture.h"
#include "support/window_station.h"

namespace vt::test {
namespace {

// A station ready to preview, with its settings loaded into the window.
struct WindowFixture : WindowStation {
    int Previews() { return static_cast<int>(Labels(preview).size()); }
};

TEST(MainWindow, EnterStoresAndRedrawsOnlyForTheSheetFieldsExpiryAndPrivacy) {
    for (int n = 1; n <= 21; ++n) {
        WindowFixture f;
        const std::string before = f.StoredSettings();
        f.preview.ops.clear();
        Text_KeyDown(*f.app, n, kKeyEnter);
        const bool redraws = (n >= 5 && n <= 13) || n == 20 || n == 21;
        EXPECT_EQ(f.Previews() > 0, redraws) << "Text" << n;
        if (!redraws) {
            EXPECT_EQ(f.StoredSettings(), before) << "Text" << n;
        }
    }
}

TEST(MainWindow, TheDaysUnitAndResidentBoxesAreNotStoredByEnterOrLeaving) {
    for (int n : {1, 2, 3, 4, 14}) {
        WindowFixture f;
        const std::string before = f.StoredSettings();
        f.app->form1.Text14.Text = "7";
        f.app->form1.Text1.Text = "9";
        Text_KeyDown(*f.app, n, kKeyEnter);
        Text_LostFocus(*f.app, n);
        EXPECT_EQ(f.StoredSettings(), before) << "Text" << n;
    }
}

TEST(MainWindow, EveryKeyButTheArrowsAndBackspaceOvertypes) {
    WindowFixture f;
    Text_KeyDown(*f.app, 6, 'A');
    EXPECT_EQ(f.app->form1.Text6.SelLength, 1);
    f.app->form1.Text6.SelLength = 0;
    for (int key : {kKeyLeft, kKeyRight, kKeyBackspace}) Text_KeyDown(*f.app, 6, key);
    EXPECT_EQ(f.app->form1.Text6.SelLength, 0);
}

TEST(MainWindow, ANewLabelHeightMovesThePreviewsSecondRow) {
    WindowFixture f;
    f.geometry.columnX = {270, 0, 0, 0};  // one column: the second label is on the second row
    f.Prepare();
    RedrawPreview(*f.app);
    ASSERT_EQ(f.Previews(), 2);
    EXPECT_EQ(RunFixture::Labels(f.preview)[1].top, 720 + 1440);
    f.preview.ops.clear();
    f.app->form1.Text6.Text = "1800";
    Text_KeyDown(*f.app, 6, kKeyEnter);
    ASSERT_FALSE(f.preview.ops.empty());
    EXPECT_EQ(f.preview.ops.front().kind, RecordedOp::Kind::Cls);  // cleared, then drawn anew
    const auto labels = RunFixture::Labels(f.preview);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[1].top, 720 + 1800);
    // Leaving the box stores again but draws nothing.
    f.preview.ops.clear();
    Text_LostFocus(*f.app, 6);
    EXPECT_TRUE(f.preview.ops.empty());
}

TEST(MainWindow, TickingBarcodesTicksNoFrameButClearingItLeavesNoFrame) {
    WindowFixture f;
    f.app->form1.Check6.Value = 0;
    f.app->form1.Check9.Value = 1;
    Check_MouseUp(*f.app, 9, 1);
    EXPECT_EQ(f.app->form1.Check6.Value, 1);
    f.app->form1.Check9.Value = 0;
    Check_MouseUp(*f.app, 9, 1);
    EXPECT_EQ(f.app->form1.Check6.Value, 1);
    EXPECT_EQ(Cols(Mid(f.StoredSettings(), 101, 100), 32, 32), "0");  // barcodes stored off
}

TEST(MainWindow, ARightClickRenamesThePeriodOnBothWindows) {
    WindowFixture f;
    f.tp.dialogs.inputs = {"Noon"};
    f.app->form1.Check2.Value = 1;
    Check_MouseUp(*f.app, 2, kRightButton);
    ASSERT_EQ(f.tp.dialogs.prompts.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.prompts[0], "Nourishment Period Name");
    EXPECT_EQ(f.app->form1.Check2.Caption, "Noon");
    EXPECT_EQ(f.app->form2.Check2.Caption, "Noon");
    EXPECT_EQ(f.app->form2.Check2.Value, 1);  // mirrored
    StoreAndReread(*f.app);
    EXPECT_EQ(f.app->st.PeriodNames(2), "Noon");

    // Cancel or Escape changes nothing; an empty answer given with OK is kept.
    const std::string third = f.app->form1.Check3.Caption;
    const std::string thirdSimple = f.app->form2.Check3.Caption;
    f.tp.dialogs.inputs = {std::nullopt};
    Check_MouseUp(*f.app, 3, kRightButton);
    EXPECT_EQ(f.app->form1.Check3.Caption, third);
    EXPECT_EQ(f.app->form2.Check3.Caption, thirdSimple);
    f.tp.dialogs.inputs = {""};
    Check_MouseUp(*f.app, 3, kRightButton);
    EXPECT_EQ(f.app->form1.Check3.Caption, "");
}

TEST(MainWindow, SetForAllLeavesOutAHoldingUnitAtTheEnd) {
    struct Case {
        const char* last;
        const char* other;
        const char* expected;
    };
    for (const Case& c :
         {Case{"West Holding Area", "EAST", "1 3 1 99"}, Case{"WEST", "Hold Over", "1 4 1 99"}}) {
        WindowFixture f;
        f.SetUnits({c.other, "NORTH", "SOUTH", c.last});
        const std::string before = f.StoredSettings();
        Command4_Click(*f.app);
        const Form1& w = f.app->form1;
        EXPECT_EQ(w.Text1.Text + " " + w.Text2.Text + " " + w.Text3.Text + " " + w.Text4.Text,
                  c.expected);
        EXPECT_EQ(f.StoredSettings(), before) << "nothing stored until the next store";
    }
}

TEST(MainWindow, ChoosingAnotherWeekSavesTheOpenListFirst) {
    WindowFixture f;
    f.OpenEditedWeekOne();
    f.app->form1.Option1.Value = false;
    f.app->form1.Option2.Value = true;
    Option_Click(*f.app, 2);
    EXPECT_EQ(f.Bytes(f.layout.SnackListPath(1)).substr(681, 4), "Edit");
    EXPECT_EQ(f.app->st.SnackFile, f.layout.SnackListPath(2));
    EXPECT_EQ(f.app->form1.RichTextBox1.Text.substr(681, 4), "Temp");  // a fresh week 2

    f.app->st.SettingsLoading = 123;  // while settings load, week clicks do nothing
    Option_Click(*f.app, 1);
    EXPECT_EQ(f.app->st.SnackFile, f.layout.SnackListPath(2));
}

TEST(MainWindow, PrinterAndLabelTypeLists) {
    WindowFixture f;
    f.app->st.StoredPrinterMissing = true;  // the operator's choice replaces a missing one
    f.app->form1.Combo1.ListIndex = 1;
    Combo1_Click(*f.app);
    EXPECT_EQ(f.tp.printers.current, kPdfPrinterName);
    EXPECT_EQ(f.app->st.PrinterName, kPdfPrinterName);
    EXPECT_FALSE(f.app->st.StoredPrinterMissing);

    f.app->st.ListFilling = -2222;
    f.app->form1.Combo2.ListIndex = 4;
    Combo2_Click(*f.app);
    EXPECT_NE(f.app->st.LabelTypeNo, 5);  // ignored while the list is being filled
    f.app->st.ListFilling = 0;
    Combo2_Click(*f.app);
    EXPECT_EQ(f.app->st.LabelTypeNo, 5);
    EXPECT_EQ(f.app->form1.Text6.Text, "1430");  // type 5 has the default geometry

    f.app->form1.Combo2.Text = "Kitchen sheets";
    Combo2_KeyDown(*f.app, kKeyEnter);
    EXPECT_EQ(f.app->form1.Combo2.List[4], "Kitchen sheets");
}

TEST(MainWindow, APrinterIsChosenByNameWhenTheInstalledListChangedSinceStartUp) {
    WindowFixture f;
    f.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    f.app->form1.Combo1.List = f.tp.printers.names;  // as start-up listed them
    ASSERT_TRUE(f.tp.printers.SetCurrent("Kitchen"));

    // A queue added in front: the list's second entry is still "Office Laser".
    f.tp.printers.names = {"Annex", "Kitchen", "Office Laser", kPdfPrinterName};
    f.app->form1.Combo1.ListIndex = 1;
    Combo1_Click(*f.app);
    EXPECT_EQ(f.tp.printers.CurrentName(), "Office Laser");
    EXPECT_EQ(f.app->st.PrinterName, "Office Laser");
    EXPECT_TRUE(f.tp.dialogs.asked.empty());

    // A queue removed: choosing it is told and changes nothing.
    f.tp.printers.names = {"Office Laser", kPdfPrinterName};
    f.app->form1.Combo1.ListIndex = 0;
    Combo1_Click(*f.app);
    EXPECT_EQ(f.tp.printers.CurrentName(), "Office Laser");
    EXPECT_EQ(f.app->st.PrinterName, "Office Laser");
    EXPECT_EQ(f.app->form1.Combo1.Text, "Office Laser");
    EXPECT_EQ(f.app->form1.Combo1.ListIndex, 1);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].text.find("Kitchen"), std::string::npos);
}

TEST(MainWindow, TheStartDateIsStoredAndMirrored) {
    WindowFixture f;
    f.app->form1.wwDateTimeEdit1.Value = Date(2027, 2, 1);
    wwDateTimeEdit1_Change(*f.app);
    EXPECT_EQ(f.app->form2.wwDateTimeEdit1.Value, Date(2027, 2, 1));
    EXPECT_EQ(f.app->st.LabelDate, Date(2027, 2, 1));
    EXPECT_EQ(Cols(f.StoredSettings().substr(0, 100), 3, 12), "02-01-2027");
}

}  // namespace
}  // namespace vt::test
