#pragma once
// Everything the procedures reach of the world: files, printers, dialogs, clock, events and
// pictures. The program wires the Qt implementations in; tests wire fakes.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/events.h"
#include "platform/picture.h"
#include "platform/printers.h"

namespace vt {

struct Platform {
    Drives& drives;
    Clock& clock;
    Dialogs& dialogs;
    Events& events;
    Printers& printers;
    Pictures& pictures;
};

}  // namespace vt
