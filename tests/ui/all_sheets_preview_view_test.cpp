// "Preview All Sheets" on the main window, operated as an operator does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/image_page.h"
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

}  // namespace
}  // namespace vt::test
