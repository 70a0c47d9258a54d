#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"

namespace vt {
namespace {

// Acts on the modal box once it is shown (the box's own event loop runs the timer).
void WhenModal(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* box = QApplication::activeModalWidget();
        if (box) act(*box);
    });
}

TEST(QtDialogs, YesNoBoxReturnsTheDefaultOnEnter) {
    struct Case {
        int defaultButton;
        MsgAnswer expected;
    };
    // Enter presses the default button: 1 is Yes, 2 is No.
    for (const Case c : {Case{1, MsgAnswer::Yes}, Case{2, MsgAnswer::No}}) {
        QtDialogs dialogs;
        QString shown;
        WhenModal([&](QWidget& box) {
            shown = static_cast<QMessageBox&>(box).text();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        EXPECT_EQ(dialogs.MsgBox("Caf\xE9 label?", "T", MsgButtons::YesNo, c.defaultButton),
                  c.expected);
        EXPECT_EQ(shown, QString::fromUtf8("Café label?")) << "Windows-1252 reaches the box";
    }
}

TEST(QtDialogs, EscapeOnYesNoBoxIsNo) {
    QtDialogs dialogs;
    WhenModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.MsgBox("Print?", "T", MsgButtons::YesNo, 1), MsgAnswer::No);
}

TEST(QtDialogs, OkBoxAnswersOk) {
    QtDialogs dialogs;
    WhenModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Return); });
    EXPECT_EQ(dialogs.MsgBox("Done", "T"), MsgAnswer::OK);
}

TEST(QtDialogs, TheCauseIsTheBoxsDetailedText) {
    QtDialogs dialogs;
    QString detail;
    WhenModal([&](QWidget& box) {
        detail = static_cast<QMessageBox&>(box).detailedText();
        QTest::keyClick(&box, Qt::Key_Return);
    });
    dialogs.MsgBox("Could not print.", "T", MsgButtons::OK, 1, "/srv/pdf: Permission denied");
    EXPECT_EQ(detail, "/srv/pdf: Permission denied");
}

TEST(QtDialogs, InputBoxReturnsWindows1252AndNothingOnCancel) {
    QtDialogs dialogs;
    QString offered;
    WhenModal([&](QWidget& box) {
        auto* edit = box.findChild<QLineEdit*>();
        offered = edit->text();
        edit->setText(QString::fromUtf8("Zoë"));
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.InputBox("Name?", "T", "Ren\xE9"), "Zo\xEB");
    EXPECT_EQ(offered, QString::fromUtf8("René"));

    WhenModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(dialogs.InputBox("Name?", "T", "typed before"), std::nullopt);
}

TEST(QtEvents, DoEventsRunsPendingEventsThenRefreshes) {
    QtEvents events;
    std::vector<std::string> order;
    QTimer::singleShot(0, [&] { order.push_back("event"); });
    events.SetRefresh([&] { order.push_back("refresh"); });
    events.DoEvents();
    EXPECT_EQ(order, (std::vector<std::string>{"event", "refresh"}));
}

TEST(QtEvents, QuitBeforeTheLoopStartsEndsTheLoopWithItsStatus) {
    QtEvents events;
    EXPECT_FALSE(events.QuitRequested());
    events.Quit(3);
    EXPECT_TRUE(events.QuitRequested());
    events.DoEvents();  // the request survives events processed before the loop runs
    // A loop that the request failed to end would be ended by this fallback with code 99.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    fallback.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 3);
}

}  // namespace
}  // namespace vt
