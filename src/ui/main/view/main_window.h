#pragma once
// The main window's view: every control at its place in twips (15 to a pixel), with its caption,
// tooltip and font. An operator's action copies the widget's value into its model and calls the
// control's handler; after every handler all widgets are refreshed from the models.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <functional>

#include "app/app.h"
#include "platform/qt/image_page.h"
#include "ui/common/view/handler_guard.h"
#include "ui/common/view/run_status.h"

namespace vt {

// The preview box Picture2 in pixels (15 twips each): 12,015 twips wide, and 6,000 twips high so
// that the operator sees the first rows of a sheet whole while tuning it.
inline constexpr QSize kPreviewPixels{801, 400};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(App& app, ImagePage& preview);

    // Copy every model into its widget, without firing the widgets' own signals.
    void Refresh();
    // Runs after every handler of this window, so that the simple window can show what the
    // handler changed there (period boxes, start date).
    void SetAfterHandler(std::function<void()> afterHandler) {
        handlerGuard_.SetAfterHandler(std::move(afterHandler));
    }
    // The guard this window's handlers run through (the program shares its busy time).
    HandlerGuard& Handlers() { return handlerGuard_; }
    // The last real run ended: its line in the run status, with the link to its report.
    void ShowRunResult(const RunReport& report) { runStatus_->ShowResult(report); }
    // A page printed outside a run: its line in the run status.
    void ShowPagePrinted(const std::string& line) { runStatus_->ShowLine(line); }

  signals:
    // The operator asked for the last run's report.
    void ReportWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Build();
    void FitFontRow();
    void Bind();
    // Run a handler; no exception may cross the event loop. Then refresh from the models.
    void Handle(const std::function<void()>& handler, bool evenWhileBusy = false);
    // Copy what the operator changed in the widgets into the models.
    void Collect();
    // The snack list editor: the model's text and cursor shown, every key through the editor
    // commands first.
    void RefreshEditor();
    void CollectEditor();
    bool EditorEvent(QEvent* event);
    bool EditorKey(QKeyEvent& event);
    // The current printer's alignment, with its test sheet, in a dialog of its own.
    void EditAlignment();
    // "Label Stock...": a standard sheet for the current label type.
    void ChooseLabelStock();

    App& app_;
    ImagePage& preview_;
    QWidget* area_;
    std::array<QLineEdit*, 22> text_{};      // Text1..Text21 at [1..21]
    std::array<QCheckBox*, 14> check_{};     // Check1..Check13 at [1..13]
    std::array<QRadioButton*, 6> option_{};  // Option1..Option5 at [1..5]
    std::array<QLabel*, 17> label_{};        // Label1..Label16 at [1..16] (some unused)
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QDateEdit* date_ = nullptr;
    QLabel* check7Caption_ = nullptr;
    QLabel* picture2_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    RunStatus* runStatus_ = nullptr;
    // Where the window's own controls (beyond the sheet settings) go for its width, in twips.
    void PlaceOwnControls(double formWidth);
    // The window takes the size its model was given (when that changed), within the screen;
    // what the controls need at that size is the least its content is, scrolled when larger.
    void ApplyFormSize();
    // The snack list editor at its designed place and size, grown into the room the window
    // has to its right (up to its whole grid) and below.
    void LayOutLowerPart();

    QPushButton* previewAll_ = nullptr;
    // The first label of a sheet used in part, and the printer alignment dialog.
    QLabel* startAtCaption_ = nullptr;
    QSpinBox* startAt_ = nullptr;
    QPushButton* alignment_ = nullptr;
    QPushButton* labelStock_ = nullptr;
    QPushButton* command_[7] = {};  // Command1..Command6 at [1..6]
    long editorCursor_ = -1;        // the model cursor offset the editor widget shows
    QSize formTwips_;               // the model window size last applied
    QSize editorTwips_;             // the model editor size last laid out
    bool refreshing_ = false;
    HandlerGuard handlerGuard_;
};

}  // namespace vt
