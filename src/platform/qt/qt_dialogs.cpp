#include "platform/qt/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>
#include <iostream>

#include "platform/codepage.h"

namespace vt {
namespace {
QString FromCp1252(const std::string& text) {
    return QString::fromStdString(ToUtf8(text));
}
}  // namespace

MsgAnswer QtDialogs::MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                            int defaultButton, const std::string& detail) {
    if (unattended_) {
        std::string line = title + ": " + text;
        if (!detail.empty()) line += " (" + detail + ")";
        std::replace(line.begin(), line.end(), '\r', ' ');
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::cerr << ToUtf8(line) << "\n";
        if (buttons == MsgButtons::OK) return MsgAnswer::OK;
        return defaultButton == 2 ? MsgAnswer::No : MsgAnswer::Yes;
    }
    QMessageBox box(QMessageBox::NoIcon, FromCp1252(title), FromCp1252(text), QMessageBox::NoButton,
                    parent_);
    if (!detail.empty()) box.setDetailedText(FromCp1252(detail));
    if (buttons == MsgButtons::OK) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::OK;
    }
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultButton == 2 ? QMessageBox::No : QMessageBox::Yes);
    // Escape or closing the box is an answer of No, never a silent Yes.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MsgAnswer::Yes : MsgAnswer::No;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    if (unattended_) return std::nullopt;
    bool accepted = false;
    const QString typed =
        QInputDialog::getText(parent_, FromCp1252(title), FromCp1252(prompt), QLineEdit::Normal,
                              FromCp1252(defaultText), &accepted);
    if (!accepted) return std::nullopt;
    return FromUtf8(typed.toStdString());
}

}  // namespace vt
