#pragma once
// What every fuzz target shares: the demo site, written once per process into a folder in
// memory and started up as the program starts; a station over it for each input, as start-up
// left it; and what a reader may throw.
//
// A target writes the input as one of the site's files, calls the program's own procedure that
// reads it, and lets `Read` judge what comes out. Everything the program reports as a file
// error (FileError, MissingFile) is an answer to a damaged file; any other exception, a failed
// `Check` or a sanitizer report is a finding.
#include <cxxabi.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>

#include "app/app.h"
#include "platform/file_error.h"
#include "platform/qt/qt_pictures.h"
#include "printing/day_snack_table.h"
#include "printing/label_from_state.h"
#include "program/startup.h"
#include "site/demo_site.h"
#include "support/test_support.h"

namespace vt::fuzz {

inline Date Today() {
    return Date(2026, 12, 8);
}

// Stop the process as a finding: libFuzzer keeps the input that led here.
[[noreturn]] inline void Finding(const std::string& what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

inline void Check(bool holds, const std::string& what) {
    if (!holds) Finding(what);
}

// Run a reader: a file error is its documented answer to a damaged file, anything else thrown
// is a finding.
template <class Body>
void Read(Body&& body) {
    try {
        body();
    } catch (const FileError&) {
    } catch (const std::exception& e) {
        int status = 0;
        std::unique_ptr<char, decltype(&std::free)> name(
            abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), &std::free);
        Finding(std::string(status == 0 ? name.get() : typeid(e).name()) + ": " + e.what());
    } catch (...) {
        Finding("an exception of no standard type");
    }
}

// Fakes of the platform over the site's drives folder, and a new App: nothing one input left
// in the state, the windows or the drives' caches reaches the next.
struct Station {
    enum class Start { Fresh, AfterStartUp };

    Drives drives;
    FixedClock clock{Today()};
    test::ScriptedDialogs dialogs;
    test::FakeEvents events;
    test::FakePrinters printers;
    test::FakePictures fakePictures;
    Platform platform;
    App app;

    explicit Station(const std::filesystem::path& root, Pictures* pictures = nullptr)
        : drives(root),
          platform{drives, clock, dialogs, events, printers, pictures ? *pictures : fakePictures},
          app(platform) {}
};

// The demo site in a folder of its own, removed when the process ends; in memory (/dev/shm)
// where the machine has it, so that rewriting a file per input costs no disk.
class Site {
  public:
    static Site& Get() {
        static Site site;
        return site;
    }

    // A station for one input: a new App, as start-up left the demo site or fresh.
    std::unique_ptr<Station> NewStation(Station::Start start = Station::Start::AfterStartUp,
                                        Pictures* pictures = nullptr) const {
        auto station = std::make_unique<Station>(root_, pictures);
        if (start == Station::Start::AfterStartUp) {
            station->app.st = started_->app.st;
            station->app.form1 = started_->app.form1;
            station->app.form2 = started_->app.form2;
        }
        return station;
    }

    // The host file of a Windows path of the site (its folder must exist).
    std::filesystem::path Host(const std::string& winPath) const {
        const std::optional<std::filesystem::path> host = started_->drives.Target(winPath);
        if (!host) Finding("the demo site has no folder for " + winPath);
        return *host;
    }

    // Write bytes over a file of the site.
    void Write(const std::string& winPath, const std::uint8_t* data, std::size_t size) const {
        std::ofstream out(Host(winPath), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) Finding("cannot write " + winPath);
    }
    void Write(const std::string& winPath, const std::string& bytes) const {
        Write(winPath, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    void Remove(const std::string& winPath) const {
        std::error_code error;
        std::filesystem::remove(Host(winPath), error);
    }
    // A file's bytes now (the caller saves them before a target writes over them).
    std::string Bytes(const std::string& winPath) const {
        return started_->drives.ReadWhole(winPath, kMaxPictureFileBytes);
    }

    // The state start-up left: paths, station code, settings, the open snack list.
    const AppState& state() const { return started_->app.st; }

    Site(const Site&) = delete;
    Site& operator=(const Site&) = delete;

  private:
    Site() {
        // The program's error output is a line per damaged file: thousands of lines a second.
        if (std::getenv("VITTLON_FUZZ_TELL") == nullptr) std::cerr.rdbuf(nullptr);
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, error)) {
            base = std::filesystem::temp_directory_path();
        }
        RemoveLeftOver(base);
        root_ = base / (kPrefix + std::to_string(::getpid()));
        std::filesystem::remove_all(root_, error);
        if (!std::filesystem::create_directory(root_, error)) {
            Finding("cannot make " + root_.string() + ": " + error.message());
        }
        site::BuildDemoSite(root_, Today(), false);

        started_ = std::make_unique<Station>(root_);
        App& app = started_->app;
        Form_Load(app);
        if (!app.st.StartUpFailure.empty()) {
            Finding("the demo site does not start: " + app.st.StartUpFailure);
        }
        // The label day's row of the snack list, as a print run reads it before any resident.
        ReadDaySnacks(app);
    }
    ~Site() {
        started_.reset();
        std::error_code error;
        std::filesystem::remove_all(root_, error);
    }

    static constexpr const char* kPrefix = "vittlon-fuzz-";

    // The sites of runs that ended in a finding: their process is gone.
    static void RemoveLeftOver(const std::filesystem::path& base) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(base, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(kPrefix, 0) != 0) continue;
            const long pid = std::atol(name.c_str() + std::string_view(kPrefix).size());
            if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
                std::filesystem::remove_all(entry.path(), error);
            }
        }
    }

    std::filesystem::path root_;
    std::unique_ptr<Station> started_;
};

// The state start-up left on the demo site, for the paths of its files.
inline const AppState& Started() {
    return Site::Get().state();
}

// A station as start-up left the demo site, with the input written over the file at `winPath`.
inline std::unique_ptr<Station> StationWith(const std::string& winPath, const std::uint8_t* data,
                                            std::size_t size) {
    const Site& site = Site::Get();
    site.Write(winPath, data, size);
    return site.NewStation();
}

// A resident without a picture of the demo's own: the picture targets write theirs.
inline constexpr const char* kPictureResident = "4001";

// A station at resident kPictureResident's label on the printer page, whose pictures are
// loaded by the program's own picture readers (`pictures`).
inline std::unique_ptr<Station> PictureStation(QtPictures& pictures) {
    auto station = Site::Get().NewStation(Station::Start::AfterStartUp, &pictures);
    AppState& st = station->app.st;
    st.ResidentId = kPictureResident;
    st.PrintTarget = &station->printers.Printer();
    st.PrivacyLevel = 0;
    return station;
}

// The input as resident kPictureResident's picture file of that extension, drawn on the label
// as the print run draws it; `check` gets the picture loaded, when one was.
template <class CheckPicture>
void DrawPictureFile(const char* extension, const std::uint8_t* data, std::size_t size,
                     CheckPicture&& check) {
    QtPictures pictures;
    const auto station = PictureStation(pictures);
    Site::Get().Write(site::DemoLayout().PicturePath(kPictureResident, extension), data, size);
    Read([&] {
        DrawMenu(station->app);
        const Picture& picture = station->app.form1.Image1.Picture;
        if (!picture.empty()) check(*picture.data);
    });
}

}  // namespace vt::fuzz
