#include "platform/qt/pdf_file_page.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "platform/file_error.h"
#include "platform/qt/paper_layout.h"

namespace vt {
namespace {

// Move the finished file to base + ".pdf", or base + "-2.pdf", "-3.pdf", ... without ever
// replacing a file that is there already, even one that appears while we look.
std::filesystem::path PlaceWithoutReplacing(const std::filesystem::path& from,
                                            const std::filesystem::path& folder,
                                            const std::string& base) {
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? std::string() : "-" + std::to_string(n);
        const std::filesystem::path target = folder / (base + suffix + ".pdf");
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            return target;
        }
        if (errno == EEXIST) continue;
        if (errno != EINVAL && errno != ENOSYS) {
            throw FileError("cannot name the PDF file " + target.string() + ": " +
                            std::generic_category().message(errno));
        }
        // A file system without the no-replace rename: look first, then rename.
        if (std::filesystem::exists(target)) continue;
        std::error_code error;
        std::filesystem::rename(from, target, error);
        if (error) {
            throw FileError("cannot name the PDF file " + target.string() + ": " + error.message());
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
        throw FileError("cannot name the PDF file " + target.string() + ": " + error.message());
    }
    return target;
}

}  // namespace

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
        throw FileError("cannot create the PDF folder " + folder_.string() + ": " +
                        error.message());
    }
    const QString pattern = QString::fromStdString((folder_ / ".vittlon-XXXXXX.pdf.part").string());
    auto file = std::make_unique<QTemporaryFile>(pattern);
    if (!file->open()) {
        throw FileError("cannot write a PDF file in " + folder_.string() + ": " +
                        file->errorString().toStdString());
    }
    auto writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(kDotsPerInch);
    try {
        SetPaper(*writer, setup);
    } catch (const std::runtime_error& e) {
        throw FileError("cannot start a PDF file in " + folder_.string() + ": " + e.what());
    }
    writer->setCreator(QStringLiteral("Vittlon"));
    painter_.emplace();
    if (!painter_->begin(writer.get())) {
        painter_.reset();
        throw FileError("cannot start a PDF file in " + folder_.string());
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
            throw FileError("cannot add a page to the PDF file in " + folder_.string() + ": " +
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
    std::unique_ptr<QTemporaryFile> file = std::move(file_);
    if (!written || !file->flush() || file->error() != QFileDevice::NoError) {
        throw FileError("the PDF file in " + folder_.string() +
                        " could not be written: " + file->errorString().toStdString());
    }
    file->close();
    if (!fileName_.empty()) {
        const std::filesystem::path placed =
            PlaceReplacing(file->fileName().toStdString(), folder_ / fileName_);
        file->setAutoRemove(false);
        return placed;
    }
    const std::string base =
        kind + "-" + started_.toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString();
    const std::filesystem::path placed =
        PlaceWithoutReplacing(file->fileName().toStdString(), folder_, base);
    file->setAutoRemove(false);
    return placed;
}

}  // namespace vt
