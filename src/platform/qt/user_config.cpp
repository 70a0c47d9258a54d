#include "platform/qt/user_config.h"

#include <QStandardPaths>

namespace vt {

std::unique_ptr<QSettings> OpenUserConfig() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(folder + "/vittlon/vittlon.conf", QSettings::IniFormat);
}

}  // namespace vt
