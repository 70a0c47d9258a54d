#include <cmath>
#include <exception>
#include <type_traits>
#include <utility>

#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/date_check.h"
#include "settings/label_settings.h"
#include "settings/label_type_catalogue.h"
#include "settings/period_name.h"
#include "settings/printer_choice.h"
#include "settings/settings_as_saved.h"
#include "settings/settings_records.h"
#include "settings/station_files.h"
#include "settings/user_label_text.h"

namespace vt {
namespace {

// The settings file and the label type catalogue, as SaveSet would leave them.
struct HeldFiles {
    RecordImage settings;
    RecordImage catalogue;
};

// From the files, or from `held` in their place.
void LoadSettings(App& app, const HeldFiles* held) {
    AppState& st = app.st;
    st.SettingsLoading = 123;
    const std::string path = LabelSettingsPath(st);
    if (held) {
        ReadSettingsRecord(app, 1, held->settings.Read(1));
        ReadSettingsRecord(app, 2, held->settings.Read(2));
    } else if (app.os.drives.FileExists(path)) {
        RecordFile file(app.os.drives, path, kSettingsRecordLength, RecordFile::Mode::Read);
        ReadSettingsRecord(app, 1, file.Read(1));
        ReadSettingsRecord(app, 2, file.Read(2));
    } else if (app.os.drives.Resolve(path)) {
        // Something else in the file's place is no station without settings: defaults stored
        // over it would be lost anyway.
        throw FileError(path + " is not a file");
    } else {
        st.LabelTypeNo = 1;
    }
    if (st.LabelTypeNo < 1 || st.LabelTypeNo > 25) st.LabelTypeNo = 1;

    st.ListFilling = -2222;
    FillLabelTypeList(app);
    if (held) {
        GetTypFrom(app, held->catalogue);
    } else {
        GetTyp(app);
    }
    SelectLabelType(app);

    st.ListFilling = 0;
    st.SettingsLoading = 0;
    if (st.NoPrinterList != 1) {
        SelectSavedPrinter(app);
        LoadUserLabel(app);
    } else {
        app.form1.Combo1.Text = "No Printers Installed";
    }
}

// A load that fails ends at the failing step; what was loaded stays.
template <class Load>
void LoadGuarded(App& app, const Load& load) {
    const std::string failedBefore = app.st.SettingsFailure;
    app.st.SettingsFailure = "";
    try {
        load();
    } catch (const std::exception& e) {
        app.st.SettingsFailure = e.what();
        // The window reads the settings again after every store: a failure that stays is told
        // once, not at every keystroke.
        if (app.st.SettingsFailure != failedBefore) {
            TellErrorOutput("the label settings were read only in part: " + app.st.SettingsFailure);
        }
        // What was loaded stays. The guards are released, or the window's own handlers would
        // ignore the operator from now on.
        app.st.SettingsLoading = 0;
        app.st.ListFilling = 0;
    }
}

}  // namespace

void GetSet(App& app) {
    LoadGuarded(app, [&app] { LoadSettings(app, nullptr); });
}

void GetSetAsSaved(App& app) {
    // Without a path table SaveSet stores nothing: the settings are read as they are.
    if (app.st.SetupTable.UBound() < 23) {
        GetSet(app);
        return;
    }
    LoadGuarded(app, [&app] {
        const HeldFiles held{SettingsAsSaved(app), CatalogueAsSaved(app)};
        LoadSettings(app, &held);
    });
}

}  // namespace vt
