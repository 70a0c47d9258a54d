#include "platform/qt/printer_page.h"

#include <stdexcept>

#include "platform/qt/paper_layout.h"

namespace vt {

PrinterPage::PrinterPage(QString printerName) : name_(std::move(printerName)) {}

QSizeF PrinterPage::PageTwips() const {
    return QSizeF(kLetterWidthTwips, kLetterHeightTwips);
}

QPainter& PrinterPage::OpenPage(const PageSetup& setup) {
    if (painter_) return *painter_;
    // A fresh QPrinter per job, so no setting of an earlier job leaks into this one.
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPrinterName(name_);
    printer_->setResolution(kDotsPerInch);
    printer_->setFullPage(true);
    printer_->setPageLayout(PaperLayout(setup));
    printer_->setDocName(QStringLiteral("Vittlon"));
    painter_.emplace();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        throw std::runtime_error("cannot start a print job on " + name_.toStdString());
    }
    return *painter_;
}

void PrinterPage::EndPage() {
    if (!painter_) return;
    const bool sent = painter_->end();
    painter_.reset();
    printer_.reset();
    if (!sent) throw std::runtime_error("the print job on " + name_.toStdString() + " failed");
}

void PrinterPage::Abandon() {
    if (!painter_) return;
    printer_->abort();
    painter_.reset();
    printer_.reset();
}

void PrinterPage::Clear() {
    if (!painter_) return;
    painter_->save();
    painter_->resetTransform();
    const QPaintDevice& device = *painter_->device();
    painter_->fillRect(QRect(0, 0, device.width(), device.height()), Qt::white);
    painter_->restore();
}

}  // namespace vt
