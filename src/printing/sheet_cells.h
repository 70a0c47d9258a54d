#pragma once
// The cells of a label sheet as a print run fills them: row by row, left to right, from the
// top left cell (1).
#include "app/app.h"
#include "platform/surface.h"
#include "printing/run_request.h"
#include "printing/sheet_geometry.h"

namespace vt {

// The label sheet's page: letter, portrait. A printer also takes the paper size and the
// orientation; a preview box only the size.
inline constexpr double kSheetWidth = 12240;
inline constexpr double kSheetHeight = 15840;
void SetSheetPage(Surface& s, bool printer);

// The cell a run asked to start at `startAtLabel` starts at: that one, or 1 when it is not on
// the sheet.
long FirstCell(const SheetGeometry& sheet, long startAtLabel);
// The cell the next run starts at: StartAtLabel on the current sheet.
long StartCell(const AppState& st);

// Put the run's first label in the cell it asks to start at. The preview and the dry run show
// the cells left empty as outlines.
void StartAtCell(App& app, const RunRequest& run);

}  // namespace vt
