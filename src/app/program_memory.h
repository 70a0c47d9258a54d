#pragma once
// What the program keeps for as long as it runs, beside the state record: what it has told
// once, and the folders it made when first needed. Every App of one program shares it (a dry
// run's App too), so a thing told in a preview is not told again by the run.
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/private_folder.h"

namespace vt {

struct ProgramMemory {
    // While the operator is told that the settings could not be stored: the box takes the
    // focus, and the store that losing the focus makes is not told twice.
    bool tellingSettingsNotStored = false;
    // The pictures told as left out, each with the reason ("<picture>\n<reason>").
    std::set<std::string> picturesToldLeftOut;
    // The private folder for plain picture copies, made at the first copy and removed with
    // the program.
    std::optional<PrivateFolder> pictureFolder;
};

}  // namespace vt
