#pragma once
// The snack list grid as the editor sees it: which characters the operator may change, and the
// shifts that insert and delete make inside one cell. Offsets are 0-based into the editor's
// whole text, whose lines are 164 characters and CR LF (code page 437).
#include <string>

namespace vt {

// Offset from a character to the one below it: 164 characters and CR LF.
inline constexpr long kSnackLineStride = 166;

// A character the operator may type over: printable ASCII, blank included.
bool IsEditable(char c);
// A vertical line that closes a cell for insert and delete (code page 437 179, 186, 192).
bool IsCellBorder(char c);
// The single vertical line that Tab moves between (179).
bool IsTabStop(char c);
// A horizontal rule character (196, 197).
bool IsRule(char c);

// Insert `typed` at offset `at`, pushing the rest of the cell right: the character just left
// of the cell's border drops out. Nothing happens (false) unless a border follows within 50
// characters with at least two editable characters and nothing else in between; so a shift
// never crosses a line end, a rule or the title line's end, and no border moves.
bool ShiftCellRight(std::string& text, long at, char typed);
// Remove the character at offset `at`, pulling the rest of the cell left and putting a blank
// before the border. The same cells as ShiftCellRight qualify.
bool ShiftCellLeft(std::string& text, long at);

}  // namespace vt
