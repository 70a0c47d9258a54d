// The command line's rules: what each option asks of the run, and what is refused as bad usage
// before the program starts.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/printers.h"

namespace vt::test {
namespace {

CommandLine Parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vittlon");
    return ParseCommandLine(arguments);
}

TEST(CommandLine, NoArgumentsStartTheWindowsAsAlways) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.action, CommandLine::Action::Start);
    EXPECT_FALSE(line.run.print);
    EXPECT_FALSE(line.drives);
    EXPECT_FALSE(line.outputPdf);
}

TEST(CommandLine, HelpAndVersionAreAnswered) {
    for (const char* option : {"-h", "--help"}) {
        const CommandLine line = Parse({option});
        EXPECT_EQ(line.action, CommandLine::Action::Answer);
        EXPECT_EQ(line.text.rfind("Usage: vittlon [options]\n", 0), 0u) << option;
    }
    for (const char* option : {"-v", "--version"}) {
        const CommandLine line = Parse({option});
        EXPECT_EQ(line.action, CommandLine::Action::Answer);
        EXPECT_EQ(line.text, "Vittlon " VITTLON_VERSION "\n") << option;
    }
}

TEST(CommandLine, APrintRunTakesItsDateOutputAndAnswer) {
    const CommandLine line = Parse({"--drives", "/srv/drives", "--print", "--date", "12-31-2026",
                                    "--output", "east.PDF", "--yes"});
    ASSERT_EQ(line.action, CommandLine::Action::Start) << line.text;
    EXPECT_EQ(line.drives, "/srv/drives");
    EXPECT_TRUE(line.run.print);
    EXPECT_EQ(line.run.startDate, Date(2026, 12, 31));
    EXPECT_EQ(line.outputPdf, "east.PDF");
    EXPECT_EQ(line.run.printer, kPdfPrinterName) << "an output file goes through the PDF printer";
    EXPECT_TRUE(line.run.printTodayOrPast);

    const CommandLine queue = Parse({"--print", "--printer", "Kitchen"});
    EXPECT_EQ(queue.run.printer, "Kitchen");
    EXPECT_FALSE(queue.run.startDate);
    EXPECT_EQ(queue.run.startAtLabel, 1);
    EXPECT_EQ(queue.run.userLabels, 0);

    // File names keep their bytes, UTF-8 or not; a printer's name becomes the program's text.
    const CommandLine bytes = Parse({"--drives", "/srv/dr\xffives", "--print", "--printer",
                                     "K\xc3\xbc"
                                     "che"});
    EXPECT_EQ(bytes.drives, "/srv/dr\xffives");
    EXPECT_EQ(bytes.run.printer,
              "K\xfc"
              "che");
    EXPECT_EQ(Parse({"--print", "--output", "bad\xff\xfename.pdf"}).outputPdf,
              "bad\xff\xfename.pdf");

    const CommandLine partUsed =
        Parse({"--print", "--start-at", "7", "--user-labels", "4", "--sheets", "2-3, 8"});
    EXPECT_EQ(partUsed.run.startAtLabel, 7);
    EXPECT_EQ(partUsed.run.userLabels, 4);
    EXPECT_EQ(partUsed.run.sheets.pages, (std::set<long>{2, 3, 8}));
    EXPECT_TRUE(Parse({"--print"}).run.sheets.Every());
}

TEST(CommandLine, BadUsageIsRefusedWithWhatWasWrong) {
    struct Case {
        std::vector<std::string> arguments;
        const char* saysWhat;
    };
    const Case cases[] = {
        {{"--colour"}, "colour"},
        {{"labels.pdf"}, "labels.pdf"},
        {{"--drives"}, "drives"},
        {{"--date", "12-31-2026"}, "--date works only with --print"},
        {{"--yes"}, "--yes works only with --print"},
        {{"--print", "--date", "02-30-2027"}, "02-30-2027"},
        {{"--print", "--date", "2027-01-04"}, "2027-01-04"},
        {{"--print", "--date", "12-31-1999"}, "12-31-1999"},
        {{"--print", "--output", "labels.txt"}, "labels.txt"},
        {{"--print", "--output",
          "K\xc3\xbc"
          "che.txt"},
         "'K\xc3\xbc"
         "che.txt'"},
        {{"--print", "--printer", "Kitchen", "--output", "a.pdf"}, "Kitchen"},
        {{"--print", "--printer", ""}, "--printer"},
        {{"--start-at", "7"}, "--start-at works only with --print"},
        {{"--print", "--start-at", "0"}, "'0'"},
        {{"--print", "--start-at", "-3"}, "'-3'"},
        {{"--print", "--user-labels", "12x"}, "'12x'"},
        {{"--print", "--user-labels", "10000"}, "'10000'"},
        {{"--sheets", "2"}, "--sheets works only with --print"},
        {{"--print", "--sheets", "3-1"}, "'3-1': the range 3-1 goes backwards"},
        {{"--print", "--sheets", ""}, "--sheets needs sheet numbers"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.arguments);
        EXPECT_EQ(line.action, CommandLine::Action::BadUsage) << c.arguments.back();
        EXPECT_NE(line.text.find(c.saysWhat), std::string::npos) << line.text;
        EXPECT_NE(line.text.find("vittlon --help"), std::string::npos) << line.text;
    }
}

}  // namespace
}  // namespace vt::test
