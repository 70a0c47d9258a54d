#pragma once
// The simple window's view: a small panel with the periods, the User switch and its text, the
// tray label indicator, the start date and three buttons. An operator's action copies the
// widget's value into its model and calls the control's handler; after every handler all
// widgets are refreshed from the models.
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <array>
#include <functional>

#include "app/app.h"
#include "ui/common/view/handler_guard.h"
#include "ui/common/view/run_status.h"

namespace vt {

class SimpleWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SimpleWindow(App& app);

    // Copy every model into its widget, without firing the widgets' own signals; the window
    // shows or hides as its model says.
    void Refresh();
    // Runs after every handler of this window, so that the main window can show what the
    // handler changed there (preview, period boxes, visibility).
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
    // Advanced was pressed (or the panel closed with the main window hidden): the main window
    // model is visible now, and the main window should also come to the front.
    void MainWindowWanted();
    // The operator asked for the last run's report.
    void ReportWanted();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Build();
    void Bind();
    // Copy the operator's change into its model, run the handler (no exception may cross the
    // event loop), then refresh from the models. While a handler runs (a print run lets events
    // through), other actions are not taken, except Exit, which stops the run.
    void Handle(const std::function<void()>& collect, const std::function<void()>& handler,
                bool evenWhileBusy = false);
    void CollectText1();
    // Save the text left during a run, as the run ends.
    void SaveText1LeftWhileBusy();
    QString Text1Shown() const;

    App& app_;
    std::array<QCheckBox*, 7> check_{};  // Check1..Check6 at [1..6]
    QPlainTextEdit* text1_ = nullptr;
    QLabel* label7_ = nullptr;
    QDateEdit* date_ = nullptr;
    // Where the first sheet starts (for a sheet used in part), and how many user labels print.
    QLabel* startAtCaption_ = nullptr;
    QSpinBox* startAt_ = nullptr;
    QLabel* userLabelsCaption_ = nullptr;
    QSpinBox* userLabels_ = nullptr;
    RunStatus* runStatus_ = nullptr;
    std::array<QPushButton*, 4> command_{};  // Command1..Command3 at [1..3]
    bool refreshing_ = false;
    HandlerGuard handlerGuard_;
    // Text1 was left while another handler ran: its save runs when that handler ends.
    bool text1LeftWhileBusy_ = false;
};

}  // namespace vt
