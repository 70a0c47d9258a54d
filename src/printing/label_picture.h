#pragma once
// The picture box of a resident's label under the privacy rules: the resident's picture from
// the pictures folder (a plain one stored in the protected form first), and the screen a
// marker file or the privacy level asks for.
#include <optional>

#include "app/app.h"
#include "platform/picture.h"
#include "printing/run_request.h"

namespace vt {

struct LabelPictureFound {
    std::optional<Picture> picture;  // none: the box stays empty
    int screen = 0;                  // the privacy screen's pen width; 0: none
};

// For the resident in ResidentId (nothing on a user-defined label); Image1 holds the picture
// loaded. A picture that is there but cannot be read leaves the box empty and is told. A dry
// run stores nothing.
LabelPictureFound FindLabelPicture(App& app, const RunRequest& run);

}  // namespace vt
