// Vittlon: the dietary office's nourishment label program.
#include <QApplication>

#include "app/app.h"
#include "app/program_end.h"
#include "app/startup.h"
#include "platform/qt/image_page.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/termination_signals.h"
#include "ui/main/view/main_window.h"
#include "ui/simple/view/simple_window.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Vittlon");

    vt::Drives drives(vt::Drives::DefaultRoot());
    vt::SystemClock clock;
    vt::QtDialogs dialogs;
    vt::QtEvents events;
    vt::QtPrinters printers;
    vt::QtPictures pictures;
    vt::Platform platform{drives, clock, dialogs, events, printers, pictures};
    vt::App app(platform);

    vt::ImagePage previewPage(vt::kPreviewPixels);
    vt::PainterSurface picture2(previewPage);
    app.form1.Picture2 = &picture2;

    vt::MainWindow window(app, previewPage);
    vt::SimpleWindow simple(app);
    dialogs.SetParent(&window);
    dialogs.SetUnattended(QGuiApplication::platformName() == "offscreen");
    // Each window's handlers change the other's models too: both are refreshed after each.
    window.SetAfterHandler([&simple] { simple.Refresh(); });
    simple.SetAfterHandler([&window] { window.Refresh(); });
    events.SetRefresh([&window, &simple] {
        window.Refresh();
        simple.Refresh();
    });
    QObject::connect(&simple, &vt::SimpleWindow::MainWindowWanted, &window, [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    });
    // A termination request ends the program as the exit button does: settings and snack list
    // are saved first.
    vt::TerminationSignals termination([&app, &window] {
        vt::Form_Unload(app);
        window.Refresh();
    });

    vt::Form_Load(app);
    if (events.QuitRequested()) return 0;

    // The simple window is the one an operator starts with; the main window opens from its
    // Advanced button. A station whose start-up stopped early has only the main window.
    window.Refresh();
    simple.Refresh();
    if (!app.form2.Form.Visible) window.show();
    return QApplication::exec();
}
