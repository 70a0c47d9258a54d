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
#include "settings/station_files.h"
#include "settings/user_label_text.h"

namespace vt {
namespace {

constexpr std::size_t kRecordLength = 100;

double Number(const std::string& record, std::size_t start, std::size_t width) {
    return Val(Mid(record, start, width));
}

// A check box state as stored: 0, 1 or 2 (grey). Anything else is damage and reads as clear.
int CheckState(const std::string& record, std::size_t column) {
    const double v = Number(record, column, 1);
    return (v == 0 || v == 1 || v == 2) ? static_cast<int>(v) : 0;
}

// "1 stays 1, anything else becomes 0".
Int16 OneOrZero(const std::string& record, std::size_t column) {
    return Number(record, column, 1) == 1 ? 1 : 0;
}

// A barcode number: the stored characters go into the text box, the number is read back from
// it, and out of range both get the default.
template <typename T>
void BarcodeField(const std::string& record, std::size_t start, std::size_t width, TextBox& box,
                  T& value, double low, double high, T fallback, const char* fallbackText) {
    box.Text = Mid(record, start, width);
    double v = Val(box.Text);
    // Whole-number fields take the nearest whole number (halves to even), as every
    // conversion to a whole number does; the range applies to what the state would hold.
    if constexpr (std::is_integral_v<T>) v = std::nearbyint(v);
    if (v < low || v > high) {
        value = fallback;
        box.Text = fallbackText;
    } else {
        value = static_cast<T>(v);
    }
}

void ReadRecord1(App& app, const std::string& r) {
    AppState& st = app.st;
    Form1& f = app.form1;

    st.LabelTypeNo = CLng(Number(r, 1, 2));
    if (st.LabelTypeNo < 1) st.LabelTypeNo = 1;

    const CheckedDate start = CkDate(Mid(r, 3, 10));
    const Date date = start.valid ? Date(static_cast<int>(Val(Mid(start.text, 7, 4))),
                                         static_cast<unsigned>(Val(Mid(start.text, 1, 2))),
                                         static_cast<unsigned>(Val(Mid(start.text, 4, 2))))
                                  : app.os.clock.Today();
    st.LabelDate = date;
    st.LabelDateText = date.ShortText();
    st.ExpDateText = st.ExpDate.ShortText();

    st.DaysToPrint = CInt(Number(r, 55, 2));
    st.FirstUnit = CInt(Number(r, 57, 2));
    st.LastUnit = CInt(Number(r, 59, 2));
    st.FirstResident = CInt(Number(r, 66, 3));
    st.LastResident = CInt(Number(r, 69, 3));
    st.SnackWeek = 1;

    CheckBox* periods[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4};
    for (int k = 0; k < 4; ++k) periods[k]->Value = CheckState(r, 88 + static_cast<std::size_t>(k));
    st.NoPhoto = static_cast<Int16>(CheckState(r, 92));
    st.NoFrame = static_cast<Int16>(CheckState(r, 93));
    st.RoutineHS = static_cast<Int16>(CheckState(r, 94));
    f.Check5.Value = st.NoPhoto;
    f.Check6.Value = st.NoFrame;
    f.Check7.Value = st.RoutineHS;
    for (int k = 1; k <= 4; ++k) st.PeriodOn(k) = static_cast<Int16>(periods[k - 1]->Value);

    f.Text1.Text = NumText(st.FirstUnit);
    f.Text2.Text = NumText(st.LastUnit);
    f.Text3.Text = NumText(st.FirstResident);
    f.Text4.Text = NumText(st.LastResident);
    f.wwDateTimeEdit1.Value = st.LabelDate;
    app.form2.wwDateTimeEdit1.Value = st.LabelDate;
    f.Text14.Text = NumText(st.DaysToPrint);

    OptionButton* weeks[] = {&f.Option1, &f.Option2, &f.Option3, &f.Option4, &f.Option5};
    for (int k = 1; k <= 5; ++k) {
        if (Number(r, 94 + static_cast<std::size_t>(k), 1) == 1) {
            for (OptionButton* w : weeks) w->Value = false;
            weeks[k - 1]->Value = true;
            st.SnackWeek = static_cast<Int16>(k);
        }
    }

    f.Check11.Value = OneOrZero(r, 100);
    st.InkjetMode = OneOrZero(r, 65);
    f.Check12.Value = st.InkjetMode;
}

void ReadRecord2(App& app, const std::string& r) {
    AppState& st = app.st;
    Form1& f = app.form1;

    st.PrinterName = Mid(r, 1, 30);
    f.Check8.Value = OneOrZero(r, 31);
    st.BarcodeOn = OneOrZero(r, 32);
    f.Check9.Value = st.BarcodeOn;
    st.SnackMenuOn = OneOrZero(r, 33);
    f.Check10.Value = st.SnackMenuOn;

    BarcodeField<Int32>(r, 34, 3, f.Text15, st.BarcodeWidth, 100, 900, 460, "460");
    BarcodeField<Int32>(r, 37, 4, f.Text16, st.BarcodeLeftShift, 1, 9000, 290, "290");
    BarcodeField<Int32>(r, 41, 4, f.Text17, st.BarcodeDownShift, 1, 9000, 170, "170");
    BarcodeField<Int32>(r, 45, 4, f.Text18, st.BarcodeHeight, 10, 9000, 80, "80");
    BarcodeField<float>(r, 49, 5, f.Text19, st.BarcodeXYFactor, 0.05, 999.9, 4.8f, "4.8");
    BarcodeField<Int16>(r, 54, 2, f.Text20, st.BarcodeType, 1, 23, 3, "3");
    f.Barcod1.Symbology = st.BarcodeType;

    CheckBox* periods[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4};
    for (int k = 1; k <= 4; ++k) {
        std::string name = Mid(r, 56 + 4 * static_cast<std::size_t>(k - 1), 4);
        const unsigned char first = static_cast<unsigned char>(name[0]);
        if (first < 32 || first > 127) name = kDefaultPeriodNames[k - 1];
        periods[k - 1]->Caption = name;
        st.PeriodNames(k) = MkX(name);
    }

    const double privacy = std::nearbyint(Number(r, 72, 1));
    st.PrivacyLevel = static_cast<Int16>(privacy >= 0 && privacy <= 5 ? privacy : 0);
    f.Text21.Text = NumText(st.PrivacyLevel);

    f.RichTextBox1.Visible = st.SnackMenuOn == 1;

    // Days to expire are stored within 0..99; anything else is damage and means none.
    const double days = std::nearbyint(Number(r, 73, 2));
    st.DaysToExpire = static_cast<Int16>(days >= 0 && days <= 99 ? days : 0);
    f.Text9.Text = "";
    if (st.DaysToExpire > 0) f.Text9.Text = NumText(st.DaysToExpire);

    st.TrayLabelsOn = OneOrZero(r, 75);
    f.Check13.Value = st.TrayLabelsOn;
}

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
        ReadRecord1(app, held->settings.Read(1));
        ReadRecord2(app, held->settings.Read(2));
    } else if (app.os.drives.FileExists(path)) {
        RecordFile file(app.os.drives, path, kRecordLength, RecordFile::Mode::Read);
        ReadRecord1(app, file.Read(1));
        ReadRecord2(app, file.Read(2));
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
