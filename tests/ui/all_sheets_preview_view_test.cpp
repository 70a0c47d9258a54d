// "Preview All Sheets" on the main window, operated as an operator does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/image_page.h"
#include "printing/sheet_geometry.h"
#include "support/file_snapshot.h"
#include "support/window_station.h"
#include "ui/main/view/main_window.h"

namespace vt::test {
namespace {

TEST(AllSheetsPreviewView, ShowsEverySheetPrintPrintsWritingNothingAndItsPrintPrints) {
    // Two units at 10am and 2pm: 44 labels, two sheets.
    WindowStation station(3, WindowStation::Files::HeldBack);
    station.settings.lastUnit = 2;
    station.settings.periodOn = {1, 1, 0, 0};
    for (int s = 4; s <= 18; ++s) station.Add(1, s, std::to_string(1000 + s), "East, Resident");
    for (int s = 1; s <= 8; ++s) station.Add(2, s, std::to_string(2000 + s), "West, Resident");
    for (std::size_t r = 0; r < 18; ++r) station.residents[r].nourishments[1] = {"Cookies", "", ""};
    station.Prepare();
    ImagePage page{kPreviewPixels};
    MainWindow window(*station.app, page);
    window.show();
    const std::string title = window.windowTitle().toStdString();
    const auto filesBefore = FilesUnder(station.tp.root());

    QString sheetCount, pageCount;
    std::vector<std::string> changedFiles{"(not looked at)"};
    bool titleKept = false;
    int waits = 0;
    // Once every sheet is drawn: what the preview shows, then its Print.
    std::function<void()> whenDrawn = [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* count = dialog ? dialog->findChild<QLabel*>(QStringLiteral("SheetCount")) : nullptr;
        if ((!count || count->text().startsWith(QStringLiteral("Drawing"))) && ++waits < 1000) {
            QTimer::singleShot(10, whenDrawn);
            return;
        }
        ASSERT_NE(count, nullptr) << "the preview did not show";
        sheetCount = count->text();
        pageCount = dialog->findChild<QLabel*>(QStringLiteral("PageCount"))->text().trimmed();
        changedFiles = ChangedFiles(filesBefore, FilesUnder(station.tp.root()));
        titleKept = window.windowTitle().toStdString() == title;
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Print")), Qt::LeftButton);
    };
    QTimer::singleShot(0, whenDrawn);
    auto* preview = window.findChild<QPushButton*>(QStringLiteral("PreviewAllSheets"));
    ASSERT_NE(preview, nullptr);
    QTest::mouseClick(preview, Qt::LeftButton);

    EXPECT_EQ(sheetCount, "2 sheets, 44 labels");
    EXPECT_EQ(pageCount, "of 2");
    EXPECT_EQ(changedFiles, std::vector<std::string>{}) << "the preview wrote these";
    EXPECT_TRUE(titleKept) << "the preview changed the window title";
    EXPECT_EQ(station.tp.printers.printer.Documents(), 2) << "its Print prints";
    EXPECT_FALSE(ChangedFiles(filesBefore, FilesUnder(station.tp.root())).empty())
        << "a print stores and logs";
}

// Runs `then` on the modal dialog named `name` once it shows (and, for the preview, once every
// sheet is drawn), through the event loop.
void WhenShown(const char* name, std::function<void(QDialog&)> then, int waits = 0) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    auto* count = dialog ? dialog->findChild<QLabel*>(QStringLiteral("SheetCount")) : nullptr;
    const bool shown = dialog && dialog->objectName() == QLatin1String(name) &&
                       (!count || !count->text().startsWith(QStringLiteral("Drawing")));
    if (!shown && waits < 1000) {
        QTimer::singleShot(10, [=] { WhenShown(name, then, waits + 1); });
        return;
    }
    ASSERT_TRUE(shown) << name << " did not show";
    then(*dialog);
}

void Click(QDialog& dialog, const char* button) {
    auto* found = dialog.findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
}

void Ok(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

TEST(AllSheetsPreviewView, FindsAResidentsLabelsAndPrintsSheetsOrOneLabelAgain) {
    // 40 labels for unit 1 at 10am: two sheets of the three-across sheet of 30.
    WindowStation station(3, WindowStation::Files::HeldBack);
    for (int s = 4; s <= 40; ++s) {
        station.Add(1, s, std::to_string(1000 + s), s == 31 ? "Abernathy, Ruth" : "East, Resident");
    }
    station.Prepare();
    station.app->st.StartAtLabel = 4;
    ImagePage page{kPreviewPixels};
    MainWindow window(*station.app, page);
    window.show();
    auto* preview = window.findChild<QPushButton*>(QStringLiteral("PreviewAllSheets"));
    const RecordingSurface& printer = station.tp.printers.printer;

    // "abern" finds both Abernathys (slots 1 and 31: sheet 1 cell 4, sheet 2 cell 4); Enter
    // steps to the second, on the second sheet. Its sheet is printed again.
    QStringList found;
    int pageAfterEnter = 0;
    WhenShown("PreviewAllSheets", [&](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("FindLabel")), "abern");
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FoundLabels"));
        for (int row = 0; row < list->count(); ++row) found << list->item(row)->text();
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("FindLabel")), Qt::Key_Return);
        pageAfterEnter = dialog.findChild<QLineEdit*>(QStringLiteral("PageNumber"))->text().toInt();
        WhenShown("PrintSheetsDialog", [](QDialog& sheets) {
            auto* field = sheets.findChild<QLineEdit*>(QStringLiteral("SheetsToPrint"));
            EXPECT_EQ(field->text(), "2") << "the sheet on screen";
            field->setText(QStringLiteral("3"));
            Ok(sheets);
            EXPECT_TRUE(sheets.isVisible()) << "there is no sheet 3";
            field->setText(QStringLiteral("2"));
            Ok(sheets);
        });
        Click(dialog, "PrintSheets");
    });
    QTest::mouseClick(preview, Qt::LeftButton);
    EXPECT_EQ(found.join(QStringLiteral(" | ")).toStdString(),
              "R1001 Abernathy, Margaret \u2013 10a, 12-09-26 \u2013 sheet 1, cell 4 | "
              "R1031 Abernathy, Ruth \u2013 10a, 12-09-26 \u2013 sheet 2, cell 4");
    EXPECT_EQ(pageAfterEnter, 2);
    EXPECT_EQ(printer.Documents(), 1);
    EXPECT_EQ(RunFixture::Labels(printer).size(), 13u) << "sheet 2 alone: labels 28 to 40";
    EXPECT_EQ(station.app->st.Report.sheetsChosen, "2");
    EXPECT_EQ(station.app->st.StartAtLabel, 4);

    // A click on a label chooses it; it is printed again alone in cell 8 (row 3, column 2).
    station.tp.printers.printer.ops.clear();
    const SheetGeometry sheet = SheetGeometry::Of(station.app->st);
    WhenShown("PreviewAllSheets", [&](QDialog& dialog) {
        auto* view = dialog.findChild<QGraphicsView*>(QStringLiteral("Sheets"));
        const LabelPlace cell5 = sheet.Cell(5);  // Brennan's, the label after Margaret's
        const QPoint spot =
            view->mapFromScene(QPointF(cell5.left + 500, cell5.top + 500) / kTwipsPerPixel);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, spot);
        WhenShown("PrintLabelDialog", [](QDialog& cell) {
            auto* box = cell.findChild<QSpinBox*>(QStringLiteral("CellForLabel"));
            EXPECT_EQ(box->value(), 1);
            box->setValue(8);
            EXPECT_EQ(cell.findChild<QLabel*>(QStringLiteral("CellPlace"))->text(),
                      "row 3, column 2 of 3 x 10");
            Ok(cell);
        });
        Click(dialog, "PrintThisLabel");
    });
    QTest::mouseClick(preview, Qt::LeftButton);
    const auto printed = RunFixture::Labels(printer);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].lines[1].substr(0, 23), "R1002 Brennan, Kathleen");
    EXPECT_EQ(printed[0].left, sheet.Place(3, 2).left);
    EXPECT_EQ(station.app->st.Report.againAtCell, 8);
    EXPECT_EQ(station.app->st.StartAtLabel, 4);
}

}  // namespace
}  // namespace vt::test
