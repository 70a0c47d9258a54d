#include "ui/program/view/window_positions.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/qt/user_config.h"

namespace vt {
namespace {

// The left part of the title bar: enough to take hold of the window and drag it.
constexpr int kGripWidth = 160;
constexpr int kGripHeight = 32;

QString Key(const QString& name) {
    return "windows/" + name + "/position";
}

bool OnAScreen(const QPoint& topLeft, const QSize& size) {
    const QRect grip(topLeft, QSize(std::min(size.width(), kGripWidth), kGripHeight));
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&grip](const QScreen* screen) {
        return screen->availableGeometry().contains(grip);
    });
}

}  // namespace

void SaveWindowPosition(const QWidget& window, const QString& name) {
    OpenUserConfig()->setValue(Key(name), window.pos());
}

void RestoreWindowPosition(QWidget& window, const QString& name) {
    const QVariant saved = OpenUserConfig()->value(Key(name));
    if (!saved.canConvert<QPoint>()) return;
    const QPoint position = saved.toPoint();
    if (OnAScreen(position, window.size())) window.move(position);
}

}  // namespace vt
