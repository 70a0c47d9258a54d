// The simple window's events: each copies its widget into the model and calls its handler.
#include <QCloseEvent>
#include <QFocusEvent>

#include "printing/print_run.h"
#include "ui/common/view/check_box_view.h"
#include "ui/main/main_window_handlers.h"
#include "ui/simple/simple_window_handlers.h"
#include "ui/simple/view/simple_window.h"
#include "ui/simple/view/text_box_text.h"

namespace vt {

void SimpleWindow::Bind() {
    CheckBox* checks[] = {nullptr,
                          &app_.form2.Check1,
                          &app_.form2.Check2,
                          &app_.form2.Check3,
                          &app_.form2.Check4,
                          &app_.form2.Check5,
                          &app_.form2.Check6};
    for (std::size_t n = 1; n < check_.size(); ++n) {
        CheckBox* model = checks[n];
        QCheckBox* box = check_[n];
        const auto collect = [model, box] { model->Value = CheckValue(*box); };
        std::function<void()> handler = [] {};  // the tray label box only follows the model
        if (n <= 4) {
            handler = [this, n] { Form2_Check_MouseUp(app_, static_cast<int>(n)); };
        } else if (n == 5) {
            handler = [this] { Form2_Check5_MouseUp(app_); };
        }
        connect(box, &QCheckBox::clicked, this,
                [this, collect, handler] { Handle(collect, handler); });
    }
    const auto none = [] {};
    connect(command_[1], &QPushButton::clicked, this,
            [this, none] { Handle(none, [this] { Form2_Command1_Click(app_); }); });
    // Stop ends a run in progress at its next resident; the program goes on.
    connect(runStatus_, &RunStatus::StopWanted, this, [this, none] {
        constexpr bool kEvenDuringARun = true;
        Handle(
            none, [this] { StopRun(app_); }, kEvenDuringARun);
    });
    connect(runStatus_, &RunStatus::ReportWanted, this, &SimpleWindow::ReportWanted);
    // Exit is taken even during a print run: the run stops at its next resident.
    connect(command_[2], &QPushButton::clicked, this, [this, none] {
        constexpr bool kEvenDuringARun = true;
        Handle(
            none, [this] { Form2_Command2_Click(app_); }, kEvenDuringARun);
    });
    connect(command_[3], &QPushButton::clicked, this, [this, none] {
        Handle(none, [this] { Form2_Command3_Click(app_); });
        if (app_.form1.Form.Visible) emit MainWindowWanted();
    });
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate d) {
        Handle(
            [this, d] {
                app_.form2.wwDateTimeEdit1.Value = Date(d.year(), static_cast<unsigned>(d.month()),
                                                        static_cast<unsigned>(d.day()));
            },
            [this] {
                Form2_wwDateTimeEdit1_Change(app_);
                Form2_wwDateTimeEdit1_AfterUpdate(app_);
            });
    });
    connect(startAt_, &QSpinBox::valueChanged, this, [this, none](int cell) {
        Handle(none, [this, cell] { StartAtLabel_Change(app_, cell); });
    });
    connect(userLabels_, &QSpinBox::valueChanged, this, [this, none](int count) {
        Handle(none, [this, count] { Form2_UserLabels_Change(app_, count); });
    });
}

void SimpleWindow::CollectText1() {
    app_.form2.Text1.Text = ModelText(Text1Shown());
}

void SimpleWindow::Handle(const std::function<void()>& collect,
                          const std::function<void()>& handler, bool evenWhileBusy) {
    handlerGuard_.Handle(collect, handler, evenWhileBusy);
}

void SimpleWindow::SaveText1LeftWhileBusy() {
    // The text left during the run is saved now, or it would be lost on the refresh.
    if (!text1LeftWhileBusy_) return;
    text1LeftWhileBusy_ = false;
    handlerGuard_.Run([this] { CollectText1(); }, [this] { Form2_Text1_LostFocus(app_); });
}

bool SimpleWindow::eventFilter(QObject* watched, QEvent* event) {
    // A context menu over the box takes the focus only for a moment.
    if (watched == text1_ && event->type() == QEvent::FocusOut && !refreshing_ &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (handlerGuard_.Busy()) {
            text1LeftWhileBusy_ = true;
        } else {
            Handle([this] { CollectText1(); }, [this] { Form2_Text1_LostFocus(app_); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SimpleWindow::closeEvent(QCloseEvent* event) {
    // Closing the panel only hides it, and the main window comes to the front (shown first when
    // it was hidden), so that the operator always has a window to leave the program from. A
    // print run in progress keeps the panel, whose Exit stops the run.
    if (handlerGuard_.Busy()) {
        event->ignore();
        return;
    }
    Handle([] {},
           [this] {
               app_.form2.Form.Visible = false;
               if (!app_.form1.Form.Visible) Form2_Command3_Click(app_);
           });
    emit MainWindowWanted();
    event->accept();
}

void SimpleWindow::changeEvent(QEvent* event) {
    // Coming back to the panel shows what the main window changed meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !handlerGuard_.Busy()) {
        Refresh();
    }
    QWidget::changeEvent(event);
}

}  // namespace vt
