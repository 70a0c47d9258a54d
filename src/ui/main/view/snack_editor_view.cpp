// The snack list editor widget. The model's text is the list as the file holds it (code page
// 437, CR LF line ends); the widget shows it with plain line breaks. Every key reaches the
// editor commands first; the widget itself only moves the cursor, so nothing but the commands
// can change the text and its fixed layout.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "platform/codepage.h"
#include "snacks/snack_editor.h"
#include "ui/main/view/main_window.h"

namespace vt {
namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

QString WidgetText(const std::string& cp437) {
    QString text = QString::fromStdString(ToUtf8(cp437, CodePage::Cp437));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The model offset of a widget position: each line break before it is two characters there.
long ModelOffset(const std::string& model, int widgetPos) {
    long m = 0;
    for (int w = 0; w < widgetPos && m < static_cast<long>(model.size()); ++w) {
        const bool crlf = model[static_cast<std::size_t>(m)] == '\r' &&
                          m + 1 < static_cast<long>(model.size()) &&
                          model[static_cast<std::size_t>(m + 1)] == '\n';
        m += crlf ? 2 : 1;
    }
    return m;
}

int WidgetPosition(const std::string& model, long offset) {
    const long end = std::clamp(offset, 0L, static_cast<long>(model.size()));
    int w = 0;
    for (long m = 0; m < end; ++m) {
        // The LF of a CR LF pair has no place of its own in the widget.
        if (model[static_cast<std::size_t>(m)] == '\n' && m > 0 &&
            model[static_cast<std::size_t>(m - 1)] == '\r') {
            continue;
        }
        ++w;
    }
    return w;
}

int Modifiers(const QKeyEvent& event) {
    int shift = 0;
    if (event.modifiers() & Qt::ShiftModifier) shift |= kShift;
    if (event.modifiers() & Qt::ControlModifier) shift |= kCtrl;
    if (event.modifiers() & Qt::AltModifier) shift |= kAlt;
    return shift;
}

// Keys without a code of their own in the editor commands (punctuation and the like).
constexpr int kOtherKey = 255;

// The key code the editor commands know (the Windows virtual key numbers).
int VirtualKey(const QKeyEvent& event) {
    const int key = event.key();
    switch (key) {
        case Qt::Key_Space:
            return 32;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        default:
            break;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // the same numbers as the letters' and digits' codes
    }
    return kOtherKey;
}

bool MovesTheCursor(int vk) {
    return (vk >= 33 && vk <= 40);
}

}  // namespace

void MainWindow::RefreshEditor() {
    RichTextBox& model = app_.form1.RichTextBox1;
    const QString text = WidgetText(model.Text);
    const QString shown = editor_->toPlainText();
    bool freshText = false;
    if (shown != text) {
        if (shown.size() != text.size()) {
            editor_->setPlainText(text);
            freshText = true;
        } else {
            // Replace only what changed, so the view keeps its scroll position.
            qsizetype first = 0;
            while (first < text.size() && shown[first] == text[first]) ++first;
            qsizetype last = 0;
            while (last < text.size() - first &&
                   shown[shown.size() - 1 - last] == text[text.size() - 1 - last]) {
                ++last;
            }
            QTextCursor change(editor_->document());
            change.setPosition(static_cast<int>(first));
            change.setPosition(static_cast<int>(shown.size() - last), QTextCursor::KeepAnchor);
            change.insertText(text.mid(first, text.size() - first - last));
        }
        editorCursor_ = -1;
    }
    if (model.SelStart != editorCursor_) {
        QTextCursor cursor = editor_->textCursor();
        cursor.setPosition(
            std::min(WidgetPosition(model.Text, model.SelStart), static_cast<int>(text.size())));
        editor_->setTextCursor(cursor);
        editorCursor_ = model.SelStart;
    }
    if (freshText) {
        // A newly loaded list shows from its title, whatever the cursor's scrolling did.
        editor_->horizontalScrollBar()->setValue(0);
        editor_->verticalScrollBar()->setValue(0);
    }
    // Overtyping shows a block cursor, inserting a line.
    editor_->setOverwriteMode(app_.st.InsertMode == 0);
    editor_->setReadOnly(model.Locked);
    if (model.HasFocus && model.Visible) {
        model.HasFocus = false;
        editor_->setFocus();
    }
}

void MainWindow::CollectEditor() {
    RichTextBox& model = app_.form1.RichTextBox1;
    model.SelStart = ModelOffset(model.Text, editor_->textCursor().position());
    editorCursor_ = model.SelStart;
}

bool MainWindow::EditorEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return EditorKey(static_cast<QKeyEvent&>(*event));
        case QEvent::ShortcutOverride: {
            // Keys the editor commands take must not fire the window's shortcuts first.
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (!(key.modifiers() & Qt::AltModifier)) event->accept();
            return false;
        }
        case QEvent::InputMethod:
        case QEvent::Drop:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::ContextMenu:
            return true;  // no text reaches the list around the commands
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonPress:
            // A middle click would paste the selection.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            return false;
    }
}

bool MainWindow::EditorKey(QKeyEvent& event) {
    const int original = VirtualKey(event);
    int key = original;
    int shift = Modifiers(event);
    const QString typed = event.text();
    // Control and Alt combinations neither type nor edit: only the window's own shortcuts
    // (Alt) and the cursor movements (Ctrl+Home and the like) go on.
    if (shift & (kCtrl | kAlt)) {
        if (event.matches(QKeySequence::Copy)) return false;
        return !(shift & kAlt) && !MovesTheCursor(key);
    }
    bool swallowed = true;
    Handle([&] {
        RichTextbox1_KeyDown(app_, key, shift);
        if (key == 0 || app_.os.events.QuitRequested()) return;
        if (key == 37 && original == 8) {
            // Backspace moves back to the previous character it could type over.
            int ascii = 8;
            RichTextBox1_KeyPress(app_, ascii);
            return;
        }
        if (MovesTheCursor(key) && key == original) {
            swallowed = false;
            return;
        }
        if (typed.size() == 1 && typed[0].isPrint()) {
            // A character the list's code page cannot hold is not typed at all.
            const std::string utf8 = typed.toStdString();
            const std::string cp437 = FromUtf8(utf8, CodePage::Cp437);
            if (cp437.size() == 1 && ToUtf8(cp437, CodePage::Cp437) == utf8) {
                int ascii = static_cast<unsigned char>(cp437[0]);
                RichTextBox1_KeyPress(app_, ascii);
            }
        }
    });
    return swallowed;
}

}  // namespace vt
