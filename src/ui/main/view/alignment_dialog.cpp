#include "ui/main/view/alignment_dialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "platform/qt/printer_alignment_store.h"
#include "platform/qt/user_config.h"
#include "platform/units.h"

namespace vt {
namespace {

QString Inches(double mm) {
    const double inches = mm / kMmPerInch;
    // Below half a thousandth the sign would only confuse.
    if (std::abs(inches) < 0.0005) return QStringLiteral("= 0.000 in");
    return QStringLiteral("= %1%2 in")
        .arg(inches > 0 ? QStringLiteral("+") : QString())
        .arg(inches, 0, 'f', 3);
}

}  // namespace

AlignmentDialog::AlignmentDialog(std::string printerName, TestSheet printTestSheet, QWidget* parent)
    : QDialog(parent),
      printerName_(std::move(printerName)),
      printTestSheet_(std::move(printTestSheet)) {
    setObjectName(QStringLiteral("AlignmentDialog"));
    const QString printer = QString::fromStdString(printerName_);
    setWindowTitle(tr("Printer Alignment - %1").arg(printer));

    auto* heading = new QLabel(tr("Printer: <b>%1</b>").arg(printer.toHtmlEscaped()), this);
    heading->setObjectName(QStringLiteral("Printer"));
    heading->setTextFormat(Qt::RichText);
    auto* explanation =
        new QLabel(tr("Moves every page sent to this printer; positive moves right and down.\n"
                      "The scales stretch it from its top left corner: below 100 % for a\n"
                      "printer whose rows drift further down the sheet, above for one that\n"
                      "falls short. The preview does not move."),
                   this);
    explanation->setObjectName(QStringLiteral("Explanation"));

    const PrinterAlignment kept = StoredAlignment(printerName_);
    auto* grid = new QGridLayout;
    right_ =
        AddDistance(*grid, 0, tr("&Right"), QStringLiteral("Right"),
                    tr(" Millimetres to move every page right (negative: left) "), kept.rightMm);
    down_ = AddDistance(*grid, 1, tr("&Down"), QStringLiteral("Down"),
                        tr(" Millimetres to move every page down (negative: up) "), kept.downMm);
    acrossScale_ =
        AddScale(*grid, 2, tr("&Across scale"), QStringLiteral("AcrossScale"),
                 tr(" How wide every page prints, in percent of its size "), kept.acrossPercent);
    downScale_ =
        AddScale(*grid, 3, tr("D&own scale"), QStringLiteral("DownScale"),
                 tr(" How long every page prints, in percent of its size "), kept.downPercent);
    grid->setColumnStretch(3, 1);

    auto* testSheet = new QPushButton(tr("Print &Test Sheet"), this);
    testSheet->setObjectName(QStringLiteral("PrintTestSheet"));
    testSheet->setAutoDefault(false);
    testSheet->setToolTip(
        tr(" One sheet of the current label type, moved as set here, to hold against a label "
           "sheet "));
    connect(testSheet, &QPushButton::clicked, this, [this] { printTestSheet_(Shown()); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(explanation);
    layout->addLayout(grid);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(testSheet);
    testRow->addStretch();
    layout->addLayout(testRow);
    layout->addWidget(buttons);
}

QDoubleSpinBox* AlignmentDialog::AddDistance(QGridLayout& grid, int row, const QString& caption,
                                             const QString& name, const QString& tip, double mm) {
    auto* label = new QLabel(caption, this);
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setRange(-kMaxAlignmentMm, kMaxAlignmentMm);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(tr(" mm"));
    box->setValue(mm);
    box->setToolTip(tip);
    label->setBuddy(box);
    auto* inches = new QLabel(Inches(box->value()), this);
    inches->setObjectName(name + QStringLiteral("Inches"));
    // Room for the widest value, so that the row keeps still as the value changes.
    inches->setMinimumWidth(inches->fontMetrics().horizontalAdvance(QStringLiteral("= -0.000 in")));
    connect(box, &QDoubleSpinBox::valueChanged, inches,
            [inches](double value) { inches->setText(Inches(value)); });
    grid.addWidget(label, row, 0);
    grid.addWidget(box, row, 1);
    grid.addWidget(inches, row, 2);
    return box;
}

QDoubleSpinBox* AlignmentDialog::AddScale(QGridLayout& grid, int row, const QString& caption,
                                          const QString& name, const QString& tip, double percent) {
    auto* label = new QLabel(caption, this);
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setRange(kMinScalePercent, kMaxScalePercent);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(tr(" %"));
    box->setValue(percent);
    box->setToolTip(tip);
    label->setBuddy(box);
    grid.addWidget(label, row, 0);
    grid.addWidget(box, row, 1);
    return box;
}

PrinterAlignment AlignmentDialog::Shown() const {
    return {right_->value(), down_->value(), acrossScale_->value(), downScale_->value()};
}

void AlignmentDialog::accept() {
    // An alignment that could not be kept is said, and the dialog stays with its values.
    if (!StoreAlignment(printerName_, Shown())) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The alignment could not be kept: %1 cannot be written.")
                                 .arg(OpenUserConfig()->fileName()));
        return;
    }
    QDialog::accept();
}

}  // namespace vt
