#pragma once
// The program's one application state record. Every procedure reads and writes its fields in
// place; the names are the documented ones. A field starts as 0, an empty text or an empty array.
// Flags are 16-bit integers holding 0 or 1. Texts are single-byte Windows-1252.
#include <cstdint>
#include <optional>
#include <string>

#include "app/command_line_run.h"
#include "app/run_report.h"
#include "platform/date.h"
#include "platform/file_stamp.h"
#include "platform/surface.h"
#include "platform/vb_array.h"

namespace vt {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

// The PeriodIndex of tray labels, after the four nourishment periods.
inline constexpr Int16 kTrayPeriod = 5;

// A text file this station edits while another station (or a second copy of the program) may
// change it too: the text as it was loaded or last saved here, and the file's stamp then
// (nullopt: there was no file).
struct SharedText {
    bool known = false;  // loaded or saved here at least once
    std::string text;
    std::optional<FileStamp> stamp;
};

struct AppState {
    // Site configuration, set once by start-up.
    VbArray<std::string> SetupTable;  // 1..SetupCount: the site path table
    Int16 SetupCount = 0;
    std::string SetupFile;    // candidate or found setup file path
    std::string SetupFolder;  // folder that holds the setup file
    Int16 SetupNotFound = 0;  // 1 while the setup file search has found nothing
    std::string StationCode;  // 1-3 characters; extension of every per-station file
    std::string FacilityName;
    std::string SiteTitle;
    VbArray<std::string> StationDates{1, 10};  // element 1: records system's date "mm-dd-yy"
    Int16 UnitCount = 0;
    VbArray<std::string> UnitNames;  // 1..UnitCount, 20 characters as stored
    VbArray<Int16> UnitSizes;        // 1..UnitCount, highest resident number
    Int16 DefaultUnit = 0;
    Int16 ScreenSize = 0;  // 1..4
    std::string LabListFile;
    Int16 DefaultPrinterNo = 0;
    Int16 NoPrinterList = 0;
    Int16 AutoPrint = 0;
    std::string TwoCopyMark;
    std::string ThreeCopyMark;

    // Settings, loaded by GetSet.
    Int32 LabelTypeNo = 0;
    std::string PrinterName;
    // The stored printer is not among the installed ones: another prints for now, and the
    // stored name stays until the operator chooses a printer.
    bool StoredPrinterMissing = false;
    std::string MissingPrinterTold;  // the stored name the operator was told is missing
    Date LabelDate;
    std::string LabelDateText;
    Date ExpDate;
    std::string ExpDateText;
    Int16 DaysToPrint = 0;
    Int16 FirstUnit = 0, LastUnit = 0;
    Int16 FirstResident = 0, LastResident = 0;
    VbArray<Int16> PeriodOn{1, 4};
    VbArray<std::string> PeriodNames{1, 4};
    Int16 NoPhoto = 0, NoFrame = 0;
    Int16 RoutineHS = 0;
    Int16 TrayLabelsOn = 0;
    Int16 BarcodeOn = 0;
    Int32 BarcodeWidth = 0, BarcodeLeftShift = 0, BarcodeDownShift = 0, BarcodeHeight = 0;
    float BarcodeXYFactor = 0;
    Int16 BarcodeType = 0;
    Int16 PrivacyLevel = 0;
    Int16 DaysToExpire = 0;
    Int16 SnackMenuOn = 0;
    Int16 InkjetMode = 0;
    Int16 SnackWeek = 0;
    Int32 TopMargin = 0, LabelHeight = 0, LabelWidth = 0, RowsPerPage = 0;
    VbArray<Int32> ColumnX{1, 4};
    // The label type whose geometry record the sheet fields were read from; 0 while none was.
    // Only that record is stored from them: fields never read hold nothing of any other.
    Int32 SheetTypeLoaded = 0;

    // Run state, set and used while printing or previewing.
    Int16 PreviewMode = 0;
    // 1 while a dry run draws the sheets PRINT would print: it writes no file (settings, log,
    // converted pictures, run report) and asks nothing.
    Int16 DryRun = 0;
    Int16 UserLabelMode = 0;
    Int16 StopRequested = 0;
    // With StopRequested: the operator's Stop, which ends the run but not the program. The run
    // keeps nothing (no PDF, the open print job aborted) and logs nothing.
    Int16 RunStopOnly = 0;
    Surface* PrintTarget = nullptr;  // the printer or Picture2
    Int16 PeriodIndex = 0;
    std::string PeriodLetter;
    std::string PeriodName;
    Int16 UnitNo = 0;
    // What the current or last run (or preview) drew and left out.
    RunReport Report;
    Int32 RunsReported = 0;  // real runs whose report was finished, for the windows to show
    // The last page printed outside label runs (the snack menu, a test sheet): its status line
    // (UTF-8), and how many there were, for the windows to show each once.
    struct PageTold {
        Int32 count = 0;
        std::string line;
    } PagePrinted;
    // The command line's choices for the automatic run it asks for (empty without one).
    CommandLineRun CommandLine;
    // The cell (1 = top left, row by row) of the first sheet where the next run starts, for a
    // sheet used in part; back to 1 after a completed run. Not stored.
    Int16 StartAtLabel = 1;
    // How many user-defined labels a run prints; 0: as many as its periods and days make, which
    // is UserLabelsBySettings as the settings were last read.
    Int32 UserLabelCount = 0;
    Int32 UserLabelsBySettings = 0;
    std::string UnitFile;
    std::string UnitName;
    Int16 ResidentNo = 0;
    Int16 ColumnNo = 0, RowNo = 0;
    Int32 LabelLeft = 0, LabelTop = 0;
    Int16 MealIndex = 0;
    std::string LabelDayName, ExpDayName;
    std::string NourishLine1, NourishLine2, NourishLine3;
    std::string SavedCaption;

    // Resident data, set by the resident data loading.
    std::string ResidentId;
    std::string ResidentName;
    std::string DietLine;
    VbArray<Int16> DietCodes{0, 4};
    VbArray<std::string> PeriodNourish1{0, 4}, PeriodNourish2{0, 4}, PeriodNourish3{0, 4},
        PeriodNourish4{0, 4};
    VbArray<Int16> PeriodCopies{0, 5};
    Int16 SkipResident = 0;
    std::string DiningName1, DiningName2, DiningName3;
    VbTable<std::string> SnackItems;  // rows 0..14 x lines 0..3
    VbTable<Int16> SnackRangeA;       // rows 0..14 x 0..2
    VbTable<Int16> SnackRangeB;

    // Snack list and the second window.
    std::string SnackFile;
    std::string SnackTemplate;
    std::string SnackText;
    SharedText SnackShared;  // SnackFile as loaded or saved here
    Int32 SnackCursor = 0;
    Int16 InsertMode = 0;
    std::string ULabelFile;
    std::string ULabelText;
    // 1 while ULabelText could not be written to ULabelFile: the file is older than the text,
    // so reading the settings back must not put the file's text over it.
    Int16 ULabelUnsaved = 0;
    SharedText ULabelShared;  // ULabelFile as loaded or saved here
    VbArray<std::string> UserLines{0, 9};
    std::string PicturePath;
    std::string ConvertPath;
    std::string ConvertCopy;

    // Print log.
    std::string LogLine;
    std::string LogHeader;
    std::string LogBackupPath;

    // Why start-up, or the last settings load, stopped short of its end ("" when it went
    // through). They stop silently for an operator; a run without one reports them and ends.
    std::string StartUpFailure;
    std::string SettingsFailure;

    // Guards that keep the window's own handlers quiet while the program changes controls.
    Int16 SettingsLoading = 0;  // 123 while GetSet runs
    Int16 ListFilling = 0;      // -1111 until the first GetSet ends; -2222 while Combo2 refills
};

}  // namespace vt
