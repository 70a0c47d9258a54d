#pragma once
// The station the window tests work on: RunFixture's two units and sheet, the first residents
// of the first unit, every file written and the settings loaded into the main window, as
// start-up leaves it.
#include <string>

#include "support/run_fixture.h"

namespace vt::test {

struct WindowStation : RunFixture {
    // Held back: the fixture adds to the station and then calls Prepare itself.
    enum class Files { Written, HeldBack };

    // The first `count` (1 to 3) of residents 1001 Abernathy, 1002 Brennan and 1003 Castillo,
    // in slots 1, 2 and 3 of unit 1.
    explicit WindowStation(int count = 2, Files files = Files::Written) {
        Add(1, 1, "1001", "Abernathy, Margaret");
        if (count >= 2) Add(1, 2, "1002", "Brennan, Kathleen");
        if (count >= 3) Add(1, 3, "1003", "Castillo, Rosa");
        if (files == Files::Written) Prepare();
    }

    std::string StoredSettings() const { return Bytes(layout.SetupPath("Labelset")); }

    // Whether any line of any label drawn on `surface` holds `text`.
    static bool AnyLineHas(const RecordingSurface& surface, const std::string& text) {
        for (const DrawnLabel& label : Labels(surface)) {
            for (const std::string& line : label.lines) {
                if (line.find(text) != std::string::npos) return true;
            }
        }
        return false;
    }
    bool PreviewHas(const std::string& text) const { return AnyLineHas(preview, text); }
};

}  // namespace vt::test
