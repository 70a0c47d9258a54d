#include "program/exit_commands.h"

#include "app/program_end.h"
#include "settings/label_settings.h"
#include "snacks/snack_document.h"

namespace vt {
namespace {
constexpr int kKeyEscape = 27;
}

void Command3_Click(App& app) {
    app.st.StopRequested = 1;
    SaveSet(app);
    savefil(app);
    EndProgram(app);
}

void Command2_Click(App& app) {
    Command3_Click(app);
}

void Form_Unload(App& app) {
    // The window also closes when the program is already ending: save only once.
    if (app.os.events.QuitRequested()) return;
    Command3_Click(app);
}

void Form_KeyDown(App& app, int keyCode) {
    if (keyCode != kKeyEscape) return;
    SaveSet(app);
    EndProgram(app);
}

void Form_LostFocus(App& app) {
    SaveSet(app);
}

}  // namespace vt
