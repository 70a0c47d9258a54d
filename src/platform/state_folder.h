#pragma once
// The user's own state folder for the program, where it keeps what it wrote about residents
// (run reports) and what it must not lose (recovery copies of texts).
#include <filesystem>
#include <optional>
#include <string>

namespace vt {

// $XDG_STATE_HOME/vittlon when that is an absolute path, else $HOME/.local/state/vittlon;
// nullopt when neither is set (a service without a home): no shared folder is guessed instead.
std::optional<std::filesystem::path> UserStateFolder();

// Its sub-folder `name` (not made). Throws FileError, naming `what` is kept there, when there
// is no state folder.
std::filesystem::path StateFolder(const std::string& name, const std::string& what);
// The same, made as MakePrivateFolder leaves it.
std::filesystem::path PrivateStateFolder(const std::string& name, const std::string& what);

// Makes the folder and any missing folder on the way with mode 0700; a folder of ours that is
// open to others is closed to them. Throws FileError when it cannot be made, or is a link or
// another account's.
void MakePrivateFolder(const std::filesystem::path& folder);

}  // namespace vt
