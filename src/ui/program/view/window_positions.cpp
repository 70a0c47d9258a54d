#include "ui/program/view/window_positions.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/qt/user_config.h"

namespace vt {
namespace {

// A window frame as window managers draw it, for a window not yet shown.
const QMargins kLeastFrame(8, 36, 8, 8);

QString Key(const QString& name) {
    return "windows/" + name + "/position";
}

// The whole window, with its frame, at `topLeft`: every button of it on one screen.
bool OnAScreen(const QPoint& topLeft, const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    const QSize frame(
        std::max(outer.width() - inner.width(), kLeastFrame.left() + kLeastFrame.right()),
        std::max(outer.height() - inner.height(), kLeastFrame.top() + kLeastFrame.bottom()));
    const QRect whole(topLeft, inner.size() + frame);
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&whole](const QScreen* screen) {
        return screen->availableGeometry().contains(whole);
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
    if (OnAScreen(position, window)) window.move(position);
}

}  // namespace vt
