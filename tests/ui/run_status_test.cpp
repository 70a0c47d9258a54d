// What the windows tell of a print run: its progress with Stop while it goes, and afterwards a
// line with a link to its report, which opens by itself when something needs the operator.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "printing/run_report_text.h"
#include "support/qt/demo_station.h"
#include "ui/program/view/program_windows.h"

namespace vt::test {
namespace {

QString StatusText(QWidget& window) {
    auto* label = window.findChild<QLabel*>(QStringLiteral("RunStatusText"));
    return label ? label->text() : QString();
}

QPushButton* Button(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

TEST(RunStatus, APrintedRunIsToldInBothWindowsAndItsReportOpensWhenSomeoneGotNoLabel) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    Button(windows.Simple(), "Command1")->click();  // PRINT Labels
    ASSERT_EQ(s.Pdfs("labels").size(), 1);
    const QString line = StatusText(windows.Simple());
    EXPECT_TRUE(line.startsWith("Printed ")) << line.toStdString();
    EXPECT_TRUE(line.contains(" to Vittlon PDF")) << line.toStdString();
    EXPECT_TRUE(line.contains("href=\"report\"")) << line.toStdString();
    EXPECT_TRUE(StatusText(windows.Main()).contains(line));
    EXPECT_EQ(windows.Report().isVisible(), RunReportNeedsAttention(s.app.st.Report));

    // A resident whose data file has gone: the report opens by itself and names them.
    const std::string key = "1001";
    std::filesystem::remove(s.drives.Resolve(s.layout.ResidentPath(key)).value());
    windows.Report().close();
    Button(windows.Simple(), "Command1")->click();
    ASSERT_TRUE(windows.Report().isVisible());
    const QString report = windows.Report().findChild<QPlainTextEdit*>()->toPlainText();
    EXPECT_TRUE(report.contains("No data file: ")) << report.toStdString();
    EXPECT_TRUE(report.contains("unit 1, slot 1, resident 1001\n")) << report.toStdString();
}

TEST(RunStatus, StopEndsTheRunWithoutAPdfAndTheProgramGoesOn) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    QPushButton* stop = Button(windows.Main(), "StopRun");
    ASSERT_FALSE(stop->isVisible());
    // Stop is pressed as soon as the run shows it.
    bool pressed = false;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        if (!pressed && stop->isVisible()) {
            pressed = true;
            QTest::mouseClick(stop, Qt::LeftButton);
        }
    });
    presser.start(0);
    Button(windows.Main(), "Command1")->click();  // PRINT
    presser.stop();
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(s.Pdfs("labels").isEmpty());
    EXPECT_FALSE(s.events.QuitRequested());
    EXPECT_FALSE(stop->isVisible());
    EXPECT_TRUE(StatusText(windows.Main()).contains("Stopped: "))
        << StatusText(windows.Main()).toStdString();

    // The next run prints.
    Button(windows.Main(), "Command1")->click();
    EXPECT_EQ(s.Pdfs("labels").size(), 1);
}

TEST(RunStatus, DuringARunFromOneWindowTheOtherStartsNoSecondRun) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    QPushButton* going = Button(windows.Main(), "StopRun");
    bool pressed = false;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        if (!pressed && going->isVisible()) {
            pressed = true;
            Button(windows.Main(), "Command1")->click();  // the main window's PRINT
        }
    });
    presser.start(0);
    Button(windows.Simple(), "Command1")->click();  // PRINT Labels
    presser.stop();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(s.Pdfs("labels").size(), 1);
    EXPECT_EQ(s.app.st.RunsReported, 1);
}

}  // namespace
}  // namespace vt::test
