#include "residents/resident_data.h"

#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/text.h"
#include "residents/dining_file.h"

namespace vt {
namespace {

constexpr std::size_t kRecordLength = 82;
constexpr unsigned char kActiveStatus = 0xC4;
constexpr int kNoNourishmentsCode = 99;
const std::string kNoLabels(30, ' ');
const std::string kEmptyLine(29, ' ');

// The records holding each period's nourishment lines (period 2 has two lines).
struct PeriodRecords {
    VbArray<std::string> AppState::*lines;
    std::uint64_t first;
    int count;
};
constexpr PeriodRecords kPeriods[] = {
    {&AppState::PeriodNourish1, 50, 3},
    {&AppState::PeriodNourish2, 54, 2},
    {&AppState::PeriodNourish3, 57, 3},
    {&AppState::PeriodNourish4, 61, 3},
};

// The diet orders of record 8: code columns and text columns.
struct DietOrder {
    std::size_t codeStart, textStart, textWidth;
};
constexpr DietOrder kDietOrders[] = {{11, 15, 13}, {29, 33, 13}, {47, 51, 14}, {66, 70, 10}};

void LookUpDiningRooms(App& app, RecordFile& file) {
    AppState& st = app.st;
    const std::string record = file.Read(4);
    std::string* names[] = {&st.DiningName1, &st.DiningName2, &st.DiningName3};
    for (int meal = 0; meal < 3; ++meal) {
        *names[meal] =
            GetDining(app, UCase(Trim(Mid(record, 43 + 6 * static_cast<std::size_t>(meal), 3))));
    }
}

std::string ResidentFilePath(const AppState& st) {
    return st.SetupTable(2) + "\\data" + st.StationCode + "\\" + st.ResidentId + ".~" +
           st.StationCode;
}

}  // namespace

bool TakesNothingByMouth(const AppState& st) {
    for (long i = 1; i <= 4 && i <= st.DietCodes.UBound(); ++i) {
        if (st.DietCodes(i) == kNoNourishmentsCode) return true;
    }
    return false;
}

void LoadResident(App& app) {
    AppState& st = app.st;
    for (const PeriodRecords& p : kPeriods) (st.*p.lines).ReDim(0, 4);

    st.ResidentFile = ResidentFilePath(st);
    if (!IsSafeResidentKey(st.ResidentId) || !app.os.drives.FileExists(st.ResidentFile)) {
        st.ResidentName = kNoLabels;
        st.DietLine = kNoLabels;
        return;
    }

    RecordFile file(app.os.drives, st.ResidentFile, kRecordLength, RecordFile::Mode::Read);
    st.DiningName1 = st.DiningName2 = st.DiningName3 = "";
    if (st.TrayLabelsOn == 1) LookUpDiningRooms(app, file);

    if (static_cast<unsigned char>(file.Read(1)[9]) != kActiveStatus) {
        st.SkipResident = 1;
        return;
    }

    const std::string record2 = file.Read(2);
    const std::string location = Trim(Mid(record2, 5, 6));
    std::string name = Trim(Mid(record2, 15, 25));
    if (st.PrivacyLevel == 1 || st.PrivacyLevel == 3 || st.PrivacyLevel == 4) {
        name = AbbreviatedName(name);
    }
    st.ResidentName = location + " " + name;

    st.DietCodes.ReDim(0, 4);
    const std::string record8 = file.Read(8);
    std::string diet;
    for (int i = 0; i < 4; ++i) {
        const DietOrder& order = kDietOrders[i];
        // An empty text still adds its blank; a tube feeding adds nothing.
        const std::string text = Trim(Mid(record8, order.textStart, order.textWidth));
        if (UCase(text) != "TUBE") diet += " " + text;
        st.DietCodes(i + 1) = CInt(Val(Mid(record8, order.codeStart, 3)));
    }
    if (TakesNothingByMouth(st)) {
        st.ResidentName = "";
        st.DietLine = "";
        return;
    }
    st.DietLine = Trim(diet);
    const std::string upperDiet = UCase(st.DietLine);
    const bool mechanicalSoft = InStr(upperDiet, "MECH") > 0 || InStr(upperDiet, "CHOP") > 0 ||
                                InStr(upperDiet, "GROUND") > 0;
    const bool pureed = InStr(upperDiet, "PUREE") > 0;

    st.PeriodCopies.ReDim(0, 5);
    bool follow = false;
    bool bedtimeLinePresent = false;
    for (int period = 1; period <= 4; ++period) {
        const PeriodRecords& p = kPeriods[period - 1];
        VbArray<std::string>& lines = st.*p.lines;
        for (int k = 1; k <= p.count; ++k) {
            lines(k) = kEmptyLine;
            std::string line = RTrim(Mid(file.Read(p.first + k - 1), 43, 29));
            if (period == 4 && !line.empty()) bedtimeLinePresent = true;
            MarkLine(app, line, period);
            if (period == 4 && InStr(UCase(line), "FOLLOW") > 0) follow = true;
            // A line starting with "~" is not printed; its copy marks still count.
            if (Left(line, 1) != "~") lines(k) = line;
        }
    }
    if (follow || (!bedtimeLinePresent && st.RoutineHS == 1)) {
        FollowSnackList(app, mechanicalSoft, pureed);
    }
}

}  // namespace vt
