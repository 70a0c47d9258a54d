#pragma once
// The report of the last print run, beside the windows (non-modal): its text, and for the
// built-in PDF printer buttons that open the PDF file and show its folder. Escape closes it.
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/run_report.h"

namespace vt {

class ReportWindow : public QDialog {
    Q_OBJECT
  public:
    explicit ReportWindow(QWidget* parent = nullptr);

    // Show this report (kept: the window shows it until the next one).
    void Show(const RunReport& report);

  private:
    QPlainTextEdit* text_;
    QPushButton* openPdf_;
    QPushButton* showFolder_;
    QString pdf_;
};

}  // namespace vt
