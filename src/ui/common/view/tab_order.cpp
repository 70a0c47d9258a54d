#include "ui/common/view/tab_order.h"

#include <algorithm>
#include <vector>

namespace vt {

void SetTabOrderByPlace(QWidget& area, int rowTolerance) {
    std::vector<QWidget*> controls;
    for (QWidget* child : area.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) controls.push_back(child);
    }
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
        return a->geometry().top() < b->geometry().top();
    });
    // Rows: each starts at the highest control not yet placed.
    std::vector<std::vector<QWidget*>> rows;
    int rowTop = 0;
    for (QWidget* control : controls) {
        if (rows.empty() || control->geometry().top() - rowTop > rowTolerance) {
            rows.emplace_back();
            rowTop = control->geometry().top();
        }
        rows.back().push_back(control);
    }
    QWidget* previous = nullptr;
    for (auto& row : rows) {
        std::stable_sort(row.begin(), row.end(), [](QWidget* a, QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        for (QWidget* control : row) {
            if (previous) QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
}

}  // namespace vt
