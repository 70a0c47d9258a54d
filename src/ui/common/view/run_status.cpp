#include "ui/common/view/run_status.h"

#include <QHBoxLayout>

#include "printing/run_report_text.h"

namespace vt {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QString RunResultLine(const RunReport& report) {
    QString summary = Utf8(RunReportSummary(report));
    switch (report.outcome) {
        case RunReport::Outcome::Completed:
            return summary;
        case RunReport::Outcome::Stopped:
            return QStringLiteral("Stopped: ") + summary.at(0).toLower() + summary.mid(1);
        case RunReport::Outcome::Failed:
            return QStringLiteral("Failed: ") + summary.at(0).toLower() + summary.mid(1);
    }
    return summary;
}

RunStatus::RunStatus(const App& app, bool previewNotices, QWidget* parent)
    : QWidget(parent),
      app_(app),
      previewNotices_(previewNotices),
      progress_(new QProgressBar(this)),
      text_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Stop"), this)) {
    setObjectName(QStringLiteral("RunStatus"));
    progress_->setObjectName(QStringLiteral("RunProgress"));
    text_->setObjectName(QStringLiteral("RunStatusText"));
    stop_->setObjectName(QStringLiteral("StopRun"));
    stop_->setToolTip(QStringLiteral("Stop this print run at the next resident"));
    text_->setTextFormat(Qt::RichText);
    text_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    progress_->setTextVisible(false);
    progress_->setMaximumWidth(fontMetrics().averageCharWidth() * 16);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(progress_);
    row->addWidget(text_, 1);
    row->addWidget(stop_);
    connect(stop_, &QPushButton::clicked, this, &RunStatus::StopWanted);
    connect(text_, &QLabel::linkActivated, this, &RunStatus::ReportWanted);
    Refresh();
}

void RunStatus::ShowResult(const RunReport& report) {
    result_ = RunResultLine(report).toHtmlEscaped() +
              QStringLiteral(" &nbsp;<a href=\"report\">Report</a>");
    Refresh();
}

void RunStatus::ShowLine(const std::string& utf8Line) {
    result_ = QString::fromStdString(utf8Line).toHtmlEscaped();
    Refresh();
}

void RunStatus::Refresh() {
    const AppState& st = app_.st;
    const RunReport& report = st.Report;
    progress_->setVisible(report.running);
    stop_->setVisible(report.running);
    if (report.running) {
        setVisible(true);
        progress_->setMaximum(static_cast<int>(std::max(1L, report.stepsTotal)));
        progress_->setValue(static_cast<int>(std::min(report.stepsDone, report.stepsTotal)));
        text_->setText(QStringLiteral("%1 labels on %2 sheets so far: unit %3, resident %4")
                           .arg(report.Labels())
                           .arg(report.sheets)
                           .arg(st.UnitNo)
                           .arg(st.ResidentNo));
        return;
    }
    QString text = result_;
    // The report of the live preview has no printer; its cut lines are marked in the preview.
    if (previewNotices_ && report.printer.empty() && !report.cutLines.empty()) {
        const QString notice =
            QStringLiteral(
                "<span style=\"color:#d00000\">%1 %2 too long for %3 label (marked "
                "red in the preview)</span>")
                .arg(report.cutLines.size())
                .arg(report.cutLines.size() == 1 ? "line is" : "lines are")
                .arg(report.cutLines.size() == 1 ? "its" : "their");
        text = text.isEmpty() ? notice : notice + QStringLiteral(" &nbsp; ") + text;
    }
    text_->setText(text);
    setVisible(!text.isEmpty());
}

}  // namespace vt
