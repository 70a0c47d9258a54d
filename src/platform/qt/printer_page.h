#pragma once
// A system (CUPS) printer: every page from the first drawing to EndPage is one print job.
#include <QPrinter>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "platform/qt/page_device.h"

namespace vt {

class PrinterPage : public PageDevice {
  public:
    explicit PrinterPage(QString printerName);

    double DotsPerInch() const override { return kDotsPerInch; }
    QSizeF PageTwips() const override;
    QPainter& OpenPage(const PageSetup& setup) override;
    bool PageOpen() const override { return painter_.has_value(); }
    void EndPage() override;
    void Abandon() override;
    std::vector<int> Jobs() const override { return jobs_; }
    void Clear() override;

  private:
    static constexpr int kDotsPerInch = 300;

    QString name_;
    std::unique_ptr<QPrinter> printer_;
    std::optional<QPainter> painter_;
    std::vector<int>
        jobs_;  // each page is a job  // declared after printer_: ends before the printer goes
};

}  // namespace vt
