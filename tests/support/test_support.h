#pragma once
// Fakes of the platform interfaces and temporary drives folders for tests.
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/recording_surface.h"
#include "support/scoped_env.h"

namespace vt::test {

// A fresh temporary folder, removed with everything in it at the end of the test.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Write bytes to a host file, creating its folders.
void WriteHostFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadHostFile(const std::filesystem::path& path);

// Message and input boxes answered from a script; every question is kept.
class ScriptedDialogs : public Dialogs {
  public:
    struct Asked {
        std::string text, title;
        MsgButtons buttons;
        int defaultButton;
        std::string detail;
    };
    std::deque<MsgAnswer> answers;                  // empty: OK / the default button
    std::deque<std::optional<std::string>> inputs;  // empty: cancel
    std::vector<Asked> asked;
    std::vector<std::string> prompts;

    MsgAnswer MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                     int defaultButton, const std::string& detail) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
};

class FakeEvents : public Events {
  public:
    int doEventsCalls = 0;
    std::function<void()> onDoEvents;  // runs inside DoEvents, as an operator's click would
    bool quit = false;
    int exitStatus = 0;

    void DoEvents() override;
    void Quit(int status) override {
        quit = true;
        exitStatus = status;
    }
    bool QuitRequested() const override { return quit; }
};

// The printer's page: records like any surface. While `refusal` is set, ending a document
// throws it, as a printer that fails the job does.
class FakePrinterPage : public RecordingSurface {
  public:
    using RecordingSurface::RecordingSurface;
    std::string refusal;
    void EndDoc() override;
};

class FakePrinters : public Printers {
  public:
    std::vector<std::string> names{"Office Laser", kPdfPrinterName};
    std::string defaultName = "Office Laser";
    std::string current = "Office Laser";
    int runsEnded = 0;
    int runsCancelled = 0;
    FakePrinterPage printer{4.8};  // a 300 dpi printer

    std::vector<std::string> Installed() override { return names; }
    std::string DefaultName() override { return defaultName; }
    bool SetCurrent(const std::string& name) override;
    std::string CurrentName() override { return current; }
    Surface& Printer() override { return printer; }
    void RunEnded() override { ++runsEnded; }
    void RunCancelled() override { ++runsCancelled; }
    std::map<std::string, PrinterAlignment> alignments;
    PrinterAlignment Alignment(const std::string& name) override {
        const auto found = alignments.find(name);
        return found == alignments.end() ? PrinterAlignment{} : found->second;
    }
};

// Loads any non-empty file as a 100 x 100 picture; an empty or missing file throws FileError.
class FakePictures : public Pictures {
  public:
    std::vector<std::string> loaded;
    Picture Load(const std::string& hostPath) override;
};

// Everything a procedure needs, over a temporary drives folder and a fixed date.
class TestPlatform {
  public:
    explicit TestPlatform(Date today = Date(2026, 12, 8));

    const std::filesystem::path& root() const { return dir_.path(); }
    // Host path of a Windows path under the drives folder (folders created as needed).
    std::filesystem::path Host(const std::string& winPath) const;

    TempDir dir_;
    // Run reports go into the temporary folder, never into the user's own.
    ScopedEnv stateHome_{"XDG_STATE_HOME", (dir_.path() / "state").string()};
    Drives drives;
    FixedClock clock;
    ScriptedDialogs dialogs;
    FakeEvents events;
    FakePrinters printers;
    FakePictures pictures;
    Platform platform;
};

}  // namespace vt::test
