#pragma once
// Resident pictures are kept in a protected form (".asz"): a picture file with three 200-byte
// blocks rotated, so ordinary viewers cannot show it.
#include <string>

#include "app/app.h"

namespace vt {

// Turn the plain ".jpg" at ConvertPath into its ".asz" form beside it and delete the ".jpg";
// ConvertPath becomes the ".asz" path ("" when the path names no ".jpg"). When that fails,
// ConvertPath stays and the picture is told as left out.
void ConvertJPG(App& app);
// Make a plain temporary copy of the ".asz" at ConvertPath in the program's private temporary
// folder; ConvertPath becomes the copy's host path ("" when the path names no ".asz", or when
// no copy could be made: then the picture is told as left out). The caller loads the copy and
// deletes it.
void ConvertASZ(App& app);

// The block rotations on a whole file's bytes: plain -> protected and back. Files shorter than
// 19 blocks (3,800 bytes) rotate only the blocks they have in full.
std::string ProtectPicture(std::string bytes);
std::string UnprotectPicture(std::string bytes);

// The program's private temporary folder for plain picture copies (see PrivateFolder): made
// the first time it is asked for, removed when the program ends. Throws FileError when it
// cannot be made.
std::string PictureTempFolder(const App& app);
// Removes the picture folders that programs killed before their end left behind.
void RemoveStalePictureFolders();

// Delete the temporary plain picture copy at PicturePath; every failure is ignored.
void kxfil(App& app);

}  // namespace vt
