// The main window's widgets follow the models, and an operator's keys reach the handlers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "platform/qt/image_page.h"
#include "platform/qt/painter_surface.h"
#include "program/startup.h"
#include "site/demo_site.h"
#include "support/qt/demo_station.h"
#include "support/test_support.h"
#include "ui/main/main_window_handlers.h"
#include "ui/main/view/alignment_dialog.h"
#include "ui/main/view/main_window.h"
#include "ui/program/view/program_windows.h"
#include "ui/window_checks.h"

namespace vt::test {
namespace {

struct ViewFixture {
    TestPlatform tp;
    ImagePage page{kPreviewPixels};
    PainterSurface picture2{page};
    App app{tp.platform};
    std::unique_ptr<MainWindow> window;

    ViewFixture() {
        site::BuildDemoSite(tp.root(), tp.clock.Today(), false);
        app.form1.Picture2 = &picture2;
        Form_Load(app);
        // The fake picture loader gives pictures a painter cannot draw: no photos here.
        app.form1.Check5.Value = 1;
        StoreAndReread(app);
        tp.dialogs.asked.clear();
        window = std::make_unique<MainWindow>(app, page);
        window->show();
    }
    // The line edit of a text box, known by its model's tooltip.
    QLineEdit* TextWithTip(const std::string& tip) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (edit->toolTip().toStdString() == tip) return edit;
        }
        return nullptr;
    }
};

TEST(MainWindowView, ShowsTheModelsAndTheirCaptions) {
    ViewFixture f;
    EXPECT_EQ(f.window->windowTitle().toStdString(), f.app.form1.Form.Caption);
    QLineEdit* height = f.TextWithTip(f.app.form1.Text6.ToolTipText);
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(height->text().toStdString(), f.app.form1.Text6.Text);
}

TEST(MainWindowView, TabFollowsTheLayoutAndTheCalendarStartsItsWeeksOnSunday) {
    MondayLocale monday;
    ViewFixture f;
    // Row by row from the top, left to right within a row, the snack list editor last.
    const QStringList expected = {"Text1",    "Text2",    "Check11",  "Text21",          "Combo1",
                                  "Command3", "Command2", "Text3",    "Text4",           "Text20",
                                  "Text9",    "Combo2",   "Text5",    "Text6",           "Text7",
                                  "Text8",    "Text10",   "Text19",   "wwDateTimeEdit1", "Check1",
                                  "Check2",   "Check3",   "Check4",   "Check13",         "Check7",
                                  "Text11",   "Text16",   "Text17",   "Text14",          "Option1",
                                  "Option2",  "Option3",  "Option4",  "Option5",         "Command6",
                                  "Command4", "Text12",   "Text18",   "Check5",          "Check6",
                                  "Check9",   "Check10",  "Command1", "Command5",        "Check8",
                                  "Check12",  "Text13",   "Text15",   "RichTextBox1"};
    EXPECT_EQ(TabOrder(*f.window, "Text1"), expected);
    EXPECT_EQ(CalendarFirstDay(*f.window), Qt::Sunday);
}

TEST(MainWindowView, EveryCaptionShowsWhole) {
    ViewFixture f;
    EXPECT_EQ(CutCaptions(*f.window), QStringList());
}

TEST(MainWindowView, StartAtLabelIsOneForBothWindowsAndTheTestSheetAndMenuSayWhereTheyWent) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    MainWindow& main = windows.Main();
    auto* start = main.findChild<QSpinBox*>("StartAtLabel");
    auto* panelStart = windows.Simple().findChild<QSpinBox*>("StartAtLabel");
    ASSERT_TRUE(start && panelStart);
    EXPECT_EQ(start->maximum(), 30);  // ten rows of three
    start->setValue(20);
    EXPECT_EQ(s.app.st.StartAtLabel, 20);
    EXPECT_EQ(panelStart->value(), 20);
    // Five rows: cell 20 is off the sheet, and a run would start at the first.
    auto* rows = main.findChild<QLineEdit*>("Text8");
    rows->setFocus();
    rows->selectAll();
    QTest::keyClicks(rows, "5");
    QTest::keyClick(rows, Qt::Key_Return);
    EXPECT_EQ(start->maximum(), 15);
    EXPECT_EQ(panelStart->maximum(), 15);
    EXPECT_EQ(start->value(), 1);
    EXPECT_EQ(panelStart->value(), 1);

    QString title;
    QTimer::singleShot(0, [&title] {
        auto* dialog = qobject_cast<AlignmentDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->findChild<QPushButton*>("PrintTestSheet")->click();
        dialog->reject();
    });
    main.findChild<QPushButton*>("Alignment")->click();
    EXPECT_TRUE(title.contains(kPdfPrinterName)) << title.toStdString();
    ASSERT_EQ(s.Pdfs("test-sheet").size(), 1);

    // Both windows say what went out and where: the test sheet, then the snack menu.
    const auto said = [](QWidget& window) {
        return window.findChild<QLabel*>(QStringLiteral("RunStatusText"))->text();
    };
    for (QWidget* window :
         {static_cast<QWidget*>(&main), static_cast<QWidget*>(&windows.Simple())}) {
        EXPECT_TRUE(said(*window).contains("Printed the test sheet to Vittlon PDF: "))
            << said(*window).toStdString();
        EXPECT_TRUE(said(*window).contains(s.Pdfs("test-sheet")[0]));
    }
    main.findChild<QPushButton*>(QStringLiteral("Command5"))->click();
    ASSERT_EQ(s.Pdfs("menu").size(), 1);
    for (QWidget* window :
         {static_cast<QWidget*>(&main), static_cast<QWidget*>(&windows.Simple())}) {
        EXPECT_TRUE(said(*window).contains("Printed the snack menu to Vittlon PDF: "))
            << said(*window).toStdString();
        EXPECT_TRUE(said(*window).contains(s.Pdfs("menu")[0]));
    }
}

TEST(MainWindowView, AnotherStartBringsTheMinimizedWindowsBack) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    windows.Main().showMinimized();
    windows.Simple().showMinimized();
    windows.ToFront();
    EXPECT_FALSE(windows.Main().isMinimized());
    EXPECT_FALSE(windows.Simple().isMinimized());
    EXPECT_TRUE(windows.Main().isVisible());
    EXPECT_FALSE(windows.Report().isVisible()) << "a closed window stays closed";
}

// After a print run from either window the preview shows the next run's first sheet, as
// start-up drew it: the run went back to the first cell and drew nothing into the box.
TEST(MainWindowView, AfterAPrintRunThePreviewShowsTheNextRunsFirstSheet) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    auto* box = windows.Main().findChild<QLabel*>(QStringLiteral("Picture2"));
    ASSERT_NE(box, nullptr);
    const QImage fresh = box->pixmap().toImage();
    for (QWidget* window :
         {static_cast<QWidget*>(&windows.Main()), static_cast<QWidget*>(&windows.Simple())}) {
        window->findChild<QSpinBox*>(QStringLiteral("StartAtLabel"))->setValue(7);
        EXPECT_NE(box->pixmap().toImage(), fresh) << "cells 1 to 6 outlined, labels from 7";
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        EXPECT_EQ(s.app.st.StartAtLabel, 1);
        EXPECT_EQ(box->pixmap().toImage(), fresh) << window->objectName().toStdString();
    }
    EXPECT_EQ(s.Pdfs("labels").size(), 2);
}

// A screen smaller than the designed window: the window fits it, its content scrolls, and a
// wider window gives the snack list editor its whole grid, to Saturday, beside no control.
TEST(MainWindowView, TheWindowFitsTheScreenAndTheEditorTakesTheRoomItHas) {
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    MainWindow& main = windows.Main();
    const QRect screen = main.screen()->availableGeometry();
    ASSERT_LT(screen.width(), s.app.form1.Form.Width / 15) << "the test needs a small screen";
    EXPECT_TRUE(screen.contains(main.geometry())) << main.width() << "x" << main.height();
    auto* scroll = qobject_cast<QScrollArea*>(main.centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0) << "the rest of the window scrolls in";

    auto* editor = main.findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"));
    ASSERT_TRUE(editor->isVisible());
    EXPECT_GT(editor->horizontalScrollBar()->maximum(), 0) << "the designed width ends at Thursday";
    main.resize(1600, 900);
    QApplication::processEvents();
    EXPECT_EQ(editor->horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(editor->height(), 400);
    for (const char* own : {"PreviewAllSheets", "Alignment", "StartAtLabel"}) {
        EXPECT_FALSE(
            main.findChild<QWidget*>(QLatin1String(own))->geometry().intersects(editor->geometry()))
            << own;
    }
    // A handler's refresh keeps the size the operator gave the window.
    main.findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
    EXPECT_EQ(main.size(), QSize(1600, 900));
}

TEST(MainWindowView, EnterInTheHeightStoresAndRedraws) {
    ViewFixture f;
    QLineEdit* height = f.TextWithTip(f.app.form1.Text6.ToolTipText);
    ASSERT_NE(height, nullptr);
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, "1500");
    QTest::keyClick(height, Qt::Key_Return);
    EXPECT_EQ(f.app.st.LabelHeight, 1500);
    EXPECT_EQ(f.app.st.PreviewMode, 1);
}

TEST(MainWindowView, ThePreviewBoxShowsTheNewSheetAfterEnter) {
    ViewFixture f;
    auto* box = f.window->findChild<QLabel*>(QStringLiteral("Picture2"));
    ASSERT_NE(box, nullptr);
    RedrawPreview(f.app);
    f.window->Refresh();
    const QImage before = box->pixmap().toImage();
    // The box shows the top of the sheet: a new top margin moves every label in it.
    QLineEdit* top = f.TextWithTip(f.app.form1.Text5.ToolTipText);
    top->setFocus();
    top->selectAll();
    QTest::keyClicks(top, "200");
    QTest::keyClick(top, Qt::Key_Return);
    const QImage after = box->pixmap().toImage();
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
    ASSERT_EQ(after.size(), before.size());
    EXPECT_NE(after, before);
}

TEST(MainWindowView, TypingInTheSnackListEditorKeepsItsGridAndEscapeSavesIt) {
    ViewFixture f;
    auto* editor = f.window->findChild<QPlainTextEdit*>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible()) << "the demo station has the snack menu on";
    const std::string path = f.app.st.SnackFile;
    const std::string before = ReadHostFile(f.tp.Host(path));
    editor->setFocus();
    QTest::keyClicks(editor, "Soup");
    EXPECT_EQ(f.app.form1.RichTextBox1.Text.substr(681, 4), "Soup");
    EXPECT_EQ(editor->document()->findBlockByNumber(4).text().mid(17, 4), "Soup");
    QTest::keyClick(editor, Qt::Key_Tab);  // to Monday's cell, right of the border
    EXPECT_EQ(f.app.form1.RichTextBox1.SelStart, 4 * 166 + 38);
    QTest::keyClick(editor, Qt::Key_Insert);
    EXPECT_EQ(f.app.form1.Label6.Caption, "INSERT MDE");
    QTest::keyClick(editor, 'X');
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(editor, 'V', Qt::ControlModifier);  // no paste around the commands
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(f.tp.events.quit);

    const std::string after = ReadHostFile(f.tp.Host(path));
    ASSERT_EQ(after.size(), before.size());
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto was = static_cast<unsigned char>(before[i]);
        if (was >= 179 || was == '\r' || was == '\n') {
            ASSERT_EQ(after[i], before[i]) << "border or line end moved at " << i;
        }
        if (after[i] != before[i]) ++changed;
    }
    EXPECT_EQ(after.substr(681, 4), "Soup");
    EXPECT_EQ(after[4 * 166 + 38], 'X');
    EXPECT_LE(changed, 4 + 20) << "only the two cells typed in";
}

}  // namespace
}  // namespace vt::test
