#include "ui/common/view/date_edit_view.h"

#include <QCalendarWidget>

namespace vt {

QDateEdit* MakeDateEdit(QWidget* parent) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QStringLiteral("wwDateTimeEdit1"));
    edit->setDisplayFormat(QStringLiteral("MM-dd-yyyy"));
    edit->setCalendarPopup(true);
    // The locale's first weekday may be Monday; the snack list's days start on Sunday.
    edit->calendarWidget()->setFirstDayOfWeek(Qt::Sunday);
    return edit;
}

}  // namespace vt
