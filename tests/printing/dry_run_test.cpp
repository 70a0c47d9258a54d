// The dry run behind "Preview All Sheets": what PRINT would print, with nothing written.
#include "printing/dry_run.h"

#include <gtest/gtest.h>

#include "site/pictures.h"
#include "support/file_snapshot.h"
#include "support/run_fixture.h"

namespace vt::test {
namespace {

TEST(DryRun, DrawsTheSheetsPrintWouldAndChangesNothing) {
    RunFixture f;
    f.settings.noPhoto = 0;
    f.settings.lastUnit = 2;
    f.settings.startDate = "12-08-2026";  // today: PRINT asks first
    for (int s = 1; s <= 20; ++s) {
        f.Add(1, s, std::to_string(1000 + s), "East, Resident").nourishments[1] = {"Cookies", "",
                                                                                   ""};
    }
    for (int s = 1; s <= 15; ++s) f.Add(2, s, std::to_string(2000 + s), "West, Resident");
    f.Prepare();
    // A plain picture, which a print run stores in the protected form first.
    site::WriteResidentPicture(f.tp.root(), f.layout, "1001", site::PictureKind::Jpeg, {200, 0, 0});
    // The 2pm period ticked in the window and not stored yet: PRINT stores it first.
    f.app->form1.Check2.Value = 1;
    f.app->form1.Form.Caption = "Main window";
    f.app->form2.Form.Caption = "Simple window";
    const auto filesBefore = FilesUnder(f.tp.root());

    RecordingSurface sheets(4.8);
    const DryRunResult dry = DrawDryRun(*f.app, sheets, [] { return true; });

    EXPECT_EQ(ChangedFiles(filesBefore, FilesUnder(f.tp.root())), std::vector<std::string>{});
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
    EXPECT_TRUE(f.tp.printers.printer.ops.empty());
    EXPECT_EQ(f.app->form1.Form.Caption, "Main window");
    EXPECT_EQ(f.app->form2.Form.Caption, "Simple window");
    EXPECT_EQ(f.app->form1.Check2.Value, 1);
    EXPECT_TRUE(dry.complete) << dry.failure;

    f.tp.dialogs.answers.push_back(MsgAnswer::Yes);
    f.app->st.PreviewMode = 0;
    Command1_Click(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u) << "the date question";
    const RecordingSurface& printed = f.tp.printers.printer;
    ASSERT_EQ(sheets.Documents(), printed.Documents());
    EXPECT_EQ(dry.report.sheets, printed.Documents());
    EXPECT_EQ(dry.report.Labels(), f.app->st.Report.Labels());
    EXPECT_EQ(dry.report.noLabel.size(), 15u) << "the west unit at 2pm";
    EXPECT_EQ(dry.report.noLabel.size(), f.app->st.Report.noLabel.size());
    const auto dryLabels = RunFixture::Labels(sheets);
    const auto printedLabels = RunFixture::Labels(printed);
    ASSERT_EQ(dryLabels.size(), printedLabels.size());
    EXPECT_EQ(dryLabels.size(), 35u + 20u) << "two units at 10am, the first at 2pm";
    for (std::size_t i = 0; i < dryLabels.size(); ++i) {
        EXPECT_EQ(dryLabels[i].lines, printedLabels[i].lines) << i;
        EXPECT_EQ(dryLabels[i].left, printedLabels[i].left) << i;
        EXPECT_EQ(dryLabels[i].top, printedLabels[i].top) << i;
        EXPECT_EQ(dryLabels[i].document, printedLabels[i].document) << i;
    }
    const auto pictures = [](const RecordingSurface& s) {
        return std::count_if(s.ops.begin(), s.ops.end(), [](const RecordedOp& op) {
            return op.kind == RecordedOp::Kind::Picture;
        });
    };
    EXPECT_EQ(pictures(sheets), 2) << "resident 1001's picture at 10am and at 2pm";
    EXPECT_EQ(pictures(sheets), pictures(printed));
}

}  // namespace
}  // namespace vt::test
