#include "ui/simple/show_form2.h"

namespace vt {

// The simple window comes with its own work; until then it stays hidden.
void ShowForm2(App&) {}

}  // namespace vt
