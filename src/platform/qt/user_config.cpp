#include "platform/qt/user_config.h"

#include <sys/stat.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/error_output.h"

namespace vt {
namespace {

// Stands in for a configuration file that is not a regular file (a FIFO would hold the
// program in its open, a device could feed it without end): preferences of this session are
// kept here and go with the program.
std::unique_ptr<QTemporaryDir> g_standIn;

}  // namespace

std::unique_ptr<QSettings> OpenUserConfig() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString file = folder + "/vittlon/vittlon.conf";
    struct stat info = {};
    const bool usable = ::stat(file.toLocal8Bit().constData(), &info) != 0 || S_ISREG(info.st_mode);
    if (usable) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    if (!g_standIn) {
        g_standIn = std::make_unique<QTemporaryDir>();
        TellErrorOutput("the user configuration " + file.toStdString() +
                        " is not a regular file: it is not read, and preferences changed now are "
                        "not kept");
    }
    return std::make_unique<QSettings>(g_standIn->filePath(QStringLiteral("vittlon.conf")),
                                       QSettings::IniFormat);
}

}  // namespace vt
