// Dining rooms for tray labels.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/text.h"
#include "resident_fixture.h"
#include "residents/dining_file.h"
#include "site/dining_file.h"

namespace vt::test {
namespace {

TEST(Dining, CodesAreComparedInUpperCaseAndTheFirstMatchWins) {
    StationFixture f;
    site::WriteDiningFile(
        f.tp.root(), f.layout,
        {{"abc", "Garden Room"}, {"ABC", "Second"}, {"MN", "Main"}, {"MN ", "Main 2"}});
    EXPECT_EQ(LookUpDining(f, "ABC"), PadTo("Garden Room", 38));
    EXPECT_EQ(LookUpDining(f, "MN"),
              "");  // stored "MN " keeps its blank: a short code never matches
    EXPECT_EQ(LookUpDining(f, "XYZ"), "");
}

TEST(Dining, AFileReplacedWithTheSameSizeAndTimeIsReadAgain) {
    StationFixture f;
    const auto host = f.Host(f.layout.DiningPath());
    const auto lastWeek = std::filesystem::file_time_type::clock::now() - std::chrono::hours(168);
    site::WriteDiningFile(f.tp.root(), f.layout, {{"GR1", "Garden Room"}});
    std::filesystem::last_write_time(host, lastWeek);
    EXPECT_EQ(Trim(LookUpDining(f, "GR1")), "Garden Room");
    site::WriteDiningFile(f.tp.root(), f.layout, {{"GR1", "Garden Hall"}});
    std::filesystem::last_write_time(host, lastWeek);
    EXPECT_EQ(Trim(LookUpDining(f, "GR1")), "Garden Hall");
}

TEST(Dining, OnlyTheFirstTwoHundredRecordsAreSearched) {
    StationFixture f;
    std::vector<site::DiningRoom> rooms(200, site::DiningRoom{"ZZZ", "Filler"});
    rooms.push_back({"END", "Too far"});
    rooms[199] = {"LST", "Last one"};
    site::WriteDiningFile(f.tp.root(), f.layout, rooms);
    EXPECT_EQ(Trim(LookUpDining(f, "LST")), "Last one");
    EXPECT_EQ(LookUpDining(f, "END"), "");
}

TEST(Dining, AMissingDiningFileFindsNothingAndIsNotCreated) {
    StationFixture f;
    EXPECT_EQ(LookUpDining(f, "ABC"), "");
    EXPECT_FALSE(std::filesystem::exists(f.Host(f.layout.DiningPath())));
}

// The records system deletes the dining file and writes it anew: a lookup meanwhile finds the
// room or, the file being gone, nothing.
TEST(Dining, AFileRewrittenDuringLookupsFindsTheRoomOrNothing) {
    StationFixture f;
    const std::filesystem::path host = f.Host(f.layout.DiningPath());
    const std::string bytes = site::DiningFileBytes({{"ABC", "Garden Room"}});
    WriteHostFile(host, bytes);
    std::atomic<bool> done{false};
    std::thread rewriter([&] {
        while (!done) {
            std::filesystem::remove(host);
            WriteHostFile(host, bytes);
        }
    });
    for (int i = 0; i < 2000; ++i) {
        std::string room;
        EXPECT_NO_THROW(room = LookUpDining(f, "ABC"));
        if (!room.empty()) {
            EXPECT_EQ(room, PadTo("Garden Room", 38));
        }
    }
    done = true;
    rewriter.join();
}

TEST(Dining, TrayLabelsLookUpEachMealsRoom) {
    ResidentFixture f;
    site::WriteDiningFile(f.tp.root(), f.layout, {{"GR ", "Garden Room"}, {"MDR", "Main Dining"}});
    f.resident.diningCodes = {"gr", "mdr", "xx"};
    f.app->st.TrayLabelsOn = 1;
    f.Load();
    EXPECT_EQ(f.app->st.DiningName1, "");  // "GR" trimmed never equals the stored "GR "
    EXPECT_EQ(Trim(f.app->st.DiningName2), "Main Dining");
    EXPECT_EQ(f.app->st.DiningName3, "");

    ResidentFixture off;
    site::WriteDiningFile(off.tp.root(), off.layout, {{"MDR", "Main Dining"}});
    off.resident.diningCodes = {"MDR", "MDR", "MDR"};
    off.app->st.DiningName2 = "old";
    off.Load();
    EXPECT_EQ(off.app->st.DiningName2, "");  // not looked up with tray labels off
}

}  // namespace
}  // namespace vt::test
