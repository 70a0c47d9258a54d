#include "settings/label_settings.h"

namespace vt {

// The settings file is read and written by the label settings work that follows; until then a
// station runs on the window's design values.
void GetSet(App&) {}
void SaveSet(App&) {}

}  // namespace vt
