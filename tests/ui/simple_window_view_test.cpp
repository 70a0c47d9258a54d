// The simple window operated as an operator does: clicks and keys on the real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "app/show_form2.h"
#include "site/small_files.h"
#include "support/window_station.h"
#include "ui/simple/view/simple_window.h"
#include "ui/simple/view/text_box_text.h"
#include "ui/window_checks.h"

namespace vt::test {
namespace {

// Resident 1001 alone, a saved user label text, and the simple window shown over them.
struct PanelFixture : WindowStation {
    std::unique_ptr<SimpleWindow> window;
    int afterHandler = 0;

    PanelFixture() : WindowStation(1, Files::HeldBack) {
        site::WriteUserLabelText(tp.root(), layout, "Happy Birthday");
        Prepare();
        ShowForm2(*app);
        window = std::make_unique<SimpleWindow>(*app);
        window->SetAfterHandler([this] { ++afterHandler; });
        window->Refresh();  // the model says visible: the window shows
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        preview.ops.clear();
    }
    template <class W>
    W* Widget(const char* name) {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPlainTextEdit* Text1() { return Widget<QPlainTextEdit>("Text1"); }
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
};

TEST(SimpleWindowView, TickingUserShowsTheTextAndRedrawsThePreviewAtOnce) {
    PanelFixture f;
    EXPECT_EQ(f.window->windowTitle().toStdString(), f.app->form2.Form.Caption);
    EXPECT_EQ(f.Widget<QPushButton>("Command3")->text(), "&Advanced");
    EXPECT_FALSE(f.Text1()->isVisible());
    f.Click(f.Widget<QCheckBox>("Check5"));
    EXPECT_TRUE(f.Text1()->isVisible());
    EXPECT_EQ(f.Text1()->toPlainText(), "Happy Birthday");
    EXPECT_EQ(f.app->st.UserLabelMode, 1);
    EXPECT_TRUE(f.PreviewHas("Happy Birthday"));
    EXPECT_EQ(f.afterHandler, 1);  // the main window may show the new preview
}

TEST(SimpleWindowView, TypingRedrawsOnlyWhenTheFocusLeavesTheText) {
    PanelFixture f;
    f.Click(f.Widget<QCheckBox>("Check5"));
    f.preview.ops.clear();
    QPlainTextEdit* text = f.Text1();
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "Welcome");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "Ros");
    // A letter beyond ASCII, as a keyboard layout with accents types it.
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier,
                       QString::fromUtf8("\xc3\xa9"));
    QCoreApplication::sendEvent(text, &accented);
    EXPECT_TRUE(f.preview.ops.empty());
    EXPECT_EQ(f.Bytes(f.layout.UserLabelPath()), "\"Happy Birthday\"\r\n");

    f.Widget<QDateEdit>("wwDateTimeEdit1")->setFocus();
    EXPECT_EQ(f.Bytes(f.layout.UserLabelPath()), "\"Welcome\r\nRos\xe9\"\r\n");
    EXPECT_TRUE(f.PreviewHas("Welcome"));
    EXPECT_EQ(f.app->st.UserLines(2), "Ros\xe9     ");
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("Welcome\nRos\xc3\xa9"));
}

TEST(SimpleWindowView, PrintGoesToThePrinterAndThePanelKeepsItsOwnTitle) {
    PanelFixture f;
    f.Click(f.Widget<QPushButton>("Command1"));
    EXPECT_FALSE(f.Printed().empty());
    EXPECT_EQ(f.window->windowTitle(), "[Easy] Vittlon");
}

TEST(SimpleWindowView, ThePeriodAndTrayBoxes) {
    PanelFixture f;
    EXPECT_FALSE(f.Widget<QCheckBox>("Check6")->isVisible());  // tray labels are off
    f.app->form1.Check13.Value = 1;
    ShowForm2(*f.app);
    f.window->Refresh();
    QCheckBox* tray = f.Widget<QCheckBox>("Check6");
    EXPECT_TRUE(tray->isVisible());
    EXPECT_TRUE(tray->isChecked());
    f.Click(tray);  // only an indicator: the main window's setting stays
    EXPECT_EQ(f.app->form1.Check13.Value, 1);

    const int before = f.app->form1.Check2.Value;
    f.Click(f.Widget<QCheckBox>("Check2"));
    EXPECT_NE(f.app->form1.Check2.Value, before);
    EXPECT_TRUE(f.preview.ops.empty());
}

TEST(SimpleWindowView, TheNumberOfUserLabelsGoesWithTheirTextAndTheFirstLabelIsSet) {
    PanelFixture f;
    auto* count = f.Widget<QSpinBox>("UserLabels");
    EXPECT_FALSE(count->isVisible());
    f.Click(f.Widget<QCheckBox>("Check5"));
    ASSERT_TRUE(count->isVisible());
    EXPECT_EQ(count->value(), 30);  // one period, one day
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "7");
    QTest::keyClick(count, Qt::Key_Return);
    EXPECT_EQ(f.app->st.UserLabelCount, 7);
    f.Click(f.Widget<QCheckBox>("Check5"));
    EXPECT_FALSE(count->isVisible());

    f.Widget<QSpinBox>("StartAtLabel")->setValue(4);
    EXPECT_EQ(f.app->st.StartAtLabel, 4);
}

TEST(SimpleWindowView, DuringAPrintRunOnlyExitIsTakenAndTheLeftTextIsSavedAfter) {
    PanelFixture f;
    f.app->form2.Text1.Visible = true;  // the residents' labels, with the text box showing
    f.window->Refresh();
    QPlainTextEdit* text = f.Text1();
    text->setFocus();
    text->selectAll();
    QTest::keyClicks(text, "Typed");
    // While the run lets events through, the operator leaves the text, ticks User (a second
    // run inside this one would draw into the wrong place) and at last presses Exit.
    int residents = 0;
    f.tp.events.onDoEvents = [&] {
        if (++residents > 1) return;
        f.Widget<QDateEdit>("wwDateTimeEdit1")->setFocus();
        f.Widget<QCheckBox>("Check5")->click();
        EXPECT_EQ(f.app->st.UserLabelMode, 0);
        f.Widget<QPushButton>("Command2")->click();
    };
    f.Widget<QPushButton>("Command1")->click();  // Alt+P: no focus change of its own
    f.tp.events.onDoEvents = nullptr;
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_EQ(f.app->st.StopRequested, 1);
    EXPECT_EQ(f.Bytes(f.layout.UserLabelPath()), "\"Typed\"\r\n");
    EXPECT_EQ(text->toPlainText(), "Typed");
    EXPECT_FALSE(f.Widget<QCheckBox>("Check5")->isChecked());  // the ignored tick is undone
}

TEST(SimpleWindowView, TabFollowsThePanelAndTheCalendarStartsItsWeeksOnSunday) {
    MondayLocale monday;
    PanelFixture f;
    const QStringList expected = {"wwDateTimeEdit1", "Check1",   "Check2",  "Check3",
                                  "Check4",          "Check5",   "Check6",  "Text1",
                                  "Command1",        "Command3", "Command2"};
    EXPECT_EQ(TabOrder(*f.window, "wwDateTimeEdit1"), expected);
    EXPECT_EQ(CalendarFirstDay(*f.window), Qt::Sunday);
    EXPECT_EQ(CutCaptions(*f.window), QStringList());
}

TEST(SimpleWindowView, ANewDateReachesTheMainWindow) {
    PanelFixture f;
    f.app->form1.Text9.Text = "7";
    f.Widget<QDateEdit>("wwDateTimeEdit1")->setDate(QDate(2026, 12, 30));
    EXPECT_EQ(f.app->form1.wwDateTimeEdit1.Value, Date(2026, 12, 30));
    EXPECT_EQ(f.app->st.ExpDate, Date(2027, 1, 6));
}

TEST(SimpleWindowView, AdvancedShowsTheMainWindowAndClosingThePanelNeverLeavesNone) {
    PanelFixture f;
    QSignalSpy wanted(f.window.get(), &SimpleWindow::MainWindowWanted);
    f.app->form1.Form.Visible = false;
    f.Click(f.Widget<QPushButton>("Command3"));
    EXPECT_TRUE(f.app->form1.Form.Visible);
    EXPECT_EQ(wanted.count(), 1);
    EXPECT_TRUE(f.window->isVisible());

    f.app->form1.Form.Visible = false;
    f.window->close();
    EXPECT_FALSE(f.app->form2.Form.Visible);
    EXPECT_TRUE(f.app->form1.Form.Visible);
    EXPECT_FALSE(f.tp.events.quit);
}

TEST(SimpleWindowView, TextBoxTextBetweenModelAndWidget) {
    struct Case {
        const char* why;
        std::string model;
        QString widget;
    };
    const Case cases[] = {
        {"CR LF is a line break", "A\r\nB", QStringLiteral("A\nB")},
        {"Windows-1252 letters and quotes", "Caf\xe9 \x93hi\x94",
         QString::fromUtf8("Caf\xc3\xa9 \xe2\x80\x9chi\xe2\x80\x9d")},
        {"an empty text", "", QString()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WidgetText(c.model), c.widget) << c.why;
        EXPECT_EQ(ModelText(c.widget), c.model) << c.why;
    }
    // A paragraph separator from the text document is a line break too; what the code page
    // cannot hold becomes '?'.
    EXPECT_EQ(ModelText(QStringLiteral("A") + QChar(QChar::ParagraphSeparator) + "B"), "A\r\nB");
    EXPECT_EQ(ModelText(QString::fromUtf8("\xe2\x82\xac \xe4\xb8\xad")), "\x80 ?");
}

}  // namespace
}  // namespace vt::test
