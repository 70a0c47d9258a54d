// Vittlon: the dietary office's nourishment label program.
#include <QApplication>

#include "app/app.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/termination_signals.h"
#include "ui/program/view/program_windows.h"

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

    vt::ProgramWindows windows(app, dialogs, events);
    // A termination request ends the program as the exit button does: settings and snack list
    // are saved first.
    vt::TerminationSignals termination([&windows] { windows.Leave(); });
    if (!windows.Start()) return events.ExitStatus();
    return QApplication::exec();
}
