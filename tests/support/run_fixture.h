#pragma once
// A small station ready for print runs: two units, residents written one by one, settings and
// label geometry in their files, the printer and preview as recording surfaces.
#include <map>

#include "platform/recording_surface.h"
#include "printing/print_run.h"
#include "settings/label_settings.h"
#include "site/label_settings.h"
#include "site/label_types.h"
#include "site/resident_file.h"
#include "site/snack_template.h"
#include "site/unit_file.h"
#include "snacks/snack_document.h"
#include "support/label_state.h"
#include "support/station_fixture.h"

namespace vt::test {

// One label as the run drew it (pictures off, so the lines start 100 twips in).
struct DrawnLabel {
    double left, top;  // the label's corner
    std::vector<std::string> lines;
    int document;  // printer document (sheet) it is on, from 0
};

struct RunFixture : StationFixture {
    site::LabelSettings settings;
    site::LabelGeometry geometry;
    std::map<int, std::vector<std::string>> units;  // unit -> keys by slot
    RecordingSurface preview{15};

    RunFixture() {
        AppState& st = app->st;
        st.UnitCount = 2;
        st.UnitNames.ReDim(1, 2);
        st.UnitNames(1) = "EAST WING           ";
        st.UnitNames(2) = "WEST                ";
        st.UnitSizes.ReDim(1, 2);
        st.UnitSizes(1) = 40;
        st.UnitSizes(2) = 40;
        st.StationDates(1) = "12-08-26";
        app->form1.Picture2 = &preview;
        settings = SettingsWithoutPictures("12-09-2026", 40);  // tomorrow: no date question
        settings.snackMenuOn = 0;
        geometry = ThreeAcrossSheet();
    }

    // Resident `key` in a unit's slot, with a 10am line and whatever the test adds.
    site::Resident& Add(int unit, int slot, const std::string& key, const std::string& name) {
        auto& keys = units[unit];
        if (keys.size() < static_cast<std::size_t>(slot))
            keys.resize(static_cast<std::size_t>(slot));
        keys[static_cast<std::size_t>(slot - 1)] = key;
        residents.push_back({});
        site::Resident& r = residents.back();
        r.key = key;
        r.location = "R" + key;
        r.name = name;
        r.diets[0] = {5, "REGULAR"};
        r.nourishments[0] = {"Juice " + key, "", ""};
        return r;
    }

    // The station's nursing units, by name, in place of the fixture's two.
    void SetUnits(const std::vector<std::string>& names) {
        AppState& st = app->st;
        st.UnitCount = static_cast<Int16>(names.size());
        st.UnitNames.ReDim(1, st.UnitCount);
        for (int u = 1; u <= st.UnitCount; ++u) st.UnitNames(u) = names[u - 1];
    }
    // Week 1's snack list made from a template and open, with "Edit" typed over its first
    // item; the template's first item reads "Template item".
    void OpenEditedWeekOne() {
        site::SnackTemplate t;
        t.rows[0].items[0][0] = "Template item";
        site::WriteSnackTemplate(tp.root(), layout, 1, "1", t);
        app->st.SnackWeek = 1;
        loadfil(*app);
        app->form1.RichTextBox1.Text.replace(kFirstSnackCell, 4, "Edit");
    }
    // Write every file and load the settings into the window, as start-up leaves it.
    void Prepare() {
        for (const site::Resident& r : residents) site::WriteResidentFile(tp.root(), layout, r);
        for (const auto& [unit, keys] : units) site::WriteUnitFile(tp.root(), layout, unit, keys);
        site::WriteLabelSettings(tp.root(), layout, settings);
        site::WriteLabelTypes(tp.root(), layout, {{"Test sheet", geometry}});
        GetSet(*app);
    }

    void Print() {
        Prepare();
        app->st.PreviewMode = 0;
        Command1_Click(*app);
    }
    void Preview() {
        Prepare();
        app->st.PreviewMode = 1;
        Command1_Click(*app);
    }

    static std::vector<DrawnLabel> Labels(const RecordingSurface& surface) {
        // A label's texts stand 150 to 180 twips apart, at its left + 100 (the lines) or + 1300
        // (the expiration line); any other step starts the next label.
        std::vector<DrawnLabel> labels;
        int document = 0;
        double previousY = 0;
        for (const RecordedOp& op : surface.ops) {
            if (op.kind == RecordedOp::Kind::EndDoc) ++document;
            if (op.kind != RecordedOp::Kind::Text) continue;
            const bool sameLabel =
                !labels.empty() && op.y1 > previousY && op.y1 - previousY < 300 &&
                (op.x1 == labels.back().left + 100 || op.x1 == labels.back().left + 1300);
            if (!sameLabel) labels.push_back({op.x1 - 100, op.y1 + 30, {}, document});
            labels.back().lines.push_back(op.text);
            previousY = op.y1;
        }
        return labels;
    }
    std::vector<DrawnLabel> Printed() const { return Labels(tp.printers.printer); }

    std::vector<site::Resident> residents;
};

}  // namespace vt::test
