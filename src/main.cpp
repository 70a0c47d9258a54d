// Vittlon: the dietary office's nourishment label program.
#include <QApplication>
#include <cstdio>
#include <optional>

#include "app/app.h"
#include "app/program_end.h"
#include "cli/command_line.h"
#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_message_filter.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_printers.h"
#include "platform/qt/single_start.h"
#include "platform/qt/termination_signals.h"
#include "ui/program/view/program_windows.h"

int main(int argc, char** argv) {
    const vt::CommandLine line = vt::ParseCommandLine(vt::ArgumentsOf(argc, argv));
    if (line.action == vt::CommandLine::Action::Answer) {
        std::fputs(line.text.c_str(), stdout);
        return vt::kExitDone;
    }
    if (line.action == vt::CommandLine::Action::BadUsage) {
        std::fputs(line.text.c_str(), stderr);
        return vt::kExitBadUsage;
    }
    // A command-line print runs without windows, display or not, as a scheduled job does.
    if (line.run.print) qputenv("QT_QPA_PLATFORM", "offscreen");
    vt::LeaveOutSessionNotes();

    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Vittlon");
    // The desktop finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName("vittlon");

    vt::Drives drives(line.drives.value_or(vt::Drives::DefaultRoot()));
    // The windows open once per drives folder: a second start shows the first one's. A
    // command-line print is a run of its own, as a scheduled job's is.
    std::optional<vt::SingleStart> single;
    if (!line.run.print) {
        single.emplace(drives.root());
        if (single->HandedOver()) {
            const bool shown = single->FirstAnswered();
            vt::TellErrorOutput("already running for the drives folder " +
                                vt::ShownPath(drives.root()) +
                                (shown ? "; its windows were brought to the front."
                                       : ", and it did not answer; nothing else was started."));
            return shown ? vt::kExitDone : vt::kExitFailed;
        }
    }
    vt::SystemClock clock;
    vt::QtDialogs dialogs;
    vt::QtEvents events;
    vt::QtPrinters printers;
    if (line.outputPdf) printers.SetPdfFile(*line.outputPdf);
    vt::QtPictures pictures;
    vt::Platform platform{drives, clock, dialogs, events, printers, pictures};
    vt::App app(platform);
    app.st.CommandLine = line.run;

    vt::ProgramWindows windows(app, dialogs, events);
    // A termination request ends the program as the exit button does: settings and snack list
    // are saved first.
    vt::TerminationSignals termination([&windows] { windows.Leave(); });
    if (single) single->OnShowRequest([&windows] { windows.ToFront(); });
    if (!windows.Start()) return events.ExitStatus();
    return QApplication::exec();
}
