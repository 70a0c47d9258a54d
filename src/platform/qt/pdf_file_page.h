#pragma once
// The built-in PDF printer: every page of a print run goes into one file. The file is written
// under a temporary name and renamed into place when the run ends, so a file that carries its
// final name is always complete; a run that drew nothing leaves no file at all.
#include <QDateTime>
#include <QFile>
#include <QPdfWriter>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/page_device.h"
#include "platform/units.h"

namespace vt {

// The file a run is being written to, under a hidden temporary name in the target folder (made
// from the folder's bytes, which need not be UTF-8); removed unless it was placed.
struct PartFile {
    std::filesystem::path path;
    QFile file;
    bool placed = false;
    ~PartFile();
};

class PdfFilePage : public PageDevice {
  public:
    // folder: where finished files go; it is created when the first page opens. fileName: the
    // one name every run takes instead of a new one (a file of that name is replaced when a run
    // is done).
    explicit PdfFilePage(std::filesystem::path folder, std::filesystem::path fileName = {});

    // $VITTLON_PDF_DIR, otherwise ~/Documents/Vittlon. Throws FileError without either.
    static std::filesystem::path DefaultFolder();

    double DotsPerInch() const override { return kPrinterDotsPerInch; }
    QSizeF PageTwips() const override;
    QPainter& OpenPage(const PageSetup& setup) override;
    bool PageOpen() const override { return pageOpen_; }
    void EndPage() override { pageOpen_ = false; }
    void Clear() override;

    // Close the file and give it its final name, "<kind>-<yyyymmdd-hhmmss>.pdf" after the
    // time of its first page, with "-2", "-3", ... when that name is taken (or the one file's
    // name). nullopt when nothing was drawn. Throws FileError when the file cannot be completed.
    std::optional<std::filesystem::path> Finish(const std::string& kind);
    // Close the file and delete it: the run was stopped.
    void Discard();
    // The pages drawn into the file so far.
    long Pages() const { return pages_; }

  private:
    void StartFile(const PageSetup& setup);

    std::filesystem::path folder_;
    std::filesystem::path fileName_;  // the one file's name; empty: named after kind and time
    QDateTime started_;
    bool pageOpen_ = false;
    long pages_ = 0;
    // Destroyed in reverse order: the painter ends, the writer flushes, then the file goes.
    std::unique_ptr<PartFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    std::optional<QPainter> painter_;
};

}  // namespace vt
