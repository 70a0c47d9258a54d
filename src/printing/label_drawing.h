#pragma once
#include "app/app.h"

namespace vt {

// Draw one complete label on PrintTarget at (LabelLeft, LabelTop): frame, resident picture with
// its privacy screen, six text lines, barcode and expiration line.
void DrawMenu(App& app);

// The picture box of a label (frame, the resident's picture under the privacy rules, the
// privacy screen). Part of DrawMenu.
void DrawLabelPicture(App& app);

// A label's frame for the label at (left, top) on PrintTarget.
void DrawLabelFrame(const AppState& st, double left, double top);

// Where a label's first text line starts: this far in from the label's left edge (beside the
// picture box, or near the edge without pictures), its cell kFirstLineAbove above the label's top.
double LabelTextIndent(const AppState& st);
inline constexpr double kFirstLineAbove = 30;

}  // namespace vt
