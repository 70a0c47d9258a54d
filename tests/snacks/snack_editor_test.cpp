// The snack list editor's typing, insert and delete inside a cell, and the movement keys.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace vt::test {
namespace {

const std::string kFullCell = "ABCDEFGHIJKLMNOPQRST";  // a 20-character cell with no room left

TEST(SnackEditorTyping, OvertypeReplacesTheCharacterRightOfTheCursorAndMovesOn) {
    EditorFixture f;
    const std::size_t size = f.text().size();
    f.Place(At(5, 18));
    f.Type("Pie");
    EXPECT_EQ(f.Cell(5, 1), "Pieham crackers     ");
    EXPECT_EQ(f.cursor(), At(5, 21));
    EXPECT_EQ(f.text().size(), size);
    EXPECT_EQ(f.app->st.SnackText, f.text());  // the copy the print run and saving rely on
}

TEST(SnackEditorTyping, OvertypingACellsLastCharacterContinuesInTheNextCell) {
    EditorFixture f;
    f.Place(At(5, 37));  // Sunday's last column; the border is column 38
    f.Type("xy");
    EXPECT_EQ(f.text()[At(5, 37)], 'x');
    EXPECT_EQ(f.text()[At(5, 38)], '\xB3');
    EXPECT_EQ(f.text()[At(5, 39)], 'y');  // Monday's first column: "Oatmeal" became "yatmeal"
    EXPECT_EQ(f.cursor(), At(5, 40));
}

TEST(SnackEditorTyping, TypingAtALineEndLandsInTheNextLinesLabelBlock) {
    EditorFixture f;
    f.Place(At(5, 163));  // Saturday's last column; then the right border, CR and LF
    f.Type("ab");
    EXPECT_EQ(f.text()[At(5, 163)], 'a');
    EXPECT_EQ(f.text().substr(At(5, 164), 3), "\xB3\r\n");
    EXPECT_EQ(f.text()[At(6, 1)], 'b');
}

TEST(SnackEditorTyping, InsertShiftsTheCellAndDropsItsLastCharacter) {
    EditorFixture f;
    f.Put(At(9, DayColumn(3)), kFullCell);
    const std::string wednesday = f.Cell(9, 4);
    f.Place(At(9, DayColumn(3)));
    EXPECT_EQ(f.Down(kVkInsert), 0);
    ASSERT_EQ(f.app->st.InsertMode, 1);
    EXPECT_EQ(f.app->form1.Label6.Caption, "INSERT MDE");
    f.Type("XY");
    EXPECT_EQ(f.Cell(9, 3), "XYABCDEFGHIJKLMNOPQR");  // S and T dropped out, one per key
    EXPECT_EQ(f.Cell(9, 4), wednesday);               // the next cell is untouched
    EXPECT_EQ(f.cursor(), At(9, DayColumn(3) + 2));
    EXPECT_EQ(f.app->st.SnackText, f.text());

    EXPECT_EQ(f.Down(kVkInsert), 0);
    EXPECT_EQ(f.app->st.InsertMode, 0);
    EXPECT_EQ(f.app->form1.Label6.Caption, "LABEL TYPE");
}

TEST(SnackEditorTyping, InsertOnACellsLastCharacterHasNoRoomAndOnlyMovesOn) {
    EditorFixture f;
    f.Put(At(9, DayColumn(1)), kFullCell);
    f.app->st.InsertMode = 1;
    f.Place(At(9, DayColumn(1) + 19));  // 'T', just left of the border
    f.Type("Z");
    EXPECT_EQ(f.Cell(9, 1), kFullCell);
    EXPECT_EQ(f.cursor(), At(9, DayColumn(1) + 20));
    // Just left of the border the key lands on the next cell and inserts there.
    ASSERT_EQ(f.Cell(9, 2), "Banana              ");
    f.Type("Z");
    EXPECT_EQ(f.Cell(9, 2), "ZBanana             ");
    EXPECT_EQ(f.cursor(), At(9, DayColumn(2) + 1));
}

TEST(SnackEditorDelete, DeletePullsTheCellLeftAndFillsWithABlank) {
    EditorFixture f;
    f.Put(At(9, DayColumn(2)), kFullCell);
    f.Place(At(9, DayColumn(2) + 2));  // on 'C'
    EXPECT_EQ(f.Down(kVkDelete), 0);
    EXPECT_EQ(f.Cell(9, 2), "ABDEFGHIJKLMNOPQRST ");
    EXPECT_EQ(f.cursor(), At(9, DayColumn(2) + 2));
    EXPECT_EQ(f.app->st.SnackText, f.text());
}

TEST(SnackEditorDelete, DeleteWhereNoCellFollowsDoesNothing) {
    // Each place has fewer than two characters before a border, or a line end, rule or the
    // end of the title line between it and the next border: a shift there would move a border
    // or a line end.
    const struct {
        const char* where;
        long offset;
    } places[] = {
        {"last character before a border", At(9, 37)},
        {"just left of a border", At(9, 38)},
        {"on the right border", At(9, 164)},
        {"at the line end", At(9, 165)},
        {"on a rule line", At(8, 30)},
        {"on the title line", At(1, 100)},
        {"at the end of the text", At(57, 1)},
    };
    for (const auto& place : places) {
        EditorFixture f;
        f.Put(At(9, DayColumn(1)), kFullCell);
        const std::string before = f.text();
        f.Place(place.offset);
        EXPECT_EQ(f.Down(kVkDelete), 0) << place.where;
        EXPECT_EQ(f.text(), before) << place.where;
    }
}

TEST(SnackEditorDelete, DeleteWithAModifierIsSwallowedAndChangesNothing) {
    EditorFixture f;
    const std::string before = f.text();
    f.Place(At(5, 18));
    EXPECT_EQ(f.Down(kVkDelete, kShiftKey), 0);  // Shift+Delete would cut
    EXPECT_EQ(f.Down(kVkDelete, kCtrlKey), 0);   // Ctrl+Delete would delete a word
    EXPECT_EQ(f.text(), before);
}

TEST(SnackEditorKeys, BackspaceMovesBackAndNeverDeletes) {
    EditorFixture f;
    const std::string before = f.text();
    f.Place(At(5, 39));  // Monday's first column
    EXPECT_EQ(f.Down(kVkBack), kVkLeft);
    EXPECT_EQ(f.Press(kVkBack), 0);
    // Left of the cursor is the border; the key lands on the character before it, Sunday's
    // last column, and the cursor stands right of that.
    EXPECT_EQ(f.cursor(), At(5, 38));
    for (long offset : {0L, 1L, At(2, 1), At(5, 1), At(56, 166)}) {
        f.Place(offset);
        EXPECT_EQ(f.Press(kVkBack), 0) << offset;
    }
    f.app->st.InsertMode = 1;
    f.Place(At(5, 25));
    f.Press(kVkBack);
    EXPECT_EQ(f.text(), before);
}

TEST(SnackEditorKeys, ControlCharactersAndCharactersOutsideAsciiAreSwallowed) {
    EditorFixture f;
    const std::string before = f.text();
    for (int ascii : {0, 9, 10, 13, 27, 31, 127, 171, 255}) {
        EXPECT_EQ(f.Press(ascii), 0) << ascii;
    }
    EXPECT_EQ(f.text(), before);
    EXPECT_EQ(f.cursor(), At(5, 18));
}

TEST(SnackEditorKeys, EnterAndDownGoToTheSameColumnOfTheNextItemLine) {
    const struct {
        const char* why;
        long from, to;
    } moves[] = {
        {"next line of the row", At(5, 20), At(6, 20)},
        {"last item line: the rule line is stepped over", At(7, 20), At(9, 20)},
        {"from the label block", At(6, 3), At(7, 3)},
        {"the heading's rule is stepped over", At(3, 40), At(5, 40)},
        {"the last line", At(55, 10), At(56, 10)},
        {"beyond the text: stays", At(56, 10), At(56, 10)},
        {"the end of the text: stays", At(57, 1), At(57, 1)},
        {"a rule would lead beyond the text: stays", At(51, 30), At(51, 30)},
    };
    for (const auto& move : moves) {
        for (int key : {kVkReturn, kVkDown}) {
            EditorFixture f;
            if (move.from == At(51, 30)) f.SetText(f.text().substr(0, At(53, 1)));
            f.Place(move.from);
            EXPECT_EQ(f.Down(key), 0) << move.why;
            EXPECT_EQ(f.cursor(), move.to) << move.why << " key " << key;
        }
    }
}

TEST(SnackEditorKeys, TabGoesToTheNextCellAndShiftTabToThePrevious) {
    const struct {
        const char* why;
        int shift;
        long from, to;
    } moves[] = {
        {"inside a cell: the next cell's start", kNoModifier, At(5, 25), At(5, 39)},
        {"from the label block: Sunday", kNoModifier, At(7, 2), At(7, 18)},
        {"right before a border: stays", kNoModifier, At(5, 38), At(5, 38)},
        {"Saturday: right of the line's last border", kNoModifier, At(5, 150), At(5, 165)},
        {"rule line: no single line to go to, stays", kNoModifier, At(8, 30), At(8, 30)},
        {"back from inside a cell: its start", kShiftKey, At(5, 45), At(5, 39)},
        {"back from a cell's start: the previous cell", kShiftKey, At(5, 60), At(5, 39)},
        {"back from Sunday's start: no line within reach", kShiftKey, At(5, 18), At(5, 18)},
        {"back at the start of the text: stays", kShiftKey, 0, 0},
    };
    for (const auto& move : moves) {
        EditorFixture f;
        f.Place(move.from);
        EXPECT_EQ(f.Down(kVkTab, move.shift), 0) << move.why;
        EXPECT_EQ(f.cursor(), move.to) << move.why;
    }
}

TEST(SnackEditorKeys, KeysThatWouldChangeTheTextBehindTheGridAreSwallowed) {
    const struct {
        const char* what;
        int key, shift;
        int handedOn;
    } keys[] = {
        {"Shift+Insert pastes", kVkInsert, kShiftKey, 0},
        {"Ctrl+V pastes", kVkV, kCtrlKey, 0},
        {"Ctrl+X cuts", kVkX, kCtrlKey, 0},
        {"Ctrl+K deletes to the line end", kVkK, kCtrlKey, 0},
        {"Shift+I is a capital I, typed through the key press", kVkI, kShiftKey, kVkI},
        {"Ctrl+C copies", kVkC, kCtrlKey, kVkC},
        {"Ctrl+Insert copies", kVkInsert, kCtrlKey, kVkInsert},
        {"Ctrl+Left moves", kVkLeft, kCtrlKey, kVkLeft},
        {"Up moves", kVkUp, kNoModifier, kVkUp},
        {"Right moves", kVkRight, kNoModifier, kVkRight},
        {"Home moves", kVkHome, kNoModifier, kVkHome},
        {"End moves", kVkEnd, kShiftKey, kVkEnd},
        {"Page Up moves", kVkPrior, kNoModifier, kVkPrior},
        {"Page Down moves", kVkNext, kNoModifier, kVkNext},
    };
    for (const auto& k : keys) {
        EditorFixture f;
        const std::string before = f.text();
        EXPECT_EQ(f.Down(k.key, k.shift), k.handedOn) << k.what;
        EXPECT_EQ(f.text(), before) << k.what;
        EXPECT_EQ(f.app->st.InsertMode, 0) << k.what;
    }
    EditorFixture f;
    f.Down(kVkI, kShiftKey);
    f.Press('I');
    EXPECT_EQ(f.Cell(5, 1), "Iraham crackers     ");
}

TEST(SnackEditorKeys, EscapeSavesTheListAndEndsWithoutAsking) {
    EditorFixture f;
    f.app->st.SnackFile = f.layout.SnackListPath(1);
    f.Type("Pie");
    EXPECT_EQ(f.Down(kVkEscape), 0);
    EXPECT_EQ(f.Bytes(f.app->st.SnackFile), f.text());
    EXPECT_EQ(f.Bytes(f.app->st.SnackFile).substr(At(5, 18), 6), "Pieham");
    EXPECT_TRUE(f.tp.events.quit);
    EXPECT_EQ(f.app->st.StopRequested, 1);  // a print run in progress stops too
    EXPECT_TRUE(f.tp.dialogs.asked.empty());
}

}  // namespace
}  // namespace vt::test
