// The main window's size on the screen, its own controls, and the room the snack list editor
// takes.
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>

#include "platform/units.h"
#include "ui/main/view/main_window.h"

namespace vt {
namespace {

constexpr int kLowerPartTop = 2280;
// A snack list line: 164 characters, and room for the cursor after the last.
constexpr int kGridCharacters = 165;
// A window frame as window managers draw it, for a window not yet shown.
const QMargins kLeastFrame(8, 36, 8, 8);

QRect Place(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
}

// Whether the window's own controls stand in a column at its top right, or in a row under the
// preview box (a window too narrow for the column).
bool OwnColumn(double formWidth) {
    return formWidth >= 12240 + 1950 + 150;
}

}  // namespace

void MainWindow::PlaceOwnControls(double formWidth) {
    // The column: right of the exit button and the barcode column, above the preview box and
    // the editor, which may take the window's whole width. The row: under the preview box,
    // where the bottom strip is free.
    constexpr int kColumnLeft = 12240;
    constexpr int kButtonWidth = 1950;
    if (OwnColumn(formWidth)) {
        startAtCaption_->setGeometry(Place(kColumnLeft, 60, 1110, 285));
        startAt_->setGeometry(Place(kColumnLeft + 1140, 30, 810, 330));
        alignment_->setGeometry(Place(kColumnLeft, 480, kButtonWidth, 375));
        previewAll_->setGeometry(Place(kColumnLeft, 930, kButtonWidth, 375));
        return;
    }
    const int row = kLowerPartTop + kPreviewPixels.height() * kTwipsPerPixel + 90;
    previewAll_->setGeometry(Place(120, row, kButtonWidth, 375));
    alignment_->setGeometry(Place(2190, row, kButtonWidth, 375));
    startAtCaption_->setGeometry(Place(4260, row + 45, 1110, 285));
    startAt_->setGeometry(Place(5400, row + 15, 810, 330));
}

void MainWindow::ApplyFormSize() {
    const Window& form = app_.form1.Form;
    const QSize twips(static_cast<int>(form.Width), static_cast<int>(form.Height));
    if (twips == formTwips_) return;
    formTwips_ = twips;
    PlaceOwnControls(form.Width);

    // The least the content is: every control at its designed place and size.
    const RichTextBox& editor = app_.form1.RichTextBox1;
    QRect content =
        Place(0, kLowerPartTop, static_cast<int>(editor.Width), static_cast<int>(editor.Height));
    for (QWidget* child : area_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != editor_) content |= child->geometry();
    }
    area_->setMinimumSize(content.right() + 1, content.bottom() + 1);

    // The designed client area and the status line under it, as much of it as the screen
    // shows with the window's frame.
    QSize size(twips.width() / kTwipsPerPixel,
               twips.height() / kTwipsPerPixel + statusBar()->sizeHint().height());
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect outer = frameGeometry(), inner = geometry();
        const QMargins shown(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        const QMargins frame(std::max(shown.left(), kLeastFrame.left()),
                             std::max(shown.top(), kLeastFrame.top()),
                             std::max(shown.right(), kLeastFrame.right()),
                             std::max(shown.bottom(), kLeastFrame.bottom()));
        const QRect room = screen->availableGeometry().marginsRemoved(frame);
        size = size.boundedTo(room.size());
        // Where the window already stands, it moves back only as far as it must to show whole.
        if (isVisible()) {
            const QPoint corner = geometry().topLeft();
            const int x = std::clamp(corner.x(), room.left(), room.right() + 1 - size.width());
            const int y = std::clamp(corner.y(), room.top(), room.bottom() + 1 - size.height());
            if (QPoint(x, y) != corner) move(QPoint(x, y) - QPoint(frame.left(), frame.top()));
        }
    }
    resize(size);
}

void MainWindow::LayOutLowerPart() {
    const RichTextBox& editor = app_.form1.RichTextBox1;
    const QRect designed =
        Place(0, kLowerPartTop, static_cast<int>(editor.Width), static_cast<int>(editor.Height));
    // The whole grid: its lines, the document's margins, the frame and the vertical scroll bar.
    const int grid = editor_->fontMetrics().horizontalAdvance(QString(kGridCharacters, u'0')) +
                     2 * static_cast<int>(editor_->document()->documentMargin()) +
                     2 * editor_->frameWidth() + editor_->verticalScrollBar()->sizeHint().width();
    const int width = std::clamp(area_->width() - designed.left(), designed.width(),
                                 std::max(designed.width(), grid));
    // In the narrow window the row of own controls under the preview box stays free.
    const int bottom = OwnColumn(app_.form1.Form.Width) ? area_->height() : previewAll_->y() - 6;
    const int height = std::max(designed.height(), bottom - designed.top());
    editor_->setGeometry(designed.left(), designed.top(), width, height);
}

}  // namespace vt
