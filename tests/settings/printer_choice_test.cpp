// The stored printer against the installed ones, and the user label that goes with a printer.
#include "settings/printer_choice.h"

#include <gtest/gtest.h>

#include "settings/label_settings.h"
#include "settings_fixture.h"
#include "site/label_settings.h"
#include "site/small_files.h"

namespace vt::test {
namespace {

void StorePrinter(StationFixture& f, const std::string& name) {
    site::LabelSettings s;
    s.startDate = "12-09-2026";
    s.printerName = name;  // the file holds its first 30 characters
    site::WriteLabelSettings(f.tp.root(), f.layout, s);
}

TEST(PrinterChoice, AStoredNameOfThirtyFiveCharactersFindsThePrinterByItsFullName) {
    StationFixture f;
    const std::string longName = "Kitchen Label Printer, Second Floor";
    ASSERT_EQ(longName.size(), 35u);
    f.tp.printers.names = {"Office Laser", longName, kPdfPrinterName};
    StorePrinter(f, longName);
    auto app = f.NewApp();
    GetSet(*app);
    EXPECT_EQ(f.tp.printers.current, longName);
    EXPECT_FALSE(app->st.StoredPrinterMissing);
    EXPECT_EQ(app->st.PrinterName, longName);
    EXPECT_EQ(app->form1.Combo1.Text, longName);

    SaveSet(*app);  // stored cut to 30 again, so the next start finds it the same way
    EXPECT_EQ(Cols(SettingsRecord(f, 2), 1, 30), longName.substr(0, 30));
}

TEST(PrinterChoice, OfTwoPrintersSharingTheStoredThirtyCharactersTheLastWins) {
    // Each printer is compared with the name as stored, not with the full name a first match
    // put in its place.
    StationFixture f;
    const std::string first = "Kitchen Label Printer, Second Floor";
    const std::string second = "Kitchen Label Printer, Second Floor West";
    f.tp.printers.names = {first, "Office Laser", second, kPdfPrinterName};
    f.app->st.PrinterName = PadTo(first, 30);
    SelectSavedPrinter(*f.app);
    EXPECT_EQ(f.tp.printers.current, second);
    EXPECT_EQ(f.app->st.PrinterName, second);
    EXPECT_EQ(f.app->form1.Combo1.Text, second);
}

TEST(PrinterChoice, AMissingPrinterPrintsOnTheDefaultButStaysStoredAndIsToldOnce) {
    // The stored printer is away (its print server is down, the queue was removed): the
    // default prints for now, the stored name is kept, and the operator is told once.
    StationFixture f;
    f.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    StorePrinter(f, "Gone Printer");
    auto app = f.NewApp();
    app->form1.Combo1.List = f.tp.printers.names;  // as start-up listed them
    app->st.DefaultPrinterNo = 1;                  // "Office Laser", as start-up found it
    f.tp.printers.current = kPdfPrinterName;
    GetSet(*app);
    EXPECT_EQ(f.tp.printers.current, "Office Laser");
    EXPECT_TRUE(app->st.StoredPrinterMissing);
    EXPECT_EQ(app->st.PrinterName, PadTo("Gone Printer", 30));
    EXPECT_EQ(app->form1.Combo1.Text, "Office Laser");
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text,
              "The printer Gone Printer is not available. Printing goes to Office Laser until "
              "you choose a printer in the printer list.");

    SaveSet(*app);  // every run saves and loads again: the name stays, no second box
    GetSet(*app);
    EXPECT_EQ(Cols(SettingsRecord(f, 2), 1, 30), PadTo("Gone Printer", 30));
    EXPECT_EQ(f.tp.dialogs.asked.size(), 1u);
}

TEST(PrinterChoice, AStationThatStoredNoPrinterTakesTheDefaultAsItsOwn) {
    StationFixture f;
    f.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    f.app->st.PrinterName = std::string(30, ' ');
    f.app->form1.Combo1.List = f.tp.printers.names;
    f.app->st.DefaultPrinterNo = 1;
    SelectSavedPrinter(*f.app);
    EXPECT_FALSE(f.app->st.StoredPrinterMissing);
    EXPECT_EQ(f.app->st.PrinterName, "Office Laser");
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
}

TEST(PrinterChoice, APrinterIsMatchedOnlyByItsWholeStoredName) {
    // "Office" is a prefix of an installed name but not that name padded: no match.
    StationFixture f;
    f.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    f.app->st.PrinterName = PadTo("Office", 30);
    f.app->form1.Combo1.List = f.tp.printers.names;
    f.app->st.DefaultPrinterNo = 2;
    SelectSavedPrinter(*f.app);
    EXPECT_EQ(f.tp.printers.current, kPdfPrinterName);
    EXPECT_TRUE(f.app->st.StoredPrinterMissing);
}

TEST(PrinterChoice, WithoutPrintersTheListSaysSoAndTheUserLabelIsNotLoaded) {
    StationFixture f;
    site::WriteUserLabelText(f.tp.root(), f.layout, "Welcome, Rose");
    StorePrinter(f, "Office Laser");
    auto app = f.NewApp();
    app->st.NoPrinterList = 1;
    f.tp.printers.current = kPdfPrinterName;
    GetSet(*app);
    EXPECT_EQ(app->form1.Combo1.Text, "No Printers Installed");
    EXPECT_EQ(f.tp.printers.current, kPdfPrinterName);  // no printer was made current
    EXPECT_EQ(app->st.ULabelText, "");
    EXPECT_EQ(app->form2.Text1.Text, "");
    EXPECT_EQ(app->st.LabelDate, Date(2026, 12, 9));  // the rest of the settings still load

    SaveSet(*app);  // the stored printer stays for the day a printer is back
    EXPECT_EQ(Cols(SettingsRecord(f, 2), 1, 30), PadTo("Office Laser", 30));
}

TEST(PrinterChoice, WithAPrinterTheUserLabelTextReachesTheSimpleWindow) {
    struct Case {
        const char* text;
        bool quoted;
        const char* read;
    };
    for (const Case& c : {Case{"Welcome, Rose", true, "Welcome, Rose"},  // commas inside quotes
                          Case{"Welcome, Rose", false, "Welcome"}}) {    // unquoted: to the comma
        StationFixture f;
        site::WriteUserLabelText(f.tp.root(), f.layout, c.text, c.quoted);
        f.app->form2.Text1.Text = "typed before";
        GetSet(*f.app);
        EXPECT_EQ(f.app->st.ULabelText, c.read) << c.quoted;
        EXPECT_EQ(f.app->form2.Text1.Text, c.read) << c.quoted;
        EXPECT_EQ(f.app->st.ULabelFile, f.layout.UserLabelPath());
    }
    StationFixture f;  // no user-label file: the simple window's text is emptied
    f.app->form2.Text1.Text = "typed before";
    GetSet(*f.app);
    EXPECT_EQ(f.app->form2.Text1.Text, "");
}

}  // namespace
}  // namespace vt::test
