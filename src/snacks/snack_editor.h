#pragma once
// The snack list editor's commands. The editor is a form-filling editor over the fixed grid:
// typing overtypes (or, in insert mode, shifts the rest of the cell), Delete shifts inside the
// cell, Tab and Enter jump between cells and rows, and no key changes the text's length or
// moves a border.
//
// Key codes are Windows virtual keys (Tab 9, Enter 13, Down 40, Insert 45, Delete 46, ...);
// the modifier state holds 1 for Shift, 2 for Ctrl and 4 for Alt. A key-down handler that sets
// the key code to 0 has swallowed the key: the control must not act on it. Characters never
// reach the text through the control: RichTextBox1_KeyPress makes every change itself and
// always hands back 0.
#include "app/app.h"

namespace vt {

// Before the control sees a key. May swallow it (keyCode 0), change it (Backspace becomes
// Left) or act on it (Tab, Enter, Down, Insert, Delete, Escape).
void RichTextbox1_KeyDown(App& app, int& keyCode, int& shift);
// A typed character (code page 437 code): overtype or insert at the next editable character;
// Backspace (8) only moves the cursor back.
void RichTextBox1_KeyPress(App& app, int& ascii);
// Duplicate Above Snacks: after a Yes, copy the diet row above onto the cursor's row, from the
// cursor's item line to the row's end.
void Command6_Click(App& app);

// The editor's cursor offset, kept inside its text whatever the control reported.
long EditorCursor(const RichTextBox& editor);

}  // namespace vt
