#include "ui/simple/user_label_save.h"

#include <exception>

#include "settings/shared_text.h"
#include "settings/station_files.h"
#include "settings/user_label_text.h"

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
        std::string theirs;
        if (SaveSharedText(app, st.ULabelFile, "The User Label text", st.ULabelShared,
                           st.ULabelText, UserLabelFileBytes(st.ULabelText), ReadTextField,
                           theirs) == SharedSave::TheirsKept) {
            st.ULabelText = theirs;
            app.form2.Text1.Text = theirs;
        }
        st.ULabelUnsaved = 0;
    } catch (const std::exception& e) {
        st.ULabelUnsaved = 1;
        app.os.dialogs.MsgBox("The User Label text could not be saved in " + st.ULabelFile + ".",
                              "Vittlon", MsgButtons::OK, 1, e.what());
    }
}

}  // namespace vt
