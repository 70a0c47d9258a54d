// Splitting the user-defined label's text into its label lines.
#include <gtest/gtest.h>

#include "settings/user_label_text.h"
#include "support/test_support.h"

namespace vt::test {
namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

// UserLines(0..9) after MakeU of `text`.
std::vector<std::string> Split(const std::string& text) {
    TestPlatform tp;
    App app(tp.platform);
    app.st.UserLines.ReDim(0, 9);
    for (long i = 0; i <= 9; ++i) app.st.UserLines(i) = "left over";
    app.st.ULabelText = text;
    MakeU(app);
    EXPECT_EQ(app.st.UserLines.LBound(), 0);
    EXPECT_EQ(app.st.UserLines.UBound(), 9);
    std::vector<std::string> lines;
    for (long i = 0; i <= 9; ++i) lines.push_back(app.st.UserLines(i));
    return lines;
}

TEST(MakeU, SplitsTheTextIntoAtMostSevenLines) {
    struct Case {
        const char* why;
        std::string text;
        std::vector<std::string> lines;  // elements 0..9
    };
    const Case cases[] = {
        {"nine lines: the first seven are kept, the blanks pile up only after the last break",
         "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\nL7\r\nL8\r\nL9",
         {"", "L1", "L2", "L3", "L4", "L5", "L6", "L7", "", ""}},
        {"an empty second line ends the split; the rest keeps its breaks and the blanks",
         "Happy Birthday\r\n\r\nRose\r\nRoom 12",
         {"", "Happy Birthday", "\r\nRose\r\nRoom 12" + Blanks(5), "", "", "", "", "", "", ""}},
        {"no line break: one line, taken whole",
         "Happy Birthday, Rose",
         {"", "Happy Birthday, Rose", "", "", "", "", "", "", "", ""}},
        {"each split appends five blanks: the third line has been carried through two",
         "A\r\nB\r\nC",
         {"", "A", "B", "C" + Blanks(10), "", "", "", "", "", ""}},
        {"a text ending in a line break leaves five blanks in the element after it",
         "Welcome home\r\n",
         {"", "Welcome home", Blanks(5), "", "", "", "", "", "", ""}},
        {"two lines ending in a break: two splits, so ten blanks",
         "A\r\nB\r\n",
         {"", "A", "B", Blanks(10), "", "", "", "", "", ""}},
        {"a text starting with a line break stays whole in the first line",
         "\r\nA\r\nB",
         {"", "\r\nA\r\nB", "", "", "", "", "", "", "", ""}},
        {"a lone line feed is no line break", "A\nB", {"", "A\nB", "", "", "", "", "", "", "", ""}},
        {"an empty text: every element empty", "", {"", "", "", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(Split(c.text), c.lines) << c.why;
}

TEST(MakeU, TheTextAfterABreakIsCutTo1999Characters) {
    // 2,500 characters after the first line: the rest with its five blanks is cut to 1,999.
    const auto lines = Split("Title\r\n" + std::string(2500, 'x'));
    EXPECT_EQ(lines[1], "Title");
    EXPECT_EQ(lines[2], std::string(1999, 'x'));

    // Lines after the cut are gone with it.
    const auto cut = Split("Title\r\n" + std::string(1998, 'x') + "\r\nGone");
    EXPECT_EQ(cut[2], std::string(1998, 'x') + "\r");
    EXPECT_EQ(cut[3], "");

    // Without a break nothing is cut: the line is the text.
    EXPECT_EQ(Split(std::string(2500, 'y'))[1], std::string(2500, 'y'));
}

}  // namespace
}  // namespace vt::test
