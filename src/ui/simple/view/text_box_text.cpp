#include "ui/simple/view/text_box_text.h"

#include "platform/codepage.h"

namespace vt {

QString WidgetText(const std::string& modelText) {
    QString text = QString::fromStdString(ToUtf8(modelText));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string ModelText(const QString& widgetText) {
    QString text = widgetText;
    // A text document ends its paragraphs with U+2029.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromUtf8(text.toStdString());
}

}  // namespace vt
