#include "ui/simple/simple_window_handlers.h"

#include <algorithm>

#include "app/show_form2.h"
#include "platform/numbers.h"
#include "printing/expiration_date.h"
#include "printing/print_run.h"
#include "program/exit_commands.h"
#include "settings/user_label_text.h"
#include "ui/main/main_window_handlers.h"
#include "ui/simple/user_label_save.h"

namespace vt {
namespace {

constexpr const char* kOwnCaption = "[Easy] Vittlon";

// The number of days to expire as the settings take it from the main window: 0 to 99, any
// other entry (empty included) meaning no expiration date.
Int16 DaysToExpireOf(const TextBox& text9) {
    const double days = Val(text9.Text);
    return days >= 0 && days <= 99 ? CInt(days) : Int16{0};
}

}  // namespace

void Form2_Check_MouseUp(App& app, int n) {
    const CheckBox* simple[] = {&app.form2.Check1, &app.form2.Check2, &app.form2.Check3,
                                &app.form2.Check4};
    CheckBox* main[] = {&app.form1.Check1, &app.form1.Check2, &app.form1.Check3, &app.form1.Check4};
    if (n < 1 || n > 4) return;
    main[n - 1]->Value = simple[n - 1]->Value;
}

void Form2_Check5_MouseUp(App& app) {
    const bool on = app.form2.Check5.Value == 1;
    app.form2.Text1.Visible = on;
    app.st.UserLabelMode = on ? 1 : 0;
    RedrawPreview(app);
}

void Form2_Text1_LostFocus(App& app) {
    app.st.ULabelText = app.form2.Text1.Text;
    SaveUserLabel(app);
    MakeU(app);
    // Cleared first: the new lines must not be drawn over the old ones.
    RedrawPreview(app);
    ShowForm2(app);
}

void Form2_Command1_Click(App& app) {
    app.st.PreviewMode = 0;
    PrintThenPreview(app);
    // The run leaves the main window's caption here; the panel takes its own title back.
    app.form2.Form.Caption = kOwnCaption;
}

void Form2_Command2_Click(App& app) {
    Command3_Click(app);
}

void Form2_Command3_Click(App& app) {
    app.form1.Form.Visible = true;
}

void Form2_wwDateTimeEdit1_Change(App& app) {
    app.form1.wwDateTimeEdit1.Value = app.form2.wwDateTimeEdit1.Value;
}

void Form2_wwDateTimeEdit1_AfterUpdate(App& app) {
    AppState& st = app.st;
    st.LabelDate = app.form2.wwDateTimeEdit1.Value;
    st.DaysToExpire = DaysToExpireOf(app.form1.Text9);
    GetExpDate(app);
}

}  // namespace vt

namespace vt {

void Form2_UserLabels_Change(App& app, long count) {
    const bool asPeriodsMake = count == app.st.UserLabelsBySettings;
    app.st.UserLabelCount = asPeriodsMake ? 0 : static_cast<Int32>(std::clamp(count, 1L, 9999L));
    if (app.st.UserLabelMode == 1) RedrawPreview(app);
}

long Form2_UserLabelsShown(const App& app) {
    return app.st.UserLabelCount > 0 ? app.st.UserLabelCount : app.st.UserLabelsBySettings;
}

}  // namespace vt
