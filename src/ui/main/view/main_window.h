#pragma once
// The main window's view. For now it shows the window title, the site's state, the label
// preview and the two exit buttons; the full set of controls follows.
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <functional>

#include "app/app.h"
#include "platform/qt/image_page.h"

namespace vt {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(App& app, ImagePage& preview);

    // Copy every model into its widget.
    void Refresh();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Run a handler; no exception may cross the event loop. Then refresh from the models.
    void Handle(const std::function<void()>& handler);

    App& app_;
    ImagePage& preview_;
    QLabel* status_;
    QLabel* picture2_;
    QPushButton* command3_;
    QPushButton* command2_;
};

}  // namespace vt
