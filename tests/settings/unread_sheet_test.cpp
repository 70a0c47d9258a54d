// A label type's sheet that could not be read is never stored over.
#include <gtest/gtest.h>

#include "settings/label_settings.h"
#include "settings_fixture.h"
#include "site/label_types.h"
#include "support/error_output.h"
#include "support/open_file_limit.h"

namespace vt::test {
namespace {

TEST(UnreadSheet, AnUnreadableNameListLeavesTheGeometryRecordAsItIsAndIsToldOnce) {
    if (!OpenFileLimit::Usable()) GTEST_SKIP() << "file handles run out only in the normal build";
    StationFixture f;
    // No settings file: label type 1, and the name list is the first file GetSet opens.
    site::WriteLabelTypes(f.tp.root(), f.layout,
                          {{"Avery 5160", {"11-02-2026", 720, 1440, 3780, 10, {270, 4230, 0, 0}}}});
    const std::string geometry = f.Bytes(GeometryPath(f));
    CapturedErrorOutput errors;
    {
        const OpenFileLimit noFiles;
        GetSet(*f.app);
        GetSet(*f.app);  // as after every store: the same failure
    }
    EXPECT_EQ(f.app->form1.Text6.Text, "") << "the sheet was not read";
    SaveSet(*f.app);
    EXPECT_EQ(f.Bytes(GeometryPath(f)), geometry);
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
    const auto lines = errors.Lines();
    ASSERT_EQ(lines.size(), 1u) << "the same failure is not told again";
    EXPECT_EQ(lines[0].rfind("Vittlon: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find(f.app->st.LabListFile + ": Too many open files"), std::string::npos)
        << lines[0];
}

}  // namespace
}  // namespace vt::test
