#include <stdexcept>

#include "platform/file_error.h"
#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "program/setup_file.h"
#include "program/startup.h"

namespace vt {
namespace {

constexpr std::size_t kSetupRecordLength = 32;

Int16 NumberField(const std::string& record, std::size_t start, std::size_t width) {
    return CInt(Val(Mid(record, start, width)));
}

// Characters before the first blank; with a blank in column 1, or no blank, all three.
std::string StationCodeOf(const std::string& record) {
    const std::string field = Mid(record, 1, 3);
    const std::size_t blank = InStr(field, " ");
    return blank > 1 ? Left(field, blank - 1) : field;
}

}  // namespace

void ReadSetupFile(App& app) {
    AppState& st = app.st;
    RecordFile file(app.os.drives, st.SetupFile, kSetupRecordLength, RecordFile::Mode::Read);

    std::string rec = file.Read(1);
    st.StationCode = StationCodeOf(rec);
    st.UnitCount = NumberField(rec, 4, 2);
    st.SetupCount = NumberField(rec, 6, 2);
    st.DefaultUnit = NumberField(rec, 8, 2);
    if (st.DefaultUnit < 1 || st.DefaultUnit > st.UnitCount) st.DefaultUnit = 1;

    st.FacilityName = Trim(Mid(file.Read(4), 1, 29));

    // A site without units or without a path table cannot be used: the tables would be empty
    // and every later step would fail, so start-up stops here.
    const long n1 = st.UnitCount;
    const long n2 = st.SetupCount;
    if (n1 < 1) throw SubscriptError("setup file: no nursing units");
    if (n2 < 1) throw SubscriptError("setup file: no path table");

    // A file cut short inside its own tables is damaged: blank paths would send every later
    // step to the wrong place (and end the program for a "missing" unit file), so start-up
    // stops here instead. Records after the path table may be missing; they read as blanks.
    if (file.RecordCount() < static_cast<std::uint64_t>(4 + n1 + n2)) {
        throw FileError("setup file " + st.SetupFile + " ends inside its path table");
    }

    st.UnitNames.ReDim(1, n1);
    st.UnitSizes.ReDim(1, n1);
    for (long i = 1; i <= n1; ++i) {
        rec = file.Read(4 + i);
        st.UnitSizes(i) = NumberField(rec, 1, 3);
        st.UnitNames(i) = Mid(rec, 4, 20);
    }

    st.SetupTable.ReDim(1, n2);
    for (long i = 1; i <= n2; ++i) {
        st.SetupTable(i) = Trim(Mid(file.Read(4 + n1 + i), 1, 30));
    }

    GetLdt(app);

    st.StationDates.ReDim(1, 10);
    rec = file.Read(35 + n1 + n2);
    st.StationDates(1) = Mid(rec, 7, 8);
    st.StationDates(2) = Mid(rec, 15, 8);
    st.StationDates(3) = Mid(rec, 23, 8);
    rec = file.Read(36 + n1 + n2);
    st.StationDates(4) = Mid(rec, 1, 8);
    st.StationDates(5) = Mid(rec, 9, 8);
    st.StationDates(9) = Mid(rec, 17, 3);
    rec = file.Read(37 + n1 + n2);
    st.StationDates(7) = Mid(rec, 1, 14);

    st.ScreenSize = NumberField(file.Read(200), 9, 1);
    if (st.ScreenSize < 1 || st.ScreenSize > 4) st.ScreenSize = 2;

    const double month = Val(Left(st.StationDates(1), 2));
    if (month < 1 || month > 12) st.StationDates(1) = app.os.clock.Today().ShortText();

    st.SetupTable(1) = st.SetupFolder;
}

}  // namespace vt
