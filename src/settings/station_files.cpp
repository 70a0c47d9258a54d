#include "settings/station_files.h"

namespace vt {

std::string LabelSettingsPath(const AppState& st) {
    return st.SetupTable(23) + "\\setup\\Labelset." + st.StationCode;
}

std::string LabelGeometryPath(const AppState& st) {
    return st.SetupTable(23) + "\\setup\\Labeltyp." + st.StationCode;
}

std::string UserLabelPath(const AppState& st) {
    return st.SetupTable(2) + "\\ULabel." + st.StationCode;
}

}  // namespace vt
