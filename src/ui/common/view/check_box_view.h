#pragma once
// What both windows do with their check boxes and captions: show a model's state in its widget
// and read the operator's state back.
#include <QCheckBox>
#include <QString>
#include <string>

#include "platform/controls.h"

namespace vt {

// A Windows-1252 text of the models for a widget.
QString Qs(const std::string& cp1252);
// The value, grey state, tooltip and visibility of a check box (its caption is the caller's).
void ShowCheckState(QCheckBox& box, const CheckBox& model);
// 0 clear, 1 ticked, 2 grey.
int CheckValue(const QCheckBox& box);

}  // namespace vt
