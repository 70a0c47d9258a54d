#include "ui/common/view/report_window.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QUrl>
#include <QVBoxLayout>

#include "printing/run_report_text.h"

namespace vt {

ReportWindow::ReportWindow(QWidget* parent)
    : QDialog(parent),
      text_(new QPlainTextEdit(this)),
      openPdf_(new QPushButton(QStringLiteral("Open PDF"), this)),
      showFolder_(new QPushButton(QStringLiteral("Show folder"), this)) {
    setObjectName(QStringLiteral("RunReport"));
    setWindowTitle(QStringLiteral("Print run report"));
    setModal(false);
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(text_->font());
    resize(metrics.averageCharWidth() * 96, metrics.lineSpacing() * 30);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(openPdf_, QDialogButtonBox::ActionRole);
    buttons->addButton(showFolder_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(openPdf_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(pdf_)); });
    connect(showFolder_, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(pdf_).absolutePath()));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
}

void ReportWindow::Show(const RunReport& report) {
    text_->setPlainText(QString::fromStdString(RunReportText(report)));
    // The built-in PDF printer's file, while it is there.
    const QFileInfo output(QString::fromStdString(report.output));
    const bool pdf = output.suffix() == QStringLiteral("pdf") && output.isFile();
    pdf_ = pdf ? output.absoluteFilePath() : QString();
    openPdf_->setVisible(pdf);
    showFolder_->setVisible(pdf);
    show();
    raise();
    activateWindow();
}

}  // namespace vt
