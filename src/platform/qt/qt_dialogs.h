#pragma once
// Modal message and input boxes. The program's texts are Windows-1252; they become Unicode
// for the box and what the operator types comes back as Windows-1252.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace vt {

class QtDialogs : public Dialogs {
  public:
    // parent: the window the boxes are centred on; may be null.
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    // Without a display nobody can answer a box: unattended, a message goes to the error
    // output as one line (with its detail) and every question gets its default answer (an input box
    // is cancelled), so a scheduled run never waits forever.
    void SetUnattended(bool unattended) { unattended_ = unattended; }

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons = MsgButtons::OK, int defaultButton = 1,
                     const std::string& detail = "") override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText = "") override;

  private:
    QPointer<QWidget> parent_;
    bool unattended_ = false;
};

}  // namespace vt
