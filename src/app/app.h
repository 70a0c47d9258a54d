#pragma once
// The context every procedure takes: the application state record, the control models of the
// two windows, and the platform.
#include "app/app_state.h"
#include "app/forms.h"
#include "platform/platform.h"

namespace vt {

struct App {
    AppState st;
    Form1 form1;
    Form2 form2;
    Platform& os;

    explicit App(Platform& platform) : os(platform) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;
};

}  // namespace vt
