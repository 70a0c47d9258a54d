#pragma once
// The "Start at label" field both windows carry: which cell of a sheet used in part the next run
// starts at.
#include <QLabel>
#include <QSpinBox>

#include "app/app_state.h"

namespace vt {

struct StartAtLabelView {
    QLabel* caption = nullptr;
    QSpinBox* box = nullptr;
};

// The caption (Alt+L) and its number box, with their tip; the caller places them.
StartAtLabelView MakeStartAtLabelView(QWidget* parent);

// Show the cell the next run starts at, within the current sheet's cells (a cell beyond a
// smaller sheet's last one shows 1, where the run starts), without firing the box's signals.
void ShowStartAtLabel(QSpinBox& box, const AppState& st);

}  // namespace vt
