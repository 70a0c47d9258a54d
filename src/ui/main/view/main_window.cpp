#include "ui/main/view/main_window.h"

#include <QIcon>
#include <QKeySequence>
#include <QPixmap>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "platform/codepage.h"
#include "platform/qt/font_names.h"
#include "platform/units.h"
#include "ui/common/view/check_box_view.h"
#include "ui/common/view/date_edit_view.h"
#include "ui/common/view/start_at_label_view.h"
#include "ui/common/view/tab_order.h"

namespace vt {
namespace {

QRect Place(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

QFont SiteFont(const char* name, double points, bool bold = false) {
    QFont font(InstalledFontFamily(name));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A caption with an access key ("&Routine") as rich text with the key underlined.
QString MnemonicAsRichText(const QString& caption) {
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != QLatin1Char('&')) {
                html += QStringLiteral("<u>") + QString(caption[i]).toHtmlEscaped() +
                        QStringLiteral("</u>");
                continue;
            }
        }
        html += QString(caption[i]).toHtmlEscaped();
    }
    return html;
}

struct Spot {
    int n;
    int left, top, width, height;
    const char* font;
    double points;
    bool bold;
};

// Where the controls stand (twips) and their fonts.
constexpr Spot kLabels[] = {
    {1, 120, 0, 1305, 285, "Times New Roman", 11.25, false},
    {3, 120, 360, 1065, 255, "Times New Roman", 11.25, false},
    {2, 360, 696, 825, 255, "Times New Roman", 11.25, false},
    {7, 120, 1080, 1080, 255, "Times New Roman", 9.75, false},
    {10, 120, 1320, 2175, 255, "Times New Roman", 9.75, true},
    {5, 120, 1440, 1335, 255, "Times New Roman", 9.75, false},
    {6, 2400, 315, 3015, 255, "Arial Narrow", 9.75, false},
    {14, 2460, 1440, 495, 255, "Arial Narrow", 9.75, false},
    {15, 5160, 0, 810, 288, "Arial Narrow", 9.75, false},
    {8, 5520, 345, 615, 255, "Times New Roman", 9.75, false},
    {9, 6240, 345, 615, 255, "Times New Roman", 9.75, false},
    {11, 6960, 345, 615, 255, "Times New Roman", 9.75, false},
    {12, 7680, 348, 615, 255, "Times New Roman", 9.75, false},
    {13, 8520, 348, 855, 255, "Times New Roman", 9.75, false},
    {16, 9480, 405, 600, 240, "Arial Narrow", 8.25, false},
};

constexpr Spot kTexts[] = {
    {1, 1440, 0, 375, 280, "MS Sans Serif", 8.25, true},
    {2, 1800, 0, 375, 280, "MS Sans Serif", 8.25, true},
    {3, 1200, 360, 495, 285, "MS Sans Serif", 8.25, true},
    {4, 1680, 360, 495, 280, "MS Sans Serif", 8.25, true},
    {9, 1200, 696, 495, 285, "MS Sans Serif", 8.25, true},
    {14, 1560, 1440, 495, 285, "Times New Roman", 9.75, true},
    {21, 3480, 0, 375, 280, "MS Sans Serif", 8.25, true},
    {5, 5520, 600, 615, 285, "Times New Roman", 9.75, true},
    {6, 6240, 600, 615, 285, "Times New Roman", 9.75, true},
    {7, 6960, 600, 615, 285, "Times New Roman", 9.75, true},
    {8, 7680, 600, 615, 285, "Times New Roman", 9.75, true},
    {10, 8520, 600, 855, 330, "Times New Roman", 9.75, true},
    {11, 8520, 1008, 855, 330, "Times New Roman", 9.75, true},
    {12, 8520, 1416, 855, 330, "Times New Roman", 9.75, true},
    {13, 8520, 1800, 855, 285, "Times New Roman", 9.75, true},
    {20, 10080, 384, 255, 270, "Arial Narrow", 9, false},
    {19, 9480, 648, 615, 315, "Arial Narrow", 9.75, false},
    {16, 9480, 948, 615, 315, "Arial Narrow", 9.75, false},
    {17, 9480, 1224, 615, 315, "Arial Narrow", 9.75, false},
    {18, 9480, 1519, 615, 315, "Arial Narrow", 9.75, false},
    {15, 9480, 1812, 615, 315, "Arial Narrow", 9.75, false},
};

constexpr Spot kChecks[] = {
    {11, 2400, 0, 735, 255, "Arial Narrow", 9.75, false},
    {1, 2880, 960, 660, 255, "Arial Narrow", 9, false},
    {2, 3576, 960, 615, 255, "Arial Narrow", 9, false},
    {3, 4260, 960, 600, 255, "Arial Narrow", 9, false},
    {4, 4896, 960, 600, 255, "Arial Narrow", 9, false},
    {13, 5640, 960, 1020, 255, "Arial Narrow", 9, false},
    {5, 120, 1800, 975, 255, "CB1", 9.75, false},
    {6, 1140, 1800, 1095, 255, "Times New Roman", 9.75, false},
    {9, 2280, 1800, 855, 255, "Arial Narrow", 9, false},
    {10, 3180, 1800, 1095, 255, "Arial Narrow", 9, false},
    {7, 6720, 984, 1575, 375, "Arial Narrow", 8.25, false},
    // "This Font" and "Inkjet" are shown in a narrow face and share their row (FitFontRow);
    // the menu print still uses the designed face of "This Font".
    {8, 7110, 1776, 870, 360, "Arial Narrow", 8.25, false},
    {12, 7980, 1776, 540, 360, "Arial Narrow", 8.25, false},
};

constexpr Spot kCommands[] = {
    {6, 5400, 1440, 1740, 288, "Arial Narrow", 9, false},
    {5, 5400, 1800, 1695, 288, "Arial Narrow", 9.75, false},
    {1, 4320, 1752, 975, 375, "CB10", 12, true},
    {2, 9600, 0, 375, 255, "MS Sans Serif", 8.25, false},
    {4, 7200, 1440, 1125, 288, "Arial Narrow", 9.75, false},
    {3, 9480, 0, 840, 384, "MS Sans Serif", 8.25, false},
};

}  // namespace

MainWindow::MainWindow(App& app, ImagePage& preview)
    : app_(app),
      preview_(preview),
      area_(new QWidget),
      handlerGuard_(*this, refreshing_, [this] { Refresh(); }) {
    // The designed window may be larger than the screen: its content then scrolls.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(area_);
    area_->installEventFilter(this);
    setCentralWidget(scroll);
    Build();
    Bind();
}

void MainWindow::Build() {
    for (const Spot& s : kLabels) {
        auto* label = new QLabel(area_);
        label->setObjectName(QStringLiteral("Label%1").arg(s.n));
        label->setGeometry(Place(s.left, s.top, s.width, s.height));
        label->setFont(SiteFont(s.font, s.points, s.bold));
        label_[static_cast<std::size_t>(s.n)] = label;
    }
    for (const Spot& s : kTexts) {
        auto* box = new QLineEdit(area_);
        box->setObjectName(QStringLiteral("Text%1").arg(s.n));
        box->setGeometry(Place(s.left, s.top, s.width, s.height));
        box->setFont(SiteFont(s.font, s.points, s.bold));
        box->installEventFilter(this);
        text_[static_cast<std::size_t>(s.n)] = box;
    }
    for (const Spot& s : kChecks) {
        auto* box = new QCheckBox(area_);
        box->setObjectName(QStringLiteral("Check%1").arg(s.n));
        box->setGeometry(Place(s.left, s.top, s.width, s.height));
        box->setFont(SiteFont(s.font, s.points, s.bold));
        box->installEventFilter(this);
        check_[static_cast<std::size_t>(s.n)] = box;
    }
    const int weekLeft[] = {3000, 3480, 3960, 4440, 4920};
    for (int n = 1; n <= 5; ++n) {
        auto* button = new QRadioButton(area_);
        button->setObjectName(QStringLiteral("Option%1").arg(n));
        button->setGeometry(Place(weekLeft[n - 1], 1440, 408, 255));
        button->setFont(SiteFont("CB8", 9.75));
        option_[static_cast<std::size_t>(n)] = button;
    }
    for (const Spot& s : kCommands) {
        auto* button = new QPushButton(area_);
        button->setObjectName(QStringLiteral("Command%1").arg(s.n));
        button->setGeometry(Place(s.left, s.top, s.width, s.height));
        button->setFont(SiteFont(s.font, s.points, s.bold));
        command_[s.n] = button;
    }
    // The exit button is a picture button over the "&x" button, which keeps its Alt+X.
    command_[3]->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    command_[3]->setText(tr("Exit"));
    command_[3]->raise();
    // Every sheet PRINT would print, in a window of its own: the button stands in the free strip
    // right of the preview box, below the exit button and the barcode column.
    previewAll_ = new QPushButton(tr("Preview All Sheets"), area_);
    previewAll_->setObjectName(QStringLiteral("PreviewAllSheets"));
    previewAll_->setFont(SiteFont("Arial Narrow", 9.75));
    previewAll_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    previewAll_->setToolTip(tr(" Every sheet PRINT would print now, page by page (Ctrl+Shift+P) "));
    // Above it, clear of the barcode column: where a sheet used in part goes on, and the
    // printer's alignment.
    const StartAtLabelView startAtView = MakeStartAtLabelView(area_);
    startAtCaption_ = startAtView.caption;
    startAt_ = startAtView.box;
    startAtCaption_->setFont(SiteFont("Arial Narrow", 9.75));
    startAt_->setFont(SiteFont("Arial Narrow", 9.75));
    alignment_ = new QPushButton(tr("Ali&gnment\u2026"), area_);
    alignment_->setObjectName(QStringLiteral("Alignment"));
    alignment_->setFont(SiteFont("Arial Narrow", 9.75));
    alignment_->setToolTip(
        tr(" Move every page sent to the current printer to meet its label sheets "));
    PlaceOwnControls(app_.form1.Form.Width);
    // Above the label type list, in the free strip between the Bold box and the printer.
    labelStock_ = new QPushButton(tr("Label Stoc&k\u2026"), area_);
    labelStock_->setObjectName(QStringLiteral("LabelStock"));
    labelStock_->setFont(SiteFont("Arial Narrow", 8.25));
    labelStock_->setGeometry(Place(3900, 0, 1200, 285));
    labelStock_->setToolTip(
        tr(" Fill the sheet fields of this label type from a standard label sheet "));

    combo1_ = new QComboBox(area_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setGeometry(Place(6000, 0, 3375, 315));
    combo1_->setFont(SiteFont("MS Sans Serif", 8.25));
    combo2_ = new QComboBox(area_);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setGeometry(Place(2400, 600, 3060, 360));
    combo2_->setFont(SiteFont("Arial Narrow", 9.75));
    combo2_->setEditable(true);
    combo2_->setInsertPolicy(QComboBox::NoInsert);
    combo2_->lineEdit()->installEventFilter(this);
    combo2_->installEventFilter(this);

    date_ = MakeDateEdit(area_);
    date_->setGeometry(Place(1320, 1020, 1455, 330));
    date_->setFont(SiteFont("Arial", 9, true));

    picture2_ = new QLabel(area_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    picture2_->setGeometry(QRect(QPoint(0, 2280 / kTwipsPerPixel), kPreviewPixels));
    picture2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    editor_ = new QPlainTextEdit(area_);
    editor_->setObjectName(QStringLiteral("RichTextBox1"));
    editor_->setFont(SiteFont("MonoG", 9, true));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setUndoRedoEnabled(false);
    editor_->setAcceptDrops(false);
    editor_->installEventFilter(this);
    editor_->viewport()->installEventFilter(this);

    // A label's access key takes the focus to the control it heads.
    label_[1]->setBuddy(text_[1]);
    label_[3]->setBuddy(text_[3]);
    label_[7]->setBuddy(date_);
    label_[14]->setBuddy(option_[1]);
    label_[15]->setBuddy(combo1_);
    label_[6]->setBuddy(combo2_);
    // Check box captions sit close to their boxes, as the narrow designed widths need.
    area_->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
    // The routine snacks caption wraps onto two lines beside its box, which a check box
    // caption cannot; a click on it ticks the box.
    const QRect routine = check_[7]->geometry();
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth) + 3;
    check_[7]->resize(indicator, routine.height());
    check7Caption_ = new QLabel(area_);
    check7Caption_->setObjectName(QStringLiteral("Check7Caption"));
    check7Caption_->setGeometry(routine.adjusted(indicator, 0, 0, 0));
    check7Caption_->setFont(check_[7]->font());
    check7Caption_->setWordWrap(true);
    check7Caption_->setTextFormat(Qt::RichText);
    check7Caption_->installEventFilter(this);
    // The resident being drawn is shown in the status line, where it covers no other control.
    statusBar()->addWidget(label_[10], 1);
    // So are a print run's progress and Stop, and how the last run went.
    runStatus_ = new RunStatus(app_, true, this);
    statusBar()->addPermanentWidget(runStatus_);
    // The designed tops of one row differ by up to about a hundred twips.
    SetTabOrderByPlace(*area_, 150 / kTwipsPerPixel);
    Refresh();
}

// "This Font" and "Inkjet" share the row between the menu button and the sheet fields, which
// is too narrow for the designed widths: each box takes what its caption needs, so neither is
// cut off whatever the fonts and scale.
void MainWindow::FitFontRow() {
    const QRect row = Place(7110, 1776, 1410, 360);
    QCheckBox& font = *check_[8];
    QCheckBox& inkjet = *check_[12];
    const int fontWidth =
        std::max(0, std::min(font.sizeHint().width(), row.width() - inkjet.sizeHint().width()));
    font.setGeometry(row.left(), row.top(), fontWidth, row.height());
    inkjet.setGeometry(row.left() + fontWidth, row.top(), row.width() - fontWidth, row.height());
}

void MainWindow::Refresh() {
    refreshing_ = true;
    runStatus_->Refresh();
    const Form1& f = app_.form1;
    setWindowTitle(Qs(f.Form.Caption));
    if (!f.Form.IconPath.empty()) setWindowIcon(QIcon(QString::fromStdString(f.Form.IconPath)));
    ApplyFormSize();

    const Label* labels[] = {nullptr,    &f.Label1,  &f.Label2,  &f.Label3,  nullptr,    &f.Label5,
                             &f.Label6,  &f.Label7,  &f.Label8,  &f.Label9,  &f.Label10, &f.Label11,
                             &f.Label12, &f.Label13, &f.Label14, &f.Label15, &f.Label16};
    for (std::size_t n = 1; n < label_.size(); ++n) {
        if (!label_[n] || !labels[n]) continue;
        label_[n]->setText(Qs(labels[n]->Caption));
        label_[n]->setToolTip(Qs(labels[n]->ToolTipText));
    }
    const TextBox* texts[] = {nullptr,   &f.Text1,  &f.Text2,  &f.Text3,  &f.Text4,  &f.Text5,
                              &f.Text6,  &f.Text7,  &f.Text8,  &f.Text9,  &f.Text10, &f.Text11,
                              &f.Text12, &f.Text13, &f.Text14, &f.Text15, &f.Text16, &f.Text17,
                              &f.Text18, &f.Text19, &f.Text20, &f.Text21};
    for (std::size_t n = 1; n < text_.size(); ++n) {
        const QString text = Qs(texts[n]->Text);
        if (text_[n]->text() != text) text_[n]->setText(text);
        text_[n]->setToolTip(Qs(texts[n]->ToolTipText));
    }
    const CheckBox* checks[] = {nullptr,    &f.Check1,  &f.Check2,  &f.Check3, &f.Check4,
                                &f.Check5,  &f.Check6,  &f.Check7,  &f.Check8, &f.Check9,
                                &f.Check10, &f.Check11, &f.Check12, &f.Check13};
    const QString fontRow = check_[8]->text() + '\n' + check_[12]->text();
    for (std::size_t n = 1; n < check_.size(); ++n) {
        const CheckBox& model = *checks[n];
        ShowCheckState(*check_[n], model);
        if (n == 7) {
            check_[n]->setText(QString());
            check_[n]->setShortcut(QKeySequence::mnemonic(Qs(model.Caption)));
            check7Caption_->setText(MnemonicAsRichText(Qs(model.Caption)));
        } else {
            check_[n]->setText(Qs(model.Caption));
        }
    }
    // The window refreshes for every resident a print run draws: fit only new captions.
    if (check_[8]->text() + '\n' + check_[12]->text() != fontRow) FitFontRow();
    const OptionButton* options[] = {nullptr,    &f.Option1, &f.Option2,
                                     &f.Option3, &f.Option4, &f.Option5};
    for (std::size_t n = 1; n < option_.size(); ++n) {
        option_[n]->setAutoExclusive(false);
        option_[n]->setChecked(options[n]->Value);
        option_[n]->setAutoExclusive(true);
        option_[n]->setText(Qs(options[n]->Caption));
    }
    const CommandButton* commands[] = {nullptr,     &f.Command1, &f.Command2, &f.Command3,
                                       &f.Command4, &f.Command5, &f.Command6};
    for (int n = 1; n <= 6; ++n) {
        if (n != 3) command_[n]->setText(Qs(commands[n]->Caption));
        command_[n]->setToolTip(Qs(commands[n]->ToolTipText));
    }

    for (auto [widget, model] : {std::pair{combo1_, &f.Combo1}, std::pair{combo2_, &f.Combo2}}) {
        widget->blockSignals(true);
        QStringList items;
        for (const std::string& item : model->List) items << Qs(item);
        QStringList shown;
        for (int i = 0; i < widget->count(); ++i) shown << widget->itemText(i);
        if (shown != items) {
            widget->clear();
            widget->addItems(items);
        }
        widget->setCurrentIndex(model->ListIndex);
        if (widget->isEditable()) widget->setEditText(Qs(model->Text));
        widget->blockSignals(false);
    }
    if (f.Combo1.ListIndex < 0 && !f.Combo1.Text.empty()) {
        combo1_->setPlaceholderText(Qs(f.Combo1.Text));
    }

    date_->blockSignals(true);
    const Date d = f.wwDateTimeEdit1.Value;
    date_->setDate(QDate(d.year(), static_cast<int>(d.month()), static_cast<int>(d.day())));
    date_->blockSignals(false);

    ShowStartAtLabel(*startAt_, app_.st);

    picture2_->setPixmap(QPixmap::fromImage(preview_.Image()));
    const RichTextBox& editor = f.RichTextBox1;
    if (editor.Width != editorTwips_.width() || editor.Height != editorTwips_.height()) {
        editorTwips_ = QSize(static_cast<int>(editor.Width), static_cast<int>(editor.Height));
        LayOutLowerPart();
    }
    editor_->setVisible(editor.Visible);
    // The editor covers the preview; none of the preview may show beside a narrower editor.
    picture2_->setVisible(!editor.Visible);
    RefreshEditor();
    refreshing_ = false;
}

}  // namespace vt
