#pragma once
// The program's command line: all of it optional; without arguments the windows open as they
// always did. Parsed before the Qt application exists, so that --help and --version need no
// display and --print can run without one.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

// arguments: the program's name first, byte for byte as argv holds them. File names keep their
// bytes (a name need not be UTF-8); a printer's name, typed as UTF-8, becomes the program's text.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::vector<std::string> ArgumentsOf(int argc, char** argv);

}  // namespace vt
