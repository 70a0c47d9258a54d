#include "ui/common/view/start_at_label_view.h"

#include <QSignalBlocker>

#include "printing/sheet_cells.h"
#include "printing/sheet_geometry.h"

namespace vt {

StartAtLabelView MakeStartAtLabelView(QWidget* parent) {
    StartAtLabelView view;
    view.caption = new QLabel(QObject::tr("Start at &label"), parent);
    view.caption->setObjectName(QStringLiteral("StartAtLabelCaption"));
    view.box = new QSpinBox(parent);
    view.box->setObjectName(QStringLiteral("StartAtLabel"));
    view.box->setMinimum(1);
    // Typing "12" is one change, not a 1 and then a 12.
    view.box->setKeyboardTracking(false);
    view.caption->setBuddy(view.box);
    const QString tip = QObject::tr(
        " The first label to print on the first sheet, for a sheet used in part (row by row, left "
        "to right) ");
    view.caption->setToolTip(tip);
    view.box->setToolTip(tip);
    return view;
}

void ShowStartAtLabel(QSpinBox& box, const AppState& st) {
    const QSignalBlocker quiet(box);
    box.setMaximum(static_cast<int>(SheetGeometry::Of(st).CellsPerSheet()));
    box.setValue(static_cast<int>(StartCell(st)));
}

}  // namespace vt
