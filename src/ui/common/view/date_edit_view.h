#pragma once
// The start date edit both windows carry.
#include <QDateEdit>

namespace vt {

// A date edit named wwDateTimeEdit1 that shows "mm-dd-yyyy" and drops down a calendar whose
// weeks run Sunday to Saturday, as the program's weeks do.
QDateEdit* MakeDateEdit(QWidget* parent);

}  // namespace vt
