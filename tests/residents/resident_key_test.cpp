// Resident keys come from the unit files: a key that names anything but a file in the data
// folder is a resident without a data file, even when a file at the place it names exists.
#include <gtest/gtest.h>

#include <filesystem>

#include "resident_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

TEST(ResidentKey, KeysNamingOtherPlacesReadNoFile) {
    struct Case {
        std::string key;
        std::string planted;  // a resident file where the key would lead, "" when none can be
    };
    const std::string data = "c:\\zel\\dataD1\\";
    // One site for all keys: the files planted for earlier keys stay and tempt the later ones.
    ResidentFixture f;
    site::WriteResidentFile(f.tp.root(), f.layout, f.resident);
    for (const Case& c : {
             Case{"sub\\1234", data + "sub\\1234.~D1"},  // a folder inside the data folder
             Case{"sub/1234", data + "sub\\1234.~D1"},   //
             Case{"..", data + "...~D1"},                // ".." even where it is no folder step
             Case{"a..b", data + "a..b.~D1"},            //
             Case{"..\\1234", "c:\\zel\\1234.~D1"},      // the folder above
             Case{"c:1234", ""},                         // a drive
             Case{std::string("12\0"
                              "34",
                              5),
                  ""},  // a NUL would cut the host name short
         }) {
        if (!c.planted.empty()) {
            WriteHostFile(f.Host(c.planted), f.Bytes(f.layout.ResidentPath("1234")));
        }
        EXPECT_FALSE(IsSafeResidentKey(c.key)) << c.key;
        f.app->st.ResidentId = c.key;
        f.app->st.SkipResident = 0;
        ReadDaySnacks(*f.app);
        LoadResident(*f.app);
        EXPECT_EQ(f.app->st.ResidentName, std::string(30, ' ')) << c.key;
        EXPECT_EQ(f.app->st.DietLine, std::string(30, ' ')) << c.key;
        EXPECT_EQ(f.app->st.SkipResident, 0) << c.key;
    }
    for (const char* key : {"1234", "A-7", "12.34", "0000001"}) {
        EXPECT_TRUE(IsSafeResidentKey(key)) << key;
    }
}

TEST(ResidentKey, ALinkOutOfTheDrivesFolderIsNotFollowed) {
    ResidentFixture f;
    TempDir elsewhere;
    const fs::path outside = elsewhere.path() / "1234.~D1";
    WriteHostFile(outside, site::ResidentFileBytes(f.resident));
    fs::create_symlink(outside, f.Host(f.layout.ResidentPath("1234")));
    f.app->st.ResidentId = "1234";
    ReadDaySnacks(*f.app);
    LoadResident(*f.app);
    EXPECT_EQ(f.app->st.ResidentName, std::string(30, ' '));
}

}  // namespace
}  // namespace vt::test
