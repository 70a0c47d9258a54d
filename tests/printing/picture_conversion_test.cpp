// The protected picture form: three 200-byte blocks rotated.
#include "printing/picture_conversion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/private_folder.h"
#include "support/error_output.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {

std::string Numbered(std::size_t length) {
    std::string bytes(length, ' ');
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('A' + (i / 200) % 26);
    return bytes;
}

TEST(PictureConversion, BlocksOneFifteenAndNineteenRotate) {
    const std::string plain = Numbered(4000);  // block n is full of letter 'A' + n - 1
    const std::string stored = ProtectPicture(plain);
    EXPECT_EQ(stored.substr(0, 200), plain.substr(18 * 200, 200));         // 1 <- 19
    EXPECT_EQ(stored.substr(14 * 200, 200), plain.substr(0, 200));         // 15 <- 1
    EXPECT_EQ(stored.substr(18 * 200, 200), plain.substr(14 * 200, 200));  // 19 <- 15
    EXPECT_EQ(stored.substr(200, 13 * 200), plain.substr(200, 13 * 200));
    EXPECT_EQ(UnprotectPicture(stored), plain);
}

TEST(PictureConversion, ShortPicturesComeBackUnchanged) {
    for (std::size_t length : {0u, 199u, 2999u, 3000u, 3500u, 3799u, 3800u}) {
        const std::string plain = Numbered(length);
        EXPECT_EQ(UnprotectPicture(ProtectPicture(plain)), plain) << length;
        EXPECT_EQ(ProtectPicture(plain).size(), length);
    }
}

TEST(PictureConversion, JpegBecomesAszBesideItAndAszGivesAPrivateCopy) {
    StationFixture f;
    const std::string plain = Numbered(5000);
    const std::string jpg = f.layout.PicturePath("1001", ".jpg");
    WriteHostFile(f.Host(jpg), plain);
    f.app->st.ConvertPath = jpg;
    ConvertJPG(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, f.layout.PicturePath("1001", ".ASZ"));
    EXPECT_FALSE(std::filesystem::exists(f.Host(jpg)));
    EXPECT_EQ(f.Bytes(f.app->st.ConvertPath), ProtectPicture(plain));

    ConvertASZ(*f.app);
    const std::filesystem::path copy = f.app->st.ConvertPath;
    EXPECT_EQ(copy.parent_path(), std::filesystem::path(PictureTempFolder(*f.app)));
    EXPECT_TRUE(IsPrivateFolder(copy.parent_path()));
    EXPECT_EQ(copy.extension(), ".AS2");
    EXPECT_EQ(ReadHostFile(copy), plain);
    EXPECT_EQ(std::filesystem::status(copy).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::remove(copy);
}

TEST(PictureConversion, NamesWithoutTheExtensionGiveNothing) {
    StationFixture f;
    f.app->st.ConvertPath = "c:\\zel\\pics\\1001.gif";
    ConvertJPG(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, "");
    f.app->st.ConvertPath = "jpg";
    ConvertJPG(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, "");
    f.app->st.ConvertPath = "c:\\zel\\pics\\1001.gif";
    ConvertASZ(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, "");
}

TEST(PictureConversion, AFolderNamedLikeTheExtensionIsNotRenamed) {
    StationFixture f;
    std::filesystem::create_directories(f.Host("c:\\jpgs"));
    WriteHostFile(f.Host("c:\\jpgs\\1001.jpg"), Numbered(4000));
    f.app->st.ConvertPath = "c:\\jpgs\\1001.jpg";
    ConvertJPG(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, "c:\\jpgs\\1001.ASZ");
}

TEST(PictureConversion, ALinkWhereTheCopyGoesLeavesThePictureOutAndIsNotFollowed) {
    StationFixture f;
    const std::string asz = f.layout.PicturePath("2002", ".asz");
    WriteHostFile(f.Host(asz), ProtectPicture(Numbered(4000)));
    const std::filesystem::path target = f.tp.root() / "elsewhere";
    const std::filesystem::path planted = std::filesystem::path(PictureTempFolder(*f.app)) /
                                          (std::to_string(::getpid()) + "-2002.as2");
    std::filesystem::create_symlink(target, planted);
    f.app->st.ConvertPath = asz;
    CapturedErrorOutput errors;
    ConvertASZ(*f.app);
    std::filesystem::remove(planted);
    EXPECT_EQ(f.app->st.ConvertPath, "");
    EXPECT_FALSE(std::filesystem::exists(target));
    ASSERT_EQ(errors.Lines().size(), 1u);
    EXPECT_NE(errors.Lines()[0].find(planted.string()), std::string::npos);
}

TEST(PictureConversion, AMissingStoredPictureGivesNoCopy) {
    StationFixture f;
    f.app->st.ConvertPath = f.layout.PicturePath("7777", ".asz");
    ConvertASZ(*f.app);
    EXPECT_EQ(f.app->st.ConvertPath, "");
}

TEST(Kxfil, DeletesOnlyTheProgramsOwnTemporaryCopies) {
    StationFixture f;
    const std::filesystem::path copy =
        std::filesystem::path(PictureTempFolder(*f.app)) / "kxfil-test.as2";
    WriteHostFile(copy, "picture");
    f.app->st.PicturePath = copy.string();
    kxfil(*f.app);
    EXPECT_FALSE(std::filesystem::exists(copy));
    kxfil(*f.app);  // already gone: nothing happens

    const auto stored = f.Host(f.layout.PicturePath("1001", ".gif"));
    WriteHostFile(stored, "GIF89a");
    f.app->st.PicturePath = stored.string();
    kxfil(*f.app);
    EXPECT_TRUE(std::filesystem::exists(stored));
}

}  // namespace
}  // namespace vt::test
