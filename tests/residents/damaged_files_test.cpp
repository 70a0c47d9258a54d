// Resident, dining and snack list files cut short or overwritten at random, fed through the
// day snack table and the resident load the way the print run feeds them: nothing throws, and
// what is left in the resident record still has the shape that label drawing relies on.
#include <gtest/gtest.h>

#include <random>

#include "platform/text.h"
#include "resident_fixture.h"
#include "site/dining_file.h"

namespace vt::test {
namespace {

site::Resident EveryFeature() {
    site::Resident r;
    r.key = "1234";
    r.location = "E101A";
    r.name = "Smith, John";
    r.diningCodes = {"GR1", "mdr", "X"};
    r.diets = {{{2, "MECH SOFT"}, {0, ""}, {7, "TUBE"}, {8, "NAS"}}};
    r.nourishments = {{{"Milk \xFE 2% @", "~hidden #", ""},
                       {"Juice", "Crackers", ""},
                       {"\xFEkeep\xFE", "", ""},
                       {"FOLLOW", "", ""}}};
    return r;
}

site::SnackTemplate ListWithRanges() {
    site::SnackTemplate t;
    for (std::size_t r = 0; r < 12; ++r) {
        t.rows[r].rangeALow = static_cast<int>(r + 1);
        t.rows[r].rangeAHigh = 20;
        for (auto& day : t.rows[r].items) day = {"Pudding", "Crackers \xFE", "Juice"};
    }
    return t;
}

// Cut the bytes somewhere (mostly past the status byte, so that most rounds read the whole
// resident) and overwrite a few of them with bytes the readers treat specially.
std::string Damage(std::string bytes, std::mt19937& rng, std::size_t usualMinimum) {
    const std::size_t cut = rng() % 4 == 0
                                ? rng() % (bytes.size() + 1)
                                : usualMinimum + rng() % (bytes.size() - usualMinimum + 1);
    bytes.resize(cut);
    const std::string special = "0123456789 -.~@#\xFE\xC4\r\nFOLLOWfollow";
    for (unsigned n = rng() % 40; n > 0 && !bytes.empty(); --n) {
        char& b = bytes[rng() % bytes.size()];
        b = rng() % 2 ? special[rng() % special.size()] : static_cast<char>(rng() % 256);
    }
    return bytes;
}

void ExpectUsableRecord(const AppState& st, int round) {
    SCOPED_TRACE("round " + std::to_string(round));
    if (st.SkipResident == 1) return;
    if (st.ResidentName.empty()) {  // diet code 99
        EXPECT_EQ(st.DietLine, "");
        return;
    }
    EXPECT_LE(st.ResidentName.size(), 6u + 1 + 25);
    EXPECT_LE(st.DietLine.size(), 4u + 13 + 13 + 14 + 10);
    const VbArray<std::string>* periods[] = {&st.PeriodNourish1, &st.PeriodNourish2,
                                             &st.PeriodNourish3};
    for (int p = 0; p < 3; ++p) {
        EXPECT_GE(st.PeriodCopies(p + 1), 0);
        EXPECT_LE(st.PeriodCopies(p + 1), 2);
        for (long k = 1; k <= 3; ++k) {
            const std::string& line = (*periods[p])(k);
            EXPECT_LE(line.size(), 29u);
            // Every 0xFE became "=" unless the line starts with one.
            if (!line.empty() && line[0] != '\xFE') {
                EXPECT_EQ(line.find('\xFE'), std::string::npos) << line;
            }
        }
    }
    EXPECT_EQ(st.PeriodNourish2(3), "");
    for (long k = 1; k <= 3; ++k) {
        EXPECT_LE(st.PeriodNourish4(k).size(), std::string("MECHSOFT: ").size() + 20);
    }
    for (const std::string* name : {&st.DiningName1, &st.DiningName2, &st.DiningName3}) {
        EXPECT_TRUE(name->empty() || name->size() == 38u) << *name;
    }
}

TEST(DamagedFiles, ResidentDiningAndSnackListFilesDamagedAtRandom) {
    const std::string resident = site::ResidentFileBytes(EveryFeature());
    const std::string dining =
        site::DiningFileBytes({{"GR1", "Garden Room"}, {"ZZZ", "Other"}, {"MDR", "Main"}});
    const std::string snacks = site::SnackTemplateBytes(ListWithRanges());
    std::mt19937 rng(3102);
    ResidentFixture f;
    const std::string list = f.layout.SnackListPath(1);
    for (int round = 0; round < 400; ++round) {
        WriteHostFile(f.Host(f.layout.ResidentPath("1234")), Damage(resident, rng, 82));
        WriteHostFile(f.Host(f.layout.DiningPath()), Damage(dining, rng, 0));
        WriteHostFile(f.Host(list), Damage(snacks, rng, 166 * 8));
        AppState& st = f.app->st;
        st.SnackFile = list;
        st.LabelDate = Date(2026, 12, 6).AddDays(round % 7);
        st.TrayLabelsOn = static_cast<Int16>(rng() % 2);
        st.RoutineHS = static_cast<Int16>(rng() % 2);
        st.PrivacyLevel = static_cast<Int16>(rng() % 6);
        st.ResidentId = "1234";
        st.SkipResident = 0;
        ASSERT_NO_THROW(ReadDaySnacks(*f.app)) << round;
        ASSERT_NO_THROW(LoadResident(*f.app)) << round;
        ExpectUsableRecord(st, round);
    }
}

}  // namespace
}  // namespace vt::test
