#include "ui/main/main_window_handlers.h"

#include <algorithm>
#include <utility>

#include "platform/codepage.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "printing/print_run.h"
#include "printing/sheet_cells.h"
#include "printing/sheet_geometry.h"
#include "settings/label_settings.h"
#include "settings/label_type_catalogue.h"
#include "settings/printer_choice.h"
#include "snacks/snack_document.h"

namespace vt {
namespace {

TextBox& TextN(Form1& f, int n) {
    TextBox* boxes[] = {&f.Text1,  &f.Text2,  &f.Text3,  &f.Text4,  &f.Text5,  &f.Text6,
                        &f.Text7,  &f.Text8,  &f.Text9,  &f.Text10, &f.Text11, &f.Text12,
                        &f.Text13, &f.Text14, &f.Text15, &f.Text16, &f.Text17, &f.Text18,
                        &f.Text19, &f.Text20, &f.Text21};
    return *boxes[n - 1];
}

CheckBox* PeriodBox(Form1& f, int n) {
    CheckBox* boxes[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4};
    return n >= 1 && n <= 4 ? boxes[n - 1] : nullptr;
}

CheckBox* PeriodBox(Form2& f, int n) {
    CheckBox* boxes[] = {&f.Check1, &f.Check2, &f.Check3, &f.Check4};
    return n >= 1 && n <= 4 ? boxes[n - 1] : nullptr;
}

// The sheet fields and the days to expire and privacy: Enter stores and redraws.
bool RedrawsOnEnter(int n) {
    return (n >= 5 && n <= 13) || n == 21;
}
// The sheet fields store when left.
bool StoresWhenLeft(int n) {
    return (n >= 5 && n <= 8) || (n >= 10 && n <= 13);
}

void RenamePeriod(App& app, int n) {
    CheckBox& box = *PeriodBox(app.form1, n);
    // An answer given with OK is taken as it comes, an empty one too; a cancelled box changes
    // nothing.
    const std::optional<std::string> name = app.os.dialogs.InputBox(
        "Nourishment Period Name", "Name of Nourishment Period", box.Caption);
    if (!name) return;
    box.Caption = *name;
    PeriodBox(app.form2, n)->Caption = *name;
}

}  // namespace

void StoreAndReread(App& app) {
    SaveSet(app);
    GetSet(app);
}

void RedrawPreview(App& app) {
    app.st.PreviewMode = 1;
    if (app.form1.Picture2 != nullptr) app.form1.Picture2->Cls();
    Command1_Click(app);
}

void StartAtLabel_Change(App& app, long cell) {
    app.st.StartAtLabel =
        static_cast<Int16>(std::clamp(cell, 1L, SheetGeometry::Of(app.st).CellsPerSheet()));
    RedrawPreview(app);
}

void Text_KeyDown(App& app, int n, int keyCode) {
    if (n < 1 || n > 21) return;
    if (keyCode != kKeyLeft && keyCode != kKeyRight && keyCode != kKeyBackspace) {
        TextN(app.form1, n).SelLength = 1;  // a typed character replaces the one at the cursor
    }
    if (keyCode != kKeyEnter) return;
    if (RedrawsOnEnter(n)) {
        StoreAndReread(app);
        RedrawPreview(app);
    } else if (n == 20) {  // a new barcode type is drawn over the preview as it stands
        StoreAndReread(app);
        app.st.PreviewMode = 1;
        Command1_Click(app);
        app.st.PreviewMode = 0;
    }
}

void Text_LostFocus(App& app, int n) {
    if (StoresWhenLeft(n)) StoreAndReread(app);
}

void Check_MouseUp(App& app, int n, int button) {
    Form1& f = app.form1;
    if (CheckBox* period = PeriodBox(f, n)) {
        PeriodBox(app.form2, n)->Value = period->Value;
        if (button == kRightButton) RenamePeriod(app, n);
        return;
    }
    if (n == 9 && f.Check9.Value == 1) f.Check6.Value = 1;  // barcode labels get no frames
    if (n == 5 || n == 6 || n == 9 || n == 10 || n == 11) {
        StoreAndReread(app);
        RedrawPreview(app);
    }
}

void Option_Click(App& app, int n) {
    if (app.st.SettingsLoading == 123 || n < 1 || n > 5) return;
    savefil(app);
    SaveSet(app);
    GetSet(app);
    loadfil(app);
}

void Combo1_Click(App& app) {
    ComboBox& list = app.form1.Combo1;
    if (app.st.NoPrinterList == 1 || list.ListIndex < 0 ||
        list.ListIndex >= static_cast<int>(list.List.size())) {
        return;
    }
    // The list was filled at start-up; the print service's own list may have changed since,
    // so the printer is chosen by its name.
    const std::string chosen = list.List[static_cast<std::size_t>(list.ListIndex)];
    if (!app.os.printers.SetCurrent(chosen)) {
        app.os.dialogs.MsgBox("The printer " + chosen +
                                  " is no longer installed. The printer stays " +
                                  app.os.printers.CurrentName() + ".",
                              "Vittlon", MsgButtons::OK, 1);
        ShowCurrentPrinter(app);
        return;
    }
    list.Text = chosen;
    app.st.PrinterName = chosen;
    app.st.StoredPrinterMissing = false;
}

void Combo2_Click(App& app) {
    if (app.st.ListFilling == -2222 || app.form1.Combo2.ListIndex < 0) return;
    app.st.LabelTypeNo = app.form1.Combo2.ListIndex + 1;
    GetTyp(app);
}

void Combo2_KeyDown(App& app, int keyCode) {
    if (keyCode != kKeyEnter) return;
    SaveLn(app);
    StoreAndReread(app);
    RedrawPreview(app);
}

void Combo2_LostFocus(App& app) {
    SaveLn(app);
    StoreAndReread(app);
}

void Command1_MouseDown(App& app) {
    app.st.PreviewMode = 0;
}

namespace {

// After a print run: the preview of the next run's first sheet, the ended run's report kept.
void PreviewAfterPrint(App& app) {
    if (app.st.PreviewMode != 0 || app.os.events.QuitRequested()) return;
    RunReport ended = std::move(app.st.Report);
    RedrawPreview(app);
    app.st.PreviewMode = 0;  // as the run left it
    app.st.Report = std::move(ended);
}

}  // namespace

void PrintThenPreview(App& app) {
    Command1_Click(app);
    PreviewAfterPrint(app);
}

void PrintAgainThenPreview(App& app, const PrintAgain& again) {
    app.st.PreviewMode = 0;
    RunRequest run = RunRequestOf(app.st);
    run.sheets = again.sheets;
    if (again.label) {
        run.onlyLabel = again.label;
        run.startAtLabel = again.cell;
    }
    PrintRun(app, run);
    PreviewAfterPrint(app);
}

void UseLabelStock(App& app, const LabelStock& stock) {
    Form1& f = app.form1;
    const StockSheet sheet = SheetOf(stock);
    f.Text5.Text = NumText(sheet.top);
    f.Text6.Text = NumText(sheet.height);
    f.Text7.Text = NumText(sheet.width);
    f.Text8.Text = NumText(sheet.rows);
    TextBox* columns[] = {&f.Text10, &f.Text11, &f.Text12, &f.Text13};
    for (std::size_t k = 0; k < 4; ++k) columns[k]->Text = NumText(sheet.columnX[k]);
    if (RTrim(f.Combo2.Text).empty()) {
        f.Combo2.Text = Left(FromUtf8(stock.Name()), kLabelTypeNameWidth);
        SaveLn(app);
    }
    StoreAndReread(app);
    RedrawPreview(app);
}

void Command4_Click(App& app) {
    AppState& st = app.st;
    st.FirstUnit = 1;
    st.LastUnit = st.UnitCount;
    // A holding unit at the end of the list is left out.
    if (st.UnitCount >= 1 && InStr(UCase(st.UnitNames(st.UnitCount)), "HOLD") > 0) {
        st.LastUnit = static_cast<Int16>(st.UnitCount - 1);
    }
    st.FirstResident = 1;
    st.LastResident = 99;
    app.form1.Text1.Text = NumText(st.FirstUnit);
    app.form1.Text2.Text = NumText(st.LastUnit);
    app.form1.Text3.Text = NumText(st.FirstResident);
    app.form1.Text4.Text = NumText(st.LastResident);
    st.ListFilling = 0;
}

void wwDateTimeEdit1_Change(App& app) {
    StoreAndReread(app);
    app.form2.wwDateTimeEdit1.Value = app.form1.wwDateTimeEdit1.Value;
}

}  // namespace vt
