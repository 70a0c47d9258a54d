#pragma once
// The demo site with the real Qt platform, as the windows run on it: printing goes to "Vittlon
// PDF" files in the station's own folder, run reports to its own state folder.
#include <QDir>
#include <QStringList>
#include <filesystem>
#include <string>

#include "app/app.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_events.h"
#include "platform/qt/qt_pictures.h"
#include "platform/qt/qt_printers.h"
#include "site/demo_site.h"
#include "support/qt/run_tool.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace vt::test {

struct DemoStation {
    TempDir dir;
    std::filesystem::path pdfDir = dir.path() / "pdf";
    ScopedEnv pdfEnv{"VITTLON_PDF_DIR", pdfDir.string()};
    ScopedEnv stateEnv{"XDG_STATE_HOME", (dir.path() / "state").string()};
    Drives drives{dir.path() / "drives"};
    FixedClock clock{Date(2026, 12, 8)};
    QtDialogs dialogs;
    QtEvents events;
    QtPrinters printers;
    QtPictures pictures;
    Platform platform{drives, clock, dialogs, events, printers, pictures};
    App app{platform};
    site::SiteLayout layout = site::DemoLayout();

    DemoStation() {
        site::BuildDemoSite(dir.path() / "drives", clock.Today(), false);
        std::filesystem::create_directories(pdfDir);
    }
    std::string Bytes(const std::string& winPath) {
        return drives.FileExists(winPath) ? drives.ReadWhole(winPath) : std::string();
    }
    // The PDF files written so far whose names start with `prefix` ("labels", "menu").
    QStringList Pdfs(const QString& prefix) const {
        return QDir(QString::fromStdString(pdfDir.string()))
            .entryList({prefix + "-*.pdf"}, QDir::Files, QDir::Name);
    }
    QString PdfText(const QString& name) const {
        return RunTool(
            "pdftotext",
            {"-layout", QString::fromStdString((pdfDir / name.toStdString()).string()), "-"});
    }
};

}  // namespace vt::test
