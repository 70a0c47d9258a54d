#pragma once
// The program's two windows over one App: the preview surface they share, each window
// refreshed after the other's handlers, the event pump and dialogs tied to them, and start-up.
#include "app/app.h"
#include "platform/qt/image_page.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "ui/common/view/report_window.h"
#include "ui/main/view/main_window.h"
#include "ui/simple/view/simple_window.h"

namespace vt {

class ProgramWindows {
  public:
    ProgramWindows(App& app, QtDialogs& dialogs, QtEvents& events);
    // Keeps where the user left the windows that were shown.
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Start-up, then the windows: the main window, and the simple window in front of it. False
    // when the program ended during start-up (headless, a start-up that stopped short ends it).
    bool Start();
    // End the program as its exit button does (a termination request).
    void Leave();
    // Bring the shown windows to the front, as they were before they were minimized (another
    // start of the program asks for them).
    void ToFront();

    MainWindow& Main() { return main_; }
    SimpleWindow& Simple() { return simple_; }
    ReportWindow& Report() { return report_; }

  private:
    // No display (the offscreen platform): nobody sees the windows or answers a box.
    static bool Headless();
    // After a handler of either window: a real run that ended is told in both windows' run
    // status, and its report opens when something in it needs the operator's eye.
    void TellEndedRun();

    App& app_;
    QtEvents& events_;
    ImagePage previewPage_{kPreviewPixels};
    PainterSurface picture2_{previewPage_};
    MainWindow main_;
    SimpleWindow simple_;
    ReportWindow report_{&main_};
    RunReport lastReport_;
    Int32 runsTold_ = 0;
    Int32 pagesTold_ = 0;  // pages printed outside runs whose line the windows show
};

}  // namespace vt
