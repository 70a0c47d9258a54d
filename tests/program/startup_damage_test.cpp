// Damaged setup files: start-up stops silently at the failing step and never crashes.
#include <gtest/gtest.h>

#include <random>

#include "program/startup.h"
#include "site/setup_file.h"
#include "startup_fixture.h"

namespace vt::test {
namespace {

const std::string kSetup = "c:\\zel\\setup\\F.ZRB";

TEST(StartUpDamage, ShortFilesStopBeforeAnythingIsUsed) {
    // Cut anywhere up to the last path table record: the file is damaged, start-up stops and
    // the window opens (a file cut inside its path table does not end the program).
    const std::size_t pathTableEnd = 32u * (4 + 2 + 44);
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{10}, std::size_t{32},
                               std::size_t{100}, std::size_t{32 * 4}, pathTableEnd - 32}) {
        StartupSite s;
        s.Write();
        const std::string good = site::SetupFileBytes(s.setup);
        WriteHostFile(s.Host(kSetup), good.substr(0, length));
        Form_Load(s.app);
        // Without a path table nothing is reached: no printer list, no files created.
        EXPECT_TRUE(s.app.form1.Combo1.List.empty()) << length;
        EXPECT_FALSE(s.Exists("c:\\zel\\setup\\LabList.D1")) << length;
        EXPECT_FALSE(s.tp.events.quit) << length;
    }
}

TEST(StartUpDamage, NegativeOrZeroCountsStopStartUp) {
    for (const char* counts : {"-1", " 0", "00", "-9"}) {
        StartupSite s;
        s.Write();
        std::string bytes = ReadHostFile(s.Host(kSetup));
        bytes.replace(3, 2, counts);  // columns 4-5: the unit count
        WriteHostFile(s.Host(kSetup), bytes);
        Form_Load(s.app);
        EXPECT_TRUE(s.app.form1.Combo1.List.empty()) << counts;
        EXPECT_EQ(s.app.st.SetupTable.size(), 0u) << counts;
    }
}

TEST(StartUpDamage, BinaryBytesInEveryFieldNeverCrash) {
    StartupSite s;
    s.Write();
    std::string bytes = ReadHostFile(s.Host(kSetup));
    // Binary in the station code, the facility name and a unit name; start-up goes on, as the
    // fields are read as text.
    bytes[1] = '\xFF';
    bytes[32 * 3 + 5] = '\0';
    bytes[32 * 4 + 6] = '\x9D';
    WriteHostFile(s.Host(kSetup), bytes);
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.StationCode, "D\xFF");
    EXPECT_EQ(s.app.st.UnitCount, 2);
}

// Random and truncated setup files through the whole start-up. Run under the sanitizers in
// the test script's second build, this is where a read past a buffer would show.
TEST(StartUpDamage, RandomAndTruncatedSetupFilesNeverCrash) {
    std::mt19937 rng(20261208);
    StartupSite base;
    const std::string good = site::SetupFileBytes(base.setup);
    for (int round = 0; round < 300; ++round) {
        std::string bytes = good;
        switch (round % 3) {
            case 0:  // truncated anywhere
                bytes.resize(rng() % (good.size() + 1));
                break;
            case 1:  // a few bytes changed to anything
                for (int k = 0; k < 1 + static_cast<int>(rng() % 12); ++k) {
                    bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
                }
                break;
            default:  // pure noise of any length
                bytes.assign(rng() % 4000, '\0');
                for (char& c : bytes) c = static_cast<char>(rng() % 256);
                break;
        }
        StartupSite s;
        s.Write();
        WriteHostFile(s.Host(kSetup), bytes);
        Form_Load(s.app);
        // Whatever it read, it never left the drives folder and never asked to end unless the
        // default unit's list was missing.
        if (s.tp.events.quit) {
            EXPECT_FALSE(s.tp.drives.FileExists(s.app.st.UnitFile)) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace vt::test
