#pragma once
// What the command line asks of the one automatic run it starts: it changes that run only, and
// nothing of it is stored in the station's files.
#include <optional>
#include <string>

#include "platform/date.h"
#include "platform/page_list.h"

namespace vt {

struct CommandLineRun {
    bool print = false;             // print as the automatic-print marker does, and end
    std::optional<Date> startDate;  // the labels' start date instead of the stored one
    std::string printer;            // "" keeps the stored printer
    bool printTodayOrPast = false;  // answer the question about a start date not in the future
    long startAtLabel = 1;          // the first sheet's first cell to use
    long userLabels = 0;            // > 0: print the stored user-label text this many times
    PageList sheets;                // only these sheets of the run; every sheet when empty
};

}  // namespace vt
