// Damaged settings and label type files: GetSet never crashes, every value lands in its range,
// and what SaveSet then stores reads back as the same settings.
#include <gtest/gtest.h>

#include <random>

#include "settings/label_settings.h"
#include "settings_fixture.h"
#include "site/label_settings.h"
#include "site/label_types.h"

namespace vt::test {
namespace {

// A settings file with a value other than the default in most fields.
std::string GoodSettings() {
    site::LabelSettings s;
    s.labelTypeNo = 3;
    s.startDate = "12-24-2026";
    s.daysToPrint = 7;
    s.lastResident = 99;
    s.periodOn = {1, 2, 0, 1};
    s.snackWeek = 4;
    s.barcodeOn = 1;
    s.barcodeWidth = 620;
    s.barcodeXYFactor = 5.25;
    s.barcodeType = 6;
    s.periodCaptions = {"Brkf", "&Lun", "Tea ", "HS"};
    s.privacyLevel = 3;
    s.daysToExpire = 12;
    return site::LabelSettingsBytes(s);
}

std::string GoodGeometry() {
    std::vector<site::LabelType> types(25);
    for (std::size_t i = 0; i < types.size(); ++i) {
        types[i].geometry.top = 300 + static_cast<int>(i);
        types[i].geometry.columnX = {100, 4000, 7970, 0};
    }
    return site::LabelGeometryBytes(types);
}

// Damage `bytes` one of four ways: cut anywhere, a few bytes changed to anything, a third of
// the bytes changed to characters that numbers are made of (so that the fields parse to odd
// values), or pure noise of any length.
std::string Damage(const std::string& bytes, int how, std::mt19937& rng) {
    std::string out = bytes;
    switch (how % 4) {
        case 0:
            out.resize(rng() % (bytes.size() + 1));
            break;
        case 1:
            for (int k = 0; k < 1 + static_cast<int>(rng() % 12); ++k) {
                out[rng() % out.size()] = static_cast<char>(rng() % 256);
            }
            break;
        case 2:
            for (char& c : out) {
                if (rng() % 3 == 0) c = "0123456789 -.&\xFF"[rng() % 15];
            }
            break;
        default:
            out.assign(rng() % (bytes.size() + 100), ' ');
            for (char& c : out) c = static_cast<char>(rng() % 256);
    }
    return out;
}

void ExpectInRange(const App& app, int round) {
    const AppState& st = app.st;
    const Form1& w = app.form1;
    EXPECT_TRUE(st.LabelTypeNo >= 1 && st.LabelTypeNo <= 25) << round;
    EXPECT_GE(st.LabelDate, Date(2000, 1, 1)) << round;
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(st.PeriodOn(k) >= 0 && st.PeriodOn(k) <= 2) << round;
    EXPECT_TRUE(st.SnackWeek >= 1 && st.SnackWeek <= 5) << round;
    EXPECT_TRUE(st.BarcodeWidth >= 100 && st.BarcodeWidth <= 900) << round;
    EXPECT_TRUE(st.BarcodeLeftShift >= 1 && st.BarcodeLeftShift <= 9000) << round;
    EXPECT_TRUE(st.BarcodeDownShift >= 1 && st.BarcodeDownShift <= 9000) << round;
    EXPECT_TRUE(st.BarcodeHeight >= 10 && st.BarcodeHeight <= 9000) << round;
    EXPECT_TRUE(st.BarcodeXYFactor >= 0.05f && st.BarcodeXYFactor <= 999.9f) << round;
    EXPECT_TRUE(st.BarcodeType >= 1 && st.BarcodeType <= 23) << round;
    EXPECT_EQ(w.Barcod1.Symbology, st.BarcodeType) << round;
    EXPECT_TRUE(st.PrivacyLevel >= 0 && st.PrivacyLevel <= 5) << round;
    EXPECT_TRUE(st.DaysToExpire >= 0 && st.DaysToExpire <= 99) << round;
    EXPECT_TRUE(st.TrayLabelsOn == 0 || st.TrayLabelsOn == 1) << round;
    EXPECT_NE(st.TopMargin, 0) << round;
    EXPECT_NE(st.LabelHeight, 0) << round;
    EXPECT_NE(st.LabelWidth, 0) << round;
    EXPECT_NE(st.RowsPerPage, 0) << round;
    EXPECT_EQ(st.SettingsLoading, 0) << round;
    EXPECT_EQ(st.ListFilling, 0) << round;
    EXPECT_FALSE(st.PrinterName.empty()) << "a printer is always chosen, round " << round;
}

// Damaged files through GetSet, SaveSet, GetSet. Run under the sanitizers in the test
// script's second build, this is where a read past a buffer would show.
TEST(SettingsDamage, RandomAndTruncatedFilesLoadInRangeAndReadBackTheSame) {
    std::mt19937 rng(20261208);
    const std::string goodSettings = GoodSettings();
    const std::string goodGeometry = GoodGeometry();
    for (int round = 0; round < 300; ++round) {
        StationFixture f;
        WriteBlankNameList(f);
        const std::string settings = Damage(goodSettings, round, rng);
        const std::string geometry = Damage(goodGeometry, round / 4, rng);
        WriteHostFile(f.Host(SettingsPath(f)), settings);
        WriteHostFile(f.Host(GeometryPath(f)), geometry);

        GetSet(*f.app);
        ExpectInRange(*f.app, round);
        const std::string loaded = LoadedState(*f.app);

        SaveSet(*f.app);
        // A damaged printer name is a printer that is not installed: the one box allowed.
        for (const auto& box : f.tp.dialogs.asked) {
            EXPECT_EQ(box.text.rfind("The printer ", 0), 0u) << box.text << ", round " << round;
        }
        const std::string stored = f.Bytes(SettingsPath(f));
        ASSERT_GE(stored.size(), 200u) << round;
        EXPECT_EQ(stored.substr(200), settings.size() > 200 ? settings.substr(200) : "")
            << "records the program does not use are kept, round " << round;

        // What was stored is what was loaded: the next start finds the same settings.
        auto next = f.NewApp();
        GetSet(*next);
        EXPECT_EQ(LoadedState(*next), loaded) << round;
        if (HasFailure()) {
            ADD_FAILURE() << "settings file of round " << round << ": [" << settings << "]";
            break;
        }
    }
}

TEST(SettingsDamage, AHugeSettingsFileIsReadLikeAnyOther) {
    StationFixture f;
    std::string bytes(4 << 20, '7');
    PutField(bytes, 1, 12, "2 12-24-2026");
    WriteHostFile(f.Host(SettingsPath(f)), bytes);
    GetSet(*f.app);
    EXPECT_EQ(f.app->st.LabelDate, Date(2026, 12, 24));
    EXPECT_EQ(f.app->st.LabelTypeNo, 2);
    EXPECT_EQ(f.app->form1.Check1.Value, 0);  // "7" is no check box state
    EXPECT_EQ(f.app->st.BarcodeWidth, 777);
    EXPECT_FLOAT_EQ(f.app->st.BarcodeXYFactor, 4.8f);  // 77777 is out of range
    SaveSet(*f.app);
    EXPECT_EQ(f.Bytes(SettingsPath(f)).size(), bytes.size());
}

TEST(SettingsDamage, ShortRecordsReadAsBlank) {
    // Cut inside record 1, at its end, inside record 2: what is there is read, the rest is
    // blank and gives the defaults.
    const std::string good = GoodSettings();
    struct Case {
        std::size_t length;
        Int16 daysToPrint;
        Int32 barcodeWidth;
        const char* caption1;  // blanks are text: only a code below 32 gives the default name
    };
    for (const Case& c : {Case{12, 0, 460, "    "}, Case{100, 7, 460, "    "},
                          Case{140, 7, 620, "    "}, Case{159, 7, 620, "Brkf"}}) {
        StationFixture f;
        WriteHostFile(f.Host(SettingsPath(f)), good.substr(0, c.length));
        GetSet(*f.app);
        EXPECT_EQ(f.app->st.LabelDate, Date(2026, 12, 24)) << c.length;
        EXPECT_EQ(f.app->st.DaysToPrint, c.daysToPrint) << c.length;
        EXPECT_EQ(f.app->st.BarcodeWidth, c.barcodeWidth) << c.length;
        EXPECT_EQ(f.app->form1.Check1.Caption, c.caption1) << c.length;
    }
}

}  // namespace
}  // namespace vt::test
