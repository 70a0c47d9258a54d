// Each printer's alignment in the user's configuration, which anyone may have edited.
#include "platform/qt/printer_alignment_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>

#include "platform/qt/qt_printers.h"
#include "platform/qt/user_config.h"

namespace vt {
namespace {

TEST(PrinterAlignmentStore, KeptPerPrinterAndReadSafelyWhateverTheFileHolds) {
    const std::string kitchen = "Kitchen/Labels 2";
    const std::string ward = "Ward Labels";
    StoreAlignment(kitchen, {1.5, -0.7});
    StoreAlignment(ward, {-3.2, 0.4});
    StoreAlignment("Kitchen", {2, 2});
    EXPECT_EQ(StoredAlignment(kitchen), (PrinterAlignment{1.5, -0.7}));
    EXPECT_EQ(StoredAlignment(ward), (PrinterAlignment{-3.2, 0.4}));
    // "Kitchen" is a printer of its own, whose name only starts the same.
    StoreAlignment("Kitchen", {});
    EXPECT_EQ(StoredAlignment(kitchen), (PrinterAlignment{1.5, -0.7}));
    QtPrinters printers;
    EXPECT_EQ(printers.Alignment(kitchen), (PrinterAlignment{1.5, -0.7}));

    // None forgets the printer; the other keeps its own.
    StoreAlignment(kitchen, {});
    EXPECT_EQ(StoredAlignment(kitchen), PrinterAlignment{});
    EXPECT_EQ(StoredAlignment(ward), (PrinterAlignment{-3.2, 0.4}));
    {
        const auto config = OpenUserConfig();
        config->beginGroup("alignment");
        EXPECT_EQ(config->childGroups().size(), 1);  // the forgotten one leaves no trace
    }
    // Kept within reach, whatever was asked.
    StoreAlignment(kitchen, {40, std::nan("")});
    EXPECT_EQ(StoredAlignment(kitchen), (PrinterAlignment{kMaxAlignmentMm, 0}));
    StoreAlignment(kitchen, {0, 0, 104, 99.5});
    EXPECT_EQ(StoredAlignment(kitchen), (PrinterAlignment{0, 0, kMaxScalePercent, 99.5}));
    {
        // A scale of 100 % is not written: a printer that needs none keeps its distances only.
        StoreAlignment(kitchen, {1, 0, 100, 100.2});
        const auto config = OpenUserConfig();
        EXPECT_FALSE(config->contains("alignment/Kitchen%2FLabels%202/across_percent"));
        EXPECT_EQ(config->value("alignment/Kitchen%2FLabels%202/down_percent").toDouble(), 100.2);
    }

    // Values put in by hand.
    const auto config = OpenUserConfig();
    const QVariant values[][2] = {
        {"abc", "nan"}, {"25", "-1e308"}, {"inf", QStringList{"1", "2"}}, {"", " 2.5 "}};
    const double scales[] = {0, 1e9, std::nan(""), 100.7};  // the across scale put in with them
    const PrinterAlignment read[] = {{0, 0, kMinScalePercent, 100},
                                     {kMaxAlignmentMm, -kMaxAlignmentMm, kMaxScalePercent, 100},
                                     {0, 0, 100, 100},
                                     {0, 2.5, 100.7, 100}};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        config->setValue("alignment/Ward%20Labels/right_mm", values[i][0]);
        config->setValue("alignment/Ward%20Labels/down_mm", values[i][1]);
        config->setValue("alignment/Ward%20Labels/across_percent", scales[i]);
        config->sync();
        EXPECT_EQ(StoredAlignment(ward), read[i]) << i;
    }
}

TEST(PrinterAlignmentStore, AConfigurationThatCannotBeWrittenIsSaid) {
    // A file where the configuration's folder should be: nothing can be written there.
    const QString folder = QFileInfo(OpenUserConfig()->fileName()).absolutePath();
    QDir().rename(folder, folder + ".kept");
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(StoreAlignment("Ward Labels", {1, 1}));
    blocker.remove();
    QDir().rename(folder + ".kept", folder);
    EXPECT_TRUE(StoreAlignment("Ward Labels", {1, 1}));
}

}  // namespace
}  // namespace vt
