#include "snacks/snack_document.h"

namespace vt {

// The snack list document comes with the snack list work; until then no list is open.
void loadfil(App&) {}
void savefil(App&) {}

}  // namespace vt
