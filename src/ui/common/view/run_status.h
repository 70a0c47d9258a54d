#pragma once
// A window's run status: during a real print run a progress bar (units done), what the run has
// printed so far and a Stop button; after it, one line on how the last run went, with a link
// that opens its report. The main window also says here when the preview cuts a line.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "app/app.h"

namespace vt {

class RunStatus : public QWidget {
    Q_OBJECT
  public:
    // previewNotices: say when the live preview has a line cut at its label's edge.
    RunStatus(const App& app, bool previewNotices, QWidget* parent = nullptr);

    // Show the run in progress, or the last result and the preview's notice.
    void Refresh();
    // The last real run ended: its line, which links to the report.
    void ShowResult(const RunReport& report);
    // A page printed outside a run (the snack menu, a test sheet): its line, without a report.
    void ShowLine(const std::string& utf8Line);

  signals:
    void StopWanted();
    void ReportWanted();

  private:
    const App& app_;
    bool previewNotices_;
    QProgressBar* progress_;
    QLabel* text_;
    QPushButton* stop_;
    QString result_;  // the last run's line
};

// The line that tells how a run went: "Printed 120 labels on 5 sheets to Vittlon PDF".
QString RunResultLine(const RunReport& report);

}  // namespace vt
