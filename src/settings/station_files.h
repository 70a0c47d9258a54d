#pragma once
// The names of the station's own files in the family's folder tree.
#include <string>

#include "app/app_state.h"

namespace vt {

// SetupTable(23) & "\setup\Labelset." & StationCode: the label settings.
std::string LabelSettingsPath(const AppState& st);
// SetupTable(23) & "\setup\Labeltyp." & StationCode: the label geometry of each label type.
std::string LabelGeometryPath(const AppState& st);
// SetupTable(2) & "\ULabel." & StationCode: the user-defined label's text.
std::string UserLabelPath(const AppState& st);

}  // namespace vt
