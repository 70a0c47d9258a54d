// The print run as the operator feels it: the preview cycle after each change of a setting,
// a whole facility's week of labels to PDF, and the preview of every sheet of a run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <algorithm>
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
#include "platform/qt/sheet_recording.h"
#include "printing/dry_run.h"
#include "printing/print_run.h"
#include "program/startup.h"
#include "settings/label_settings.h"
#include "site/demo_site.h"
#include "ui/main/view/all_sheets_preview.h"
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
    WriteFacility(scratch.path / "drives", units, residents, FacilitySettings(units, residents, 7));
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

namespace vt::bench {
namespace {

// The time from the command to the first sheet on the screen: the preview window's page view
// paints with a sheet in it, and the window is closed there.
class FirstSheetShown : public QObject {
  public:
    void Start() {
        shown_ = false;
        clock_.start();
    }
    double Milliseconds() const { return milliseconds_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (shown_ || event->type() != QEvent::Paint || !watched->parent() ||
            watched->parent()->objectName() != QStringLiteral("Sheets")) {
            return false;
        }
        const QWidget* dialog = QApplication::activeModalWidget();
        const auto* count =
            dialog ? dialog->findChild<QLabel*>(QStringLiteral("PageCount")) : nullptr;
        if (!count || count->text().trimmed() == QStringLiteral("of 0")) return false;
        shown_ = true;
        // Right after this paint, with the sheet drawn.
        QTimer::singleShot(0, this, [this] {
            milliseconds_ = double(clock_.nsecsElapsed()) / 1e6;
            if (QWidget* open = QApplication::activeModalWidget()) open->close();
        });
        return false;
    }

  private:
    QElapsedTimer clock_;
    bool shown_ = false;
    double milliseconds_ = 0;
};

void AllSheetsPreviewFirstSheet(benchmark::State& state) {
    Program program(DemoDrives() / "drives");
    program.app.form1.Picture2 = &program.picture2;
    Form_Load(program.app);
    QWidget window;
    FirstSheetShown shown;
    qApp->installEventFilter(&shown);
    for (auto _ : state) {
        shown.Start();
        PreviewAllSheets(program.app, window);
        state.SetIterationTime(shown.Milliseconds() / 1000);
    }
    qApp->removeEventFilter(&shown);
}
BENCHMARK(AllSheetsPreviewFirstSheet)->UseManualTime()->Unit(benchmark::kMillisecond);

// A whole facility day (20 units of 99 residents, four periods and tray labels, barcodes)
// drawn by the dry run: its first sheet, all of it, the longest stretch without a chance for
// window events, what its recording keeps, one sheet drawn for the screen, and every sheet drawn
// at once as a preview that paints all pages first would.
void AllSheetsPreviewFacilityDay(benchmark::State& state) {
    Scratch scratch;
    WriteFacility(scratch.path / "drives", 20, 99, FacilitySettings(20, 99, 1));
    Program program(scratch.path / "drives");
    Form_Load(program.app);
    const QSize screenPage(816, 1056);  // a sheet at 100% on an ordinary screen
    for (auto _ : state) {
        SheetRecording sheets;
        QElapsedTimer clock;
        clock.start();
        double firstSheet = 0;
        sheets.SetSheetDone([&] {
            if (sheets.Sheets() == 1) firstSheet = double(clock.nsecsElapsed()) / 1e6;
        });
        // The longest the run goes without a chance to let window events through.
        qint64 lastChance = 0, longestGap = 0;
        const DryRunResult result = DrawDryRun(program.app, sheets, [&] {
            longestGap = std::max(longestGap, clock.nsecsElapsed() - lastChance);
            lastChance = clock.nsecsElapsed();
            return true;
        });
        const double run = double(clock.nsecsElapsed()) / 1e9;
        clock.restart();
        benchmark::DoNotOptimize(sheets.Render(sheets.Sheets() / 2, screenPage).constBits());
        const double oneSheet = double(clock.nsecsElapsed()) / 1e6;
        clock.restart();
        for (int i = 0; i < sheets.Sheets(); ++i) {
            benchmark::DoNotOptimize(sheets.Render(i, screenPage).constBits());
        }
        const double allSheets = double(clock.nsecsElapsed()) / 1e9;
        state.counters["sheets"] = double(result.report.sheets);
        state.counters["labels"] = double(result.report.Labels());
        state.counters["first_sheet_ms"] = firstSheet;
        state.counters["run_s"] = run;
        state.counters["longest_gap_ms"] = double(longestGap) / 1e6;
        state.counters["recorded_MB"] = double(sheets.Bytes()) / (1 << 20);
        state.counters["one_sheet_ms"] = oneSheet;
        state.counters["all_sheets_drawn_s"] = allSheets;
        state.counters["peak_MB"] = double(PeakKilobytes()) / 1024.0;
    }
}
BENCHMARK(AllSheetsPreviewFacilityDay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vt::bench
