#include "ui/main/view/print_again_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/qt/sheet_recording.h"
#include "printing/label_drawing.h"
#include "printing/sheet_cells.h"
#include "ui/common/view/check_box_view.h"

namespace vt {
namespace {

// The sheet drawn in the label's dialog, in pixels across at 1x.
constexpr int kSheetPixelsAcross = 272;
const QColor kTargetColour(0xd0, 0x40, 0x00);

QLabel* ErrorLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Problem"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #b00000;"));
    label->hide();
    return label;
}

}  // namespace

QString LabelWho(const RunReport::Placed& label) {
    return label.name.empty() ? QObject::tr("User label %1").arg(label.label.slot) : Qs(label.name);
}

QRectF CellOutline(const SheetGeometry& sheet, long cell) {
    const SurfaceState::Rect frame = LabelFrame(sheet, sheet.Cell(cell));
    return {frame.x, frame.y, frame.width, frame.height};
}

std::optional<PageList> AskSheetsToPrint(QWidget* parent, int sheetOnScreen, long sheets,
                                         const QString& printer) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintSheetsDialog"));
    dialog.setWindowTitle(QObject::tr("Print Sheets"));
    auto* field = new QLineEdit(QString::number(std::max(1, sheetOnScreen)), &dialog);
    field->setObjectName(QStringLiteral("SheetsToPrint"));
    field->selectAll();
    auto* caption = new QLabel(QObject::tr("&Sheets to print:"), &dialog);
    caption->setBuddy(field);
    auto* hint = new QLabel(
        QObject::tr("of the %1 sheets of this run, as 3 or 2-5, 8; to %2").arg(sheets).arg(printer),
        &dialog);
    hint->setWordWrap(true);
    QLabel* problem = ErrorLabel(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QObject::tr("&Print"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(field, 1);
    layout->addLayout(row);
    layout->addWidget(hint);
    layout->addWidget(problem);
    layout->addWidget(buttons);

    std::optional<PageList> chosen;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        PageList list = ReadPageList(field->text().toStdString());
        if (list.error.empty() && list.Last() > sheets) {
            list.error = QObject::tr("this run has %1 sheets: there is no sheet %2")
                             .arg(sheets)
                             .arg(list.Last())
                             .toStdString();
        }
        if (!list.error.empty()) {
            problem->setText(QString::fromStdString(list.error));
            problem->show();
            field->setFocus();
            return;
        }
        chosen = std::move(list);
        dialog.accept();
    });
    dialog.resize(dialog.sizeHint().expandedTo(
        QSize(dialog.fontMetrics().horizontalAdvance(QString(48, QLatin1Char('n'))), 0)));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return chosen;
}

std::optional<long> AskCellForLabel(QWidget* parent, App& app, const RunReport::Placed& label,
                                    const SheetGeometry& sheet) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintLabelDialog"));
    dialog.setWindowTitle(QObject::tr("Print This Label"));
    auto* who =
        new QLabel(QObject::tr("<b>%1</b><br>%2, %3 &mdash; was on sheet %4, cell %5")
                       .arg(LabelWho(label).toHtmlEscaped(), Qs(label.period).toHtmlEscaped(),
                            QString::fromStdString(label.label.date))
                       .arg(label.sheet)
                       .arg(label.cell),
                   &dialog);
    who->setTextFormat(Qt::RichText);
    auto* cell = new QSpinBox(&dialog);
    cell->setObjectName(QStringLiteral("CellForLabel"));
    cell->setRange(1, static_cast<int>(sheet.CellsPerSheet()));
    cell->setValue(1);
    cell->setKeyboardTracking(false);
    auto* caption = new QLabel(QObject::tr("Print it in &cell:"), &dialog);
    caption->setBuddy(cell);
    auto* where = new QLabel(&dialog);
    where->setObjectName(QStringLiteral("CellPlace"));
    auto* drawing = new QLabel(&dialog);
    drawing->setObjectName(QStringLiteral("CellPreview"));
    drawing->setFrameShape(QFrame::Box);
    drawing->setAlignment(Qt::AlignCenter);
    QLabel* problem = ErrorLabel(&dialog);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QObject::tr("&Print"));

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(who);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(cell);
    row->addWidget(where, 1);
    layout->addLayout(row);
    layout->addWidget(drawing, 0, Qt::AlignHCenter);
    layout->addWidget(problem);
    layout->addWidget(buttons);

    // The sheet as printing the label there would print it (the cells before it outlined, as
    // every run from a later cell shows them), with that cell outlined in colour.
    const auto show = [&] {
        const long target = cell->value();
        const long columns = sheet.Columns();
        where->setText(QObject::tr("row %1, column %2 of %3 x %4")
                           .arg((target - 1) / columns + 1)
                           .arg((target - 1) % columns + 1)
                           .arg(columns)
                           .arg(sheet.rows));
        SheetRecording recording;
        const DryRunResult dry = DrawDryRun(
            app, recording, [] { return true; }, label.label, target);
        const qreal ratio = dialog.devicePixelRatioF();
        const QSize pixels(qRound(kSheetPixelsAcross * ratio),
                           qRound(kSheetPixelsAcross * ratio * kSheetHeight / kSheetWidth));
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        if (recording.Sheets() > 0) image = recording.Render(0, pixels);
        {
            QPainter painter(&image);
            const double scale = pixels.width() / kSheetWidth;
            const QRectF outline = CellOutline(sheet, target);
            painter.setPen(QPen(kTargetColour, 2.5 * ratio));
            painter.drawRect(QRectF(outline.topLeft() * scale, outline.size() * scale));
            painter.setPen(QPen(Qt::darkGray, 0));
            painter.drawRect(QRectF(0, 0, pixels.width() - 1, pixels.height() - 1));
        }
        image.setDevicePixelRatio(ratio);
        drawing->setPixmap(QPixmap::fromImage(image));
        const bool found = !dry.report.printed.empty();
        problem->setText(found ? QString() : Qs(dry.report.nothingBecause));
        problem->setVisible(!found);
        buttons->button(QDialogButtonBox::Ok)->setEnabled(found);
    };
    QObject::connect(cell, &QSpinBox::valueChanged, &dialog, show);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    show();
    cell->setFocus();
    cell->selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return cell->value();
}

}  // namespace vt
