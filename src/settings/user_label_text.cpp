#include "settings/user_label_text.h"

#include <optional>

#include "settings/shared_text.h"
#include "settings/station_files.h"

namespace vt {
namespace {
constexpr int kUserLineCount = 7;
constexpr std::size_t kWorkTextLimit = 1999;
}  // namespace

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
    const std::optional<FileStamp> stamp = StampNow(app, st.ULabelFile);
    if (!app.os.drives.FileExists(st.ULabelFile)) {
        NoteLoaded(st.ULabelShared, "", std::nullopt);
        return;
    }
    st.ULabelText = ReadTextField(app.os.drives.ReadWhole(st.ULabelFile));
    NoteLoaded(st.ULabelShared, st.ULabelText, stamp);
    app.form2.Text1.Text = st.ULabelText;
    MakeU(app);
}

void MakeU(App& app) {
    AppState& st = app.st;
    st.UserLines.ReDim(0, 9);
    std::string work = st.ULabelText;
    for (long i = 1; i <= kUserLineCount; ++i) {
        const std::size_t lineEnd = work.find("\r\n");
        // An empty line ends the split: the rest, line breaks included, is the last line.
        if (lineEnd == std::string::npos || lineEnd == 0) {
            st.UserLines(i) = work;
            return;
        }
        st.UserLines(i) = work.substr(0, lineEnd);
        // The five blanks pile up on the last line; on a label trailing blanks do not show.
        work = (work.substr(lineEnd + 2) + "     ").substr(0, kWorkTextLimit);
    }
}

}  // namespace vt
