// The main window's events: each copies the widgets into the models and calls its handler.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/codepage.h"
#include "printing/print_run.h"
#include "printing/test_sheet.h"
#include "program/exit_commands.h"
#include "snacks/snack_editor.h"
#include "snacks/snack_menu_print.h"
#include "ui/common/view/check_box_view.h"
#include "ui/main/main_window_handlers.h"
#include "ui/main/view/alignment_dialog.h"
#include "ui/main/view/all_sheets_preview.h"
#include "ui/main/view/label_stock_dialog.h"
#include "ui/main/view/main_window.h"

namespace vt {
namespace {

std::string FromWidget(const QString& text) {
    return FromUtf8(text.toStdString());
}

// The key codes the handlers know: Enter, the arrows and Backspace; other keys pass as Qt's.
int KeyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Right:
            return kKeyRight;
        case Qt::Key_Backspace:
            return kKeyBackspace;
        default:
            return event.key();
    }
}

}  // namespace

void MainWindow::Bind() {
    for (int n = 1; n <= 13; ++n) {
        connect(check_[static_cast<std::size_t>(n)], &QCheckBox::clicked, this,
                [this, n] { Handle([this, n] { Check_MouseUp(app_, n, 1); }); });
    }
    for (int n = 1; n <= 5; ++n) {
        connect(option_[static_cast<std::size_t>(n)], &QRadioButton::clicked, this,
                [this, n] { Handle([this, n] { Option_Click(app_, n); }); });
    }
    connect(combo1_, &QComboBox::activated, this,
            [this] { Handle([this] { Combo1_Click(app_); }); });
    connect(combo2_, &QComboBox::activated, this,
            [this] { Handle([this] { Combo2_Click(app_); }); });
    connect(command_[1], &QPushButton::pressed, this,
            [this] { Handle([this] { Command1_MouseDown(app_); }); });
    connect(command_[1], &QPushButton::clicked, this,
            [this] { Handle([this] { PrintThenPreview(app_); }); });
    // Stop ends a run in progress at its next resident; the program goes on.
    connect(runStatus_, &RunStatus::StopWanted, this,
            [this] { Handle([this] { StopRun(app_); }, true); });
    connect(runStatus_, &RunStatus::ReportWanted, this, &MainWindow::ReportWanted);
    // The preview's Print prints as the PRINT button does; it can also print some of its
    // sheets, or one of its labels, again.
    connect(previewAll_, &QPushButton::clicked, this, [this] {
        Handle([this] {
            const PreviewOutcome outcome = PreviewAllSheets(app_, *this);
            if (outcome.choice == PreviewChoice::Closed) return;
            Command1_MouseDown(app_);
            if (outcome.choice == PreviewChoice::Print) {
                PrintThenPreview(app_);
            } else {
                PrintAgainThenPreview(app_, outcome.again);
            }
        });
    });
    connect(command_[2], &QPushButton::clicked, this,
            [this] { Handle([this] { Command2_Click(app_); }, true); });
    connect(command_[3], &QPushButton::clicked, this,
            [this] { Handle([this] { Command3_Click(app_); }, true); });
    connect(command_[4], &QPushButton::clicked, this,
            [this] { Handle([this] { Command4_Click(app_); }); });
    connect(command_[5], &QPushButton::clicked, this,
            [this] { Handle([this] { Command5_Click(app_); }); });
    connect(command_[6], &QPushButton::clicked, this,
            [this] { Handle([this] { Command6_Click(app_); }); });
    connect(date_, &QDateEdit::dateChanged, this, [this] {
        if (!refreshing_) Handle([this] { wwDateTimeEdit1_Change(app_); });
    });
    connect(startAt_, &QSpinBox::valueChanged, this,
            [this](int cell) { Handle([this, cell] { StartAtLabel_Change(app_, cell); }); });
    connect(alignment_, &QPushButton::clicked, this,
            [this] { Handle([this] { EditAlignment(); }); });
    connect(labelStock_, &QPushButton::clicked, this,
            [this] { Handle([this] { ChooseLabelStock(); }); });
}

void MainWindow::ChooseLabelStock() {
    LabelStockDialog dialog(ReadLabelStockCatalogue(LabelStockFolder()), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Chosen()) return;
    UseLabelStock(app_, *dialog.Chosen());
}

void MainWindow::EditAlignment() {
    // A run started on the simple window holds the printer until it ends.
    if (app_.st.Report.running) return;
    // The dialog is open while this handler runs: nothing else starts meanwhile, and its test
    // sheet prints as a step of this handler.
    AlignmentDialog dialog(
        app_.os.printers.CurrentName(),
        [this](const PrinterAlignment& alignment) {
            handlerGuard_.Run([] {}, [this, alignment] { PrintTestSheet(app_, alignment); });
            // Said at once: the dialog stays open over the window.
            runStatus_->ShowLine(app_.st.PagePrinted.line);
        },
        this);
    dialog.exec();
}

void MainWindow::Collect() {
    Form1& f = app_.form1;
    TextBox* texts[] = {nullptr,   &f.Text1,  &f.Text2,  &f.Text3,  &f.Text4,  &f.Text5,
                        &f.Text6,  &f.Text7,  &f.Text8,  &f.Text9,  &f.Text10, &f.Text11,
                        &f.Text12, &f.Text13, &f.Text14, &f.Text15, &f.Text16, &f.Text17,
                        &f.Text18, &f.Text19, &f.Text20, &f.Text21};
    for (std::size_t n = 1; n < text_.size(); ++n) texts[n]->Text = FromWidget(text_[n]->text());
    CheckBox* checks[] = {nullptr,    &f.Check1,  &f.Check2,  &f.Check3, &f.Check4,
                          &f.Check5,  &f.Check6,  &f.Check7,  &f.Check8, &f.Check9,
                          &f.Check10, &f.Check11, &f.Check12, &f.Check13};
    for (std::size_t n = 1; n < check_.size(); ++n) {
        checks[n]->Value = CheckValue(*check_[n]);
    }
    OptionButton* options[] = {nullptr, &f.Option1, &f.Option2, &f.Option3, &f.Option4, &f.Option5};
    for (std::size_t n = 1; n < option_.size(); ++n) options[n]->Value = option_[n]->isChecked();
    f.Combo1.ListIndex = combo1_->currentIndex();
    f.Combo2.ListIndex = combo2_->currentIndex();
    f.Combo2.Text = FromWidget(combo2_->currentText());
    CollectEditor();
    const QDate d = date_->date();
    f.wwDateTimeEdit1.Value =
        Date(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
}

void MainWindow::Handle(const std::function<void()>& handler, bool evenWhileBusy) {
    handlerGuard_.Handle([this] { Collect(); }, handler, evenWhileBusy);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == area_) {
        if (event->type() == QEvent::Resize) LayOutLowerPart();
        return false;
    }
    if (watched == editor_ || watched == editor_->viewport()) return EditorEvent(event);
    for (int n = 1; n <= 21; ++n) {
        QLineEdit* box = text_[static_cast<std::size_t>(n)];
        if (watched != box) continue;
        if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const int code = KeyCode(key);
            Handle([this, n, code] { Text_KeyDown(app_, n, code); });
            // Overtyping: a typed character replaces the one at the cursor.
            if (!key.text().isEmpty() && key.text()[0].isPrint() && !box->hasSelectedText() &&
                box->cursorPosition() < box->text().size()) {
                box->setSelection(box->cursorPosition(), 1);
            }
        } else if (event->type() == QEvent::FocusOut) {
            Handle([this, n] { Text_LostFocus(app_, n); });
        }
        return false;
    }
    for (int n = 1; n <= 4; ++n) {
        if (watched == check_[static_cast<std::size_t>(n)] &&
            event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            Handle([this, n] { Check_MouseUp(app_, n, kRightButton); });
            return true;
        }
    }
    if (watched == check7Caption_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        check_[7]->click();
        return true;
    }
    // The list takes the keyboard itself and hands keys to its line edit directly, past any
    // filter there; Enter is caught on whichever of the two it reaches.
    if ((watched == combo2_ || watched == combo2_->lineEdit()) &&
        event->type() == QEvent::KeyPress &&
        KeyCode(static_cast<const QKeyEvent&>(*event)) == kKeyEnter) {
        Handle([this] { Combo2_KeyDown(app_, kKeyEnter); });
        return true;
    }
    if (watched == combo2_ && event->type() == QEvent::FocusOut) {
        Handle([this] { Combo2_LostFocus(app_); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Handle([this] { Form_KeyDown(app_, 27); }, true);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Handle([this] { Form_Unload(app_); }, true);
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() &&
        !app_.os.events.QuitRequested()) {
        Handle([this] { Form_LostFocus(app_); });
    }
    QMainWindow::changeEvent(event);
}

}  // namespace vt
