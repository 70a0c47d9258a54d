#pragma once
// Resident pictures and their marker files in the picture folder, named by the resident key:
// ".jpg" (plain, converted by the program on first use), ".asz" (the protected form), ".gif",
// ".bmp", ".flt" (privacy screen width) and ".vly" (no picture).
#include <filesystem>
#include <string>
#include <string_view>

#include "site/rgb.h"
#include "site/site_layout.h"

namespace vt::site {

// A head-and-shoulders silhouette on a noisy background in the given colour. The noise is
// deterministic and keeps a JPEG of the default size well above the 3,800 bytes the ".asz"
// block rotation needs.
inline constexpr int kPortraitWidth = 120;
inline constexpr int kPortraitHeight = 150;
std::string JpegBytes(Rgb colour, int width = kPortraitWidth, int height = kPortraitHeight);
std::string BmpBytes(Rgb colour, int width = kPortraitWidth, int height = kPortraitHeight);
std::string GifBytes(Rgb colour, int width = kPortraitWidth, int height = kPortraitHeight);

// The protected form: of the 200-byte blocks 1, 15 and 19 of the plain file, block 19 moves to
// 1, block 1 to 15 and block 15 to 19; every other byte stays. Throws std::invalid_argument for
// a file shorter than 3,800 bytes, which would lack block 19.
std::string AszFromPlain(std::string_view plain);
// The inverse rotation.
std::string PlainFromAsz(std::string_view asz);

enum class PictureKind { Jpeg, Asz, Gif, Bmp };

// Writes <key>.jpg, <key>.asz (from a JPEG), <key>.gif or <key>.bmp into the picture folder.
void WriteResidentPicture(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                          std::string_view key, PictureKind kind, Rgb colour);
// <key>.flt: its first two bytes are the screen's pen width as text, e.g. "3 ".
void WriteScreenMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                       std::string_view key, std::string_view widthText = "3 ");
// <key>.vly, empty.
void WriteNoPictureMarker(const std::filesystem::path& drivesRoot, const SiteLayout& layout,
                          std::string_view key);

}  // namespace vt::site
