#include "settings/user_label_text.h"

#include <filesystem>

#include "printing/picture_conversion.h"
#include "settings/station_files.h"
#include "ui/simple/make_u.h"

namespace vt {

std::string ReadTextField(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return "";
    text.remove_prefix(start);
    if (text.front() == '"') {
        // Two marks in a row stand for one mark inside the text, as a comma-separated field
        // carries it; any other mark ends the field.
        std::string field;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '"') {
                if (i + 1 >= text.size() || text[i + 1] != '"') break;
                ++i;
            }
            field += text[i];
        }
        return field;
    }
    std::string field(text.substr(0, text.find_first_of(",\r\n")));
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

void LoadUserLabel(App& app) {
    AppState& st = app.st;
    if (st.ULabelUnsaved == 1) return;  // the window's text is newer than the file
    app.form2.Text1.Text = "";
    st.ULabelFile = UserLabelPath(st);
    if (!app.os.drives.FileExists(st.ULabelFile)) return;
    st.ULabelText = ReadTextField(app.os.drives.ReadWhole(st.ULabelFile));
    app.form2.Text1.Text = st.ULabelText;
    MakeU(app);
}

void kxfil(App& app) {
    // Only the program's own temporary picture copies are ever deleted here; a path anywhere
    // else (a resident's stored picture) is left alone.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path copy = fs::weakly_canonical(app.st.PicturePath, error);
    const fs::path folder = fs::weakly_canonical(PictureTempFolder(), error);
    if (error || app.st.PicturePath.empty() || copy.parent_path() != folder) return;
    fs::remove(copy, error);  // a copy already gone is no reason to stop a label
}

}  // namespace vt
