#pragma once
// The label the print run is at, as values built from the state: the resident, period and day
// it walks, and the label settings and type. The run and the preview draw through DrawMenu.
#include "app/app.h"
#include "printing/label_content.h"
#include "printing/run_request.h"

namespace vt {

// The label's texts, picture box, bars and expiration. Finds (and where needed converts) the
// resident's picture when pictures are on.
LabelContent LabelContentOf(App& app, const RunRequest& run);
// The label type's geometry and the settings that lay the label out.
LabelStyle LabelStyleOf(const App& app, const RunRequest& run);

// Draw the run's current label on PrintTarget at (LabelLeft, LabelTop); its cut lines go into
// the run report, its bars into Barcod1, the resident's name into Label10.
void DrawRunLabel(App& app, const RunRequest& run);
// The same for the run the state's flags describe.
void DrawMenu(App& app);

}  // namespace vt
