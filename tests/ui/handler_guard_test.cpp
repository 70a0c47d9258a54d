// The guard both windows run their handlers through: the busy rules and the failing handler.
#include "ui/common/view/handler_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>
#include <string>

namespace vt::test {
namespace {

struct GuardFixture {
    QWidget window;
    bool refreshing = false;
    std::string log;
    HandlerGuard guard{window, refreshing, [this] { log += "refresh "; },
                       [this] { log += guard.Busy() ? "ending-busy " : "ending-idle "; }};

    GuardFixture() {
        guard.SetAfterHandler([this] { log += "after "; });
    }
    HandlerGuard::Step Note(const char* what) {
        return [this, what] { log += std::string(what) + " "; };
    }
};

TEST(HandlerGuard, ANestedExitLeavesTheRunBusyUntilTheOutermostHandlerEnds) {
    GuardFixture f;
    f.guard.Handle(f.Note("collect"), [&f] {
        f.guard.Handle(f.Note("collect-exit"), f.Note("exit"), true);
        f.guard.Handle(f.Note("collect-print"), f.Note("print"));  // a second run: refused
        f.log += "run ";
    });
    EXPECT_EQ(f.log, "collect collect-exit exit refresh after run ending-busy refresh after ");
    EXPECT_FALSE(f.guard.Busy());

    f.log.clear();
    f.refreshing = true;  // the window's widgets fire signals while it copies the models in
    f.guard.Handle(f.Note("collect"), f.Note("handler"), true);
    EXPECT_EQ(f.log, "");
}

TEST(HandlerGuard, TwoWindowsSharingTheBusyTimeStartNothingInsideEachOther) {
    GuardFixture main, simple;
    main.guard.ShareBusyWith(simple.guard);
    simple.guard.Handle(simple.Note("collect"), [&] {
        main.guard.Handle(main.Note("collect"), main.Note("print"));  // refused during the run
        main.guard.Handle(main.Note("collect"), main.Note("stop"), true);
        simple.log += "run ";
    });
    EXPECT_EQ(main.log, "collect stop refresh after ending-busy ");
    EXPECT_EQ(simple.log, "collect run ending-busy refresh after ");
    EXPECT_FALSE(main.guard.Busy());
    main.log.clear();
    main.guard.Handle(main.Note("collect"), main.Note("print"));
    EXPECT_EQ(main.log, "collect print ending-busy refresh after ");
}

TEST(HandlerGuard, AFailingHandlerIsShownUnderTheWindowTitleAndTheWindowStillRefreshed) {
    GuardFixture f;
    f.window.setWindowTitle(QStringLiteral("Vittlon"));
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                title = box->windowTitle();
                text = box->text();
                box->accept();
            }
        }
    });
    f.guard.Handle(f.Note("collect"), [] { throw std::runtime_error("Drive R: is not ready"); });
    EXPECT_EQ(title, QStringLiteral("Vittlon"));
    EXPECT_EQ(text, QStringLiteral("Drive R: is not ready"));
    EXPECT_EQ(f.log, "collect ending-busy refresh after ");
    EXPECT_FALSE(f.guard.Busy());
}

}  // namespace
}  // namespace vt::test
