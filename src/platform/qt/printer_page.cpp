#include "platform/qt/printer_page.h"

#include <stdexcept>

#include "platform/qt/paper_layout.h"
#include "platform/units.h"

namespace vt {

PrinterPage::PrinterPage(std::string printerName) : name_(std::move(printerName)), cups_(name_) {}

QSizeF PrinterPage::PageTwips() const {
    return QSizeF(kLetterWidthTwips, kLetterHeightTwips);
}

QPainter& PrinterPage::OpenPage(const PageSetup& setup) {
    if (painter_) return *painter_;
    setup_ = setup;
    buffer_ = std::make_unique<QBuffer>();
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setResolution(kPrinterDotsPerInch);
    writer_->setCreator(QStringLiteral("Vittlon"));
    writer_->setTitle(QStringLiteral("Vittlon"));
    try {
        SetPaper(*writer_, setup);
    } catch (const std::runtime_error& e) {
        Close();
        throw std::runtime_error("cannot start a print job on " + name_ + ": " + e.what());
    }
    painter_.emplace();
    if (!painter_->begin(writer_.get())) {
        Close();
        throw std::runtime_error("cannot start a print job on " + name_);
    }
    return *painter_;
}

void PrinterPage::EndPage() {
    if (!painter_) return;
    const bool drawn = painter_->end();
    const QByteArray pdf = buffer_->data();
    Close();
    if (!drawn || pdf.isEmpty()) {
        throw std::runtime_error("the page for " + name_ + " could not be made");
    }
    const auto orientation =
        setup_.orientation == 2 ? PaperOrientation::Landscape : PaperOrientation::Portrait;
    jobs_.push_back(cups_.Send(pdf, orientation, "Vittlon"));
}

void PrinterPage::Abandon() {
    Close();
}

void PrinterPage::Close() {
    painter_.reset();
    writer_.reset();
    buffer_.reset();
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
