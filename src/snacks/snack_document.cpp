#include "snacks/snack_document.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/shared_text.h"

namespace vt {
namespace {

constexpr std::size_t kLineLength = 164;
constexpr std::size_t kRecordLength = 166;  // the line and CR LF
constexpr double kCellWidth = 120;          // twips of one character cell
constexpr double kCellHeight = 240;

// The week number's digit; a station that has not chosen a week yet works on week 1.
std::string WeekDigit(Int16 week) {
    return NumText(week >= 1 && week <= 5 ? week : 1);
}

void SizeEditorAndWindow(App& app) {
    RichTextBox& editor = app.form1.RichTextBox1;
    Window& window = app.form1.Form;
    editor.RightMargin = 167 * kCellWidth;  // a 164-character line never wraps
    switch (app.st.ScreenSize) {
        case 4:
        case 3:
            editor.Width = 127.5 * kCellWidth;
            editor.Height = 34 * kCellHeight;
            window.Width = 15840;
            break;
        case 2:
            editor.Width = 99.5 * kCellWidth;
            editor.Height = 25 * kCellHeight;
            window.Width = 15840;
            window.Height = 8700;
            break;
        case 1:
            editor.Width = 79 * kCellWidth;
            editor.Height = 17 * kCellHeight;
            window.Width = 10500;
            break;
        default:
            break;
    }
}

std::string ChooseTemplate(App& app, const std::string& week) {
    const AppState& st = app.st;
    const std::string folder = st.SetupTable(35);
    std::string first = folder + "\\snack" + week + "." + st.StationCode;
    if (app.os.drives.FileExists(first)) return first;
    std::string second = folder + "\\snack" + week + ".1";
    if (app.os.drives.FileExists(second)) return second;
    return folder + "\\snack1.1";
}

// A new week's list: the template with a fresh title on line 1, written in one piece.
void CreateFromTemplate(App& app) {
    AppState& st = app.st;
    RecordImage list(kRecordLength, app.os.drives.ReadWhole(st.SnackTemplate));
    std::string line1 = list.Read(1);
    PutField(line1, 1, kLineLength, SnackListTitle(st.FacilityName, st.StationDates(1)));
    list.Write(1, line1);
    list.Save(app.os.drives, st.SnackFile);
}

// No list could be opened: nothing is open, so nothing is saved over a week's file later, and
// the editor is left empty and read-only so that nothing is typed that could not be kept.
void NoListOpen(App& app) {
    app.st.SnackFile = "";
    RichTextBox& editor = app.form1.RichTextBox1;
    editor.Text = "";
    editor.SelStart = 0;
    editor.SelLength = 0;
    editor.Locked = true;
}

}  // namespace

std::string SnackListTitle(const std::string& facilityName, const std::string& stationDate) {
    std::string title = facilityName + " Weekly Snack Menu as of " + stationDate;
    if (title.size() < 163) title = std::string((kLineLength - title.size()) / 2 + 1, ' ') + title;
    return title;
}

void loadfil(App& app) {
    AppState& st = app.st;
    const std::string week = WeekDigit(st.SnackWeek);
    st.SnackFile = st.SetupTable(6) + "\\Snk" + week + "." + st.StationCode;
    SizeEditorAndWindow(app);
    st.SnackTemplate = ChooseTemplate(app, week);

    if (!app.os.drives.FileExists(st.SnackFile)) {
        if (!app.os.drives.FileExists(st.SnackTemplate)) {
            app.os.dialogs.MsgBox(st.SnackTemplate + " Snack Template NOT FOUND.", "Vittlon");
            NoListOpen(app);
            return;
        }
        try {
            CreateFromTemplate(app);
        } catch (const FileError& e) {
            app.os.dialogs.MsgBox("The snack list could not be created.", "Vittlon", MsgButtons::OK,
                                  1, e.what());
            NoListOpen(app);
            return;
        }
    }

    RichTextBox& editor = app.form1.RichTextBox1;
    try {
        const std::optional<FileStamp> stamp = StampNow(app, st.SnackFile);
        editor.Text = app.os.drives.ReadWhole(st.SnackFile);
        NoteLoaded(st.SnackShared, editor.Text, stamp);
    } catch (const FileError& e) {
        // The editor must not keep another week's text under this week's file name.
        app.os.dialogs.MsgBox("The snack list could not be read.", "Vittlon", MsgButtons::OK, 1,
                              e.what());
        NoListOpen(app);
        return;
    }
    editor.Locked = false;
    st.SnackText = editor.Text;
    // The first item cell; a list too short to have one starts at its end.
    st.SnackCursor = std::min<long>(kFirstSnackCell, static_cast<long>(editor.Text.size()));
    editor.SelLength = 1;
    editor.SelStart = st.SnackCursor;
    app.form1.Form.Visible = true;
}

void savefil(App& app) {
    AppState& st = app.st;
    if (st.SnackFile.empty()) return;
    RichTextBox& editor = app.form1.RichTextBox1;
    try {
        std::string theirs;
        const auto asIs = [](const std::string& bytes) { return bytes; };
        if (SaveSharedText(app, st.SnackFile, "The snack list", st.SnackShared, editor.Text,
                           editor.Text, asIs, theirs) == SharedSave::TheirsKept) {
            // The editor goes on with the text the file kept.
            editor.Text = theirs;
            st.SnackText = theirs;
            const long end = static_cast<long>(theirs.size());
            editor.SelStart = std::min<long>(editor.SelStart, end);
            editor.SelLength = std::min<long>(editor.SelLength, end - editor.SelStart);
        }
    } catch (const FileError& e) {
        // The file keeps its last saved state; the operator is told that the edits were not
        // saved.
        app.os.dialogs.MsgBox("The snack list could not be saved.", "Vittlon", MsgButtons::OK, 1,
                              e.what());
    }
}

}  // namespace vt
