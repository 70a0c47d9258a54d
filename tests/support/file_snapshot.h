#pragma once
// Every file under a folder with its bytes, to show that something wrote nothing: no file
// changed and none came or went.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace vt::test {

using FileSnapshot = std::map<std::string, std::string>;  // path under the folder -> bytes

inline FileSnapshot FilesUnder(const std::filesystem::path& root) {
    FileSnapshot files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(root).string()] = ReadHostFile(entry.path());
        }
    }
    return files;
}

// The files that changed, came or went between two snapshots, by name.
inline std::vector<std::string> ChangedFiles(const FileSnapshot& before,
                                             const FileSnapshot& after) {
    std::vector<std::string> changed;
    for (const auto& [name, bytes] : before) {
        const auto now = after.find(name);
        if (now == after.end() || now->second != bytes) changed.push_back(name);
    }
    for (const auto& [name, bytes] : after) {
        if (!before.contains(name)) changed.push_back(name);
    }
    return changed;
}

}  // namespace vt::test
