#include "printing/print_run.h"

namespace vt {

// The print run comes with the label printing work; until then nothing is drawn.
void Command1_Click(App&) {}

}  // namespace vt
