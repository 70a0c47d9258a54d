#include "platform/qt/qt_printers.h"

#include <QPrinterInfo>
#include <QString>
#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <utility>

#include "platform/qt/paper_layout.h"
#include "platform/qt/pdf_file_page.h"
#include "platform/qt/printer_alignment_store.h"
#include "platform/qt/printer_page.h"

namespace vt {
namespace {
constexpr const char* kDefaultKind = "labels";
constexpr double kPrinterDotsPerInch = 300;
}  // namespace

QtPrinters::QtPrinters() : current_(DefaultName()) {}

QtPrinters::~QtPrinters() = default;

std::vector<std::string> QtPrinters::Installed() {
    // Asking the print service takes a round trip; every change of a setting asks twice.
    const auto now = std::chrono::steady_clock::now();
    if (installedAt_ && now - *installedAt_ < std::chrono::seconds(2)) return installed_;
    return AskPrintService();
}

std::vector<std::string> QtPrinters::AskPrintService() {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(name.toStdString());
    }
    names.push_back(kPdfPrinterName);
    installed_ = names;
    installedAt_ = std::chrono::steady_clock::now();
    return names;
}

std::string QtPrinters::DefaultName() {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(kPdfPrinterName) : name.toStdString();
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
    if (pdf) {
        if (auto path = pdf->Finish(kind)) lastOutput_ = path->string();
    } else if (device) {
        if (device->PageOpen()) device->EndPage();
        lastOutput_ = "printer queue " + current_;
        const std::vector<int> jobs = device->Jobs();
        if (jobs.size() == 1) lastOutput_ += ", job " + std::to_string(jobs[0]);
        if (jobs.size() > 1) {
            lastOutput_ +=
                ", jobs " + std::to_string(jobs.front()) + " to " + std::to_string(jobs.back());
        }
    }
}

void QtPrinters::RunCancelled() {
    std::unique_ptr<PageDevice> device = std::move(device_);
    PdfFilePage* pdf = std::exchange(pdf_, nullptr);
    kind_ = kDefaultKind;
    lastOutput_.clear();
    if (pdf) {
        pdf->Discard();
    } else if (device) {
        device->Abandon();
    }
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
            device_ = std::make_unique<PrinterPage>(QString::fromStdString(current_));
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
