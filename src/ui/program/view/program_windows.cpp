#include "ui/program/view/program_windows.h"

#include <QApplication>
#include <QGuiApplication>

#include "app/program_end.h"
#include "printing/run_report_text.h"
#include "program/exit_commands.h"
#include "program/startup.h"
#include "ui/program/view/window_positions.h"

namespace vt {

ProgramWindows::ProgramWindows(App& app, QtDialogs& dialogs, QtEvents& events)
    : app_(app), events_(events), main_(app, previewPage_), simple_(app) {
    app_.form1.Picture2 = &picture2_;
    dialogs.SetParent(&main_);
    dialogs.SetUnattended(Headless());
    // A print run lets both windows' events through: while a handler of either runs, neither
    // starts another (a second run would take over the first one's sheet and state).
    main_.Handlers().ShareBusyWith(simple_.Handlers());
    // Each window's handlers change the other's models too: both are refreshed after each.
    main_.SetAfterHandler([this] {
        simple_.Refresh();
        TellEndedRun();
    });
    simple_.SetAfterHandler([this] {
        main_.Refresh();
        TellEndedRun();
    });
    const auto showReport = [this] { report_.Show(lastReport_); };
    QObject::connect(&main_, &MainWindow::ReportWanted, &report_, showReport);
    QObject::connect(&simple_, &SimpleWindow::ReportWanted, &report_, showReport);
    events_.SetRefresh([this] {
        main_.Refresh();
        simple_.Refresh();
    });
    QObject::connect(&simple_, &SimpleWindow::MainWindowWanted, &main_, [this] {
        main_.show();
        main_.raise();
        main_.activateWindow();
    });
}

ProgramWindows::~ProgramWindows() {
    // A window that was never shown has no native window, and no position of its own to keep.
    if (main_.windowHandle() != nullptr) SaveWindowPosition(main_, "main");
    if (simple_.windowHandle() != nullptr) SaveWindowPosition(simple_, "simple");
}

bool ProgramWindows::Start() {
    Form_Load(app_);
    if (events_.QuitRequested()) return false;
    // Without a display nobody could use a window that start-up left half-loaded: the program
    // ends and says why (the box that told a missing setup file already said it).
    const std::string& failure =
        app_.st.StartUpFailure.empty() ? app_.st.SettingsFailure : app_.st.StartUpFailure;
    if (Headless() && !failure.empty()) {
        if (app_.st.SetupNotFound != 0) {
            EndProgram(app_, kExitFailed);
        } else {
            EndProgramFailed(app_, kExitFailed, "start-up stopped: " + failure);
        }
        return false;
    }
    // The main window opens; the simple window, when start-up showed it, opens in front. Each
    // where the user left it last time, when it fits there whole at the size it now has.
    main_.Refresh();
    simple_.Refresh();
    RestoreWindowPosition(main_, "main");
    RestoreWindowPosition(simple_, "simple");
    main_.show();
    if (simple_.isVisible()) {
        simple_.raise();
        simple_.activateWindow();
    }
    return true;
}

void ProgramWindows::TellEndedRun() {
    if (app_.st.PagePrinted.count != pagesTold_) {
        pagesTold_ = app_.st.PagePrinted.count;
        main_.ShowPagePrinted(app_.st.PagePrinted.line);
        simple_.ShowPagePrinted(app_.st.PagePrinted.line);
    }
    if (app_.st.RunsReported == runsTold_) return;
    runsTold_ = app_.st.RunsReported;
    lastReport_ = app_.st.Report;
    main_.ShowRunResult(lastReport_);
    simple_.ShowRunResult(lastReport_);
    if (RunReportNeedsAttention(lastReport_)) report_.Show(lastReport_);
}

bool ProgramWindows::Headless() {
    return QGuiApplication::platformName() == "offscreen";
}

void ProgramWindows::ToFront() {
    // The simple window opens in front of the main one; a box that waits for an answer stays in
    // front of both.
    for (QWidget* window : {static_cast<QWidget*>(&main_), static_cast<QWidget*>(&simple_),
                            static_cast<QWidget*>(&report_), QApplication::activeModalWidget()}) {
        if (window == nullptr || !window->isVisible()) continue;
        if (window->isMinimized()) window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

void ProgramWindows::Leave() {
    Form_Unload(app_);
    main_.Refresh();
}

}  // namespace vt
