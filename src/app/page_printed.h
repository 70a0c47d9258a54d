#pragma once
// A page printed outside a label run (the snack menu, a printer's test sheet): the status
// line the windows show after it, saying what went out and where, as they do after a run.
#include <string>

#include "app/app.h"

namespace vt {

// After the page's job: "Printed the snack menu to Vittlon PDF: /home/diet/menu-....pdf", or
// that it did not go out. `ended`: the printer was told to end the job (what it delivered is
// this job's); a job that failed before that delivered nothing.
void TellPagePrinted(App& app, const std::string& what, bool ended);

}  // namespace vt
