// Files of one resident or one unit that are there but cannot be read: the run goes on without
// them and tells each once on the error output.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "site/dining_file.h"
#include "support/error_output.h"
#include "support/open_file_limit.h"
#include "support/run_fixture.h"

namespace vt::test {
namespace {

std::vector<std::string> PrintedNames(const RunFixture& f) {
    std::vector<std::string> names;
    for (const DrawnLabel& label : f.Printed()) names.push_back(label.lines[1]);
    return names;
}

void ExpectLine(const std::string& line, const std::string& who, const std::string& file) {
    EXPECT_EQ(line.rfind("Vittlon: " + who + " left out: ", 0), 0u) << line;
    EXPECT_NE(line.find(file + " could not be read: Too many open files"), std::string::npos)
        << line;
}

TEST(LeftOut, AResidentWhoseDataOrDiningFileCannotBeReadIsLeftOutOnce) {
    if (!OpenFileLimit::Usable()) GTEST_SKIP() << "file handles run out only in the normal build";
    RunFixture f;
    f.settings.periodOn = {1, 0, 0, 1};
    f.settings.trayLabels = 1;  // every resident's dining rooms are looked up
    f.settings.lastResident = 4;
    for (int s = 1; s <= 4; ++s) {
        const std::string key = std::to_string(1000 + s);
        f.Add(1, s, key, "Person, Some").nourishments[3] = {"Cocoa " + key, "", ""};
    }
    site::WriteDiningFile(f.tp.root(), f.layout, {{"GR1", "Garden Room"}});
    // Slot 2 cannot open its data file; slot 3 opens its data file but not the dining file,
    // which the records system has just written anew (so it must be read again).
    std::optional<OpenFileLimit> limit;
    f.tp.events.onDoEvents = [&] {
        limit.reset();
        if (f.app->st.ResidentNo == 1) limit.emplace(0);
        if (f.app->st.ResidentNo == 2) {
            site::WriteDiningFile(f.tp.root(), f.layout, {{"GR1", "Garden Room"}});
            limit.emplace(1);
        }
    };
    CapturedErrorOutput errors;
    f.Print();
    limit.reset();

    EXPECT_EQ(PrintedNames(f),
              (std::vector<std::string>{"R1001 Person, Some", "R1004 Person, Some",
                                        "R1001 Person, Some", "R1004 Person, Some"}));
    EXPECT_TRUE(f.tp.dialogs.asked.empty()) << "the run was not stopped";
    const auto lines = errors.Lines();
    ASSERT_EQ(lines.size(), 2u) << "each once, though both periods and the trays came by them";
    ExpectLine(lines[0], "unit 1, slot 2 (resident 1002)", "\\1002.~D1");
    ExpectLine(lines[1], "unit 1, slot 3 (resident 1003)", f.layout.DiningPath());
}

TEST(LeftOut, AUnitWhoseResidentListCannotBeReadIsLeftOut) {
    if (!OpenFileLimit::Usable()) GTEST_SKIP() << "file handles run out only in the normal build";
    RunFixture f;
    f.settings.lastUnit = 2;
    f.settings.lastResident = 1;
    f.Add(1, 1, "1001", "First, Unit");
    f.Add(2, 1, "2001", "Second, Unit");
    // From the end of unit 1 on, no file can be opened (the print log goes unwritten too).
    std::optional<OpenFileLimit> limit;
    f.tp.events.onDoEvents = [&] {
        if (f.app->st.UnitNo == 1) limit.emplace(0);
    };
    CapturedErrorOutput errors;
    f.Print();
    limit.reset();

    EXPECT_EQ(PrintedNames(f), std::vector<std::string>{"R1001 First, Unit"});
    EXPECT_TRUE(f.tp.dialogs.asked.empty()) << "the run was not stopped";
    const auto lines = errors.Lines();
    ASSERT_EQ(lines.size(), 3u);
    ExpectLine(lines[0], "unit 2", "\\sfl2.D1");
    // Nor can the log entry or the run report be written; the run does not fail for them.
    EXPECT_NE(lines[1].find("the print log entry was not written"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("the run report could not be saved"), std::string::npos) << lines[2];
}

}  // namespace
}  // namespace vt::test
