#pragma once
// What an operator meets in a window whatever its layout: the order Tab visits the controls
// in, captions that show whole, the calendar's first weekday.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace vt::test {

inline QStringList TabOrder(QWidget& window, const QString& first) {
    static const QRegularExpression control(
        QStringLiteral("^(Text|Check|Option|Command|Combo)\\d+$|^wwDateTimeEdit1$|^RichTextBox1$"));
    QWidget* start = window.findChild<QWidget*>(first);
    QStringList names;
    if (!start) return names;
    QWidget* w = start;
    do {
        if (control.match(w->objectName()).hasMatch() && (w->focusPolicy() & Qt::TabFocus)) {
            names << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != start && names.size() < 200);
    return names;
}

// A locale whose weeks start on Monday, for as long as the object lives.
struct MondayLocale {
    QLocale saved;
    MondayLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~MondayLocale() { QLocale::setDefault(saved); }
};

// The room a button's style gives its caption, against the caption's width.
inline bool CaptionFits(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(&button)) contents = QStyle::SE_CheckBoxContents;
    if (qobject_cast<QRadioButton*>(&button)) contents = QStyle::SE_RadioButtonContents;
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    int needed = button.fontMetrics().horizontalAdvance(QString(button.text()).remove('&'));
    if (!button.icon().isNull()) needed += button.iconSize().width() + 4;
    return needed <= room.width();
}

// The shown captions (buttons, check boxes, option buttons, one-line labels) that their
// control is too narrow for.
inline QStringList CutCaptions(QWidget& window) {
    QStringList cut;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() && !CaptionFits(*button)) {
            cut << button->objectName() + ": " + button->text();
        }
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = QString(label->text()).remove('&');
        if (label->isVisible() && !text.isEmpty() && !label->wordWrap() &&
            label->textFormat() != Qt::RichText &&
            label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width()) {
            cut << label->objectName() + ": " + label->text();
        }
    }
    return cut;
}

inline Qt::DayOfWeek CalendarFirstDay(QWidget& window) {
    auto* date = window.findChild<QDateEdit*>(QStringLiteral("wwDateTimeEdit1"));
    return date ? date->calendarWidget()->firstDayOfWeek() : Qt::Monday;
}

}  // namespace vt::test
