// A day at the dietary office, driven through both windows with keys and clicks, on the demo
// site with the real Qt platform: printing goes to "Vittlon PDF" files that are read back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "support/qt/demo_station.h"
#include "ui/program/view/program_windows.h"

namespace vt::test {
namespace {

template <class W>
W* Find(QWidget& window, const char* name) {
    W* widget = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

TEST(WalkThrough, ADayAtTheDietaryOffice) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
    DemoStation s;
    ProgramWindows windows(s.app, s.dialogs, s.events);
    ASSERT_TRUE(windows.Start());
    SimpleWindow& simple = windows.Simple();
    MainWindow& main = windows.Main();
    // Both windows open, the simple one in front.
    ASSERT_TRUE(simple.isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&simple));

    // The simple window: the start date one day on, and the 2pm nourishments too.
    auto* date = Find<QDateEdit>(simple, "wwDateTimeEdit1");
    date->setFocus();
    date->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(date, Qt::Key_Up);
    EXPECT_EQ(s.app.form1.wwDateTimeEdit1.Value, Date(2026, 12, 10));
    Click(Find<QCheckBox>(simple, "Check2"));
    EXPECT_EQ(s.app.form1.Check2.Value, 1);

    Click(Find<QPushButton>(simple, "Command3"));  // Advanced
    ASSERT_TRUE(main.isVisible());
    main.activateWindow();

    // The second label type, two hundred twips shorter, with barcodes.
    auto* types = Find<QComboBox>(main, "Combo2");
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(s.app.st.LabelTypeNo, 2);
    auto* height = Find<QLineEdit>(main, "Text6");
    height->setFocus();
    height->selectAll();
    QTest::keyClicks(height, "1250");
    QTest::keyClick(height, Qt::Key_Return);
    EXPECT_EQ(s.app.st.LabelHeight, 1250);
    Click(Find<QCheckBox>(main, "Check9"));
    EXPECT_EQ(s.app.st.BarcodeOn, 1);
    // The preview box shows the new sheet.
    const QImage preview = Find<QLabel>(main, "Picture2")->pixmap().toImage();
    EXPECT_FALSE(preview.isNull());

    ASSERT_EQ(s.app.st.PrinterName, kPdfPrinterName);
    Click(Find<QPushButton>(main, "Command1"));
    const QStringList labels = s.Pdfs("labels");
    ASSERT_EQ(labels.size(), 1);
    const QString labelText = s.PdfText(labels[0]);
    EXPECT_TRUE(labelText.contains("Thu 12-10-26")) << "the new start date";
    EXPECT_TRUE(labelText.contains("[2pm]")) << "the period ticked on the simple window";

    // A snack cell typed over, and the week's menu printed.
    auto* editor = Find<QPlainTextEdit>(main, "RichTextBox1");
    ASSERT_TRUE(editor->isVisible());
    editor->setFocus();
    QTest::keyClicks(editor, "Tomato soup");
    Click(Find<QPushButton>(main, "Command5"));
    const QStringList menus = s.Pdfs("menu");
    ASSERT_EQ(menus.size(), 1);
    EXPECT_TRUE(s.PdfText(menus[0]).contains("Tomato soup"));

    Click(Find<QPushButton>(main, "Command3"));  // the exit picture button
    EXPECT_TRUE(s.events.QuitRequested());

    // What the day left on disk.
    const std::string settings = s.Bytes(s.layout.SetupPath("Labelset"));
    EXPECT_EQ(settings.substr(0, 2), "2 ") << "label type 2 is the station's choice";
    EXPECT_EQ(settings.substr(2, 10), "12-10-2026");
    EXPECT_EQ(settings.substr(100 + 31, 1), "1") << "barcodes on";
    const std::string types2 = s.Bytes(s.layout.SetupPath("Labeltyp")).substr(200, 100);
    EXPECT_EQ(types2.substr(15, 5), "1250 ") << "label type 2 keeps its new height";
    const std::string snacks = s.Bytes(s.layout.SnackListPath(1));
    EXPECT_EQ(snacks.substr(681, 11), "Tomato soup");
    EXPECT_EQ(snacks.size() % 166, 0u) << "every line still 164 characters and CR LF";
    const std::string log = s.Bytes(s.layout.SetupPath("L1"));
    EXPECT_FALSE(log.empty()) << "the print run is in the print log";
}

}  // namespace
}  // namespace vt::test
