#include <string>

#include "snacks/snack_cells.h"
#include "snacks/snack_editor.h"

namespace vt {
namespace {

constexpr long kFirstDietLine = 5;
constexpr long kLastDietLine = 52;  // twelve rows of four lines; the notes follow
constexpr long kRowLines = 4;
// Columns 18 to 164 and the line end: the seven day cells, not the row's label block.
constexpr long kItemsColumn = 18;
constexpr long kItemsLength = 149;
constexpr long kRuleColumn = 32;

long Offset(long line, long column) {
    return (line - 1) * kSnackLineStride + (column - 1);
}

bool IsRuleLine(const std::string& text, long line) {
    return IsRule(text[static_cast<std::size_t>(Offset(line, kRuleColumn))]);
}

// Copy the items of the line one row up onto `line`. False when the copying must stop: a rule
// line (the row has ended), the notes below the last row, or a text too short for the line.
bool CopyFromRowAbove(std::string& text, long line) {
    if (line > kLastDietLine) return false;
    if (Offset(line, kItemsColumn) + kItemsLength > static_cast<long>(text.size())) return false;
    if (IsRuleLine(text, line)) return false;
    const long source = line - kRowLines;
    // The first row has only the headings above it.
    if (source < kFirstDietLine) return true;
    if (IsRuleLine(text, source)) return false;
    text.replace(static_cast<std::size_t>(Offset(line, kItemsColumn)),
                 static_cast<std::size_t>(kItemsLength), text,
                 static_cast<std::size_t>(Offset(source, kItemsColumn)),
                 static_cast<std::size_t>(kItemsLength));
    return true;
}

}  // namespace

void Command6_Click(App& app) {
    RichTextBox& editor = app.form1.RichTextBox1;
    if (app.st.SnackMenuOn != 1 || editor.Locked) return;
    // Three item lines are written over: only a deliberate Yes does it.
    if (app.os.dialogs.MsgBox(" Duplicate Snacks from Above Diet", "Duplicate Snack Line",
                              MsgButtons::YesNo, 2) != MsgAnswer::Yes) {
        return;
    }
    std::string text = editor.Text;
    const long first = EditorCursor(editor) / kSnackLineStride + 1;
    for (long line = first; line < first + 3; ++line) {
        if (!CopyFromRowAbove(text, line)) break;
    }
    // The cursor stays where it was.
    editor.Text = text;
    app.st.SnackText = text;
}

}  // namespace vt
