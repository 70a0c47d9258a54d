#pragma once
// The context every procedure takes: the application state record, the control models of the
// two windows, the platform, and what the program keeps while it runs.
#include <memory>

#include "app/app_state.h"
#include "app/forms.h"
#include "app/program_memory.h"
#include "platform/platform.h"

namespace vt {

struct App {
    AppState st;
    Form1 form1;
    Form2 form2;
    Platform& os;
    std::shared_ptr<ProgramMemory> memory = std::make_shared<ProgramMemory>();

    explicit App(Platform& platform) : os(platform) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;
};

}  // namespace vt
