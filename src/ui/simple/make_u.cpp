#include "ui/simple/make_u.h"

namespace vt {

// The user-defined labels come with the simple window's work; until then no lines are made.
void MakeU(App&) {}

}  // namespace vt
