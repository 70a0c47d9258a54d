#pragma once
// The two files SaveSet writes, as it would write them, held in memory: a dry run reads the
// window's settings back through them (GetSetAsSaved) without writing anything.
#include "app/app.h"
#include "platform/record_image.h"

namespace vt {

// The label settings file with the window's controls put into its two records, as SaveSet
// stores it. Throws FileError when the file cannot be read.
RecordImage SettingsAsSaved(App& app);
// The label type catalogue as SaveLabelGeometry leaves it: the start date and the sheet fields
// put into the chosen type's record when they were read from it. Throws FileError when the file
// cannot be read.
RecordImage CatalogueAsSaved(App& app);
// GetTyp, reading the chosen type's record from `catalogue` instead of the file.
void GetTypFrom(App& app, const RecordImage& catalogue);

}  // namespace vt
