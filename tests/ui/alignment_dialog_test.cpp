// A printer's alignment set in its dialog: tried out as it stands, kept only by OK.
#include "ui/main/view/alignment_dialog.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "platform/qt/printer_alignment_store.h"

namespace vt::test {
namespace {

void Type(QDoubleSpinBox& box, const char* text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, QString::fromLatin1(text));
}

TEST(AlignmentDialog, TriedAsItStandsAndKeptForItsPrinterOnlyByOk) {
    const std::string printer = "Dietary/Labels 1";
    StoreAlignment(printer, {0.5, 0});
    std::vector<PrinterAlignment> tried;
    const auto tryOut = [&tried](const PrinterAlignment& alignment) { tried.push_back(alignment); };

    AlignmentDialog cancelled(printer, tryOut);
    cancelled.show();
    EXPECT_TRUE(cancelled.windowTitle().contains("Dietary/Labels 1"));
    auto* right = cancelled.findChild<QDoubleSpinBox*>("Right");
    auto* down = cancelled.findChild<QDoubleSpinBox*>("Down");
    ASSERT_TRUE(right && down);
    EXPECT_EQ(right->value(), 0.5);  // from what the printer keeps
    Type(*right, "1.5");
    Type(*down, "-2.3");
    EXPECT_EQ(cancelled.findChild<QLabel*>("RightInches")->text(), "= +0.059 in");
    EXPECT_EQ(cancelled.findChild<QLabel*>("DownInches")->text(), "= -0.091 in");
    cancelled.findChild<QPushButton*>("PrintTestSheet")->click();
    EXPECT_EQ(tried, (std::vector<PrinterAlignment>{{1.5, -2.3}}));
    cancelled.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_EQ(StoredAlignment(printer), (PrinterAlignment{0.5, 0}));

    AlignmentDialog accepted(printer, tryOut);
    accepted.show();
    Type(*accepted.findChild<QDoubleSpinBox*>("Down"), "4");
    // The scales start at 100 % and stay within 99.0 to 101.0 %, to a tenth.
    auto* across = accepted.findChild<QDoubleSpinBox*>("AcrossScale");
    auto* downScale = accepted.findChild<QDoubleSpinBox*>("DownScale");
    ASSERT_TRUE(across && downScale);
    EXPECT_EQ(across->value(), 100.0);
    Type(*across, "105");
    EXPECT_LE(across->value(), 101.0);
    Type(*across, "99.4");
    Type(*downScale, "100.5");
    accepted.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(StoredAlignment(printer), (PrinterAlignment{0.5, 4, 99.4, 100.5}));
    EXPECT_EQ(tried.size(), 1u);
}

}  // namespace
}  // namespace vt::test
