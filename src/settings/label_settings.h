#pragma once
// The station's label settings file: every setting of the main window, two 100-byte records.
#include "app/app.h"

namespace vt {

// Read the label settings into the main window's controls and the application state, fill
// the label type list, load the label type's geometry, select the printer and load the user
// label. A failure ends it at that step and what was loaded stays; the operator is not asked,
// the cause goes to the error output once.
void GetSet(App& app);
// Write the main window's controls into the settings file and the chosen label type's
// geometry into the label type catalogue (only when GetTyp read it). A file that cannot be
// written is reported to the operator and left as it was.
void SaveSet(App& app);
// GetSet as it reads right after SaveSet: the window's controls through the stored form, with
// nothing written (the files SaveSet would write are held in memory). A dry run loads this way.
void GetSetAsSaved(App& app);

// The period names used when a stored one is not text, and the design values.
inline constexpr const char* kDefaultPeriodNames[] = {"10am", "2pm ", "3pm ", "H.S."};

}  // namespace vt
