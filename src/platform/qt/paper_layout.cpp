#include "platform/qt/paper_layout.h"

#include <QMarginsF>
#include <QPageSize>

namespace vt {

QPageLayout PaperLayout(const PageSetup& setup) {
    QPageSize::PageSizeId size = QPageSize::Letter;
    if (setup.paperSize == 5) size = QPageSize::Legal;
    if (setup.paperSize == 9) size = QPageSize::A4;
    const auto orientation =
        setup.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(QPageSize(size), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Point,
                       QMarginsF(0, 0, 0, 0));
}

}  // namespace vt
