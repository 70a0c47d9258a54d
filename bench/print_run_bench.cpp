// The print run as the operator feels it: the preview cycle after each change of a setting,
// and a whole facility's week of labels to PDF.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <random>

#include "app/app.h"
#include "facility_site.h"
#include "platform/qt/image_page.h"
#include "platform/qt/painter_surface.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_printers.h"
#include "printing/print_run.h"
#include "program/startup.h"
#include "settings/label_settings.h"
#include "site/demo_site.h"
#include "ui/main/view/main_window.h"

namespace vt::bench {
namespace {
namespace fs = std::filesystem;

// A folder of its own for the benchmark's site and PDF files, removed afterwards.
struct Scratch {
    fs::path path =
        fs::temp_directory_path() / ("vittlon-bench-" + std::to_string(std::random_device{}()));
    Scratch() { fs::create_directories(path); }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// The program's platform, as main() wires it, over a given drives folder.
struct Program {
    explicit Program(const fs::path& drives) : drivesFolder(drives) { dialogs.SetUnattended(true); }
    Drives drivesFolder;
    SystemClock clock;
    QtDialogs dialogs;
    QtEvents events;
    QtPrinters printers;
    QtPictures pictures;
    Platform platform{drivesFolder, clock, dialogs, events, printers, pictures};
    App app{platform};
    ImagePage previewPage{kPreviewPixels};
    PainterSurface picture2{previewPage};
};

// The demo site, written once for every preview benchmark of the run.
const fs::path& DemoDrives() {
    static Scratch scratch;
    static const bool built = [] {
        site::BuildDemoSite(scratch.path / "drives", Date(2026, 12, 8), false);
        return true;
    }();
    (void)built;
    return scratch.path;
}

void PreviewCycle(benchmark::State& state) {
    ::setenv("VITTLON_PDF_DIR", (DemoDrives() / "pdf").c_str(), 1);
    Program program(DemoDrives() / "drives");
    program.app.form1.Picture2 = &program.picture2;
    Form_Load(program.app);
    for (auto _ : state) {
        SaveSet(program.app);
        GetSet(program.app);
        program.app.st.PreviewMode = 1;
        program.picture2.Cls();
        Command1_Click(program.app);
        benchmark::DoNotOptimize(program.previewPage.Image().constBits());
    }
}
BENCHMARK(PreviewCycle)->Unit(benchmark::kMillisecond);

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Four periods and tray labels for every resident, seven days, barcodes: 7 x units x residents
// x 7 labels.
void FacilityWeekToPdf(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    const int residents = static_cast<int>(state.range(1));
    Scratch scratch;
    site::LabelSettings settings =
        test::SettingsWithoutPictures(Date(2030, 1, 1).Text(), residents);
    settings.daysToPrint = 7;
    settings.firstUnit = 1;
    settings.lastUnit = units;
    settings.periodOn = {1, 1, 1, 1};
    settings.trayLabels = 1;
    settings.barcodeOn = 1;
    settings.barcodeType = 6;
    settings.snackMenuOn = 0;
    WriteFacility(scratch.path / "drives", units, residents, settings);
    ::setenv("VITTLON_PDF_DIR", (scratch.path / "pdf").c_str(), 1);
    Program program(scratch.path / "drives");
    Form_Load(program.app);
    const long labels = 7L * units * residents * 7;
    for (auto _ : state) {
        program.app.st.PreviewMode = 0;
        Command1_Click(program.app);
    }
    state.counters["labels"] = static_cast<double>(labels);
    state.counters["labels_per_s"] = benchmark::Counter(
        static_cast<double>(labels) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["peak_MB"] = static_cast<double>(PeakKilobytes()) / 1024.0;
    std::uintmax_t bytes = 0;
    for (const auto& f : fs::directory_iterator(scratch.path / "pdf"))
        bytes += fs::file_size(f.path());
    state.counters["pdf_MB"] = static_cast<double>(bytes) / (1 << 20);
}
// A small facility first, so the peak memory of the large one can be compared with it.
BENCHMARK(FacilityWeekToPdf)
    ->Args({2, 20})
    ->Args({20, 99})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vt::bench

namespace vt::bench {
namespace {

// The two halves of the preview cycle, to see which one costs.
void PreviewCycleParts(benchmark::State& state) {
    Program program(DemoDrives() / "drives");
    program.app.form1.Picture2 = &program.picture2;
    Form_Load(program.app);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            SaveSet(program.app);
            GetSet(program.app);
        } else {
            program.app.st.PreviewMode = 1;
            program.picture2.Cls();
            Command1_Click(program.app);
        }
    }
}
BENCHMARK(PreviewCycleParts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vt::bench
