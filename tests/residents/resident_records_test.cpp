// Resident data read from hand-placed fields: each field from its own columns and records only,
// the copy marks and "=" rule line by line, privacy names and the H.S. snack list rules.
#include <gtest/gtest.h>

#include "platform/record_image.h"
#include "platform/text.h"
#include "resident_fixture.h"
#include "site/dining_file.h"

namespace vt::test {
namespace {

// The fixture's resident file with fields put in by hand; the bytes next to each field hold
// marks that show up if a field is read one column too wide.
struct RawResident : ResidentFixture {
    RecordImage file{82};
    RawResident() { file = RecordImage(82, site::ResidentFileBytes(resident)); }
    void Put(std::size_t record, std::size_t column, const std::string& text) {
        file.Put(record, column, text.size(), text);
    }
    void LoadRaw() {
        WriteHostFile(Host(layout.ResidentPath(resident.key)), file.bytes());
        ReadDaySnacks(*app);
        app->st.ResidentId = resident.key;
        app->st.SkipResident = 0;
        LoadResident(*app);
    }
};

TEST(ResidentRecords, EveryFieldComesFromItsOwnColumns) {
    RawResident f;
    f.Put(2, 4, "X" + PadTo("W12", 6) + "YYYY" + PadTo("Lee, Al", 25) + "Z");
    //                 code  text1           code  text2           code  text3
    f.Put(8, 10,
          "7005"
          "7REGULAR      Q  3"
          "Q"
          "NAS          Q"
          "   "
          "Q" +
              std::string(14, ' ') + "Q012Q" + PadTo("LOW FAT", 10) + "Q");
    f.Put(50, 42, "X" + std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ123") + "X");
    f.Put(4, 42, "XGR1XXXMDRXXXcccX");
    site::WriteDiningFile(
        f.tp.root(), f.layout,
        {{"XGR", "wrong"}, {"1XX", "wrong"}, {"GR1", "Garden"}, {"MDR", "Main"}, {"CCC", "Cafe"}});
    f.app->st.TrayLabelsOn = 1;
    f.LoadRaw();
    const AppState& st = f.app->st;
    EXPECT_EQ(st.ResidentName, "W12 Lee, Al");
    // Text 3 is empty and still adds its blank: two blanks before LOW FAT.
    EXPECT_EQ(st.DietLine, "REGULAR NAS  LOW FAT");
    EXPECT_EQ(st.DietCodes(1), 5);
    EXPECT_EQ(st.DietCodes(2), 3);
    EXPECT_EQ(st.DietCodes(3), 0);
    EXPECT_EQ(st.DietCodes(4), 12);
    EXPECT_EQ(st.PeriodNourish1(1), "ABCDEFGHIJKLMNOPQRSTUVWXYZ123");
    EXPECT_EQ(Trim(st.DiningName1), "Garden");
    EXPECT_EQ(Trim(st.DiningName2), "Main");
    EXPECT_EQ(Trim(st.DiningName3), "Cafe");  // "ccc" is looked up upper-cased
}

TEST(ResidentRecords, OnlyThePeriodsOwnRecordsAreRead) {
    // Records 53, 56, 60 and 64 follow a period's lines but belong to none: 2pm has two lines
    // (54, 55), so a third 2pm line or its copy mark must not appear.
    RawResident f;
    f.Put(54, 43, "Juice");
    f.Put(55, 43, "Crackers");
    for (std::size_t record : {49u, 53u, 56u, 60u, 64u}) f.Put(record, 43, "Stray # FOLLOW");
    f.app->st.RoutineHS = 0;
    f.LoadRaw();
    const AppState& st = f.app->st;
    EXPECT_EQ(st.PeriodNourish2(1), "Juice");
    EXPECT_EQ(st.PeriodNourish2(2), "Crackers");
    EXPECT_EQ(st.PeriodNourish2(3), "");
    EXPECT_EQ(st.PeriodNourish1(3), "");  // record 52, blank in the file: stored empty
    for (long period = 1; period <= 4; ++period) EXPECT_EQ(st.PeriodCopies(period), 0) << period;
    EXPECT_EQ(st.PeriodNourish4(1), "");  // no FOLLOW was read, so no snack list either
}

TEST(ResidentRecords, CopyMarksAndTheEqualsRuleLineByLine) {
    struct Case {
        std::string line, stored;
        Int16 copies;  // 0 one label, 1 two, 2 three
    };
    ResidentFixture f;
    for (const Case& c : {
             Case{"Milk \xFE 2% @", "Milk = 2% @", 1},  // the mark stays in the text
             Case{"a\xFE"
                  "b\xFE"
                  "c",
                  "a=b=c", 0},               // every 0xFE after the first place
             Case{"a\xFE\xFE#", "a==#", 2},  //
             Case{"\xFE"
                  "a\xFE"
                  "b",
                  "\xFE"
                  "a\xFE"
                  "b",
                  0},                        // a 0xFE first keeps them all
             Case{"@ and #", "@ and #", 2},  // "#" is tested after "@"
             Case{"# and @", "# and @", 2},  //
             Case{"", "", 0},                //
         }) {
        std::string line = c.line;
        const Int16 copies = MarkLine(f.app->st, line, 0);
        EXPECT_EQ(line, c.stored) << c.line;
        EXPECT_EQ(copies, c.copies) << c.line;
    }
}

TEST(ResidentRecords, PrivacyLevelsOneThreeAndFourAbbreviateTheName) {
    struct Case {
        const char* stored;
        const char* abbreviated;
    };
    ResidentFixture f;
    for (const Case& c :
         {Case{"Smith, John", "Smi., Jo."}, Case{"Lee, Al", "L., Al."}, Case{"Smith", "Smi., ."}}) {
        for (Int16 level = 0; level <= 5; ++level) {
            f.resident.name = c.stored;
            f.app->st.PrivacyLevel = level;
            f.Load();
            const bool abbreviates = level == 1 || level == 3 || level == 4;
            EXPECT_EQ(f.app->st.ResidentName,
                      std::string("E101A ") + (abbreviates ? c.abbreviated : c.stored))
                << c.stored << " level " << level;
        }
    }
}

TEST(ResidentRecords, WhichBedtimeLinesBringTheSnackList) {
    struct Case {
        std::array<std::string, 3> tenAm, hs;
        Int16 routine;
        bool fromList;  // why
    };
    ResidentFixture f;
    for (const Case& c : {
             Case{{}, {"", "", "follow"}, 0, true},           // FOLLOW on any H.S. line
             Case{{}, {"~FOLLOW", "", ""}, 0, true},          // even on one that does not print
             Case{{}, {"~", "", ""}, 1, false},               // "~" alone is a line: no routine
             Case{{"FOLLOW", "", ""}, {}, 0, false},          // FOLLOW counts at H.S. only
             Case{{"FOLLOW", "", ""}, {"Cheese"}, 1, false},  //
             Case{{"Juice", "", ""}, {}, 1, true},            // other periods do not matter
         }) {
        f.resident.nourishments[0] = c.tenAm;
        f.resident.nourishments[3] = c.hs;
        f.app->st.RoutineHS = c.routine;
        f.WriteSnackList({{1, 99, 0, 0}});
        f.Load();
        EXPECT_EQ(f.Hs(1) == PadTo("row1 item1", 20), c.fromList)
            << c.tenAm[0] << " / " << c.hs[0] << c.hs[2] << " routine " << c.routine;
        if (c.fromList) {
            EXPECT_EQ(f.Hs(3), PadTo("row1 item3", 20));
        }
    }
}

TEST(ResidentRecords, FollowingWithoutASnackListKeepsTheLinesAsRead) {
    // No list for the week (no template was found): the table is empty and matches nothing.
    ResidentFixture f;
    f.resident.nourishments[3] = {"FOLLOW list", "~x @", ""};
    f.app->st.SnackFile = "";
    f.app->st.RoutineHS = 1;
    EXPECT_NO_THROW(f.Load());
    EXPECT_EQ(f.Hs(1), "FOLLOW list");
    EXPECT_EQ(f.Hs(2), std::string(29, ' '));
    EXPECT_EQ(f.app->st.PeriodCopies(4), 1);
}

}  // namespace
}  // namespace vt::test
