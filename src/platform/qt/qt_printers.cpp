#include "platform/qt/qt_printers.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/qt/cups_paper.h"
#include "platform/qt/cups_queues.h"
#include "platform/qt/paper_layout.h"
#include "platform/qt/pdf_file_page.h"
#include "platform/qt/printer_alignment_store.h"
#include "platform/qt/printer_page.h"
#include "platform/units.h"

namespace vt {
namespace {
constexpr const char* kDefaultKind = "labels";
// The edges a printer that tells none is taken to leave blank, as most office printers do; the
// built-in PDF printer keeps them too, so its file shows the page a printer makes.
constexpr double kNominalMarginTwips = 0.25 * kTwipsPerInch;

// "printer queue NAME, jobs N to M": the jobs the print server accepted; "" for none.
std::string QueueOutput(const std::string& queue, const std::vector<int>& jobs) {
    if (jobs.empty()) return "";
    std::string output = "printer queue " + queue;
    if (jobs.size() == 1) return output + ", job " + std::to_string(jobs[0]);
    return output + ", jobs " + std::to_string(jobs.front()) + " to " + std::to_string(jobs.back());
}

}  // namespace

QtPrinters::QtPrinters() {
    AskPrintService();
    current_ = defaultName_;
}

QtPrinters::~QtPrinters() = default;

std::vector<std::string> QtPrinters::Installed() {
    // Asking the print service takes a round trip; every change of a setting asks twice.
    const auto now = std::chrono::steady_clock::now();
    if (installedAt_ && now - *installedAt_ < std::chrono::seconds(2)) return installed_;
    return AskPrintService();
}

std::vector<std::string> QtPrinters::AskPrintService() {
    // A server that did not answer is not asked again at once: each try waits the time limit.
    const auto now = std::chrono::steady_clock::now();
    if (!serviceProblem_.empty() && installedAt_ &&
        now - *installedAt_ < std::chrono::seconds(60)) {
        return installed_;
    }
    CupsQueues queues = ListCupsQueues();
    queues.names.emplace_back(kPdfPrinterName);
    installed_ = queues.names;
    defaultName_ = queues.defaultName.empty() ? std::string(kPdfPrinterName) : queues.defaultName;
    serviceProblem_ = queues.problem;
    installedAt_ = std::chrono::steady_clock::now();
    return installed_;
}

std::string QtPrinters::DefaultName() {
    Installed();
    return defaultName_;
}

bool QtPrinters::SetCurrent(const std::string& name) {
    if (name == current_) return true;
    const std::vector<std::string> names = AskPrintService();
    if (std::find(names.begin(), names.end(), name) == names.end()) return false;
    // What the old printer holds goes out before drawing moves to the new one.
    RunEnded();
    current_ = name;
    return true;
}

void QtPrinters::RunEnded() {
    std::unique_ptr<PageDevice> device = std::move(device_);
    PdfFilePage* pdf = std::exchange(pdf_, nullptr);
    const std::string kind = std::exchange(kind_, kDefaultKind);
    lastOutput_.clear();
    lastDelivered_ = 0;
    if (pdf) {
        if (auto path = pdf->Finish(kind)) {
            lastOutput_ = path->string();
            lastDelivered_ = pdf->Pages();
        }
    } else if (device) {
        // The pages the print server took went out, also when the last one fails.
        std::exception_ptr failure;
        try {
            if (device->PageOpen()) device->EndPage();
        } catch (...) {
            failure = std::current_exception();
        }
        TakeJobs(*device);
        if (failure) std::rethrow_exception(failure);
    }
}

void QtPrinters::RunCancelled() {
    std::unique_ptr<PageDevice> device = std::move(device_);
    PdfFilePage* pdf = std::exchange(pdf_, nullptr);
    kind_ = kDefaultKind;
    lastOutput_.clear();
    lastDelivered_ = 0;
    if (pdf) {
        pdf->Discard();
    } else if (device) {
        // What the print server took before the stop is on its way to paper.
        device->Abandon();
        TakeJobs(*device);
    }
}

void QtPrinters::TakeJobs(const PageDevice& device) {
    lastOutput_ = QueueOutput(current_, device.Jobs());
    lastDelivered_ = static_cast<long>(device.Jobs().size());
}

void QtPrinters::SetPdfFile(const std::filesystem::path& file) {
    std::error_code error;
    pdfFile_ = std::filesystem::absolute(file, error);
    if (error) pdfFile_ = file;
}

void QtPrinters::SetJobKind(const std::string& kind) {
    const bool fits = !kind.empty() && kind.find_first_not_of(
                                           "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                           "0123456789-_") == std::string::npos;
    if (!fits) throw std::invalid_argument("unfit print job kind: " + kind);
    kind_ = kind;
}

PageMargins QtPrinters::PrintableMargins() {
    if (current_ != kPdfPrinterName) {
        if (const std::optional<PageMargins> told = CupsLetterMargins(current_)) return *told;
    }
    return {kNominalMarginTwips, kNominalMarginTwips, kNominalMarginTwips, kNominalMarginTwips};
}

PrinterAlignment QtPrinters::Alignment(const std::string& name) {
    return StoredAlignment(name);
}

PageDevice& QtPrinters::Device() {
    if (!device_) {
        if (current_ == kPdfPrinterName) {
            auto pdf =
                pdfFile_.empty()
                    ? std::make_unique<PdfFilePage>(PdfFilePage::DefaultFolder())
                    : std::make_unique<PdfFilePage>(pdfFile_.parent_path(), pdfFile_.filename());
            pdf_ = pdf.get();
            device_ = std::move(pdf);
        } else {
            device_ = std::make_unique<PrinterPage>(current_);
        }
    }
    return *device_;
}

double QtPrinters::DotsPerInch() const {
    return kPrinterDotsPerInch;
}

QSizeF QtPrinters::PageTwips() const {
    return QSizeF(kLetterWidthTwips, kLetterHeightTwips);
}

QPainter& QtPrinters::OpenPage(const PageSetup& setup) {
    return Device().OpenPage(setup);
}

bool QtPrinters::PageOpen() const {
    return device_ && device_->PageOpen();
}

void QtPrinters::EndPage() {
    if (device_) device_->EndPage();
}

void QtPrinters::Clear() {
    if (device_) device_->Clear();
}

}  // namespace vt
