#include <exception>

#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/label_settings.h"
#include "settings/label_type_catalogue.h"
#include "settings/number_field.h"
#include "settings/settings_as_saved.h"
#include "settings/settings_records.h"
#include "settings/station_files.h"

namespace vt {
RecordImage SettingsAsSaved(App& app) {
    RecordImage file =
        RecordImage::Load(app.os.drives, LabelSettingsPath(app.st), kSettingsRecordLength);
    std::string record = file.Read(1);
    PutSettingsRecord(app, 1, record);
    file.Write(1, record);
    record = file.Read(2);
    PutSettingsRecord(app, 2, record);
    file.Write(2, record);
    return file;
}

void SaveSet(App& app) {
    // A station without a path table has nowhere to keep settings: nothing to store.
    if (app.st.SetupTable.UBound() < 23) return;
    // Each file is replaced whole or not at all. A failure is told to the operator, who goes
    // on working: the settings stay in the window and are stored at the next chance. Losing
    // the focus to that message stores again; that second failure is not told twice.
    bool& telling = app.memory->tellingSettingsNotStored;
    try {
        SettingsAsSaved(app).Save(app.os.drives, LabelSettingsPath(app.st));
        SaveLabelGeometry(app);
    } catch (const FileError& e) {
        if (telling) return;
        telling = true;
        app.os.dialogs.MsgBox(std::string("The label settings could not be stored.\r\n") + e.what(),
                              "Vittlon", MsgButtons::OK, 1);
        telling = false;
    }
}

}  // namespace vt
