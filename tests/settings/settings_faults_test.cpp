// Damaged settings and label type files, files that cannot be written, printers that left.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "settings/label_settings.h"
#include "settings/printer_choice.h"
#include "settings_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

TEST(SettingsFaults, RandomAndTruncatedFilesNeverCrashAndStayInRange) {
    std::mt19937 rng(1208);
    for (int round = 0; round < 200; ++round) {
        StationFixture f;
        std::string settings(rng() % 400, ' ');
        for (char& c : settings) c = static_cast<char>(rng() % 256);
        if (round % 2 == 0) {  // mostly digits and blanks, so the fields parse
            for (char& c : settings) c = "0123456789 -.&"[rng() % 14];
        }
        std::string geometry(rng() % 2000, ' ');
        for (char& c : geometry) c = static_cast<char>(rng() % 256);
        WriteHostFile(f.Host(SettingsPath(f)), settings);
        WriteHostFile(f.Host(GeometryPath(f)), geometry);

        GetSet(*f.app);
        const AppState& st = f.app->st;
        EXPECT_TRUE(st.LabelTypeNo >= 1 && st.LabelTypeNo <= 25) << round;
        EXPECT_TRUE(st.BarcodeWidth == 0 || (st.BarcodeWidth >= 100 && st.BarcodeWidth <= 900));
        EXPECT_TRUE(st.PrivacyLevel >= 0 && st.PrivacyLevel <= 5) << round;
        EXPECT_TRUE(st.DaysToExpire >= 0 && st.DaysToExpire <= 99) << round;
        EXPECT_EQ(st.SettingsLoading, 0) << round;

        SaveSet(*f.app);
        EXPECT_TRUE(f.tp.dialogs.asked.empty()) << round;
        EXPECT_EQ(f.Bytes(SettingsPath(f)).substr(200),
                  settings.size() > 200 ? settings.substr(200) : "")
            << "records the program does not use are kept, round " << round;
        GetSet(*f.app);
    }
}

TEST(SettingsFaults, AHugeSettingsFileIsReadLikeAnyOther) {
    StationFixture f;
    std::string bytes(4 << 20, '7');
    PutField(bytes, 1, 12, "2 12-24-2026");
    WriteHostFile(f.Host(SettingsPath(f)), bytes);
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.LabelDate, Date(2026, 12, 24));
    EXPECT_EQ(f.app->st.LabelTypeNo, 2);
}

TEST(SettingsFaults, AFileThatCannotBeWrittenIsToldOnceAndKeepsItsBytes) {
    StationFixture f;
    const std::string old = PadTo("1 12-09-2026", 100) + std::string(100, ' ');
    WriteHostFile(f.Host(SettingsPath(f)), old);
    // The geometry file's name is taken by a folder: it cannot be replaced.
    fs::create_directories(f.Host(GeometryPath(f)));
    f.app->form1.Text14.Text = "5";
    SaveSet(*f.app);

    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].text.find("Labeltyp.D1"), std::string::npos)
        << f.tp.dialogs.asked[0].text;
    EXPECT_EQ(f.tp.dialogs.asked[0].buttons, MsgButtons::OK);
    // The settings file itself was stored before the geometry failed.
    EXPECT_EQ(Cols(SettingsRecord(f, 1), 55, 56), "5 ");
}

TEST(SettingsFaults, AMissingSetupFolderIsToldAndNothingIsWritten) {
    StationFixture f;
    fs::remove_all(f.Host("c:\\zel\\setup"));
    SaveSet(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].text.find("Labelset.D1"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.Host("c:\\zel\\setup")));
}

TEST(SettingsFaults, TellingAFailureStoresNothingTwice) {
    StationFixture f;
    fs::remove_all(f.Host("c:\\zel\\setup"));
    // The message box takes the focus from the window, which stores again.
    int nested = 0;
    struct Reentering : ScriptedDialogs {
        std::function<void()> onAsk;
        MsgAnswer MsgBox(const std::string& t, const std::string& ti, MsgButtons b,
                         int d) override {
            if (onAsk) onAsk();
            return ScriptedDialogs::MsgBox(t, ti, b, d);
        }
    } dialogs;
    Platform platform{f.tp.drives, f.tp.clock, dialogs, f.tp.events, f.tp.printers, f.tp.pictures};
    App app(platform);
    app.st.SetupTable = f.app->st.SetupTable;
    app.st.StationCode = "D1";
    dialogs.onAsk = [&] {
        if (nested++ == 0) SaveSet(app);
    };
    SaveSet(app);
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(nested, 1);
}

TEST(SettingsFaults, AStationWithoutAPathTableStoresNothingAndSaysNothing) {
    TestPlatform tp;
    App app(tp.platform);
    SaveSet(app);
    GetSet(app);
    EXPECT_TRUE(tp.dialogs.asked.empty());
    EXPECT_EQ(app.st.SettingsLoading, 0);
}

TEST(PrinterChoice, TheSavedPrinterIsFoundByItsFirstThirtyCharacters) {
    StationFixture f;
    const std::string longName = "Kitchen Label Printer Second Floor";  // 34 characters
    f.tp.printers.names = {"Office Laser", longName, kPdfPrinterName};
    f.app->st.PrinterName = PadTo(longName.substr(0, 30), 30);
    SelectSavedPrinter(*f.app);
    EXPECT_EQ(f.tp.printers.current, 1);
    EXPECT_EQ(f.app->st.PrinterName, longName);
}

TEST(PrinterChoice, APrinterNoLongerInstalledGivesTheDefault) {
    StationFixture f;
    f.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    f.app->st.DefaultPrinterNo = 1;
    f.app->st.PrinterName = PadTo("Gone Printer", 30);
    SelectSavedPrinter(*f.app);
    EXPECT_EQ(f.tp.printers.current, 1);
    EXPECT_EQ(f.app->st.PrinterName, "Office Laser");
    EXPECT_EQ(f.app->form1.Combo1.Text, "Office Laser");
}

}  // namespace
}  // namespace vt::test
