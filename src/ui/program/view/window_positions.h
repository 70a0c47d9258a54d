#pragma once
// Where the user last left each window, kept per user (positions only: the windows' sizes are
// their own). A position is taken back only where a screen shows the window's title bar, so a
// window last seen on a screen that is gone opens where the window manager puts it.
#include <QString>
#include <QWidget>

namespace vt {

void SaveWindowPosition(const QWidget& window, const QString& name);
// Moves the window (before it is shown) to its saved position, when it has one that a screen
// can show; otherwise leaves it where it is.
void RestoreWindowPosition(QWidget& window, const QString& name);

}  // namespace vt
