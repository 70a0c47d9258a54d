#pragma once
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/text.h"
#include "support/station_fixture.h"

namespace vt::test {

inline std::string SettingsPath(const StationFixture& f) {
    return f.layout.SetupPath("Labelset");
}
inline std::string GeometryPath(const StationFixture& f) {
    return f.layout.SetupPath("Labeltyp");
}

// Record n (100 bytes) of the settings file as it is on disk.
inline std::string SettingsRecord(const StationFixture& f, std::size_t n) {
    return f.Bytes(SettingsPath(f)).substr((n - 1) * 100, 100);
}

// Column range [from, to] (1-based) of a record.
inline std::string Cols(const std::string& record, std::size_t from, std::size_t to) {
    return Mid(record, from, to - from + 1);
}

// Write a settings file of two records whose fields are put in by the test.
inline void WriteSettings(StationFixture& f, const std::string& record1,
                          const std::string& record2) {
    WriteHostFile(f.Host(SettingsPath(f)), PadTo(record1, 100) + PadTo(record2, 100));
}

// A name list of 50 blank names, as start-up creates it for a new station.
inline void WriteBlankNameList(StationFixture& f) {
    std::string list;
    for (int i = 0; i < 50; ++i) list += std::string(50, ' ') + "\r\n";
    WriteHostFile(f.Host(f.app->st.LabListFile), list);
}

// Everything GetSet loads into the state, one "name=value" line each, so that two loads are
// compared field by field and a difference names its field. The sheet numbers compare without
// their sign: a stored -100 is shown and stored again as 100.
inline std::string LoadedState(const App& app) {
    const AppState& st = app.st;
    const Form1& w = app.form1;
    std::ostringstream out;
    out << "LabelTypeNo=" << st.LabelTypeNo << "\nLabelDate=" << st.LabelDate.Text()
        << "\nLabelDateText=" << st.LabelDateText << "\nDaysToPrint=" << st.DaysToPrint
        << "\nUnits=" << st.FirstUnit << ".." << st.LastUnit << "\nResidents=" << st.FirstResident
        << ".." << st.LastResident << "\nPeriodOn=";
    for (int k = 1; k <= 4; ++k) out << st.PeriodOn(k);
    out << "\nNoPhoto=" << st.NoPhoto << "\nNoFrame=" << st.NoFrame
        << "\nRoutineHS=" << st.RoutineHS << "\nSnackWeek=" << st.SnackWeek
        << "\nInkjetMode=" << st.InkjetMode << "\nBold=" << w.Check11.Value
        << "\nThisFont=" << w.Check8.Value << "\nBarcodeOn=" << st.BarcodeOn
        << "\nSnackMenuOn=" << st.SnackMenuOn << "\nBarcode=" << st.BarcodeWidth << ","
        << st.BarcodeLeftShift << "," << st.BarcodeDownShift << "," << st.BarcodeHeight << ","
        << st.BarcodeXYFactor << "," << st.BarcodeType << "\nSymbology=" << w.Barcod1.Symbology;
    for (int k = 1; k <= 4; ++k) out << "\nPeriodNames(" << k << ")=[" << st.PeriodNames(k) << "]";
    out << "\nPrivacyLevel=" << st.PrivacyLevel << "\nDaysToExpire=" << st.DaysToExpire
        << "\nTrayLabelsOn=" << st.TrayLabelsOn << "\nPrinterName=" << st.PrinterName
        << "\nSheet=" << std::labs(st.TopMargin) << "," << std::labs(st.LabelHeight) << ","
        << std::labs(st.LabelWidth) << "," << std::labs(st.RowsPerPage);
    for (int k = 1; k <= 4; ++k) out << "," << std::labs(st.ColumnX(k));
    out << "\n";
    return out.str();
}

// The values the main window shows for the settings, one "name=value" line each. Text boxes
// are compared trimmed: GetSet puts a barcode field's stored characters into its box, blank
// padding included ("290 ").
inline std::string ShownValues(const App& app) {
    const Form1& w = app.form1;
    std::ostringstream out;
    const std::pair<const char*, const TextBox*> boxes[] = {
        {"Text1", &w.Text1},   {"Text2", &w.Text2},   {"Text3", &w.Text3},   {"Text4", &w.Text4},
        {"Text5", &w.Text5},   {"Text6", &w.Text6},   {"Text7", &w.Text7},   {"Text8", &w.Text8},
        {"Text9", &w.Text9},   {"Text10", &w.Text10}, {"Text11", &w.Text11}, {"Text12", &w.Text12},
        {"Text13", &w.Text13}, {"Text14", &w.Text14}, {"Text15", &w.Text15}, {"Text16", &w.Text16},
        {"Text17", &w.Text17}, {"Text18", &w.Text18}, {"Text19", &w.Text19}, {"Text20", &w.Text20},
        {"Text21", &w.Text21}};
    for (const auto& [name, box] : boxes) out << name << "=[" << Trim(box->Text) << "]\n";
    const std::pair<const char*, const CheckBox*> checks[] = {
        {"Check1", &w.Check1},   {"Check2", &w.Check2},   {"Check3", &w.Check3},
        {"Check4", &w.Check4},   {"Check5", &w.Check5},   {"Check6", &w.Check6},
        {"Check7", &w.Check7},   {"Check8", &w.Check8},   {"Check9", &w.Check9},
        {"Check10", &w.Check10}, {"Check11", &w.Check11}, {"Check12", &w.Check12},
        {"Check13", &w.Check13}};
    for (const auto& [name, check] : checks) {
        out << name << "=" << check->Value << " [" << check->Caption << "]\n";
    }
    out << "Weeks=" << w.Option1.Value << w.Option2.Value << w.Option3.Value << w.Option4.Value
        << w.Option5.Value << "\nDate=" << w.wwDateTimeEdit1.Text()
        << "\nForm2Date=" << app.form2.wwDateTimeEdit1.Text() << "\nCombo1=" << w.Combo1.Text
        << "\nCombo2=" << w.Combo2.ListIndex << "\n";
    return out.str();
}

}  // namespace vt::test
