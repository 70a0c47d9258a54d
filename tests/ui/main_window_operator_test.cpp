// The main window operated as an operator does: keys and mouse clicks on the real widgets reach
// their handlers (what the handlers do is tested with them).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/image_page.h"
#include "support/window_station.h"
#include "ui/main/main_window_handlers.h"
#include "ui/main/view/main_window.h"

namespace vt::test {
namespace {

// Three residents, the first with cookies at 2pm, the 10am and 2pm labels ticked, and the main
// window shown over them.
struct OperatorFixture : WindowStation {
    ImagePage page{kPreviewPixels};
    std::unique_ptr<MainWindow> window;

    OperatorFixture() : WindowStation(3, Files::HeldBack) {
        residents[0].nourishments[1] = {"Cookies", "", ""};
        settings.periodOn = {1, 1, 0, 0};
        Prepare();
        window = std::make_unique<MainWindow>(*app, page);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <class W>
    W* Widget(const char* name) {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Text(int n) { return Widget<QLineEdit>(("Text" + std::to_string(n)).c_str()); }
    QCheckBox* Check(int n) { return Widget<QCheckBox>(("Check" + std::to_string(n)).c_str()); }
    // Overtype a text box from its start and confirm with Enter.
    void Type(int n, const QString& keys, bool enter = true) {
        QLineEdit* box = Text(n);
        box->setFocus();
        box->setCursorPosition(0);
        QTest::keyClicks(box, keys);
        if (enter) QTest::keyClick(box, Qt::Key_Return);
    }
    void Click(QAbstractButton* button, Qt::MouseButton mouse = Qt::LeftButton) {
        QTest::mouseClick(button, mouse, {}, button->rect().center());
    }
};

TEST(MainWindowOperator, ARightClickRenamesThePeriodOnBothWindowsAndThePrintedName) {
    OperatorFixture f;
    f.tp.dialogs.inputs = {"Noon"};
    f.Click(f.Check(2), Qt::RightButton);
    EXPECT_EQ(f.Check(2)->text(), "Noon");
    EXPECT_TRUE(f.Check(2)->isChecked()) << "a right click does not tick the box";
    EXPECT_EQ(f.app->form2.Check2.Caption, "Noon");
    ASSERT_EQ(f.tp.dialogs.prompts.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.prompts[0], "Nourishment Period Name");

    f.Type(5, "", true);  // Enter in the top margin: store, reread and redraw
    EXPECT_EQ(f.app->st.PeriodNames(2), "Noon");
    // The preview shows only the first period; the printed sheet has the afternoon label.
    f.Click(f.Widget<QPushButton>("Command1"));
    EXPECT_TRUE(f.AnyLineHas(f.tp.printers.printer, "EAST W [Noon] Wed 12-09-26"));
}

TEST(MainWindowOperator, WhatAnOperatorTypesNeverBreaksTheFiles) {
    OperatorFixture f;
    const std::size_t settingsSize = f.StoredSettings().size();
    f.Type(6, "abc");  // letters in a number box
    EXPECT_EQ(f.StoredSettings().size(), settingsSize);

    const std::string listPath = f.layout.SetupPath("LabList");
    const std::size_t listSize = f.Bytes(listPath).size();
    QComboBox* types = f.Widget<QComboBox>("Combo2");
    types->setFocus();
    types->lineEdit()->selectAll();
    const QString longName(500, QLatin1Char('W'));
    QTest::keyClicks(types->lineEdit(), longName);
    QTest::keyClick(types->lineEdit(), Qt::Key_Return);
    const std::string list = f.Bytes(listPath);
    EXPECT_EQ(list.size(), listSize);
    EXPECT_EQ(list.substr(0, 52), std::string(50, 'W') + "\r\n") << "cut to its 50 columns";
    EXPECT_EQ(f.app->form1.Combo2.List.at(0), std::string(25, 'W')) << "the list shows 25";
}

TEST(MainWindowOperator, EnterInTheLabelTypeListStoresTheTypeAndRedraws) {
    OperatorFixture f;
    site::LabelGeometry second = f.geometry;
    second.top = 1000;
    site::WriteLabelTypes(f.tp.root(), f.layout, {{"Test sheet", f.geometry}, {"Deep", second}});
    GetSet(*f.app);
    f.window->Refresh();
    f.preview.ops.clear();

    // The keyboard goes to the list itself, not to the line inside it.
    QComboBox* types = f.Widget<QComboBox>("Combo2");
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    ASSERT_EQ(types->currentIndex(), 1);
    QTest::keyClick(types, Qt::Key_Return);

    EXPECT_EQ(f.StoredSettings().substr(0, 2), "2 ");
    const auto labels = RunFixture::Labels(f.preview);
    ASSERT_FALSE(labels.empty()) << "Enter redraws the preview";
    EXPECT_EQ(labels[0].top, 1000) << "on the chosen sheet";
}

TEST(MainWindowOperator, TheExitButtonWorksWhileLabelsPrint) {
    OperatorFixture f;
    QPushButton* exit = f.Widget<QPushButton>("Command3");
    int pumped = 0;
    f.tp.events.onDoEvents = [&] {
        if (++pumped == 1) f.Click(exit);
    };
    f.Click(f.Widget<QPushButton>("Command1"));
    EXPECT_GE(pumped, 1);
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_LT(f.Printed().size(), 4u) << "the run stops at the exit request";
}

}  // namespace
}  // namespace vt::test
