#include "settings/settings_records.h"

#include <cmath>
#include <span>
#include <type_traits>

#include "platform/numbers.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/date_check.h"
#include "settings/label_settings.h"
#include "settings/number_field.h"
#include "settings/period_name.h"

namespace vt {
namespace {

using Kind = SettingsField::Kind;

constexpr SettingsField Whole(std::size_t column, std::size_t width, TextBox Form1::*text,
                              Int16 AppState::*value) {
    SettingsField f{column, width, Kind::Whole};
    f.text = text;
    f.int16 = value;
    return f;
}
constexpr SettingsField Check(std::size_t column, Kind kind, CheckBox Form1::*check,
                              Int16 AppState::*value = nullptr, bool savedIntoState = false) {
    SettingsField f{column, 1, kind};
    f.check = check;
    f.int16 = value;
    f.savedIntoState = savedIntoState;
    return f;
}
constexpr SettingsField PeriodOn(int period, CheckBox Form1::*check) {
    SettingsField f{87 + std::size_t(period), 1, Kind::Check};
    f.check = check;
    f.flags = &AppState::PeriodOn;
    f.index = period;
    return f;
}
constexpr SettingsField Week(int week, OptionButton Form1::*option) {
    SettingsField f{94 + std::size_t(week), 1, Kind::Week};
    f.option = option;
    f.index = week;
    return f;
}
struct Range {
    double low, high, fallback;
    const char* fallbackText;
};
constexpr SettingsField Barcode(std::size_t column, std::size_t width, Kind kind,
                                TextBox Form1::*text, Range range) {
    SettingsField f{column, width, kind};
    f.text = text;
    f.low = range.low;
    f.high = range.high;
    f.fallback = range.fallback;
    f.fallbackText = range.fallbackText;
    return f;
}
constexpr SettingsField Barcode(std::size_t column, std::size_t width, TextBox Form1::*text,
                                Int32 AppState::*value, Range range) {
    SettingsField f = Barcode(column, width, Kind::BarcodeWhole, text, range);
    f.int32 = value;
    return f;
}
constexpr SettingsField PeriodName(int period, CheckBox Form1::*check) {
    SettingsField f{56 + 4 * std::size_t(period - 1), 4, Kind::PeriodName};
    f.check = check;
    f.index = period;
    return f;
}
constexpr SettingsField Boxed(std::size_t column, std::size_t width, Kind kind,
                              TextBox Form1::*text, Int16 AppState::*value) {
    SettingsField f{column, width, kind};
    f.text = text;
    f.int16 = value;
    return f;
}
constexpr SettingsField LabelTypeField() {
    SettingsField f{1, 2, Kind::LabelType};
    f.int32 = &AppState::LabelTypeNo;
    return f;
}
constexpr SettingsField FactorField() {
    SettingsField f =
        Barcode(49, 5, Kind::BarcodeFactor, &Form1::Text19, {0.05, 999.9, 4.8, "4.8"});
    f.single = &AppState::BarcodeXYFactor;
    return f;
}
constexpr SettingsField TypeField() {
    SettingsField f = Barcode(54, 2, Kind::BarcodeType, &Form1::Text20, {1, 23, 3, "3"});
    f.int16 = &AppState::BarcodeType;
    return f;
}

// Record 1: the run's range, the period and picture boxes, the snack week.
constexpr SettingsField kRecord1[] = {
    LabelTypeField(),
    {3, 10, Kind::StartDate},
    Whole(55, 2, &Form1::Text14, &AppState::DaysToPrint),
    Whole(57, 2, &Form1::Text1, &AppState::FirstUnit),
    Whole(59, 2, &Form1::Text2, &AppState::LastUnit),
    Whole(66, 3, &Form1::Text3, &AppState::FirstResident),
    Whole(69, 3, &Form1::Text4, &AppState::LastResident),
    PeriodOn(1, &Form1::Check1),
    PeriodOn(2, &Form1::Check2),
    PeriodOn(3, &Form1::Check3),
    PeriodOn(4, &Form1::Check4),
    Check(92, Kind::Check, &Form1::Check5, &AppState::NoPhoto),
    Check(93, Kind::Check, &Form1::Check6, &AppState::NoFrame),
    Check(94, Kind::Check, &Form1::Check7, &AppState::RoutineHS),
    Week(1, &Form1::Option1),
    Week(2, &Form1::Option2),
    Week(3, &Form1::Option3),
    Week(4, &Form1::Option4),
    Week(5, &Form1::Option5),
    Check(100, Kind::OneOrZero, &Form1::Check11),
    Check(65, Kind::OneOrZero, &Form1::Check12, &AppState::InkjetMode),
};

// Record 2: the printer, the barcode, the period names, privacy, expiration and tray labels.
constexpr SettingsField kRecord2[] = {
    {1, 30, Kind::PrinterName},
    Check(31, Kind::OneOrZero, &Form1::Check8),
    Check(32, Kind::OneOrZero, &Form1::Check9, &AppState::BarcodeOn),
    Check(33, Kind::OneOrZero, &Form1::Check10, &AppState::SnackMenuOn),
    Barcode(34, 3, &Form1::Text15, &AppState::BarcodeWidth, {100, 900, 460, "460"}),
    Barcode(37, 4, &Form1::Text16, &AppState::BarcodeLeftShift, {1, 9000, 290, "290"}),
    Barcode(41, 4, &Form1::Text17, &AppState::BarcodeDownShift, {1, 9000, 170, "170"}),
    Barcode(45, 4, &Form1::Text18, &AppState::BarcodeHeight, {10, 9000, 80, "80"}),
    FactorField(),
    TypeField(),
    PeriodName(1, &Form1::Check1),
    PeriodName(2, &Form1::Check2),
    PeriodName(3, &Form1::Check3),
    PeriodName(4, &Form1::Check4),
    Boxed(72, 1, Kind::Privacy, &Form1::Text21, &AppState::PrivacyLevel),
    Boxed(73, 2, Kind::DaysToExpire, &Form1::Text9, &AppState::DaysToExpire),
    Check(75, Kind::OneOrZero, &Form1::Check13, &AppState::TrayLabelsOn, true),
};

std::span<const SettingsField> Fields(int record) {
    if (record == 1) return kRecord1;
    return kRecord2;
}

double Number(const std::string& record, const SettingsField& f) {
    return Val(Mid(record, f.column, f.width));
}

// A barcode number: the stored characters go into the text box, the number is read back from
// it, and out of range both get the default.
template <typename T>
void ReadBarcodeNumber(App& app, const std::string& record, const SettingsField& f, T& value) {
    TextBox& box = app.form1.*f.text;
    box.Text = Mid(record, f.column, f.width);
    double v = Val(box.Text);
    // Whole-number fields take the nearest whole number (halves to even), as every
    // conversion to a whole number does; the range applies to what the state would hold.
    if constexpr (std::is_integral_v<T>) v = std::nearbyint(v);
    if (v < f.low || v > f.high) {
        value = static_cast<T>(f.fallback);
        box.Text = f.fallbackText;
    } else {
        value = static_cast<T>(v);
    }
}

void ReadStartDate(App& app, const std::string& record, const SettingsField& f) {
    AppState& st = app.st;
    const CheckedDate start = CkDate(Mid(record, f.column, f.width));
    const Date date = start.valid ? Date(static_cast<int>(Val(Mid(start.text, 7, 4))),
                                         static_cast<unsigned>(Val(Mid(start.text, 1, 2))),
                                         static_cast<unsigned>(Val(Mid(start.text, 4, 2))))
                                  : app.os.clock.Today();
    st.LabelDate = date;
    st.LabelDateText = date.ShortText();
    st.ExpDateText = st.ExpDate.ShortText();
    app.form1.wwDateTimeEdit1.Value = date;
    app.form2.wwDateTimeEdit1.Value = date;
}

void ReadField(App& app, const std::string& r, const SettingsField& f) {
    AppState& st = app.st;
    Form1& form = app.form1;
    switch (f.kind) {
        case Kind::LabelType:
            st.*f.int32 = CLng(Number(r, f));
            if (st.*f.int32 < 1) st.*f.int32 = 1;
            return;
        case Kind::StartDate:
            ReadStartDate(app, r, f);
            return;
        case Kind::Whole:
            st.*f.int16 = CInt(Number(r, f));
            (form.*f.text).Text = NumText(st.*f.int16);
            return;
        case Kind::Check:
        case Kind::OneOrZero: {
            const double v = Number(r, f);
            const bool stored = f.kind == Kind::Check ? (v == 0 || v == 1 || v == 2) : v == 1;
            const Int16 value = stored ? static_cast<Int16>(v) : Int16{0};
            (form.*f.check).Value = value;
            if (f.int16 != nullptr) st.*f.int16 = value;
            if (f.flags != nullptr) (st.*f.flags)(f.index) = value;
            return;
        }
        case Kind::Week:
            if (Number(r, f) != 1) return;
            for (OptionButton* w :
                 {&form.Option1, &form.Option2, &form.Option3, &form.Option4, &form.Option5}) {
                w->Value = false;
            }
            (form.*f.option).Value = true;
            st.SnackWeek = static_cast<Int16>(f.index);
            return;
        case Kind::PrinterName:
            st.PrinterName = Mid(r, f.column, f.width);
            return;
        case Kind::BarcodeWhole:
            ReadBarcodeNumber(app, r, f, st.*f.int32);
            return;
        case Kind::BarcodeFactor:
            ReadBarcodeNumber(app, r, f, st.*f.single);
            return;
        case Kind::BarcodeType:
            ReadBarcodeNumber(app, r, f, st.*f.int16);
            form.Barcod1.Symbology = st.*f.int16;
            return;
        case Kind::PeriodName: {
            std::string name = Mid(r, f.column, f.width);
            const auto first = static_cast<unsigned char>(name[0]);
            if (first < 32 || first > 127) name = kDefaultPeriodNames[f.index - 1];
            (form.*f.check).Caption = name;
            st.PeriodNames(f.index) = MkX(name);
            return;
        }
        case Kind::Privacy: {
            const double privacy = std::nearbyint(Number(r, f));
            st.*f.int16 = static_cast<Int16>(privacy >= 0 && privacy <= 5 ? privacy : 0);
            (form.*f.text).Text = NumText(st.*f.int16);
            return;
        }
        case Kind::DaysToExpire: {
            // Stored within 0..99; anything else is damage and means none.
            const double days = std::nearbyint(Number(r, f));
            st.*f.int16 = static_cast<Int16>(days >= 0 && days <= 99 ? days : 0);
            (form.*f.text).Text = st.*f.int16 > 0 ? NumText(st.*f.int16) : "";
            return;
        }
    }
}

void PutNumber(std::string& record, const SettingsField& f, double value) {
    if (auto digits = WholeNumberText(value, f.width)) PutField(record, f.column, f.width, *digits);
}

void WriteField(App& app, std::string& r, const SettingsField& f) {
    AppState& st = app.st;
    const Form1& form = app.form1;
    switch (f.kind) {
        case Kind::LabelType:
            PutNumber(r, f, st.*f.int32);
            return;
        case Kind::StartDate:
            PutField(r, f.column, f.width, Trim(form.wwDateTimeEdit1.Text()));
            return;
        case Kind::Whole:
            PutField(r, f.column, f.width, Trim((form.*f.text).Text));
            return;
        case Kind::Check:
        case Kind::OneOrZero:
            PutField(r, f.column, f.width, NumText((form.*f.check).Value));
            if (f.savedIntoState) st.*f.int16 = static_cast<Int16>((form.*f.check).Value);
            return;
        case Kind::Week:
            PutField(r, f.column, f.width, (form.*f.option).Value ? "1" : "0");
            return;
        case Kind::PrinterName:
            PutField(r, f.column, f.width, st.PrinterName);
            return;
        case Kind::BarcodeWhole: {
            // Written only when not 0; a number that does not fit its columns is not written
            // either, so the field keeps the last value that did.
            const double value = Val((form.*f.text).Text);
            if (value != 0) PutNumber(r, f, value);
            return;
        }
        case Kind::BarcodeFactor:
            // The XY factor keeps its fraction: 4.85 is stored as those four characters.
            if (const auto factor = static_cast<float>(Val((form.*f.text).Text)); factor != 0) {
                const std::string text = NumTextSingle(factor);
                if (text.size() <= f.width) PutField(r, f.column, f.width, text);
            }
            return;
        case Kind::BarcodeType:
            PutNumber(r, f, Val((form.*f.text).Text));
            return;
        case Kind::PeriodName:
            PutField(r, f.column, f.width, Left((form.*f.check).Caption, f.width));
            return;
        case Kind::Privacy: {
            const double privacy = Val((form.*f.text).Text);
            st.*f.int16 =
                static_cast<Int16>(privacy >= -32768 && privacy <= 32767 ? CInt(privacy) : 0);
            PutNumber(r, f, st.*f.int16);
            return;
        }
        case Kind::DaysToExpire: {
            const double days = Val((form.*f.text).Text);
            st.*f.int16 = static_cast<Int16>(days >= 0 && days <= 99 ? CInt(days) : 0);
            PutNumber(r, f, st.*f.int16);
            return;
        }
    }
}

}  // namespace

void ReadSettingsRecord(App& app, int number, const std::string& record) {
    if (number == 1) app.st.SnackWeek = 1;  // unless a week option is stored as chosen
    for (const SettingsField& f : Fields(number)) ReadField(app, record, f);
    if (number == 2) app.form1.RichTextBox1.Visible = app.st.SnackMenuOn == 1;
}

void PutSettingsRecord(App& app, int number, std::string& record) {
    for (const SettingsField& f : Fields(number)) WriteField(app, record, f);
}

}  // namespace vt
