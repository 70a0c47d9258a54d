#include "printing/dry_run.h"

#include <algorithm>

#include "printing/print_run.h"

namespace vt {
namespace {

// The only question of a print run is whether to print labels dated today or earlier: the dry
// run shows them as they print once the operator says yes. The run's error box becomes the
// failure.
class DryDialogs : public Dialogs {
  public:
    std::string failure;

    MsgAnswer MsgBox(const std::string& text, const std::string&, MsgButtons buttons, int,
                     const std::string& detail) override {
        if (buttons == MsgButtons::YesNo) return MsgAnswer::Yes;
        failure = detail.empty() ? text : detail;
        return MsgAnswer::OK;
    }
    std::optional<std::string> InputBox(const std::string&, const std::string&,
                                        const std::string& defaultText) override {
        return defaultText;
    }
};

// Between residents: the caller's say, and the program's own exit, stop the dry run. It never
// ends the program itself.
class DryEvents : public Events {
  public:
    DryEvents(App& owner, const std::function<bool()>& keepGoing)
        : owner_(owner), keepGoing_(keepGoing) {}
    void Watch(AppState& run) { run_ = &run; }

    void DoEvents() override {
        const bool ending =
            owner_.st.StopRequested == 1 || owner_.os.events.QuitRequested() || !keepGoing_();
        if (ending && run_ != nullptr) run_->StopRequested = 1;
    }
    void Quit(int) override {}
    bool QuitRequested() const override { return false; }

  private:
    App& owner_;
    const std::function<bool()>& keepGoing_;
    AppState* run_ = nullptr;
};

// The installed printers as they are, the current one chosen only for the dry run, and the
// caller's surface as the printer.
class DryPrinters : public Printers {
  public:
    DryPrinters(Printers& installed, Surface& sheets)
        : installed_(installed), sheets_(sheets), current_(installed.CurrentName()) {}

    std::vector<std::string> Installed() override { return installed_.Installed(); }
    std::string DefaultName() override { return installed_.DefaultName(); }
    bool SetCurrent(const std::string& name) override {
        const std::vector<std::string> names = installed_.Installed();
        if (std::find(names.begin(), names.end(), name) == names.end()) return false;
        current_ = name;
        return true;
    }
    std::string CurrentName() override { return current_; }
    Surface& Printer() override { return sheets_; }
    void RunEnded() override {}
    void RunCancelled() override {}

  private:
    Printers& installed_;
    Surface& sheets_;
    std::string current_;
};

DryRunResult DrawDry(App& app, Surface& sheets, const std::function<bool()>& keepGoing,
                     const LabelKey* label, long cell) {
    DryDialogs dialogs;
    DryEvents events(app, keepGoing);
    DryPrinters printers(app.os.printers, sheets);
    Platform platform{app.os.drives, app.os.clock, dialogs, events, printers, app.os.pictures};
    App run(platform);
    run.memory = app.memory;
    run.st = app.st;
    run.form1 = app.form1;
    run.form2 = app.form2;
    events.Watch(run.st);

    AppState& st = run.st;
    st.StopRequested = 0;
    st.RunStopOnly = 0;
    run.form1.Picture2 = nullptr;
    // The run PRINT would make, drawn and kept nowhere; nobody is asked anything.
    RunRequest request = RunRequestOf(st);
    request.output = RunRequest::Output::Dry;
    request.unattended = false;
    if (label != nullptr) {
        request.onlyLabel = *label;
        request.startAtLabel = cell;
    }
    PrintRun(run, request);

    DryRunResult result;
    result.report = st.Report;
    result.sheet = SheetGeometry::Of(st);
    result.failure = dialogs.failure;
    result.complete = st.StopRequested != 1 && result.failure.empty();
    return result;
}

}  // namespace

DryRunResult DrawDryRun(App& app, Surface& sheets, const std::function<bool()>& keepGoing) {
    return DrawDry(app, sheets, keepGoing, nullptr, 0);
}

DryRunResult DrawDryRun(App& app, Surface& sheets, const std::function<bool()>& keepGoing,
                        const LabelKey& label, long cell) {
    return DrawDry(app, sheets, keepGoing, &label, cell);
}

}  // namespace vt
