#include <exception>

#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/label_settings.h"
#include "settings/label_type_catalogue.h"
#include "settings/number_field.h"
#include "settings/settings_as_saved.h"
#include "settings/station_files.h"

namespace vt {
namespace {

constexpr std::size_t kRecordLength = 100;

std::string Digit(int state) {
    return NumText(state);
}

// A number field that is written only when its value is not 0; a number that does not fit its
// columns is not written either, so the field keeps the last value that did.
void PutSigned(std::string& record, std::size_t start, std::size_t width, const std::string& text) {
    const double value = Val(text);
    if (value == 0) return;
    if (auto digits = WholeNumberText(value, width)) PutField(record, start, width, *digits);
}

void PutNumber(std::string& record, std::size_t start, std::size_t width, double value) {
    if (auto digits = WholeNumberText(value, width)) PutField(record, start, width, *digits);
}

void PutRecord1(App& app, std::string& r) {
    const Form1& f = app.form1;
    PutNumber(r, 1, 2, app.st.LabelTypeNo);
    PutField(r, 3, 10, Trim(f.wwDateTimeEdit1.Text()));
    PutField(r, 55, 2, Trim(f.Text14.Text));
    PutField(r, 57, 2, Trim(f.Text1.Text));
    PutField(r, 59, 2, Trim(f.Text2.Text));
    PutField(r, 66, 3, Trim(f.Text3.Text));
    PutField(r, 69, 3, Trim(f.Text4.Text));
    const CheckBox* checks[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4,
                                &f.Check5, &f.Check6, &f.Check7};
    for (std::size_t i = 0; i < 7; ++i) PutField(r, 88 + i, 1, Digit(checks[i]->Value));
    const OptionButton* weeks[] = {&f.Option1, &f.Option2, &f.Option3, &f.Option4, &f.Option5};
    for (std::size_t i = 0; i < 5; ++i) PutField(r, 95 + i, 1, weeks[i]->Value ? "1" : "0");
    PutField(r, 100, 1, Digit(f.Check11.Value));
    PutField(r, 65, 1, Digit(f.Check12.Value));
}

void PutRecord2(App& app, std::string& r) {
    AppState& st = app.st;
    const Form1& f = app.form1;
    PutField(r, 1, 30, st.PrinterName);
    PutField(r, 31, 1, Digit(f.Check8.Value));
    PutField(r, 32, 1, Digit(f.Check9.Value));
    PutField(r, 33, 1, Digit(f.Check10.Value));
    PutSigned(r, 34, 3, f.Text15.Text);
    PutSigned(r, 37, 4, f.Text16.Text);
    PutSigned(r, 41, 4, f.Text17.Text);
    PutSigned(r, 45, 4, f.Text18.Text);
    // The XY factor keeps its fraction: 4.85 is stored as those four characters.
    if (const float factor = static_cast<float>(Val(f.Text19.Text)); factor != 0) {
        const std::string text = NumTextSingle(factor);
        if (text.size() <= 5) PutField(r, 49, 5, text);
    }
    PutNumber(r, 54, 2, Val(f.Text20.Text));
    const CheckBox* periods[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4};
    for (std::size_t k = 0; k < 4; ++k) PutField(r, 56 + 4 * k, 4, Left(periods[k]->Caption, 4));

    const double privacy = Val(f.Text21.Text);
    st.PrivacyLevel = static_cast<Int16>(privacy >= -32768 && privacy <= 32767 ? CInt(privacy) : 0);
    PutNumber(r, 72, 1, st.PrivacyLevel);
    const double days = Val(f.Text9.Text);
    st.DaysToExpire = static_cast<Int16>(days >= 0 && days <= 99 ? CInt(days) : 0);
    PutNumber(r, 73, 2, st.DaysToExpire);
    st.TrayLabelsOn = static_cast<Int16>(f.Check13.Value);
    PutField(r, 75, 1, Digit(f.Check13.Value));
}

}  // namespace

RecordImage SettingsAsSaved(App& app) {
    RecordImage file = RecordImage::Load(app.os.drives, LabelSettingsPath(app.st), kRecordLength);
    std::string record = file.Read(1);
    PutRecord1(app, record);
    file.Write(1, record);
    record = file.Read(2);
    PutRecord2(app, record);
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
