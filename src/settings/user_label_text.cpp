#include "settings/user_label_text.h"

#include "settings/station_files.h"
#include "ui/simple/make_u.h"

namespace vt {

std::string ReadTextField(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return "";
    text.remove_prefix(start);
    if (text.front() == '"') {
        text.remove_prefix(1);
        return std::string(text.substr(0, text.find('"')));
    }
    std::string field(text.substr(0, text.find_first_of(",\r\n")));
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

void LoadUserLabel(App& app) {
    AppState& st = app.st;
    app.form2.Text1.Text = "";
    st.ULabelFile = UserLabelPath(st);
    if (!app.os.drives.FileExists(st.ULabelFile)) return;
    st.ULabelText = ReadTextField(app.os.drives.ReadWhole(st.ULabelFile));
    app.form2.Text1.Text = st.ULabelText;
    MakeU(app);
}

void kxfil(App& app) {
    try {
        app.os.drives.Delete(app.st.PicturePath);
    } catch (const std::exception&) {
        // A copy that is already gone, or cannot go, is no reason to stop a label.
    }
}

}  // namespace vt
