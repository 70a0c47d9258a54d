#include "ui/program/view/program_windows.h"

#include <QGuiApplication>

#include "app/program_end.h"
#include "app/startup.h"

namespace vt {

ProgramWindows::ProgramWindows(App& app, QtDialogs& dialogs, QtEvents& events)
    : app_(app), events_(events), main_(app, previewPage_), simple_(app) {
    app_.form1.Picture2 = &picture2_;
    dialogs.SetParent(&main_);
    dialogs.SetUnattended(QGuiApplication::platformName() == "offscreen");
    // Each window's handlers change the other's models too: both are refreshed after each.
    main_.SetAfterHandler([this] { simple_.Refresh(); });
    simple_.SetAfterHandler([this] { main_.Refresh(); });
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

bool ProgramWindows::Start() {
    Form_Load(app_);
    if (events_.QuitRequested()) return false;
    main_.Refresh();
    simple_.Refresh();
    if (!app_.form2.Form.Visible) main_.show();
    return true;
}

void ProgramWindows::Leave() {
    Form_Unload(app_);
    main_.Refresh();
}

}  // namespace vt
