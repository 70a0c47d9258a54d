// A resident's plain JPEG (<key>.jpg) as the records system leaves it: the first label turns it
// into the protected form (<key>.asz) and deletes it, then unprotects a private copy, loads and
// deletes that. The protected form holds the same bytes rotated, and comes back unchanged.
#include "printing/picture_conversion.h"

#include "fuzz_station.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Site& site = fuzz::Site::Get();
    const site::SiteLayout layout = site::DemoLayout();
    const std::string jpg = layout.PicturePath(fuzz::kPictureResident, ".jpg");
    const std::string asz = layout.PicturePath(fuzz::kPictureResident, ".asz");
    site.Remove(asz);
    site.Write(jpg, data, size);
    QtPictures pictures;
    const auto station = fuzz::PictureStation(pictures);

    fuzz::Read([&] { DrawMenu(station->app); });

    const std::string plain(reinterpret_cast<const char*>(data), size);
    const std::string& copy = station->app.st.PicturePath;
    fuzz::Check(!station->drives.FileExists(jpg), "the plain picture was left in the folder");
    fuzz::Check(site.Bytes(asz) == ProtectPicture(plain), "the protected form is not the rotation");
    fuzz::Check(UnprotectPicture(ProtectPicture(plain)) == plain, "the rotation does not undo");
    fuzz::Check(copy.empty() || !std::filesystem::exists(copy), "the plain copy was left behind");
    return 0;
}
