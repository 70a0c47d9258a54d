// The demo site's residents: names, diets and nourishments of a plausible care home, chosen so
// that every rule of the resident data shows up somewhere in the first units.
#include <algorithm>

#include "site/demo_site.h"

namespace vt::site {

namespace {

using Diets = std::array<DietOrder, 4>;
using Nourishments = std::array<std::array<std::string, 3>, 4>;
using Dining = std::array<std::string, 3>;

// Diet order codes: 1 regular, 2 mechanical soft, 3 pureed, 4 diabetic, 5 no added salt,
// 6 renal, 7 low fat, 8 tube feeding, 99 nothing by mouth. The snack list rows use the same.
const Diets kRegular{{{1, "REGULAR"}}};
const Diets kMechSoft{{{2, "MECH SOFT"}, {5, "NAS"}}};
const Diets kMechLower{{{2, "mech soft"}}};
const Diets kChopped{{{1, "CHOPPED MEAT"}}};
const Diets kPureed{{{3, "PUREED"}, {4, "CCHO 1800"}}};
// The empty second order still adds its blank and TUBE adds nothing: "PUREED  NAS".
const Diets kPureedTube{{{3, "PUREED"}, {}, {8, "TUBE"}, {5, "NAS"}}};
const Diets kDiabetic{{{4, "CCHO 1800"}}};
const Diets kNas{{{5, "NAS"}, {7, "LOW FAT"}}};
const Diets kRenal{{{6, "RENAL"}, {5, "NAS"}}};
const Diets kTube{{{8, "TUBE"}, {}, {7, "LOW FAT"}}};
const Diets kNpo{{{99, "NPO"}}};

// Nourishments by period: 10am, 2pm (two lines), 3pm, H.S.
const Nourishments kNone{{{}, {}, {}, {}}};
const Nourishments kStandard{
    {{"Orange juice 4 oz"}, {}, {}, {"Graham crackers x2", "Milk 2% 4 oz"}}};
const Nourishments kSupplement{{{"Ensure Plus 8 oz @"}, {"Magic cup"}, {}, {"Pudding cup"}}};
const Nourishments kThreeCopies{{{}, {"Health shake 4 oz #"}, {"Fresh fruit cup"}, {}}};
const Nourishments kFollow{{{"Apple juice 4 oz"}, {}, {}, {"FOLLOW SNACK LIST"}}};
const Nourishments kFollowLower{{{}, {}, {"Cottage cheese 1/2 cup"}, {"follow snack list"}}};
// "~" lines are not printed, but the "@" in one still doubles the 10am labels.
const Nourishments kTilde{{{"~ Hold for dialysis @", "Apple juice 4 oz"}, {}, {}, {"Yogurt"}}};
const Nourishments kHsTilde{{{"Sugar free jello"}, {}, {}, {"~ Family brings snack"}}};
// 0xFE prints as "="; a line that starts with it keeps all of them.
const Nourishments kThickened{
    {{"Juice \xFE nectar thick"}, {}, {"\xFE Honey thick \xFE 4 oz"}, {"Thick milk \xFE 4 oz"}}};
const Nourishments kDiabeticPlan{{{"Sugar free jello"},
                                  {},
                                  {"Diet ginger ale 4 oz", "Cheese stick"},
                                  {"PB sandwich 1/2", "Milk 2% 8 oz"}}};
const Nourishments kRenalPlan{
    {{}, {"Lemonade 4 oz", "Vanilla wafers x3"}, {}, {"Rice krispie bar"}}};
const Nourishments kTubePlan{{{"Water flush 60 ml"}, {}, {"Water flush 60 ml"}, {}}};

const Dining kMain{"MDR", "MDR", "MDR"};
const Dining kMainLower{"mdr", "mdr", "gcd"};
const Dining kAssisted{"ASD", "MDR", "ASD"};
const Dining kLounge{"2NL", "", "2NL"};  // no lunch room: only the breakfast tray label
const Dining kRoom{"RMS", "RMS", "RMS"};
const Dining kGarden{"GCD", "GCD", "GCD"};
const Dining kShortCode{"RM", "MDR", "RM"};  // "RM" is shorter than the stored code: no match

struct Row {
    int unit, slot;
    const char* key;
    const char* location;
    const char* name;
    const Diets& diets;
    const Nourishments& nourishments;
    const Dining& dining;
    DemoPicture picture = DemoPicture::None;
    bool active = true;
};

using P = DemoPicture;

// Names are Windows-1252 as the records system stores them.
const std::vector<Row>& Rows() {
    static const std::vector<Row> rows{
        {1, 1, "1001", "E101A", "Abernathy, Margaret", kRegular, kStandard, kMain, P::Jpeg},
        {1, 2, "1002", "E101B", "Li, Wei", kMechSoft, kSupplement, kMain, P::Asz},
        {1, 3, "1003", "E102A", "Vanderhoeven, Cornelius", kPureed, kFollow, kAssisted, P::Gif},
        {1, 4, "1004", "E102B", "O'Brien, Patrick", kDiabetic, kDiabeticPlan, kMainLower, P::Bmp},
        {1, 5, "1005", "E103A", "Kowalski, Dorothy", kRegular, kStandard, kMain, P::Asz, false},
        {1, 6, "1006", "E103B", "Ng, Al", kPureedTube, kThickened, kLounge, P::ScreenedAsz},
        {1, 7, "1007", "E104A", "Smith, John", kRegular, kTilde, kMain, P::NoPicture},
        {1, 9, "1009", "E105A", "Henderson, Ruth", kNpo, kStandard, kMain, P::Asz},
        {1, 10, "1010", "E105B", "M\xFCller, Hans", kMechLower, kThreeCopies, kRoom, P::Asz},
        {1, 11, "1011", "E106A", "Washington, Eleanor", kTube, kTubePlan, kRoom},
        {1, 12, "1012", "E106B", "Garcia, Rosa", kRenal, kRenalPlan, kMain, P::Asz},
        {1, 13, "1013", "E107A", "Fitzgerald, Thomas", kChopped, kFollowLower, kMain},
        {1, 14, "1014", "E107B", "Bell, Ivy", kRegular, kNone, kMain, P::Asz},
        {1, 15, "1015", "E108A", "Schwartz, Miriam", kDiabetic, kHsTilde, kMain},
        {1, 16, "1016", "E108B", "Dubois, Claire", kNas, kStandard, kShortCode, P::Asz},
        {1, 17, "1017", "E109A", "Pham, Linh", kMechSoft, kSupplement, kAssisted},
        {1, 18, "1018", "E109B", "Yoder, Amos", kRegular, kStandard, kMain, P::Asz},
        {1, 19, "1019", "E110A", "Castellano, Vincent", kPureed, kFollow, kAssisted},
        {1, 20, "1020", "E110B", "Lee, Al", kRegular, kStandard, kMain},
        {1, 21, "1021", "E111A", "Nakamura, Keiko", kRenal, kRenalPlan, kMain, P::Asz},
        {1, 22, "1022", "E111B", "Olsen, Ingrid", kRegular, kNone, kMain},

        {2, 1, "2001", "N201A", "Adams, Harold", kRegular, kStandard, kLounge, P::Asz},
        {2, 2, "2002", "N201B", "Brennan, Kathleen", kDiabetic, kDiabeticPlan, kLounge, P::Gif},
        {2, 3, "2003", "N202A", "Cho, Min", kPureed, kFollow, kAssisted},
        {2, 4, "2004", "N202B", "Hollingsworth-Pryce, Edna", kRegular, kStandard, kMain, P::Asz},
        {2, 5, "2005", "N203A", "Ivanova, Olga", kMechSoft, kSupplement, kMain},
        {2, 6, "2006", "N203B", "Jackson, Earl", kRegular, kThreeCopies, kMain, P::Asz},
        {2, 7, "2007", "N204A", "Kim, Soo", kNas, kStandard, kMain},
        {2, 8, "2008", "N204B", "Lopez, Maria", kRenal, kRenalPlan, kMain, P::Asz},
        {2, 9, "2009", "N205A", "MacDonald, Fiona", kRegular, kNone, kMain},
        {2, 10, "2010", "N205B", "Novak, Josef", kNpo, kNone, kMain},
        {2, 11, "2011", "N206A", "Ortiz, Ramon", kTube, kTubePlan, kRoom},
        {2, 13, "2013", "N207A", "Patel, Anjali", kDiabetic, kThickened, kMain, P::Asz},
        {2, 14, "2014", "N207B", "Quinn, Bridget", kRegular, kTilde, kMain},
        {2, 15, "2015", "N208A", "Rossi, Lucia", kPureed, kFollow, kAssisted, P::Asz},
        {2, 16, "2016", "N208B", "Sato, Hiro", kRegular, kStandard, kMain},
        {2, 17, "2017", "N209A", "Thompson, George", kChopped, kStandard, kMain, P::Asz},
        {2, 18, "2018", "N209B", "Underwood, May", kMechLower, kNone, kMain},
        {2, 19, "2019", "N210A", "Vasquez, Elena", kNas, kSupplement, kMain, P::Asz},
        {2, 20, "2020", "N210B", "Wu, Jing", kRegular, kStandard, kMain},
        {2, 21, "2021", "N211A", "Young, Carl", kRegular, kStandard, kMain, P::None, false},

        {3, 1, "3001", "G301", "Albright, Winifred", kRegular, kStandard, kGarden, P::Asz},
        {3, 2, "3002", "G302", "Bauer, Klaus", kMechSoft, kSupplement, kGarden},
        {3, 3, "3003", "G303", "Conway, Sean", kRegular, kNone, kGarden, P::Asz},
        {3, 4, "3004", "G304", "Diaz, Carmen", kDiabetic, kDiabeticPlan, kGarden},
        {3, 5, "3005", "G305", "Eriksen, Nils", kRenal, kRenalPlan, kGarden, P::Asz},
        {3, 6, "3006", "G306", "Foster, Gladys", kPureed, kFollow, kAssisted},
        {3, 7, "3007", "G307", "Grant, Helen", kNas, kStandard, kGarden, P::Gif},
        {3, 8, "3008", "G308", "Haddad, Samir", kRegular, kThreeCopies, kGarden},
        {3, 9, "3009", "G309", "Ito, Yuki", kMechLower, kStandard, kGarden, P::Asz},
        {3, 10, "3010", "G310", "Jensen, Karen", kRegular, kHsTilde, kGarden},
        {3, 11, "3011", "G311", "Kaur, Harpreet", kDiabetic, kStandard, kGarden, P::Asz},
        {3, 12, "3012", "G312", "Lindqvist, Astrid", kPureedTube, kThickened, kAssisted},
        {3, 13, "3013", "G313", "Moreau, Henri", kRegular, kStandard, kGarden, P::Bmp},
        {3, 14, "3014", "G314", "Nguyen, Thi", kNas, kNone, kGarden},
        {3, 15, "3015", "G315", "Okafor, Chidi", kRegular, kSupplement, kGarden, P::Asz},
        {3, 16, "3016", "G316", "Price, Violet", kChopped, kFollowLower, kGarden},
        {3, 17, "3017", "G317", "Reyes, Tomas", kRegular, kStandard, kGarden, P::Asz},
        {3, 18, "3018", "G318", "Stewart, Agnes", kTube, kTubePlan, kRoom},
        {3, 19, "3019", "G319", "Tanaka, Jiro", kRenal, kRenalPlan, kGarden, P::Asz},
        {3, 20, "3020", "G320", "Ward, Florence", kRegular, kStandard, kGarden},
    };
    return rows;
}

}  // namespace

std::vector<DemoResident> DemoResidents() {
    std::vector<DemoResident> residents;
    for (const Row& row : Rows()) {
        DemoResident r;
        r.unit = row.unit;
        r.slot = row.slot;
        r.picture = row.picture;
        r.resident.key = row.key;
        r.resident.active = row.active;
        r.resident.location = row.location;
        r.resident.name = row.name;
        r.resident.diningCodes = row.dining;
        r.resident.diets = row.diets;
        r.resident.nourishments = row.nourishments;
        residents.push_back(std::move(r));
    }
    return residents;
}

std::vector<std::string> DemoUnitKeys(int unit) {
    std::vector<std::string> keys(
        static_cast<std::size_t>(demo::kUnitSizes.at(static_cast<std::size_t>(unit - 1))));
    for (const Row& row : Rows()) {
        if (row.unit == unit) keys.at(static_cast<std::size_t>(row.slot - 1)) = row.key;
    }
    if (unit == 1) keys.at(demo::kDischargedSlot - 1) = demo::kKeyDischarged;
    return keys;
}

}  // namespace vt::site
