#pragma once
// A label drawn on a recording surface: from values (LabelFixture), or from the state the print
// run leaves before DrawMenu (StateLabelFixture), where the label's picture comes from files.
#include <algorithm>

#include "platform/recording_surface.h"
#include "printing/label_drawing.h"
#include "printing/label_from_state.h"
#include "support/label_state.h"
#include "support/station_fixture.h"

namespace vt::test {

struct RecordedLabel {
    RecordingSurface surface{4.8};  // the printer at 300 dpi

    RecordedLabel() { surface.SetFontSize(9); }

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
};

// Smith's label at (4000, 2000), 3600 x 1430 twips.
struct LabelFixture : RecordedLabel {
    LabelPlace place{4000, 2000};
    LabelContent content = SmithsLabel();
    LabelStyle style = PrinterLabelStyle(3600, 1430);
    LabelDrawn drawn;

    void Draw() { drawn = DrawLabel(surface, place, content, style); }
};

// The same label as state, with the station's files (pictures) behind it.
struct StateLabelFixture : StationFixture, RecordedLabel {
    StateLabelFixture() { PutLabel(*app, surface); }

    void Draw() { DrawMenu(*app); }

    void WritePicture(const std::string& extension, const std::string& bytes) {
        WriteHostFile(Host(layout.PicturePath("1234", extension)), bytes);
    }
    bool PictureExists(const std::string& extension) const {
        return std::filesystem::exists(Host(layout.PicturePath("1234", extension)));
    }
};

}  // namespace vt::test
