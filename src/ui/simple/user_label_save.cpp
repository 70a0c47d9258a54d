#include "ui/simple/user_label_save.h"

#include <exception>

#include "settings/station_files.h"

namespace vt {

std::string UserLabelFileBytes(std::string_view text) {
    std::string bytes = "\"";
    for (char c : text) {
        if (c == '"') bytes += '"';
        bytes += c;
    }
    return bytes + "\"\r\n";
}

void SaveUserLabel(App& app) {
    AppState& st = app.st;
    // Without a printer the settings never named the file; it has the same place anyway.
    if (st.ULabelFile.empty() && st.SetupTable.size() >= 2) st.ULabelFile = UserLabelPath(st);
    try {
        app.os.drives.WriteWhole(st.ULabelFile, UserLabelFileBytes(st.ULabelText));
        st.ULabelUnsaved = 0;
    } catch (const std::exception& e) {
        st.ULabelUnsaved = 1;
        app.os.dialogs.MsgBox("The User Label text could not be saved in " + st.ULabelFile + ".",
                              "Vittlon", MsgButtons::OK, 1, e.what());
    }
}

}  // namespace vt
