#pragma once
// A dry run of the PRINT button: the sheets it would print now, drawn on a surface of the
// caller's instead of the printer.
#include <functional>
#include <string>

#include "app/app.h"
#include "platform/surface.h"
#include "printing/sheet_geometry.h"

namespace vt {

struct DryRunResult {
    RunReport report;       // the labels (and where each went), sheets and residents who got
                            // no label, as drawn so far
    SheetGeometry sheet;    // the label sheet the run drew on
    bool complete = false;  // every sheet was drawn: the run was neither stopped nor failed
    std::string failure;    // why the run failed, as the print run's error box gives it
};

// Draw every sheet that PRINT would print with the window's settings as they stand: every
// day, period, unit and resident, onto `sheets`, which gets one EndDoc after each sheet, as the
// printer does. Nothing of the program changes: the run works on a copy of the window's models
// and state, reads the settings as PRINT would store them without storing them, asks no date
// question, writes no print log, run report or converted picture, and leaves the printer, the
// captions and the preview box as they are. `keepGoing` is asked after each resident; false
// (or the program being asked to end) stops the run there.
DryRunResult DrawDryRun(App& app, Surface& sheets, const std::function<bool()>& keepGoing);
// The same for a reprint of one label of that run alone, in cell `cell` of a fresh sheet: what
// printing it again would print (the cells before it outlined).
DryRunResult DrawDryRun(App& app, Surface& sheets, const std::function<bool()>& keepGoing,
                        const LabelKey& label, long cell);

}  // namespace vt
