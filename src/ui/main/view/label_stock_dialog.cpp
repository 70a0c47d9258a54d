#include "ui/main/view/label_stock_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "platform/units.h"
#include "printing/sheet_cells.h"

namespace vt {

namespace {

// "2.625 x 1 in": a label's size in inches, to the thousandth.
QString Inches(double widthTwips, double heightTwips) {
    const auto inches = [](double twips) {
        return QString::number(twips / kTwipsPerInch, 'f', 3)
            .remove(QRegularExpression(QStringLiteral("\\.?0+$")));
    };
    return QObject::tr("%1 x %2 in").arg(inches(widthTwips), inches(heightTwips));
}

QString Haystack(const LabelStock& stock) {
    return QString::fromStdString(stock.maker + ' ' + stock.part + ' ' + stock.description);
}

}  // namespace

// The chosen sheet to scale: a letter page with its labels.
class StockSheetDrawing : public QWidget {
  public:
    explicit StockSheetDrawing(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("StockSheet"));
        const int across = fontMetrics().horizontalAdvance(QString(22, QLatin1Char('n')));
        setFixedSize(across, int(across * kSheetHeight / kSheetWidth));
    }
    void Show(std::optional<LabelStock> stock) {
        stock_ = std::move(stock);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = std::min((width() - 1) / kSheetWidth, (height() - 1) / kSheetHeight);
        painter.fillRect(QRectF(0, 0, kSheetWidth * scale, kSheetHeight * scale), Qt::white);
        painter.setPen(QPen(Qt::darkGray, 0));
        painter.drawRect(QRectF(0, 0, kSheetWidth * scale, kSheetHeight * scale));
        if (!stock_) return;
        painter.setPen(QPen(QColor(0x30, 0x50, 0x90), 0));
        painter.setBrush(QColor(0xdd, 0xe6, 0xf4));
        for (long row = 0; row < stock_->rows; ++row) {
            for (long column = 0; column < stock_->columns; ++column) {
                painter.drawRect(QRectF((stock_->x0 + double(column) * stock_->dx) * scale,
                                        (stock_->y0 + double(row) * stock_->dy) * scale,
                                        stock_->width * scale, stock_->height * scale));
            }
        }
    }

  private:
    std::optional<LabelStock> stock_;
};

LabelStockDialog::LabelStockDialog(LabelStockCatalogue catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(std::move(catalogue)) {
    haystacks_.reserve(catalogue_.stocks.size());
    for (const LabelStock& stock : catalogue_.stocks) haystacks_.push_back(Haystack(stock));
    setObjectName(QStringLiteral("LabelStockDialog"));
    setWindowTitle(tr("Label Stock"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("StockSearch"));
    search_->setPlaceholderText(tr("Maker, part number or description, as 5160 or avery address"));
    search_->setClearButtonEnabled(true);
    auto* caption = new QLabel(tr("&Find:"), this);
    caption->setBuddy(search_);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("StockList"));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels(
        {tr("Maker and part"), tr("Description"), tr("Label size"), tr("Across x down")});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    const QFontMetrics metrics = fontMetrics();
    list_->setColumnWidth(0, metrics.horizontalAdvance(QString(18, QLatin1Char('n'))));
    list_->setColumnWidth(2, metrics.horizontalAdvance(QString(14, QLatin1Char('n'))));
    list_->setColumnWidth(3, metrics.horizontalAdvance(QString(14, QLatin1Char('n'))));
    list_->setMinimumWidth(metrics.horizontalAdvance(QString(80, QLatin1Char('n'))));
    drawing_ = new StockSheetDrawing(this);
    size_ = new QLabel(this);
    size_->setObjectName(QStringLiteral("StockSize"));
    size_->setWordWrap(true);
    size_->setFixedWidth(drawing_->width());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(caption);
    searchRow->addWidget(search_, 1);
    layout->addLayout(searchRow);
    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(drawing_);
    side->addWidget(size_);
    side->addStretch(1);
    body->addLayout(side);
    layout->addLayout(body, 1);
    if (!catalogue_.installed) {
        auto* missing = new QLabel(
            tr("The label stock catalogue is not installed. It comes with the package %1 "
               "(sudo apt install %1).")
                .arg(QString::fromLatin1(kLabelStockPackage)),
            this);
        missing->setObjectName(QStringLiteral("StockMissing"));
        missing->setWordWrap(true);
        layout->addWidget(missing);
        search_->setEnabled(false);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    }
    layout->addWidget(buttons);

    connect(search_, &QLineEdit::textChanged, this, [this] { Filter(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { ShowSelected(); });
    connect(list_, &QTreeWidget::itemActivated, this, [this] { Take(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Take(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Filter();
    search_->setFocus();
    resize(sizeHint());
}

void LabelStockDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    search_->setFocus(Qt::OtherFocusReason);
}

void LabelStockDialog::Filter() {
    const QStringList words = search_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::vector<std::size_t> whole, partly;
    for (std::size_t i = 0; i < catalogue_.stocks.size(); ++i) {
        const LabelStock& stock = catalogue_.stocks[i];
        const QString& haystack = haystacks_[i];
        bool all = true;
        for (const QString& word : words) all = all && haystack.contains(word, Qt::CaseInsensitive);
        if (!all) continue;
        const bool part =
            words.size() == 1 &&
            QString::fromStdString(stock.part).compare(words[0], Qt::CaseInsensitive) == 0;
        (part ? whole : partly).push_back(i);
    }
    shown_ = std::move(whole);
    shown_.insert(shown_.end(), partly.begin(), partly.end());
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const std::size_t i : shown_) {
        const LabelStock& stock = catalogue_.stocks[i];
        items << new QTreeWidgetItem(
            {QString::fromStdString(stock.maker + ' ' + stock.part),
             QString::fromStdString(stock.description), Inches(stock.width, stock.height),
             QStringLiteral("%1 x %2").arg(stock.columns).arg(stock.rows)});
    }
    list_->addTopLevelItems(items);
    ShowSelected();
}

void LabelStockDialog::ShowSelected() {
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
    // Without a choice the drawing shows the first match, which OK takes.
    const int shown = row >= 0 ? row : (shown_.empty() ? -1 : 0);
    if (shown < 0) {
        drawing_->Show(std::nullopt);
        size_->setText(catalogue_.installed ? tr("No stock matches.") : QString());
        return;
    }
    const LabelStock& stock = catalogue_.stocks[shown_[std::size_t(shown)]];
    drawing_->Show(stock);
    size_->setText(tr("%1\n%2 labels of %3, %4 across and %5 down")
                       .arg(QString::fromStdString(stock.Name()))
                       .arg(stock.columns * stock.rows)
                       .arg(Inches(stock.width, stock.height))
                       .arg(stock.columns)
                       .arg(stock.rows));
}

void LabelStockDialog::Take() {
    if (shown_.empty()) return;
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : 0;
    chosen_ = catalogue_.stocks[shown_[std::size_t(std::max(0, row))]];
    accept();
}

}  // namespace vt
