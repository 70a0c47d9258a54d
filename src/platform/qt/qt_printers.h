#pragma once
// The system's printers (CUPS destinations, in CUPS's order) and the built-in PDF printer.
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/printers.h"
#include "platform/qt/page_device.h"
#include "platform/qt/painter_surface.h"

namespace vt {

class PdfFilePage;

// The printer surface draws through this object, which hands each page to the current
// printer's device; so the surface the callers hold stays the same when the printer changes.
class QtPrinters : public Printers, private PageDevice {
  public:
    QtPrinters();
    ~QtPrinters() override;

    std::vector<std::string> Installed() override;
    std::string DefaultName() override;
    // Asks the print service afresh, so a queue removed a moment ago is not taken.
    bool SetCurrent(const std::string& name) override;
    std::string CurrentName() override { return current_; }
    Surface& Printer() override { return surface_; }
    // Ends an open print job, and closes and names the PDF file of the run. Throws FileError
    // when the PDF file cannot be completed.
    void RunEnded() override;
    void RunCancelled() override;
    // "labels" or "menu" (letters, digits, '-' and '_'); throws std::invalid_argument else.
    void SetJobKind(const std::string& kind) override;
    // As the print server reports them for the current printer; a quarter inch where it tells
    // none, and for the built-in PDF printer.
    PageMargins PrintableMargins() override;
    // The alignment the user keeps for the printer (StoredAlignment).
    PrinterAlignment Alignment(const std::string& name) override;

    // The built-in PDF printer writes every run into this file instead of a new file in its
    // folder (a command-line run's output file).
    void SetPdfFile(const std::filesystem::path& file);

    // The PDF file, or "printer queue NAME, jobs N to M" for a run sent to a printer.
    std::string LastOutput() const override { return lastOutput_; }
    long LastDelivered() const override { return lastDelivered_; }
    std::string ServiceProblem() const override { return serviceProblem_; }

  private:
    std::vector<std::string> AskPrintService();
    PageDevice& Device();
    // The jobs a printer's device went out as become the last run's output.
    void TakeJobs(const PageDevice& device);

    double DotsPerInch() const override;
    QSizeF PageTwips() const override;
    QPainter& OpenPage(const PageSetup& setup) override;
    bool PageOpen() const override;
    void EndPage() override;
    void Clear() override;

    std::vector<std::string> installed_;  // the last answer of the print service, and when
    std::optional<std::chrono::steady_clock::time_point> installedAt_;
    std::string defaultName_;
    std::string serviceProblem_;
    std::string current_;
    std::string kind_ = "labels";
    std::filesystem::path pdfFile_;  // empty: a new file per run in the PDF folder
    std::string lastOutput_;
    long lastDelivered_ = 0;
    std::unique_ptr<PageDevice> device_;  // of the current printer, made at its first page
    PdfFilePage* pdf_ = nullptr;          // device_ when the current printer is the PDF printer
    PainterSurface surface_{*this};
};

}  // namespace vt
