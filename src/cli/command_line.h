#pragma once
// The program's command line: all of it optional; without arguments the windows open as they
// always did. Parsed before the Qt application exists, so that --help and --version need no
// display and --print can run without one.
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "app/command_line_run.h"

namespace vt {

struct CommandLine {
    enum class Action {
        Start,     // start the program (the windows, or the --print run)
        Answer,    // print `text` on the standard output and end with status 0
        BadUsage,  // print `text` on the error output and end with status 2
    };
    Action action = Action::Start;
    std::string text;
    std::optional<std::filesystem::path> drives;     // instead of $VITTLON_DRIVES
    std::optional<std::filesystem::path> outputPdf;  // the PDF printer's one file
    CommandLineRun run;
};

// arguments: the program's name first, as argv holds them.
CommandLine ParseCommandLine(const QStringList& arguments);

// argv as Qt strings (the locale's encoding, as the shell passed them).
QStringList ArgumentsOf(int argc, char** argv);

}  // namespace vt
