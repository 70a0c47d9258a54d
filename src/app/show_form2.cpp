#include "app/show_form2.h"

namespace vt {

void ShowForm2(App& app) {
    const Form1& main = app.form1;
    Form2& simple = app.form2;
    simple.Form.BackColor = main.Form.BackColor;
    simple.Form.Caption = " [ EASY ] " + main.Form.Caption;

    // Period renames made on the main window show here too.
    const CheckBox* mainPeriods[] = {&main.Check1, &main.Check2, &main.Check3, &main.Check4};
    CheckBox* periods[] = {&simple.Check1, &simple.Check2, &simple.Check3, &simple.Check4};
    for (int k = 0; k < 4; ++k) {
        periods[k]->BackColor = mainPeriods[k]->BackColor;
        periods[k]->Value = mainPeriods[k]->Value;
        periods[k]->Caption = mainPeriods[k]->Caption;
    }
    simple.Check5.BackColor = main.Check4.BackColor;

    // The tray label box only tells what the main window is set to; it shows when that is on.
    simple.Check6.BackColor = main.Check13.BackColor;
    simple.Check6.Value = main.Check13.Value;
    simple.Check6.Caption = main.Check13.Caption;
    simple.Check6.Visible = main.Check13.Value == 1;

    simple.Form.Visible = true;
}

}  // namespace vt
