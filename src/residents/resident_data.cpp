#include "residents/resident_data.h"

#include <algorithm>

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
    std::uint64_t first;
    int count;
};
constexpr PeriodRecords kPeriods[] = {{50, 3}, {54, 2}, {57, 3}, {61, 3}};

// The diet orders of record 8: code columns and text columns.
struct DietOrder {
    std::size_t codeStart, textStart, textWidth;
};
constexpr DietOrder kDietOrders[] = {{11, 15, 13}, {29, 33, 13}, {47, 51, 14}, {66, 70, 10}};

std::array<std::string, 3> DiningRooms(const App& app, RecordFile& file) {
    const std::string record = file.Read(4);
    std::array<std::string, 3> names;
    for (std::size_t meal = 0; meal < 3; ++meal) {
        names[meal] = GetDining(app, UCase(Trim(Mid(record, 43 + 6 * meal, 3))));
    }
    return names;
}

bool NothingByMouth(const std::array<Int16, 4>& codes) {
    return std::find(codes.begin(), codes.end(), kNoNourishmentsCode) != codes.end();
}

}  // namespace

std::string ResidentFilePath(const AppState& st, const std::string& id) {
    return st.SetupTable(2) + "\\data" + st.StationCode + "\\" + id + ".~" + st.StationCode;
}

bool TakesNothingByMouth(const AppState& st) {
    std::array<Int16, 4> codes{};
    for (long i = 1; i <= 4 && i <= st.DietCodes.UBound(); ++i)
        codes[std::size_t(i - 1)] = st.DietCodes(i);
    return NothingByMouth(codes);
}

Resident ReadResident(const App& app, const std::string& id) {
    const AppState& st = app.st;
    Resident resident;
    const std::string path = ResidentFilePath(st, id);
    if (!IsSafeResidentKey(id) || !app.os.drives.FileExists(path)) return resident;

    RecordFile file(app.os.drives, path, kRecordLength, RecordFile::Mode::Read);
    if (st.TrayLabelsOn == 1) resident.dining = DiningRooms(app, file);

    if (static_cast<unsigned char>(file.Read(1)[9]) != kActiveStatus) {
        resident.found = Resident::Found::Inactive;
        return resident;
    }

    const std::string record2 = file.Read(2);
    const std::string location = Trim(Mid(record2, 5, 6));
    std::string name = Trim(Mid(record2, 15, 25));
    if (st.PrivacyLevel == 1 || st.PrivacyLevel == 3 || st.PrivacyLevel == 4) {
        name = AbbreviatedName(name);
    }
    resident.name = location + " " + name;

    const std::string record8 = file.Read(8);
    std::string diet;
    for (std::size_t i = 0; i < 4; ++i) {
        const DietOrder& order = kDietOrders[i];
        // An empty text still adds its blank; a tube feeding adds nothing.
        const std::string text = Trim(Mid(record8, order.textStart, order.textWidth));
        if (UCase(text) != "TUBE") diet += " " + text;
        resident.dietCodes[i] = CInt(Val(Mid(record8, order.codeStart, 3)));
    }
    if (NothingByMouth(resident.dietCodes)) {
        resident.found = Resident::Found::NothingByMouth;
        resident.name = "";
        return resident;
    }
    resident.found = Resident::Found::Whole;
    resident.diet = Trim(diet);
    const std::string upperDiet = UCase(resident.diet);
    const bool mechanicalSoft = InStr(upperDiet, "MECH") > 0 || InStr(upperDiet, "CHOP") > 0 ||
                                InStr(upperDiet, "GROUND") > 0;
    const bool pureed = InStr(upperDiet, "PUREE") > 0;

    bool follow = false;
    bool bedtimeLinePresent = false;
    for (std::size_t period = 0; period < 4; ++period) {
        const PeriodRecords& p = kPeriods[period];
        for (int k = 0; k < p.count; ++k) {
            std::string& printed = resident.lines[period][std::size_t(k)];
            printed = kEmptyLine;
            std::string line = RTrim(Mid(file.Read(p.first + std::uint64_t(k)), 43, 29));
            if (period == 3 && !line.empty()) bedtimeLinePresent = true;
            resident.copies[period] = MarkLine(st, line, resident.copies[period]);
            if (period == 3 && InStr(UCase(line), "FOLLOW") > 0) follow = true;
            // A line starting with "~" is not printed; its copy marks still count.
            if (Left(line, 1) != "~") printed = line;
        }
    }
    if (follow || (!bedtimeLinePresent && st.RoutineHS == 1)) {
        if (auto snacks = FollowSnackList(st, resident.dietCodes, mechanicalSoft, pureed)) {
            resident.lines[3] = std::move(*snacks);
        }
    }
    return resident;
}

void LoadResident(App& app) {
    AppState& st = app.st;
    VbArray<std::string>* periods[] = {&st.PeriodNourish1, &st.PeriodNourish2, &st.PeriodNourish3,
                                       &st.PeriodNourish4};
    for (VbArray<std::string>* lines : periods) lines->ReDim(0, 4);
    const Resident resident = ReadResident(app, st.ResidentId);
    if (resident.found == Resident::Found::NoFile) {
        st.ResidentName = kNoLabels;
        st.DietLine = kNoLabels;
        return;
    }
    st.DiningName1 = resident.dining[0];
    st.DiningName2 = resident.dining[1];
    st.DiningName3 = resident.dining[2];
    if (resident.found == Resident::Found::Inactive) {
        st.SkipResident = 1;
        return;
    }
    st.ResidentName = resident.name;
    st.DietLine = resident.diet;
    st.DietCodes.ReDim(0, 4);
    for (std::size_t i = 0; i < 4; ++i) st.DietCodes(long(i) + 1) = resident.dietCodes[i];
    if (resident.found == Resident::Found::NothingByMouth) return;

    st.PeriodCopies.ReDim(0, 5);
    for (std::size_t period = 0; period < 4; ++period) {
        st.PeriodCopies(long(period) + 1) = resident.copies[period];
        for (std::size_t k = 0; k < 3; ++k) {
            (*periods[period])(long(k) + 1) = resident.lines[period][k];
        }
    }
}

}  // namespace vt
