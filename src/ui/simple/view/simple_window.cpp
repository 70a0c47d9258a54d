#include "ui/simple/view/simple_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "platform/codepage.h"
#include "ui/common/view/check_box_view.h"
#include "ui/common/view/date_edit_view.h"
#include "ui/common/view/start_at_label_view.h"
#include "ui/simple/simple_window_handlers.h"
#include "ui/simple/view/text_box_text.h"

namespace vt {
namespace {

// The buttons carry no tips of their own; these say what each does.
const char* const kCommandTips[] = {
    "",
    " Print the labels on the printer ",
    " Leave the program ",
    " Show the main window with every setting ",
};

}  // namespace

SimpleWindow::SimpleWindow(App& app)
    : QWidget(nullptr, Qt::Window),
      app_(app),
      handlerGuard_(
          *this, refreshing_, [this] { Refresh(); }, [this] { SaveText1LeftWhileBusy(); }) {
    Build();
    Bind();
}

void SimpleWindow::Build() {
    setObjectName(QStringLiteral("Form2"));
    for (std::size_t n = 1; n < check_.size(); ++n) {
        check_[n] = new QCheckBox(this);
        check_[n]->setObjectName(QStringLiteral("Check%1").arg(n));
    }
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setTabChangesFocus(true);  // Tab leaves the box, as in every other text box
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Room for the seven lines a label can take.
    text1_->setMinimumHeight(text1_->fontMetrics().lineSpacing() * 7 + 12);
    text1_->installEventFilter(this);

    label7_ = new QLabel(this);
    label7_->setObjectName(QStringLiteral("Label7"));
    date_ = MakeDateEdit(this);
    label7_->setBuddy(date_);
    const StartAtLabelView startAtView = MakeStartAtLabelView(this);
    startAtCaption_ = startAtView.caption;
    startAt_ = startAtView.box;
    userLabelsCaption_ = new QLabel(tr("La&bels"), this);
    userLabelsCaption_->setObjectName(QStringLiteral("UserLabelsCaption"));
    userLabels_ = new QSpinBox(this);
    userLabels_->setObjectName(QStringLiteral("UserLabels"));
    userLabels_->setRange(1, 9999);
    userLabels_->setKeyboardTracking(false);
    userLabelsCaption_->setBuddy(userLabels_);
    const QString userLabelsTip = tr(" How many user-defined labels to print ");
    userLabelsCaption_->setToolTip(userLabelsTip);
    userLabels_->setToolTip(userLabelsTip);
    // Both number boxes take the width of the larger, so that they line up.
    const int numberWidth = std::max(startAt_->sizeHint().width(), userLabels_->sizeHint().width());
    startAt_->setFixedWidth(numberWidth);
    userLabels_->setFixedWidth(numberWidth);
    for (std::size_t n = 1; n < command_.size(); ++n) {
        command_[n] = new QPushButton(this);
        command_[n]->setObjectName(QStringLiteral("Command%1").arg(n));
    }
    QFont printFont = command_[1]->font();
    printFont.setBold(true);
    command_[1]->setFont(printFont);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(label7_);
    dateRow->addWidget(date_);
    dateRow->addStretch();
    dateRow->addWidget(startAtCaption_);
    dateRow->addWidget(startAt_);
    auto* periodRow = new QHBoxLayout;
    for (std::size_t n = 1; n <= 4; ++n) periodRow->addWidget(check_[n]);
    periodRow->addStretch();
    auto* userRow = new QHBoxLayout;
    userRow->addWidget(check_[5]);
    userRow->addWidget(check_[6]);
    userRow->addStretch();
    userRow->addWidget(userLabelsCaption_);
    userRow->addWidget(userLabels_);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(command_[1]);
    buttonRow->addStretch();
    buttonRow->addWidget(command_[3]);
    buttonRow->addWidget(command_[2]);

    auto* panel = new QVBoxLayout(this);
    panel->addLayout(dateRow);
    panel->addLayout(periodRow);
    panel->addLayout(userRow);
    panel->addWidget(text1_);
    panel->addLayout(buttonRow);
    // Under the buttons: a print run's progress and Stop, then how the last run went.
    runStatus_ = new RunStatus(app_, false, this);
    panel->addWidget(runStatus_);
    // The panel keeps its size to its contents: it grows with the text box and shrinks back.
    panel->setSizeConstraint(QLayout::SetFixedSize);
    // Tab goes through the panel as it reads: date, first label, periods, user labels, text,
    // buttons.
    QWidget* order[] = {date_,       startAt_,    check_[1],  check_[2],   check_[3],
                        check_[4],   check_[5],   check_[6],  userLabels_, text1_,
                        command_[1], command_[3], command_[2]};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    Refresh();
}

void SimpleWindow::Refresh() {
    refreshing_ = true;
    runStatus_->Refresh();
    const Form2& f = app_.form2;
    setWindowTitle(Qs(f.Form.Caption));

    const CheckBox* checks[] = {nullptr,   &f.Check1, &f.Check2, &f.Check3,
                                &f.Check4, &f.Check5, &f.Check6};
    for (std::size_t n = 1; n < check_.size(); ++n) {
        const CheckBox& model = *checks[n];
        ShowCheckState(*check_[n], model);
        check_[n]->setText(Qs(model.Caption));
    }

    // While the operator edits the text, it is theirs: leaving the box saves it (after the
    // running handler, when it was left during one).
    if (!text1_->hasFocus() && !text1LeftWhileBusy_) {
        const QString text = WidgetText(f.Text1.Text);
        if (Text1Shown() != text) text1_->setPlainText(text);
    }
    text1_->setToolTip(Qs(f.Text1.ToolTipText));
    text1_->setVisible(f.Text1.Visible);

    label7_->setText(Qs(f.Label7.Caption));
    label7_->setToolTip(Qs(f.Label7.ToolTipText));
    label7_->setVisible(f.Label7.Visible);
    date_->blockSignals(true);
    const Date d = f.wwDateTimeEdit1.Value;
    date_->setDate(QDate(d.year(), static_cast<int>(d.month()), static_cast<int>(d.day())));
    date_->blockSignals(false);

    ShowStartAtLabel(*startAt_, app_.st);
    // The number of user labels goes with their text.
    userLabels_->blockSignals(true);
    userLabels_->setValue(static_cast<int>(Form2_UserLabelsShown(app_)));
    userLabels_->blockSignals(false);
    userLabelsCaption_->setVisible(f.Text1.Visible);
    userLabels_->setVisible(f.Text1.Visible);

    const CommandButton* commands[] = {nullptr, &f.Command1, &f.Command2, &f.Command3};
    for (std::size_t n = 1; n < command_.size(); ++n) {
        command_[n]->setText(Qs(commands[n]->Caption));
        const std::string& tip = commands[n]->ToolTipText;
        command_[n]->setToolTip(tip.empty() ? QString::fromLatin1(kCommandTips[n]) : Qs(tip));
    }

    if (f.Form.Visible != isVisible()) setVisible(f.Form.Visible);
    refreshing_ = false;
}

QString SimpleWindow::Text1Shown() const {
    QString text = text1_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace vt
