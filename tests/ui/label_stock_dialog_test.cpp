// "Label Stock..." on the main window: a standard sheet found and taken with Enter fills the
// current label type, which is stored as after Enter in a sheet field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/image_page.h"
#include "platform/qt/label_stock_catalogue.h"
#include "site/label_types.h"
#include "support/file_snapshot.h"
#include "support/scoped_env.h"
#include "support/window_station.h"
#include "ui/main/view/main_window.h"

namespace vt::test {
namespace {

// Runs `then` on the label stock dialog once it shows.
void WhenStockShown(std::function<void(QDialog&)> then, int waits = 0) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if ((!dialog || dialog->objectName() != QLatin1String("LabelStockDialog")) && waits < 500) {
        QTimer::singleShot(10, [=] { WhenStockShown(then, waits + 1); });
        return;
    }
    ASSERT_NE(dialog, nullptr) << "the label stock dialog did not show";
    then(*dialog);
}

TEST(LabelStockDialog, FiveOneSixtyAndEnterStoreTheSheetAndNameABlankType) {
    WindowStation station(1, WindowStation::Files::HeldBack);
    station.Prepare();
    // The current label type has no name yet.
    site::WriteLabelTypes(station.tp.root(), station.layout, {{"", station.geometry}});
    GetSet(*station.app);
    ImagePage page{kPreviewPixels};
    MainWindow window(*station.app, page);
    window.show();

    bool focused = false;
    WhenStockShown([&](QDialog& dialog) {
        auto* search = dialog.findChild<QLineEdit*>(QStringLiteral("StockSearch"));
        focused = dialog.focusWidget() == search;
        QTest::keyClicks(search, "5160");
        QTest::keyClick(search, Qt::Key_Return);
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("LabelStock")), Qt::LeftButton);

    EXPECT_TRUE(focused) << "the search field has the focus";
    const std::string types = station.Bytes(station.layout.SetupPath("Labeltyp"));
    ASSERT_GE(types.size(), 50u);
    EXPECT_EQ(types.substr(10, 40), "720  1440 3780 10   225  4230 8235 0    ");
    const std::string names = station.Bytes(station.layout.SetupPath("LabList"));
    EXPECT_EQ(names.substr(0, 25), "Avery 5160 Address Labels");
    EXPECT_EQ(station.app->st.ColumnX(3), 8235) << "read back into the state";
}

TEST(LabelStockDialog, WithoutTheCatalogueItSaysWhichPackageBringsItAndChangesNothing) {
    TempDir empty;
    ScopedEnv folder("VITTLON_LABEL_STOCK_DIR", empty.path().string());
    WindowStation station(1);
    ImagePage page{kPreviewPixels};
    MainWindow window(*station.app, page);
    window.show();
    const auto filesBefore = FilesUnder(station.tp.root());

    QString told;
    bool okEnabled = true;
    WhenStockShown([&](QDialog& dialog) {
        told = dialog.findChild<QLabel*>(QStringLiteral("StockMissing"))->text();
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        okEnabled = buttons->button(QDialogButtonBox::Ok)->isEnabled();
        buttons->button(QDialogButtonBox::Cancel)->click();
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("LabelStock")), Qt::LeftButton);
    EXPECT_TRUE(told.contains(QStringLiteral("not installed"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QString::fromLatin1(kLabelStockPackage))) << told.toStdString();
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(ChangedFiles(filesBefore, FilesUnder(station.tp.root())), std::vector<std::string>{});
}

}  // namespace
}  // namespace vt::test
