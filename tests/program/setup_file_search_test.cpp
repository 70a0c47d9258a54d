// Finding the setup file: c:, the drive scan, the locator files, then a:, b:, c:.
#include <gtest/gtest.h>

#include "program/setup_file.h"
#include "program/startup.h"
#include "site/small_files.h"
#include "startup_fixture.h"

namespace vt::test {
namespace {

void WriteSetupAt(StartupSite& s, const std::string& path) {
    site::WriteSetupFile(s.tp.root(), path, s.setup);
}

TEST(SetupFileSearch, FixedPlaceOnCComesFirst) {
    StartupSite s;
    WriteSetupAt(s, "c:\\zel\\setup\\F.ZRB");
    WriteSetupAt(s, "d:\\zel\\setup\\F.ZRB");
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupNotFound, 0);
    EXPECT_EQ(s.app.st.SetupFile, "c:\\zel\\setup\\F.ZRB");
    EXPECT_EQ(s.app.st.SetupFolder, "c:\\zel\\setup");
}

TEST(SetupFileSearch, DriveScanFindsTheFirstDriveFromD) {
    // Only on f: (and later g:): d: and e: are tried first and miss, f: wins over g:.
    StartupSite s;
    WriteSetupAt(s, "f:\\zel\\setup\\F.ZRB");
    WriteSetupAt(s, "g:\\zel\\setup\\F.ZRB");
    std::filesystem::create_directories(s.Host("d:\\zel\\setup"));  // a drive without the file
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupFile, "f:\\zel\\setup\\F.ZRB");
    EXPECT_EQ(s.app.st.SetupFolder, "f:\\zel\\setup");
}

TEST(SetupFileSearch, SetupFileOnFOnlyIsReadAndBecomesPathTableEntryOne) {
    StartupSite s;
    WriteSetupAt(s, "f:\\zel\\setup\\F.ZRB");
    site::WriteUnitFile(s.tp.root(), s.layout, 1, {"1001"});
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.SetupTable(1), "f:\\zel\\setup");
    EXPECT_EQ(s.app.st.StationCode, "D1");
    EXPECT_FALSE(s.tp.events.quit);
}

TEST(SetupFileSearch, LocatorNamesTheFolderUpToTheFirstBlank) {
    StartupSite s;
    site::WriteLocatorFile(s.tp.root(), 'a', "x:\\sites\\elm more words");
    WriteSetupAt(s, "x:\\sites\\elm\\f.zrb");
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupNotFound, 0);
    EXPECT_EQ(s.app.st.SetupFile, "x:\\sites\\elm\\f.zrb");
    EXPECT_EQ(s.app.st.SetupFolder, "x:\\sites\\elm");
}

TEST(SetupFileSearch, LocatorOnBIsReadWhenAHasNone) {
    StartupSite s;
    site::WriteLocatorFile(s.tp.root(), 'b', "x:\\elm");
    WriteSetupAt(s, "x:\\elm\\F.ZRB");  // found whatever the case of the name
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupNotFound, 0);
    EXPECT_EQ(s.app.st.SetupFolder, "x:\\elm");
}

TEST(SetupFileSearch, LocatorWithoutSetupFileFallsBackToTheFixedPlaces) {
    StartupSite s;
    site::WriteLocatorFile(s.tp.root(), 'a', "x:\\gone");
    WriteSetupAt(s, "b:\\zel\\setup\\F.ZRB");
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupFile, "b:\\zel\\setup\\F.ZRB");
    EXPECT_EQ(s.app.st.SetupFolder, "b:\\zel\\setup");
}

TEST(SetupFileSearch, NothingAnywhereLeavesTheWindowAsDesigned) {
    StartupSite s;
    site::WriteLocatorFile(s.tp.root(), 'a', "x:\\gone");
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.SetupNotFound, 1);
    EXPECT_EQ(s.app.st.FacilityName, "Cannot Find Setup File");
    EXPECT_EQ(s.app.st.SetupTable.size(), 0u);
    EXPECT_EQ(s.app.st.UnitCount, 0);
    EXPECT_EQ(s.app.form1.Form.Caption, kForm1DesignCaption);
    EXPECT_FALSE(s.tp.events.quit);
    // The message names the folder searched and how to put the records system's share there.
    ASSERT_EQ(s.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(s.tp.dialogs.asked[0].text, "Cannot Find Setup File");
    const std::string& detail = s.tp.dialogs.asked[0].detail;
    const std::string drives = s.tp.root().lexically_normal().string();
    EXPECT_NE(detail.find(drives), std::string::npos) << detail;
    EXPECT_NE(detail.find("ln -s /mnt/records " + drives + "/c"), std::string::npos) << detail;
}

TEST(SetupFileSearch, LocatorThatPointsOutsideTheDrivesIsAMiss) {
    StartupSite s;
    site::WriteLocatorFile(s.tp.root(), 'a', "x:\\..\\..\\..\\etc");
    FindSetupFile(s.app);
    EXPECT_EQ(s.app.st.SetupNotFound, 1);
}

}  // namespace
}  // namespace vt::test
