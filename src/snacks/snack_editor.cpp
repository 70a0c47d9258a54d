#include "snacks/snack_editor.h"

#include <algorithm>

#include "app/program_end.h"
#include "snacks/snack_cells.h"
#include "snacks/snack_document.h"

namespace vt {
namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr int kKeyPageUp = 33;
constexpr int kKeyLeft = 37;
constexpr int kKeyDown = 40;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;
constexpr int kKeyA = 65;
constexpr int kKeyC = 67;

constexpr int kShift = 1;
constexpr int kCtrl = 2;

// Tab looks this far for the next cell border, and Shift+Tab this far back.
constexpr long kTabReach = 82;

void MoveCursor(RichTextBox& editor, long offset) {
    editor.SelStart = offset;
    editor.SelLength = 0;
}

// Ctrl with a key is a control command (paste, cut, delete to line end, undo, ...) that would
// change the text behind the grid's back; only moving, copying and selecting may pass.
bool CtrlKeyMayPass(int keyCode) {
    const bool moves = keyCode >= kKeyPageUp && keyCode <= kKeyDown;
    return moves || keyCode == kKeyInsert || keyCode == kKeyC || keyCode == kKeyA;
}

// Right of the first single vertical line in the 82 characters from the cursor on. A line
// right at the cursor leaves it: the cursor is already at a cell's end.
void TabForward(RichTextBox& editor) {
    const std::string& text = editor.Text;
    const long c = EditorCursor(editor);
    const long end = std::min(static_cast<long>(text.size()), c + kTabReach);
    for (long i = c; i < end; ++i) {
        if (!IsTabStop(text[static_cast<std::size_t>(i)])) continue;
        if (i > c) MoveCursor(editor, i + 1);
        return;
    }
}

// Right of the nearest single vertical line behind the character left of the cursor: from a
// cell's start that is the previous cell's start.
void TabBack(RichTextBox& editor) {
    const std::string& text = editor.Text;
    const long c = EditorCursor(editor);
    for (long i = c - 1; i >= 1 && i >= c - kTabReach; --i) {
        if (IsTabStop(text[static_cast<std::size_t>(i - 1)])) {
            MoveCursor(editor, i);
            return;
        }
    }
}

// Same column, next line; a rule line in between is stepped over.
void LineDown(RichTextBox& editor) {
    const std::string& text = editor.Text;
    const long size = static_cast<long>(text.size());
    long target = EditorCursor(editor) + kSnackLineStride;
    if (target - 1 < size && IsRule(text[static_cast<std::size_t>(target - 1)])) {
        target += kSnackLineStride;
    }
    if (target <= size) MoveCursor(editor, target);
}

void ToggleInsertMode(App& app) {
    AppState& st = app.st;
    st.InsertMode = st.InsertMode == 1 ? 0 : 1;
    app.form1.Label6.Caption = st.InsertMode == 1 ? "INSERT MDE" : "LABEL TYPE";
}

void DeleteInCell(App& app) {
    RichTextBox& editor = app.form1.RichTextBox1;
    const long c = EditorCursor(editor);
    if (!ShiftCellLeft(editor.Text, c)) return;
    app.st.SnackText = editor.Text;
    MoveCursor(editor, c);
}

}  // namespace

long EditorCursor(const RichTextBox& editor) {
    return std::clamp(editor.SelStart, 0L, static_cast<long>(editor.Text.size()));
}

void RichTextbox1_KeyDown(App& app, int& keyCode, int& shift) {
    RichTextBox& editor = app.form1.RichTextBox1;
    const int key = keyCode;
    if (key == kKeyInsert && shift == kShift) {  // paste
        keyCode = 0;
        shift = 0;
    } else if (key == kKeyDelete && shift != 0) {  // NOLINT(bugprone-branch-clone)
        keyCode = 0;  // cut, delete a word: swallowed, as the Ctrl keys below
    } else if (key == kKeyBackspace) {
        keyCode = kKeyLeft;  // Backspace moves back; it never deletes
    } else if (key == kKeyTab) {
        keyCode = 0;
        if (shift == kShift) {
            TabBack(editor);
        } else {
            TabForward(editor);
        }
    } else if (key == kKeyEnter || key == kKeyDown) {
        keyCode = 0;
        LineDown(editor);
    } else if (key == kKeyInsert && shift == 0) {
        keyCode = 0;
        ToggleInsertMode(app);
    } else if (key == kKeyDelete) {
        keyCode = 0;
        DeleteInCell(app);
    } else if (key == kKeyEscape) {
        keyCode = 0;
        savefil(app);
        EndProgram(app);
    } else if ((shift & kCtrl) != 0 && !CtrlKeyMayPass(key)) {
        keyCode = 0;
    }
}

void RichTextBox1_KeyPress(App& app, int& ascii) {
    const int typed = ascii;
    ascii = 0;
    if ((typed < 32 && typed != kKeyBackspace) || typed >= 127) return;

    RichTextBox& editor = app.form1.RichTextBox1;
    if (editor.Locked) return;
    std::string& text = editor.Text;
    const long size = static_cast<long>(text.size());
    const bool back = typed == kKeyBackspace;
    const long step = back ? -1 : 1;
    // p is the 1-based position of the character the key lands on: right of the cursor, or
    // for Backspace the one before the character left of it. Line ends, borders and rules are
    // stepped over; the final line end is never reached.
    long p = EditorCursor(editor) + (back ? -1 : 1);
    for (;;) {
        if (p < 1 || p > size - 2) return;
        if (IsEditable(text[static_cast<std::size_t>(p - 1)])) break;
        p += step;
    }
    if (!back) {
        const char c = static_cast<char>(typed);
        if (app.st.InsertMode == 1) {
            // Inserted where the key landed, so that insert typing flows into the next cell as
            // overtyping does. A cell with no room to shift takes nothing.
            ShiftCellRight(text, p - 1, c);
        } else {
            text[static_cast<std::size_t>(p - 1)] = c;
        }
        app.st.SnackText = text;
    }
    MoveCursor(editor, p);
}

}  // namespace vt
