#pragma once
// A system (CUPS) printer: every page from the first drawing to EndPage is one print job. The
// page is drawn into a PDF document in memory and sent when it ends, so a page that is
// abandoned never reaches the printer, and a page counts as printed only once the print server
// has accepted it.
#include <QBuffer>
#include <QPdfWriter>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "platform/qt/cups_job.h"
#include "platform/qt/page_device.h"
#include "platform/units.h"

namespace vt {

class PrinterPage : public PageDevice {
  public:
    explicit PrinterPage(std::string printerName);

    double DotsPerInch() const override { return kPrinterDotsPerInch; }
    QSizeF PageTwips() const override;
    QPainter& OpenPage(const PageSetup& setup) override;
    bool PageOpen() const override { return painter_.has_value(); }
    // Sends the page; throws PrintServerError when the print server does not accept it.
    void EndPage() override;
    void Abandon() override;
    std::vector<int> Jobs() const override { return jobs_; }
    void Clear() override;

  private:
    void Close();

    std::string name_;
    CupsJobs cups_;
    PageSetup setup_;
    std::vector<int> jobs_;  // the accepted jobs, a page each
    // Destroyed in reverse order: the painter ends, then the writer, then the buffer.
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::optional<QPainter> painter_;
};

}  // namespace vt
