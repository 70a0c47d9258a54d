#include "ui/main/view/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QMessageBox>
#include <QVBoxLayout>

#include "app/program_end.h"
#include "platform/codepage.h"
#include "platform/text.h"

namespace vt {
namespace {

QString Qs(const std::string& cp1252) {
    return QString::fromStdString(ToUtf8(cp1252));
}

}  // namespace

MainWindow::MainWindow(App& app, ImagePage& preview)
    : app_(app),
      preview_(preview),
      status_(new QLabel),
      picture2_(new QLabel),
      command3_(new QPushButton(tr("Exit"))),
      command2_(new QPushButton(Qs(app.form1.Command2.Caption))) {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command2_);
    buttons->addWidget(command3_);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(picture2_);
    layout->addStretch();
    setCentralWidget(central);
    resize(900, 420);

    connect(command3_, &QPushButton::clicked, this,
            [this] { Handle([this] { Command3_Click(app_); }); });
    connect(command2_, &QPushButton::clicked, this,
            [this] { Handle([this] { Command2_Click(app_); }); });
}

void MainWindow::Refresh() {
    const Form1& f = app_.form1;
    setWindowTitle(Qs(f.Form.Caption));
    if (!f.Form.IconPath.empty()) setWindowIcon(QIcon(QString::fromStdString(f.Form.IconPath)));

    const AppState& st = app_.st;
    QString text = Qs(st.FacilityName);
    if (st.SetupNotFound == 0) {
        text += QStringLiteral("\nStation %1, %2 nursing units")
                    .arg(Qs(st.StationCode))
                    .arg(st.UnitCount);
        for (long i = st.UnitNames.LBound(); i <= st.UnitNames.UBound(); ++i) {
            text += QStringLiteral("\n  %1  %2").arg(i).arg(Qs(Trim(st.UnitNames(i))));
        }
    }
    status_->setText(text);
    picture2_->setPixmap(QPixmap::fromImage(preview_.Image()));
}

void MainWindow::Handle(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(e.what()));
    }
    Refresh();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Handle([this] { Form_KeyDown(app_, 27); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Handle([this] { Form_Unload(app_); });
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() &&
        !app_.os.events.QuitRequested()) {
        Handle([this] { Form_LostFocus(app_); });
    }
    QMainWindow::changeEvent(event);
}

}  // namespace vt
