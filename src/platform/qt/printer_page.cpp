#include "platform/qt/printer_page.h"

#include <cups/cups.h>

#include <algorithm>
#include <stdexcept>

#include "platform/qt/paper_layout.h"

namespace vt {
namespace {

// The newest print job of this user on the queue: the one just sent. 0 when the print server
// tells none.
int NewestJob(const QString& queue) {
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 1, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i) newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

}  // namespace

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
    if (const int job = NewestJob(name_); job > 0) jobs_.push_back(job);
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
