#pragma once
// A label about to be drawn: the state the print run leaves before DrawMenu, on a recording
// surface.
#include <algorithm>

#include "platform/recording_surface.h"
#include "printing/label_drawing.h"
#include "support/label_state.h"
#include "support/station_fixture.h"

namespace vt::test {

struct LabelFixture : StationFixture {
    RecordingSurface surface{4.8};  // the printer at 300 dpi

    LabelFixture() { PutLabel(*app, surface); }

    void Draw() { DrawMenu(*app); }

    std::vector<RecordedOp> Ops(RecordedOp::Kind kind) const {
        std::vector<RecordedOp> found;
        std::copy_if(surface.ops.begin(), surface.ops.end(), std::back_inserter(found),
                     [&](const RecordedOp& op) { return op.kind == kind; });
        return found;
    }
    // The text drawn with this content, or nullptr.
    const RecordedOp* Text(const std::string& text) const {
        for (const RecordedOp& op : surface.ops) {
            if (op.kind == RecordedOp::Kind::Text && op.text == text) return &op;
        }
        return nullptr;
    }
    void WritePicture(const std::string& extension, const std::string& bytes) {
        WriteHostFile(Host(layout.PicturePath("1234", extension)), bytes);
    }
    bool PictureExists(const std::string& extension) const {
        return std::filesystem::exists(Host(layout.PicturePath("1234", extension)));
    }
};

}  // namespace vt::test
