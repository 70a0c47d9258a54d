#include "platform/qt/paper_layout.h"

#include <QMarginsF>
#include <QPageSize>
#include <stdexcept>

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

void SetPaper(QPagedPaintDevice& device, const PageSetup& setup) {
    const QPageLayout layout = PaperLayout(setup);
    if (!device.setPageLayout(layout) || !device.pageLayout().isEquivalentTo(layout)) {
        throw std::runtime_error("the page layout " + layout.pageSize().name().toStdString() +
                                 (setup.orientation == 2 ? " landscape" : " portrait") +
                                 " with no margins was refused");
    }
}

}  // namespace vt
