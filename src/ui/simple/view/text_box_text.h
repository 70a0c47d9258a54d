#pragma once
// A multi-line text box's text between its model (Windows-1252, lines ended by CR LF, as the
// user-label file holds it) and its widget (Unicode, lines ended by LF).
#include <QString>
#include <string>

namespace vt {

QString WidgetText(const std::string& modelText);
// Characters Windows-1252 cannot hold become '?'.
std::string ModelText(const QString& widgetText);

}  // namespace vt
