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

}  // namespace vt
