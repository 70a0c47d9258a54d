// One resident's label texts: name and privacy, diet line, nourishment lines and copy marks.
#include <gtest/gtest.h>

#include <random>

#include "platform/text.h"
#include "resident_fixture.h"

namespace vt::test {
namespace {

TEST(ResidentData, AbbreviatedNamesUnderPrivacyLevelsOneThreeAndFour) {
    struct Case {
        const char* stored;
        const char* abbreviated;
    };
    // ",Mary" has no comma from position 2 on: all of it is the last name.
    for (const Case& c :
         {Case{"Smith, John", "Smi., Jo."}, Case{"Lee, Al", "L., Al."}, Case{"Smith", "Smi., ."},
          Case{"Ng,A", "N., A."}, Case{",Mary", ",Ma., ."}}) {
        EXPECT_EQ(AbbreviatedName(c.stored), c.abbreviated) << c.stored;
    }
    for (Int16 level : {0, 1, 2, 3, 4, 5}) {
        ResidentFixture f;
        f.app->st.PrivacyLevel = level;
        f.Load();
        const bool abbreviated = level == 1 || level == 3 || level == 4;
        EXPECT_EQ(f.app->st.ResidentName, abbreviated ? "E101A Smi., Jo." : "E101A Smith, John")
            << "level " << level;
    }
}

TEST(ResidentData, TheDietLineJoinsTheTextsButTube) {
    ResidentFixture f;
    f.resident.diets = {{{5, "PUREED"}, {0, ""}, {7, "tube"}, {8, "NAS"}}};
    f.Load();
    EXPECT_EQ(f.app->st.DietLine, "PUREED  NAS");  // the empty text still adds its blank
    EXPECT_EQ(f.app->st.DietCodes(1), 5);
    EXPECT_EQ(f.app->st.DietCodes(4), 8);
}

TEST(ResidentData, DietCodeNinetyNineGivesNoLabels) {
    for (std::size_t order : {0u, 3u}) {
        ResidentFixture f;
        f.resident.diets[order] = {99, "NPO"};
        f.resident.nourishments[0] = {"Ensure 8 oz", "", ""};
        f.Load();
        EXPECT_EQ(f.app->st.ResidentName, "");
        EXPECT_EQ(f.app->st.DietLine, "");
    }
}

TEST(ResidentData, CopyMarksAndTheEqualsCharacter) {
    ResidentFixture f;
    f.resident.nourishments[0] = {"Milk \xFE 2% @", "", ""};
    f.resident.nourishments[1] = {
        "\xFE"
        "first \xFE"
        "keeps",
        "~hidden #"};
    f.resident.nourishments[2] = {"~hidden @", "Cookies", ""};
    f.Load();
    const AppState& st = f.app->st;
    EXPECT_EQ(st.PeriodNourish1(1), "Milk = 2% @");
    EXPECT_EQ(st.PeriodCopies(1), 1);  // "@": two labels
    EXPECT_EQ(st.PeriodNourish2(1),
              "\xFE"
              "first \xFE"
              "keeps");                                     // a 0xFE first stops the rule
    EXPECT_EQ(st.PeriodNourish2(2), std::string(29, ' '));  // "~" is not printed...
    EXPECT_EQ(st.PeriodCopies(2), 2);                       // ...but its "#" counts
    EXPECT_EQ(st.PeriodCopies(3), 1);
    EXPECT_EQ(st.PeriodNourish3(2), "Cookies");
    EXPECT_EQ(st.PeriodNourish3(3), "");  // an empty line stays empty
    EXPECT_EQ(st.PeriodNourish2(3), "");  // 2pm has two lines only
    EXPECT_EQ(st.PeriodCopies(4), 0);
}

TEST(ResidentData, TextureFlagsFromTheDietLineInAnyCase) {
    struct Case {
        const char* diet;
        const char* prefix;
    };
    for (const Case& c :
         {Case{"mech soft", "MECHSOFT: "}, Case{"Chopped", "MECHSOFT: "},
          Case{"ground meat", "MECHSOFT: "}, Case{"Pureed", "PUREED: "}, Case{"REGULAR", ""}}) {
        ResidentFixture f;
        f.resident.diets[0] = {5, c.diet};
        f.resident.nourishments[3] = {"follow", "", ""};
        f.WriteSnackList({{1, 99, 0, 0}});
        f.Load();
        EXPECT_EQ(f.Hs(1), c.prefix + PadTo("row1 item1", 20)) << c.diet;
    }
}

TEST(ResidentData, FollowTakesTheFirstRowWhoseRangeCoversTheDietCodes) {
    struct Case {
        std::array<int, 4> codes;
        const char* expected;
    };
    for (const Case& c :
         {Case{{5, 0, 0, 0}, "row2 item1"}, Case{{2, 5, 0, 0}, "MECHSOFT: row3 item1"},
          Case{{2, 3, 0, 0}, "PUREED: row1 item1"}}) {
        ResidentFixture f;
        for (std::size_t i = 0; i < 4; ++i) f.resident.diets[i].code = c.codes[i];
        f.resident.nourishments[3] = {"Please FoLLoW list", "", ""};
        // Row 1 covers 1-3 only; row 2 covers 5 through its range B; row 3 covers 1-9.
        f.WriteSnackList({{1, 3, 0, 0}, {10, 20, 4, 6}, {1, 9, 0, 0}});
        f.Load();
        EXPECT_EQ(Trim(f.Hs(1)), c.expected);
        EXPECT_EQ(f.Hs(3).size(), std::string(c.expected).size() - 10 + 20) << "items keep 20";
    }
}

TEST(ResidentData, RoutineBedtimeSnacksOnlyWithoutABedtimeLine) {
    struct Case {
        std::array<std::string, 3> hs;
        Int16 routine;
        bool fromList;
    };
    for (const Case& c :
         {Case{{"", "", ""}, 1, true}, Case{{"", "", ""}, 0, false},
          Case{{"", "~kept away", ""}, 1, false}, Case{{"Cheese", "", ""}, 1, false}}) {
        ResidentFixture f;
        f.resident.nourishments[3] = c.hs;
        f.app->st.RoutineHS = c.routine;
        f.WriteSnackList({{1, 99, 0, 0}});
        f.Load();
        EXPECT_EQ(f.Hs(1) == PadTo("row1 item1", 20), c.fromList) << c.hs[0] << c.hs[1];
    }
}

TEST(ResidentData, RowsWithoutALowEndNeverMatchAndCodesOfZeroMatchAnySetRow) {
    ResidentFixture f;
    f.resident.diets = {};  // every code 0
    f.resident.nourishments[3] = {"FOLLOW", "", ""};
    f.WriteSnackList({{0, 50, 0, 50}, {60, 70, 0, 0}});
    f.Load();
    EXPECT_EQ(f.Hs(1), PadTo("row2 item1", 20));

    ResidentFixture none;
    none.resident.diets[0] = {5, "REGULAR"};
    none.resident.nourishments[3] = {"FOLLOW", "", ""};
    none.WriteSnackList({{0, 50, 0, 50}});
    none.Load();
    EXPECT_EQ(none.Hs(1), "FOLLOW");  // no row matches: the line as read
}

TEST(ResidentData, ResidentsWithoutLabels) {
    ResidentFixture missing;
    missing.app->st.ResidentId = "9999";
    LoadResident(*missing.app);
    EXPECT_EQ(missing.app->st.ResidentName, std::string(30, ' '));
    EXPECT_EQ(missing.app->st.DietLine, std::string(30, ' '));

    ResidentFixture inactive;
    inactive.resident.active = false;
    inactive.Load();
    EXPECT_EQ(inactive.app->st.SkipResident, 1);
}

TEST(ResidentData, AShortFileReadsAsBlanks) {
    ResidentFixture f;
    f.resident.nourishments[3] = {"Cheese", "", ""};
    site::WriteResidentFile(f.tp.root(), f.layout, f.resident);
    const std::string path = f.layout.ResidentPath("1234");
    WriteHostFile(f.Host(path), f.Bytes(path).substr(0, 82 * 8 + 20));  // up to record 9
    f.app->st.ResidentId = "1234";
    ReadDaySnacks(*f.app);
    LoadResident(*f.app);
    EXPECT_EQ(f.app->st.ResidentName, "E101A Smith, John");
    EXPECT_EQ(f.app->st.PeriodNourish1(1), "");
    EXPECT_EQ(f.app->st.PeriodNourish4(1), "");
}

TEST(ResidentData, KeysThatWouldLeaveTheDataFolderHaveNoFile) {
    ResidentFixture f;
    // A real resident file one folder up, which such a key would otherwise reach.
    WriteHostFile(f.Host("c:\\zel\\1234.~D1"), f.Bytes(f.layout.ResidentPath("1234")));
    for (const char* key : {"..\\1234", "../1234", "c:1234", "a\\..\\1234", "sub\\1234"}) {
        f.app->st.ResidentId = key;
        LoadResident(*f.app);
        EXPECT_EQ(f.app->st.ResidentName, std::string(30, ' ')) << key;
        EXPECT_FALSE(IsSafeResidentKey(key)) << key;
    }
    EXPECT_TRUE(IsSafeResidentKey("1234"));
    EXPECT_TRUE(IsSafeResidentKey(""));
}

TEST(ResidentData, DamagedFilesNeverCrash) {
    std::mt19937 rng(3101);
    ResidentFixture f;
    for (int round = 0; round < 200; ++round) {
        std::string bytes(rng() % 6000, ' ');
        for (char& c : bytes) c = static_cast<char>(rng() % 256);
        if (bytes.size() > 9) bytes[9] = '\xC4';  // mostly active, so everything is read
        WriteHostFile(f.Host(f.layout.ResidentPath("1234")), bytes);
        f.app->st.TrayLabelsOn = 1;
        f.app->st.RoutineHS = 1;
        f.app->st.PrivacyLevel = static_cast<Int16>(round % 6);
        f.app->st.ResidentId = "1234";
        f.app->st.SkipResident = 0;
        ReadDaySnacks(*f.app);
        LoadResident(*f.app);
        EXPECT_LE(f.app->st.ResidentName.size(), 40u) << round;
    }
}

}  // namespace
}  // namespace vt::test
