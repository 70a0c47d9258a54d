#include "platform/qt/pdf_file_page.h"

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "platform/file_error.h"
#include "platform/qt/paper_layout.h"
#include "platform/units.h"

namespace vt {
namespace {

// Move the finished file to base + ".pdf", or base + "-2.pdf", "-3.pdf", ... without ever
// replacing a file that is there already, even one that appears while we look.
std::filesystem::path PlaceWithoutReplacing(const std::filesystem::path& from,
                                            const std::filesystem::path& folder,
                                            const std::string& base) {
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? std::string() : "-" + std::to_string(n);
        std::filesystem::path target = folder / (base + suffix + ".pdf");
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return target;
        }
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) {
            throw FileError("cannot name the PDF file " + ShownPath(target) + ": " +
                            std::generic_category().message(errno));
        }
        // A file system without the no-replace rename: look first, then rename.
        if (std::filesystem::exists(target)) continue;
        std::error_code error;
        std::filesystem::rename(from, target, error);
        if (error) {
            throw FileError("cannot name the PDF file " + ShownPath(target) + ": " +
                            error.message());
        }
        return target;
    }
}

// The named file takes the whole run at once: a rename over it, so a reader sees the old file
// or the new one, never a part.
std::filesystem::path PlaceReplacing(const std::filesystem::path& from,
                                     const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::rename(from, target, error);
    if (error) {
        throw FileError("cannot name the PDF file " + ShownPath(target) + ": " + error.message());
    }
    return target;
}

// A new file in `folder` for this run alone, open for writing.
std::unique_ptr<PartFile> CreatePartFile(const std::filesystem::path& folder) {
    const std::string suffix = ".pdf.part";
    std::string name = (folder / (".vittlon-XXXXXX" + suffix)).string();
    const int fd = ::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd < 0) {
        throw FileError("cannot write a PDF file in " + ShownPath(folder) + ": " + SystemReason());
    }
    auto part = std::make_unique<PartFile>();
    part->path = name;
    if (!part->file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FileError("cannot write a PDF file in " + ShownPath(folder) + ": " +
                        FromUtf8(part->file.errorString().toStdString()));
    }
    return part;
}

}  // namespace

PartFile::~PartFile() {
    file.close();
    if (!placed) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

PdfFilePage::PdfFilePage(std::filesystem::path folder, std::filesystem::path fileName)
    : folder_(std::move(folder)), fileName_(std::move(fileName)) {}

std::filesystem::path PdfFilePage::DefaultFolder() {
    if (const char* dir = std::getenv("VITTLON_PDF_DIR"); dir && *dir) return dir;
    // Without a home (a service) no folder is guessed: the working folder may be anyone's.
    const char* home = std::getenv("HOME");
    if (!home || *home != '/') {
        throw FileError("there is no folder for the PDF file: set VITTLON_PDF_DIR, or HOME");
    }
    return std::filesystem::path(home) / "Documents" / "Vittlon";
}

QSizeF PdfFilePage::PageTwips() const {
    return QSizeF(kLetterWidthTwips, kLetterHeightTwips);
}

void PdfFilePage::StartFile(const PageSetup& setup) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        throw FileError("cannot create the PDF folder " + ShownPath(folder_) + ": " +
                        error.message());
    }
    std::unique_ptr<PartFile> file = CreatePartFile(folder_);
    auto writer = std::make_unique<QPdfWriter>(&file->file);
    writer->setResolution(kPrinterDotsPerInch);
    try {
        SetPaper(*writer, setup);
    } catch (const std::runtime_error& e) {
        throw FileError("cannot start a PDF file in " + ShownPath(folder_) + ": " + e.what());
    }
    writer->setCreator(QStringLiteral("Vittlon"));
    painter_.emplace();
    if (!painter_->begin(writer.get())) {
        painter_.reset();
        throw FileError("cannot start a PDF file in " + ShownPath(folder_));
    }
    file_ = std::move(file);
    writer_ = std::move(writer);
    started_ = QDateTime::currentDateTime();
}

QPainter& PdfFilePage::OpenPage(const PageSetup& setup) {
    if (!painter_) {
        StartFile(setup);
    } else if (!pageOpen_) {
        // The layout set between pages applies to the page that newPage() starts.
        try {
            SetPaper(*writer_, setup);
        } catch (const std::runtime_error& e) {
            throw FileError("cannot add a page to the PDF file in " + ShownPath(folder_) + ": " +
                            e.what());
        }
        writer_->newPage();
    }
    if (!pageOpen_) ++pages_;
    pageOpen_ = true;
    return *painter_;
}

void PdfFilePage::Clear() {
    if (!pageOpen_) return;
    painter_->save();
    painter_->resetTransform();
    painter_->fillRect(QRect(0, 0, writer_->width(), writer_->height()), Qt::white);
    painter_->restore();
}

void PdfFilePage::Discard() {
    pageOpen_ = false;
    if (painter_) painter_->end();
    painter_.reset();
    writer_.reset();
    file_.reset();  // a temporary file removes itself
}

std::optional<std::filesystem::path> PdfFilePage::Finish(const std::string& kind) {
    pageOpen_ = false;
    if (!painter_) return std::nullopt;
    const bool written = painter_->end();
    painter_.reset();
    writer_.reset();
    std::unique_ptr<PartFile> part = std::move(file_);
    QFile& file = part->file;
    const bool synced = written && file.flush() && ::fsync(file.handle()) == 0;
    if (!synced || file.error() != QFileDevice::NoError) {
        const std::string why = file.error() != QFileDevice::NoError
                                    ? FromUtf8(file.errorString().toStdString())
                                    : SystemReason();
        throw FileError("the PDF file in " + ShownPath(folder_) + " could not be written: " + why);
    }
    file.close();
    if (!fileName_.empty()) {
        const std::filesystem::path placed = PlaceReplacing(part->path, folder_ / fileName_);
        part->placed = true;
        return placed;
    }
    const std::string base =
        kind + "-" + started_.toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const std::filesystem::path placed = PlaceWithoutReplacing(part->path, folder_, base);
    part->placed = true;
    return placed;
}

}  // namespace vt
