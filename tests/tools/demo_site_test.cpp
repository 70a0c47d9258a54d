#include "site/demo_site.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/drives.h"
#include "record_field.h"
#include "site/pictures.h"
#include "support/test_support.h"

namespace vt::site {
namespace {

using test::Field;

const Date kToday(2026, 12, 8);

class DemoSiteTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<vt::test::TempDir>();
        BuildDemoSite(dir_->path(), kToday, false);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::string Read(const std::string& winPath) {
        return Drives(dir_->path()).ReadWhole(winPath);
    }
    static bool Exists(const std::string& winPath) {
        return Drives(dir_->path()).FileExists(winPath);
    }

    static std::unique_ptr<vt::test::TempDir> dir_;
    const SiteLayout layout = DemoLayout();
};

std::unique_ptr<vt::test::TempDir> DemoSiteTest::dir_;

TEST_F(DemoSiteTest, EveryFileTheProgramNeedsIsThere) {
    const std::string files[] = {
        "c:\\zel\\setup\\F.ZRB",       "c:\\zel\\setup\\Labelset.D1", "c:\\zel\\setup\\LabList.D1",
        "c:\\zel\\setup\\Labeltyp.D1", "c:\\zel\\setup\\conm.D1",     "c:\\zel\\dine\\dining.D1",
        "c:\\zel\\units\\sfl1.D1",     "c:\\zel\\units\\sfl2.D1",     "c:\\zel\\units\\sfl3.D1",
        "c:\\zel\\templ\\snack1.1",    "c:\\zel\\templ\\snack1.D1",   "c:\\zel\\ULabel.D1",
        "c:\\zel\\dataD1\\1001.~D1",
    };
    for (const std::string& f : files) EXPECT_TRUE(Exists(f)) << f;
    // The automatic-print marker only on request, and the log folders the print run writes to.
    EXPECT_FALSE(Exists("c:\\zel\\setup\\autop.D1"));
    EXPECT_TRUE(Drives(dir_->path()).FolderExists("c:\\zel\\templ\\misc"));
    EXPECT_TRUE(Drives(dir_->path()).FolderExists("c:\\zel\\snack"));
}

TEST_F(DemoSiteTest, SetupFileNamesStationUnitsAndFortyFourPaths) {
    const std::string setup = Read("c:\\zel\\setup\\F.ZRB");
    EXPECT_EQ(Field(setup, 32, 1, 1, 9), "D1 3 441 ");
    EXPECT_EQ(Field(setup, 32, 4, 1, 23), "MAPLE GROVE CARE CENTER");
    EXPECT_EQ(Field(setup, 32, 5, 1, 23), "24 EAST WING           ");
    EXPECT_EQ(Field(setup, 32, 6, 1, 23), "22 2 NORTH STATION     ");
    EXPECT_EQ(Field(setup, 32, 7, 1, 23), "20 GARDEN  COURT       ");
    // Path i is record 7 + i; the date record is 35 + 3 + 44 = 82.
    EXPECT_EQ(Field(setup, 32, 9, 1, 7), "c:\\zel ");
    EXPECT_EQ(Field(setup, 32, 30, 1, 7), "c:\\zel ");
    EXPECT_EQ(Field(setup, 32, 49, 1, 12), "c:\\zel\\pics ");
    EXPECT_EQ(Field(setup, 32, 51, 1, 11), "c:\\zel\\t44 ");
    EXPECT_EQ(Field(setup, 32, 82, 7, 8), "12-08-26");
    EXPECT_EQ(Field(setup, 32, 200, 9, 1), "2");
}

TEST_F(DemoSiteTest, SettingsStartTomorrowOnTheFirstLabelType) {
    const std::string settings = Read("c:\\zel\\setup\\Labelset.D1");
    EXPECT_EQ(Field(settings, 100, 1, 1, 12), "1 12-09-2026");
    EXPECT_EQ(Field(settings, 100, 2, 1, 11), "Vittlon PDF");
    EXPECT_EQ(Read("c:\\zel\\setup\\LabList.D1").substr(0, 19), "Avery 5160 3 across");
    EXPECT_EQ(Field(Read("c:\\zel\\setup\\Labeltyp.D1"), 200, 1, 11, 40),
              "720  1440 3780 10   270  4230 8190 0    ");
}

TEST_F(DemoSiteTest, UnitFilesListTheResidentsWithGapsAndADischargedKey) {
    int withFile = 0;
    for (int unit = 1; unit <= demo::kUnitCount; ++unit) {
        const std::string list = Read(layout.UnitPath(unit));
        EXPECT_EQ(list.size(), 122u * static_cast<std::size_t>(demo::kUnitSizes[unit - 1]));
        for (const DemoResident& r : DemoResidents()) {
            if (r.unit != unit) continue;
            EXPECT_EQ(Field(list, 122, static_cast<std::size_t>(r.slot), 33, 4), r.resident.key);
            EXPECT_TRUE(Exists(layout.ResidentPath(r.resident.key))) << r.resident.key;
            ++withFile;
        }
    }
    EXPECT_GE(withFile, 55);
    const std::string unit1 = Read(layout.UnitPath(1));
    EXPECT_EQ(Field(unit1, 122, demo::kEmptySlot, 33, 7), "       ");
    EXPECT_EQ(Field(unit1, 122, demo::kDischargedSlot, 33, 4), demo::kKeyDischarged);
    EXPECT_FALSE(Exists(layout.ResidentPath(demo::kKeyDischarged)));
}

TEST_F(DemoSiteTest, ResidentFilesCarryTheFeaturesTheirKeysPromise) {
    const auto file = [&](const char* key) { return Read(layout.ResidentPath(key)); };
    EXPECT_EQ(Field(file(demo::kKeyJpeg), 82, 1, 10, 1), "\xC4");
    EXPECT_NE(Field(file(demo::kKeyInactive), 82, 1, 10, 1), "\xC4");
    EXPECT_EQ(Field(file(demo::kKeyCode99), 82, 8, 11, 3), "099");
    EXPECT_NE(Field(file(demo::kKeyTwoCopies), 82, 50, 43, 29).find('@'), std::string::npos);
    EXPECT_NE(Field(file(demo::kKeyThreeCopies), 82, 54, 43, 29).find('#'), std::string::npos);
    EXPECT_EQ(Field(file(demo::kKeyFollow), 82, 61, 43, 6), "FOLLOW");
    EXPECT_EQ(Field(file(demo::kKeyNoPicture), 82, 50, 43, 1), "~");
    EXPECT_NE(Field(file(demo::kKeyScreened), 82, 50, 43, 29).find('\xFE'), std::string::npos);
    EXPECT_EQ(Field(file(demo::kKeyTube), 82, 8, 15, 4), "TUBE");
    EXPECT_EQ(Field(file(demo::kKeyBmp), 82, 4, 43, 3), "mdr");
}

TEST_F(DemoSiteTest, PicturesInEveryForm) {
    const auto host = [&](const char* key, const char* ext) {
        return *Drives(dir_->path()).Resolve(layout.PicturePath(key, ext));
    };
    const auto load = [](const std::string& bytes) {
        return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    };
    EXPECT_FALSE(load(Read(layout.PicturePath(demo::kKeyJpeg, ".jpg"))).isNull());
    EXPECT_FALSE(
        load(PlainFromAsz(Read(layout.PicturePath(demo::kKeyTwoCopies, ".asz")))).isNull());
    EXPECT_FALSE(load(Read(layout.PicturePath(demo::kKeyFollow, ".gif"))).isNull());
    EXPECT_FALSE(load(Read(layout.PicturePath(demo::kKeyBmp, ".bmp"))).isNull());
    EXPECT_EQ(Read(layout.PicturePath(demo::kKeyScreened, ".flt")), "3 ");
    EXPECT_EQ(std::filesystem::file_size(host(demo::kKeyNoPicture, ".vly")), 0u);
}

TEST_F(DemoSiteTest, SnackTemplatesHaveTheFixedLayout) {
    for (const char* name : {"c:\\zel\\templ\\snack1.1", "c:\\zel\\templ\\snack1.D1"}) {
        SCOPED_TRACE(name);
        const std::string t = Read(name);
        ASSERT_EQ(t.size(), 56u * 166u);
        EXPECT_EQ(Field(t, 166, 8, 32, 1), "\xC4");
        EXPECT_EQ(Field(t, 166, 7, 2, 15), "001-001 007-007");
    }
}

TEST(DemoSite, AutoPrintMarkerOnRequest) {
    vt::test::TempDir dir;
    BuildDemoSite(dir.path(), kToday, true);
    EXPECT_TRUE(Drives(dir.path()).FileExists("c:\\zel\\setup\\autop.D1"));
}

TEST(DemoSiteProgram, WritesTheSiteAndFailsWithAMessage) {
    const std::filesystem::path program = VITTLON_DEMO_SITE;
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "vittlon-demo-site is not built";
    vt::test::TempDir dir;
    const std::filesystem::path out = dir.path() / "out.txt";
    const auto run = [&](const std::string& args) {
        return std::system((program.string() + " " + args + " >" + out.string() + " 2>&1").c_str());
    };
    const auto output = [&] {
        std::ifstream in(out);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };

    EXPECT_EQ(run("'" + (dir.path() / "drives").string() + "' --autoprint"), 0);
    EXPECT_NE(output().find("drives"), std::string::npos);
    EXPECT_TRUE(Drives(dir.path() / "drives").FileExists("c:\\zel\\setup\\autop.D1"));

    EXPECT_NE(run(""), 0);
    EXPECT_NE(output().find("usage"), std::string::npos);
    // A drives folder that is a file cannot take the site.
    const std::filesystem::path aFile = dir.path() / "a-file";
    std::ofstream(aFile) << "x";
    EXPECT_NE(run("'" + aFile.string() + "'"), 0);
    EXPECT_NE(output().find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace vt::site
