#include "ui/common/view/check_box_view.h"

#include "platform/codepage.h"

namespace vt {

QString Qs(const std::string& cp1252) {
    return QString::fromStdString(ToUtf8(cp1252));
}

void ShowCheckState(QCheckBox& box, const CheckBox& model) {
    box.setTristate(model.Value == 2);
    box.setCheckState(model.Value == 2   ? Qt::PartiallyChecked
                      : model.Value == 1 ? Qt::Checked
                                         : Qt::Unchecked);
    box.setToolTip(Qs(model.ToolTipText));
    box.setVisible(model.Visible);
}

int CheckValue(const QCheckBox& box) {
    const Qt::CheckState state = box.checkState();
    return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

}  // namespace vt
