#include "site/site_layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/drives.h"
#include "site/site_files.h"
#include "support/test_support.h"

namespace vt::site {
namespace {

TEST(SiteLayout, ComposesNamesLikeTheProgram) {
    SiteLayout layout;
    layout.station = "AB";
    layout.paths(SiteLayout::kSnackLists) = "c:\\dat";
    // Each expected name follows from the default path table: 2 c:\zel, 23 c:\zel,
    // 35 c:\zel\templ, 39 c:\zel\dine, 40 c:\zel\units, 42 c:\zel\pics.
    const struct {
        std::string got, want;
    } cases[] = {
        {layout.Path(23, "\\setup\\conm.AB"), "c:\\zel\\setup\\conm.AB"},
        {layout.SetupPath("Labelset"), "c:\\zel\\setup\\Labelset.AB"},
        {layout.ResidentPath("1234"), "c:\\zel\\dataAB\\1234.~AB"},
        {layout.UnitPath(12), "c:\\zel\\units\\sfl12.AB"},
        {layout.PicturePath("1234", ".asz"), "c:\\zel\\pics\\1234.asz"},
        {layout.DiningPath(), "c:\\zel\\dine\\dining.AB"},
        {layout.UserLabelPath(), "c:\\zel\\ULabel.AB"},
        {layout.SnackTemplatePath(3, "1"), "c:\\zel\\templ\\snack3.1"},
        {layout.SnackListPath(3), "c:\\dat\\Snk3.AB"},
        {layout.Path(17), "c:\\zel\\t17"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(layout.paths.UBound(), 44);
}

TEST(SiteLayout, MakeFoldersCreatesEveryNamedFolder) {
    vt::test::TempDir dir;
    SiteLayout layout;
    MakeFolders(dir.path(), layout);
    const Drives drives(dir.path());
    for (const char* folder :
         {"c:\\zel\\setup", "c:\\zel\\snack", "c:\\zel\\templ\\misc", "c:\\zel\\dine",
          "c:\\zel\\units", "c:\\zel\\pics", "c:\\zel\\dataD1", "c:\\zel\\t44"}) {
        EXPECT_TRUE(drives.FolderExists(folder)) << folder;
    }
}

TEST(SiteFiles, HostPathMapsTheDriveLetterToAFolder) {
    EXPECT_EQ(HostPath("/r", "C:\\zel\\setup\\F.ZRB"),
              std::filesystem::path("/r/c/zel/setup/F.ZRB"));
    EXPECT_EQ(HostPath("/r", "a:/find.zrb"), std::filesystem::path("/r/a/find.zrb"));
    EXPECT_THROW(HostPath("/r", "\\zel\\setup"), std::invalid_argument);
}

TEST(SiteFiles, WriteSiteFileCreatesItsFolders) {
    vt::test::TempDir dir;
    WriteSiteFile(dir.path(), "f:\\deep\\new\\folder\\f.zrb", "bytes");
    EXPECT_EQ(Drives(dir.path()).ReadWhole("f:\\deep\\new\\folder\\f.zrb"), "bytes");
}

}  // namespace
}  // namespace vt::site
