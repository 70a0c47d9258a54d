#pragma once
// Tab order by place: the order an operator reads a window in.
#include <QWidget>

namespace vt {

// Chains the focusable children of `area` top to bottom, and left to right within a row.
// Controls whose tops lie within `rowTolerance` pixels of the row's first control share its
// row, since the designed tops of one row differ by a few pixels.
void SetTabOrderByPlace(QWidget& area, int rowTolerance);

}  // namespace vt
