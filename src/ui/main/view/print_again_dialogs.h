#pragma once
// The questions "Preview All Sheets" asks before it prints something of its run again: which
// sheets, or which cell of a fresh sheet one label goes to.
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>

#include "app/app.h"
#include "platform/page_list.h"
#include "printing/dry_run.h"

namespace vt {

// Whose a label of a run is: the resident's location and name, or "User label 3".
QString LabelWho(const RunReport::Placed& label);

// Where the label in `cell` of a sheet is, as its frame outlines it, in twips.
QRectF CellOutline(const SheetGeometry& sheet, long cell);

// "Print Sheets...": the sheets of the run's `sheets` to print on `printer`, the one on screen
// offered first; nullopt when the operator cancels. A choice past the last sheet is not taken.
std::optional<PageList> AskSheetsToPrint(QWidget* parent, int sheetOnScreen, long sheets,
                                         const QString& printer);

// "Print This Label...": the cell of a fresh sheet to print `label` in (1 first), with the sheet
// drawn as it would print and that cell outlined; nullopt when the operator cancels.
std::optional<long> AskCellForLabel(QWidget* parent, App& app, const RunReport::Placed& label,
                                    const SheetGeometry& sheet);

}  // namespace vt
