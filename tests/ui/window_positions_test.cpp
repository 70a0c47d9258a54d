// Window positions kept per user: taken back where a screen shows them, and only there.
#include "ui/program/view/window_positions.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

namespace vt::test {
namespace {

TEST(WindowPositions, ComeBackWhereAScreenShowsThemAndOnlyThere) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget left;
    left.resize(400, 300);
    left.move(screen.topLeft() + QPoint(30, 40));
    SaveWindowPosition(left, "test");
    QWidget again;
    again.resize(400, 300);
    RestoreWindowPosition(again, "test");
    EXPECT_EQ(again.pos(), screen.topLeft() + QPoint(30, 40));

    // Last seen on a screen that is gone, with its title bar above the screen's top, or with
    // its bottom right corner (the buttons of the simple window) past the screen's edge.
    for (const QPoint gone :
         {screen.bottomRight() + QPoint(200, 200), screen.topLeft() + QPoint(10, -20),
          screen.bottomRight() - QPoint(300, 200)}) {
        left.move(gone);
        SaveWindowPosition(left, "test");
        QWidget placed;
        placed.move(screen.topLeft() + QPoint(5, 6));
        RestoreWindowPosition(placed, "test");
        EXPECT_EQ(placed.pos(), screen.topLeft() + QPoint(5, 6)) << gone.x() << "," << gone.y();
    }
    // In the user's configuration, not among any station's files.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_TRUE(QFileInfo::exists(config + "/vittlon/vittlon.conf"));
}

}  // namespace
}  // namespace vt::test
