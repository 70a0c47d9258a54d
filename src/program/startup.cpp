#include "program/startup.h"

#include <exception>
#include <filesystem>
#include <optional>

#include "app/program_end.h"
#include "app/show_form2.h"
#include "platform/codepage.h"
#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "printing/picture_conversion.h"
#include "printing/print_run.h"
#include "program/setup_file.h"
#include "settings/label_settings.h"
#include "snacks/snack_document.h"

namespace vt {
namespace {

constexpr const char* kIconFile = "c:\\zel\\ahpg8.ico";
constexpr const char* kTitlePrefix = "[ Vittlon ]         ";
constexpr std::size_t kSiteTitleLength = 200;
constexpr std::size_t kTemplateRecordLength = 82;
constexpr int kLabelTypeNames = 50;

void LoadIcon(App& app) {
    if (!app.os.drives.FileExists(kIconFile)) return;
    // A file gone since the lookup is missing too: no icon.
    if (const std::optional<std::filesystem::path> icon = app.os.drives.Resolve(kIconFile)) {
        app.form1.Form.IconPath = icon->string();
    }
}

void ReadSiteTitle(App& app) {
    AppState& st = app.st;
    st.SiteTitle = "";
    const std::string path = st.SetupTable(23) + "\\setup\\conm." + st.StationCode;
    if (app.os.drives.FileExists(path)) {
        RecordFile title(app.os.drives, path, kSiteTitleLength, RecordFile::Mode::Read);
        st.SiteTitle = RTrim(title.Read(1));
    }
    if (!st.SiteTitle.empty()) app.form1.Form.Caption = kTitlePrefix + st.SiteTitle;
}

void FillPrinterList(App& app) {
    AppState& st = app.st;
    const std::string defaultName = app.os.printers.DefaultName();
    if (defaultName.empty()) {
        st.NoPrinterList = 1;
        return;
    }
    st.DefaultPrinterNo = 0;
    Int16 number = 0;
    for (const std::string& name : app.os.printers.Installed()) {
        app.form1.Combo1.AddItem(name);
        if (name == defaultName) st.DefaultPrinterNo = number;
        ++number;
    }
}

// The template is never read; opening it creates it, empty, for the family's other programs.
void TouchLabelTemplate(App& app) {
    RecordFile(app.os.drives, app.st.SetupTable(39) + "\\templ." + app.st.StationCode,
               kTemplateRecordLength, RecordFile::Mode::ReadWrite);
}

// Each marker triggers one automatic run: it is deleted before anything is printed. The
// command line's --print asks for the same run; a marker there too is taken by it.
void TakeAutoPrintMarker(App& app) {
    AppState& st = app.st;
    st.AutoPrint = st.CommandLine.print ? 1 : 0;
    const std::string marker = st.SetupTable(23) + "\\setup\\autop." + st.StationCode;
    if (!app.os.drives.FileExists(marker)) return;
    if (!app.os.drives.Delete(marker)) {
        throw FileError("cannot delete the automatic-print marker " + marker);
    }
    st.AutoPrint = 1;
}

void EnsureLabelTypeNameList(App& app) {
    AppState& st = app.st;
    st.LabListFile = st.SetupTable(23) + "\\setup\\LabList." + st.StationCode;
    if (app.os.drives.FileExists(st.LabListFile)) return;
    std::string names;
    for (int i = 0; i < kLabelTypeNames; ++i) names += std::string(50, ' ') + "\r\n";
    app.os.drives.WriteWhole(st.LabListFile, names);
}

// Where the search looked, and how a station gets the records system's files there.
void TellSetupNotFound(App& app) {
    std::error_code error;
    std::filesystem::path root = std::filesystem::absolute(app.os.drives.root(), error);
    if (error) root = app.os.drives.root();
    const std::string folder = ShownPath(root.lexically_normal());
    const std::string detail =
        std::string("Looked for ") + kSetupFileOnC + " and the same file on the other drives in " +
        "the drives folder " + folder +
        " (set VITTLON_DRIVES, or give --drives, to use another). Each drive letter is a folder "
        "there: link the records system's share in as drive c, for example: "
        "ln -s /mnt/records " +
        folder + "/c";
    app.st.StartUpFailure = app.st.FacilityName + ": " + detail;
    app.os.dialogs.MsgBox(app.st.FacilityName, "Vittlon", MsgButtons::OK, 1, detail);
}

void RunStartUp(App& app) {
    AppState& st = app.st;
    RemoveStalePictureFolders();
    st.LabelDateText = "01-01-06";
    st.LabelDate = app.os.clock.Today();
    // The date edits show today until the settings give a start date.
    app.form1.wwDateTimeEdit1.Value = st.LabelDate;
    app.form2.wwDateTimeEdit1.Value = st.LabelDate;
    LoadIcon(app);
    st.TwoCopyMark = "@";
    st.ThreeCopyMark = "#";
    st.ListFilling = -1111;

    FindSetupFile(app);
    if (st.SetupNotFound != 0) {
        st.FacilityName = "Cannot Find Setup File";
        TellSetupNotFound(app);
        return;
    }
    ReadSetupFile(app);
    ReadSiteTitle(app);

    st.UnitFile = st.SetupTable(40) + "\\sfl" + NumText(st.DefaultUnit) + "." + st.StationCode;
    if (!app.os.drives.FileExists(st.UnitFile)) {
        EndProgramFailed(app, kExitFailed,
                         "the resident list of the default unit, " + st.UnitFile + ", is missing");
        return;
    }

    FillPrinterList(app);
    TouchLabelTemplate(app);
    TakeAutoPrintMarker(app);
    EnsureLabelTypeNameList(app);
    GetSet(app);
    loadfil(app);

    if (st.AutoPrint == 1) {
        st.PreviewMode = 0;
        Command1_Click(app);
    } else {
        st.PreviewMode = 1;
        ShowForm2(app);
        Command1_Click(app);
    }
}

}  // namespace

void GetLdt(App& app) {
    app.st.LabelDate = app.os.clock.Today();
    app.st.LabelDateText = app.st.LabelDate.ShortText();
}

void Form_Load(App& app) {
    app.st.StartUpFailure = "";
    try {
        RunStartUp(app);
    } catch (const std::exception& e) {
        // Start-up stops silently at the failing step; the window opens with what was done.
        // Why is kept for a program that runs without anyone to see the window.
        app.st.StartUpFailure = e.what();
    }
}

}  // namespace vt
