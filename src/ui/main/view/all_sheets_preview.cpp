#include "ui/main/view/all_sheets_preview.h"

#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QIcon>
#include <QIntValidator>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "platform/qt/sheet_recording.h"
#include "printing/dry_run.h"
#include "printing/run_report_text.h"
#include "ui/common/view/check_box_view.h"
#include "ui/main/view/print_again_dialogs.h"
#include "ui/main/view/sheet_view.h"

namespace vt {
namespace {

// While the run draws, window events are let through this often (milliseconds).
constexpr qint64 kEventsEveryMs = 15;
constexpr int kZoomPercents[] = {10, 25, 50, 75, 100, 125, 150, 200, 400};
// The matches a search lists at most; more are counted.
constexpr int kMostListed = 500;

QString Count(long n, const QString& one, const QString& many) {
    return QLocale().toString(qlonglong(n)) + QLatin1Char(' ') + (n == 1 ? one : many);
}

// The desktop's icon, otherwise the one Qt's own print preview shows.
QIcon PreviewIcon(const char* name) {
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
    if (!icon.isNull()) return icon;
    const QString base =
        QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/") + name;
    icon.addFile(base + QStringLiteral("-24.png"), QSize(24, 24));
    icon.addFile(base + QStringLiteral("-32.png"), QSize(32, 32));
    return icon;
}

// A found label's line: "E101A Abernathy, Margaret - 10a, 12-10-26 - sheet 2, cell 7".
QString FoundText(const RunReport::Placed& label) {
    return QObject::tr("%1 \u2013 %2, %3 \u2013 sheet %4, cell %5")
        .arg(LabelWho(label), Qs(label.period), QString::fromStdString(label.label.date))
        .arg(label.sheet)
        .arg(label.cell);
}

class AllSheetsDialog : public QDialog {
  public:
    AllSheetsDialog(App& app, const SheetRecording& sheets, QWidget* parent);

    // The run finished a sheet.
    void SheetsAdded();
    // The dialog keeps the result, for finding labels and printing them again.
    void RunEnded(DryRunResult result);
    const PreviewOutcome& Outcome() const { return outcome_; }

  private:
    QToolBar* MakeToolBar();
    QWidget* MakeSidePanel();
    QWidget* MakeFinder(QWidget* panel);
    // The labels whose resident's name or room holds the search text, listed; the first shown.
    void Find();
    // Enter in the search field: the next match (after the last, the first again).
    void FindNext();
    // Label `index` of the run chosen: its sheet shown, its cell outlined.
    void Choose(long index);
    // A click on a sheet chooses the label in that cell.
    void Picked(int sheet, QPointF twips);
    void PrintSheets();
    void PrintLabel();
    QAction* Action(QToolBar& bar, const char* icon, const QString& text,
                    const QKeySequence& key = {});
    // The page number, count, zoom and the buttons' states as the view stands.
    void ShowPosition();

    App& app_;
    const SheetRecording& sheets_;
    SheetView* view_;
    QLineEdit* pageNumber_ = nullptr;
    QLabel* pageCount_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QAction* fitWidth_ = nullptr;
    QAction* fitPage_ = nullptr;
    QAction* onePage_ = nullptr;
    QAction* twoPages_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QLabel* sheetCount_ = nullptr;
    QLabel* printer_ = nullptr;
    QPlainTextEdit* noLabel_ = nullptr;
    QLabel* failure_ = nullptr;
    QLineEdit* find_ = nullptr;
    QListWidget* found_ = nullptr;
    QLabel* foundCount_ = nullptr;
    QPushButton* printSheets_ = nullptr;
    QPushButton* printLabel_ = nullptr;
    std::optional<DryRunResult> result_;  // once every sheet is drawn
    std::vector<QString> names_;          // each label's name, for the search
    std::vector<long> matches_;           // the labels the search found, in run order
    long chosen_ = -1;                    // the label chosen, -1 for none
    bool printable_ = false;              // the run completed: some of it can print again
    PreviewOutcome outcome_;
};

AllSheetsDialog::AllSheetsDialog(App& app, const SheetRecording& sheets, QWidget* parent)
    : QDialog(parent), app_(app), sheets_(sheets), view_(new SheetView(sheets, this)) {
    setObjectName(QStringLiteral("PreviewAllSheets"));
    setWindowTitle(tr("Preview All Sheets"));
    view_->setObjectName(QStringLiteral("Sheets"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar());
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(view_, 1);
    body->addWidget(MakeSidePanel());
    layout->addLayout(body, 1);
    view_->SetChanged([this] { ShowPosition(); });
    view_->SetPicked([this](int sheet, QPointF twips) { Picked(sheet, twips); });
    view_->setFocus();
    const QRect room = (parent ? parent->screen() : screen())->availableGeometry();
    resize(room.width() * 4 / 5, room.height() * 9 / 10);
    ShowPosition();
}

QAction* AllSheetsDialog::Action(QToolBar& bar, const char* icon, const QString& text,
                                 const QKeySequence& key) {
    QAction* action = bar.addAction(PreviewIcon(icon), text);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                           QLatin1Char(')'));
    }
    return action;
}

QToolBar* AllSheetsDialog::MakeToolBar() {
    auto* bar = new QToolBar(this);
    bar->setIconSize(QSize(24, 24));
    fitWidth_ = Action(*bar, "zoom-fit-width", tr("Fit width"));
    fitPage_ = Action(*bar, "zoom-fit-page", tr("Fit page"));
    auto* fits = new QActionGroup(this);
    fits->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* fit : {fitWidth_, fitPage_}) {
        fit->setCheckable(true);
        fits->addAction(fit);
    }
    connect(fitWidth_, &QAction::triggered, this, [this] { view_->SetFit(SheetView::Fit::Width); });
    connect(fitPage_, &QAction::triggered, this, [this] { view_->SetFit(SheetView::Fit::Page); });

    zoom_ = new QComboBox(bar);
    zoom_->setObjectName(QStringLiteral("Zoom"));
    zoom_->setEditable(true);
    zoom_->setInsertPolicy(QComboBox::NoInsert);
    for (int percent : kZoomPercents) zoom_->addItem(QStringLiteral("%1%").arg(percent));
    zoom_->setMinimumContentsLength(5);
    const auto takeZoom = [this] {
        bool ok = false;
        const double percent =
            zoom_->currentText().remove(QLatin1Char('%')).trimmed().toDouble(&ok);
        if (ok && percent > 0) view_->SetZoom(percent / 100);
        ShowPosition();
    };
    connect(zoom_, &QComboBox::activated, this, takeZoom);
    connect(zoom_->lineEdit(), &QLineEdit::returnPressed, this, takeZoom);
    QAction* zoomOut = Action(*bar, "zoom-out", tr("Zoom out"), QKeySequence::ZoomOut);
    bar->addWidget(zoom_);
    QAction* zoomIn = Action(*bar, "zoom-in", tr("Zoom in"), QKeySequence::ZoomIn);
    connect(zoomOut, &QAction::triggered, this, [this] { view_->ZoomBy(-1); });
    connect(zoomIn, &QAction::triggered, this, [this] { view_->ZoomBy(1); });
    bar->addSeparator();

    onePage_ = Action(*bar, "view-pages-single", tr("One page"));
    twoPages_ = Action(*bar, "view-pages-facing", tr("Two pages side by side"));
    auto* pagesShown = new QActionGroup(this);
    for (QAction* shown : {onePage_, twoPages_}) {
        shown->setCheckable(true);
        pagesShown->addAction(shown);
    }
    connect(onePage_, &QAction::triggered, this, [this] { view_->SetFacing(false); });
    connect(twoPages_, &QAction::triggered, this, [this] { view_->SetFacing(true); });
    bar->addSeparator();

    first_ = Action(*bar, "go-first", tr("First sheet"), QKeySequence(Qt::CTRL | Qt::Key_Home));
    previous_ = Action(*bar, "go-previous", tr("Previous sheet"), QKeySequence(Qt::Key_PageUp));
    pageNumber_ = new QLineEdit(bar);
    pageNumber_->setObjectName(QStringLiteral("PageNumber"));
    pageNumber_->setAlignment(Qt::AlignRight);
    pageNumber_->setValidator(new QIntValidator(1, 99999, pageNumber_));
    pageNumber_->setMaximumWidth(
        pageNumber_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    pageCount_ = new QLabel(bar);
    pageCount_->setObjectName(QStringLiteral("PageCount"));
    bar->addWidget(pageNumber_);
    bar->addWidget(pageCount_);
    next_ = Action(*bar, "go-next", tr("Next sheet"), QKeySequence(Qt::Key_PageDown));
    last_ = Action(*bar, "go-last", tr("Last sheet"), QKeySequence(Qt::CTRL | Qt::Key_End));
    connect(first_, &QAction::triggered, this, [this] { view_->GoTo(1); });
    connect(previous_, &QAction::triggered, this, [this] { view_->GoTo(view_->PageAfter(-1)); });
    connect(next_, &QAction::triggered, this, [this] { view_->GoTo(view_->PageAfter(1)); });
    connect(last_, &QAction::triggered, this, [this] { view_->GoTo(view_->Pages()); });
    connect(pageNumber_, &QLineEdit::editingFinished, this,
            [this] { view_->GoTo(pageNumber_->text().toInt()); });
    return bar;
}

QWidget* AllSheetsDialog::MakeSidePanel() {
    auto* panel = new QWidget(this);
    // Room for a resident's line of the report ("unit 3, slot 16, resident 3016 G316 Price,
    // Violet, 10a"); a longer one scrolls.
    panel->setFixedWidth(panel->fontMetrics().horizontalAdvance(QString(54, QLatin1Char('n'))));
    auto* layout = new QVBoxLayout(panel);
    sheetCount_ = new QLabel(panel);
    sheetCount_->setObjectName(QStringLiteral("SheetCount"));
    QFont bold = sheetCount_->font();
    bold.setBold(true);
    sheetCount_->setFont(bold);
    sheetCount_->setWordWrap(true);
    printer_ = new QLabel(panel);
    printer_->setWordWrap(true);
    noLabel_ = new QPlainTextEdit(panel);
    noLabel_->setObjectName(QStringLiteral("NoLabel"));
    noLabel_->setReadOnly(true);
    noLabel_->setLineWrapMode(QPlainTextEdit::NoWrap);
    failure_ = new QLabel(panel);
    failure_->setWordWrap(true);
    failure_->setStyleSheet(QStringLiteral("color: #b00000;"));
    failure_->hide();
    auto* print = new QPushButton(PreviewIcon("printer"), tr("Print"), panel);
    print->setObjectName(QStringLiteral("Print"));
    print->setToolTip(
        tr("Print these sheets as the PRINT button does (%1)")
            .arg(QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText)));
    print->setShortcut(QKeySequence::Print);
    auto* close = new QPushButton(tr("Close"), panel);
    // Enter in the page number or the zoom must not print.
    print->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, [this] {
        outcome_.choice = PreviewChoice::Print;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    printSheets_ = new QPushButton(tr("Print &Sheets\u2026"), panel);
    printSheets_->setObjectName(QStringLiteral("PrintSheets"));
    printSheets_->setToolTip(tr("Print some sheets of this run again, to the current printer"));
    printLabel_ = new QPushButton(tr("Print &This Label\u2026"), panel);
    printLabel_->setObjectName(QStringLiteral("PrintThisLabel"));
    printLabel_->setToolTip(
        tr("Print the label chosen (click it, or find it) again, alone, in a cell you choose"));
    for (QPushButton* again : {printSheets_, printLabel_}) {
        again->setAutoDefault(false);
        again->setEnabled(false);
    }
    connect(printSheets_, &QPushButton::clicked, this, [this] { PrintSheets(); });
    connect(printLabel_, &QPushButton::clicked, this, [this] { PrintLabel(); });
    auto* againButtons = new QHBoxLayout;
    againButtons->addStretch(1);
    againButtons->addWidget(printSheets_);
    againButtons->addWidget(printLabel_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    layout->addWidget(sheetCount_);
    layout->addWidget(printer_);
    layout->addWidget(MakeFinder(panel), 1);
    layout->addWidget(noLabel_, 1);
    layout->addWidget(failure_);
    layout->addLayout(againButtons);
    layout->addLayout(buttons);
    sheetCount_->setText(tr("Drawing the sheets..."));
    noLabel_->setPlaceholderText(
        tr("The residents who get no label show here once every sheet is drawn."));
    return panel;
}

QWidget* AllSheetsDialog::MakeFinder(QWidget* panel) {
    auto* finder = new QWidget(panel);
    auto* layout = new QVBoxLayout(finder);
    layout->setContentsMargins(0, 0, 0, 0);
    find_ = new QLineEdit(finder);
    find_->setObjectName(QStringLiteral("FindLabel"));
    find_->setPlaceholderText(tr("Name or room, once every sheet is drawn"));
    find_->setClearButtonEnabled(true);
    find_->setEnabled(false);
    auto* caption = new QLabel(tr("&Find a resident's labels:"), finder);
    caption->setBuddy(find_);
    foundCount_ = new QLabel(finder);
    foundCount_->setObjectName(QStringLiteral("FoundCount"));
    found_ = new QListWidget(finder);
    found_->setObjectName(QStringLiteral("FoundLabels"));
    found_->setUniformItemSizes(true);
    connect(find_, &QLineEdit::textChanged, this, [this] { Find(); });
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(found_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < int(matches_.size())) Choose(matches_[std::size_t(row)]);
    });
    layout->addWidget(caption);
    layout->addWidget(find_);
    layout->addWidget(foundCount_);
    layout->addWidget(found_, 1);
    return finder;
}

void AllSheetsDialog::Find() {
    matches_.clear();
    found_->clear();
    const QString text = find_->text().trimmed();
    if (!result_ || text.isEmpty()) {
        foundCount_->clear();
        return;
    }
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].contains(text, Qt::CaseInsensitive)) matches_.push_back(long(i));
    }
    const std::vector<RunReport::Placed>& placed = result_->report.placed;
    for (std::size_t k = 0; k < matches_.size() && k < std::size_t(kMostListed); ++k) {
        found_->addItem(FoundText(placed[std::size_t(matches_[k])]));
    }
    const long count = long(matches_.size());
    foundCount_->setText(count == 0 ? tr("No label found")
                         : count > kMostListed
                             ? tr("%1 labels; the first %2 listed").arg(count).arg(kMostListed)
                             : Count(count, tr("label"), tr("labels")));
    if (!matches_.empty()) found_->setCurrentRow(0);
}

void AllSheetsDialog::FindNext() {
    const int rows = found_->count();
    if (rows == 0) return;
    found_->setCurrentRow((found_->currentRow() + 1) % rows);
}

void AllSheetsDialog::Choose(long index) {
    chosen_ = index;
    const RunReport::Placed& label = result_->report.placed[std::size_t(index)];
    view_->GoTo(int(label.sheet));
    view_->Mark(int(label.sheet), CellOutline(result_->sheet, label.cell));
    printLabel_->setEnabled(printable_);
}

void AllSheetsDialog::Picked(int sheet, QPointF twips) {
    if (!result_) return;
    const SheetGeometry& geometry = result_->sheet;
    const std::vector<RunReport::Placed>& placed = result_->report.placed;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (placed[i].sheet != sheet) continue;
        if (CellOutline(geometry, placed[i].cell).contains(twips)) {
            found_->setCurrentRow(-1);
            Choose(long(i));
            return;
        }
    }
}

void AllSheetsDialog::PrintSheets() {
    if (!result_) return;
    // The printer PRINT would print on, as the dry run found it.
    const std::optional<PageList> sheets = AskSheetsToPrint(
        this, view_->CurrentPage(), result_->report.sheets, Qs(result_->report.printer));
    if (!sheets) return;
    outcome_.choice = PreviewChoice::PrintAgain;
    outcome_.again.sheets = *sheets;
    accept();
}

void AllSheetsDialog::PrintLabel() {
    if (!result_ || chosen_ < 0) return;
    const RunReport::Placed& label = result_->report.placed[std::size_t(chosen_)];
    const std::optional<long> cell = AskCellForLabel(this, app_, label, result_->sheet);
    if (!cell) return;
    outcome_.choice = PreviewChoice::PrintAgain;
    outcome_.again.label = label.label;
    outcome_.again.cell = *cell;
    accept();
}

void AllSheetsDialog::SheetsAdded() {
    view_->TakeNewSheets();
    sheetCount_->setText(tr("Drawing the sheets... %1 so far").arg(sheets_.Sheets()));
}

void AllSheetsDialog::RunEnded(DryRunResult result) {
    view_->TakeNewSheets();
    const QString sheets = Count(result.report.sheets, tr("sheet"), tr("sheets"));
    const QString labels = Count(result.report.Labels(), tr("label"), tr("labels"));
    if (result.complete) {
        sheetCount_->setText(sheets + QStringLiteral(", ") + labels);
    } else {
        sheetCount_->setText(tr("%1 before the run stopped").arg(sheets));
    }
    if (!result.report.printer.empty()) {
        printer_->setText(tr("Printer: %1").arg(Qs(result.report.printer)));
    }
    noLabel_->setPlainText(QString::fromStdString(RunReportNoLabelText(result.report)).trimmed());
    if (!result.failure.empty()) {
        failure_->setText(tr("PRINT stops here as well: %1").arg(Qs(result.failure)));
        failure_->show();
    }
    names_.clear();
    names_.reserve(result.report.placed.size());
    for (const RunReport::Placed& label : result.report.placed) names_.push_back(Qs(label.name));
    // A run that stopped or failed has no sheets to print again.
    printable_ = result.complete && result.report.sheets > 0;
    find_->setEnabled(!result.report.placed.empty());
    result_ = std::move(result);
    find_->setPlaceholderText(tr("Name or room, as abern or E101"));
    printSheets_->setEnabled(printable_);
    Find();
}

void AllSheetsDialog::ShowPosition() {
    const int page = view_->CurrentPage();
    const int pages = view_->Pages();
    if (!pageNumber_->hasFocus())
        pageNumber_->setText(page == 0 ? QString() : QString::number(page));
    pageCount_->setText(tr(" of %1 ").arg(pages));
    first_->setEnabled(page > 1);
    previous_->setEnabled(view_->PageAfter(-1) >= 1);
    next_->setEnabled(page > 0 && view_->PageAfter(1) <= pages);
    last_->setEnabled(page < pages);
    fitWidth_->setChecked(view_->CurrentFit() == SheetView::Fit::Width);
    fitPage_->setChecked(view_->CurrentFit() == SheetView::Fit::Page);
    onePage_->setChecked(!view_->Facing());
    twoPages_->setChecked(view_->Facing());
    if (!zoom_->lineEdit()->hasFocus()) {
        zoom_->setEditText(QStringLiteral("%1%").arg(std::lround(view_->Zoom() * 100)));
    }
}

}  // namespace

PreviewOutcome PreviewAllSheets(App& app, QWidget& parent) {
    SheetRecording sheets;
    AllSheetsDialog dialog(app, sheets, &parent);
    sheets.SetSheetDone([&dialog] { dialog.SheetsAdded(); });
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QCoreApplication::processEvents();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    DryRunResult result = DrawDryRun(app, sheets, [&] {
        if (sinceEvents.elapsed() >= kEventsEveryMs) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
        return dialog.isVisible();
    });
    sheets.SetSheetDone({});
    dialog.RunEnded(std::move(result));
    if (dialog.isVisible() && !app.os.events.QuitRequested() && app.st.StopRequested != 1) {
        dialog.exec();
    }
    return dialog.Outcome();
}

}  // namespace vt
