// Duplicate Above Snacks: a diet row's items copied from the row above, after a Yes.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace vt::test {
namespace {

std::string Line(const std::string& text, long line) {
    return text.substr(static_cast<std::size_t>(At(line, 1)), 166);
}
// Columns 18 to 164 and the line end: what the command copies.
std::string Items(const std::string& text, long line) {
    return text.substr(static_cast<std::size_t>(At(line, 18)), 149);
}

struct DuplicateFixture : EditorFixture {
    std::string before = text();
    void Run(long line, long column, MsgAnswer answer = MsgAnswer::Yes) {
        tp.dialogs.answers.push_back(answer);
        Place(At(line, column));
        Command6_Click(*app);
    }
    // Every line but `changed` is as it was, and those keep their label block.
    void ExpectOnlyChanged(const std::vector<long>& changed) {
        for (long n = 1; n <= 56; ++n) {
            const bool isChanged = std::find(changed.begin(), changed.end(), n) != changed.end();
            if (isChanged) {
                EXPECT_EQ(text().substr(At(n, 1), 17), before.substr(At(n, 1), 17)) << n;
            } else {
                EXPECT_EQ(Line(text(), n), Line(before, n)) << n;
            }
        }
        EXPECT_EQ(text().size(), before.size());
        EXPECT_EQ(app->st.SnackText, text());
    }
};

TEST(SnackDuplicate, OnARowsFirstItemLineTheWholeRowAboveIsCopied) {
    DuplicateFixture f;
    ASSERT_NE(Items(f.before, 9), Items(f.before, 5));
    f.Run(9, 40);
    for (long n : {9, 10, 11}) EXPECT_EQ(Items(f.text(), n), Items(f.before, n - 4)) << n;
    f.ExpectOnlyChanged({9, 10, 11});
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text, " Duplicate Snacks from Above Diet");
    EXPECT_EQ(f.tp.dialogs.asked[0].title, "Duplicate Snack Line");
    EXPECT_EQ(f.tp.dialogs.asked[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.tp.dialogs.asked[0].defaultButton, 2) << "Enter answers No: lines are overwritten";
}

TEST(SnackDuplicate, OnTheSecondItemLineOnlyTheRestOfTheRowIsCopied) {
    DuplicateFixture f;
    f.Run(10, 1);  // from the label block too: the line counts, not the column
    EXPECT_EQ(Items(f.text(), 10), Items(f.before, 6));
    EXPECT_EQ(Items(f.text(), 11), Items(f.before, 7));
    f.ExpectOnlyChanged({10, 11});  // the rule line 12 stops the copy
}

TEST(SnackDuplicate, PlacesWhereNothingIsCopied) {
    const struct {
        const char* why;
        long line;
        Int16 snackMenuOn;
        MsgAnswer answer;
        std::size_t questions;
    } cases[] = {
        {"answered No", 9, 1, MsgAnswer::No, 1},
        {"snack menu setting off: not even asked", 9, 0, MsgAnswer::Yes, 0},
        {"first diet row: the headings are above it", 5, 1, MsgAnswer::Yes, 1},
        {"on a rule line", 12, 1, MsgAnswer::Yes, 1},
        {"on the headings", 2, 1, MsgAnswer::Yes, 1},
        {"on the notes below the last row", 54, 1, MsgAnswer::Yes, 1},
    };
    for (const auto& c : cases) {
        DuplicateFixture f;
        f.app->st.SnackMenuOn = c.snackMenuOn;
        f.Run(c.line, 20, c.answer);
        EXPECT_EQ(f.text(), f.before) << c.why;
        EXPECT_EQ(f.tp.dialogs.asked.size(), c.questions) << c.why;
    }
}

TEST(SnackDuplicate, ATextThatEndsInsideTheRowCopiesOnlyWhatItHas) {
    DuplicateFixture f;
    const std::string shortList = f.before.substr(0, static_cast<std::size_t>(At(10, 100)));
    f.SetText(shortList);
    f.before = shortList;
    f.Run(9, 20);
    EXPECT_EQ(f.text().size(), shortList.size());
    EXPECT_EQ(Items(f.text(), 9), Items(shortList, 5));
    EXPECT_EQ(f.text().substr(At(10, 1)), shortList.substr(At(10, 1)));  // line 10 is cut off
}

}  // namespace
}  // namespace vt::test
