#pragma once
// The user's own preferences, kept apart from the station's files: window positions and the
// like, in $XDG_CONFIG_HOME/vittlon/vittlon.conf (otherwise ~/.config/vittlon/vittlon.conf).
#include <QSettings>
#include <memory>

namespace vt {

std::unique_ptr<QSettings> OpenUserConfig();

}  // namespace vt
