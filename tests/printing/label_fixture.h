#pragma once
// A label about to be drawn: the state the print run leaves before DrawMenu, on a recording
// surface.
#include <algorithm>

#include "platform/recording_surface.h"
#include "printing/label_drawing.h"
#include "support/station_fixture.h"

namespace vt::test {

struct LabelFixture : StationFixture {
    RecordingSurface surface{4.8};  // the printer at 300 dpi

    LabelFixture() {
        AppState& st = app->st;
        st.PrintTarget = &surface;
        st.LabelLeft = 4000;
        st.LabelTop = 2000;
        st.LabelWidth = 3600;
        st.LabelHeight = 1430;
        st.ResidentId = "1234";
        st.ResidentName = "E101A Smith, John";
        st.DietLine = "REGULAR";
        st.NourishLine1 = "Orange juice 4 oz";
        st.NourishLine2 = std::string(29, ' ');
        st.NourishLine3 = std::string(29, ' ');
        st.UnitName = "EAST W";
        st.PeriodName = "10am";
        st.PeriodIndex = 1;
        st.PeriodLetter = "M";
        st.LabelDayName = "Tue";
        st.LabelDateText = "12-08-26";
        st.BarcodeWidth = 460;
        st.BarcodeLeftShift = 290;
        st.BarcodeDownShift = 170;
        st.BarcodeHeight = 80;
        st.BarcodeXYFactor = 4.8f;
        st.ExpDayName = "Thu";
        st.ExpDateText = "12-10-26";
        app->form1.Barcod1.Symbology = 6;
        surface.SetFontSize(9);
    }

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
