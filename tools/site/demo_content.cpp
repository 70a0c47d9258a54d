// The demo site's setup files: layout, dining rooms, label types, snack list, settings.
#include "site/demo_site.h"

namespace vt::site {

namespace {

using Week = std::array<std::array<std::string, 3>, 7>;

SnackRow Row(std::string label, std::string label2, int aLow, int aHigh, int bLow, int bHigh,
             Week items) {
    SnackRow row;
    row.label = {std::move(label), std::move(label2)};
    row.rangeALow = aLow;
    row.rangeAHigh = aHigh;
    row.rangeBLow = bLow;
    row.rangeBHigh = bHigh;
    row.items = std::move(items);
    return row;
}

}  // namespace

SiteLayout DemoLayout() {
    static_assert(SiteLayout::kDefaultPathCount == demo::kPathCount);
    SiteLayout layout;
    layout.station = demo::kStation;
    return layout;
}

std::vector<DiningRoom> DemoDiningRooms() {
    return {
        {"MDR", "MAIN DINING ROOM"}, {"GCD", "GARDEN COURT DINING"},
        {"2NL", "2 NORTH LOUNGE"},   {"ASD", "ASSISTED DINING - EAST"},
        {"RMS", "ROOM SERVICE"},     {"MDR", "MAIN DINING ROOM (OLD ENTRY)"},
    };
}

std::vector<LabelType> DemoLabelTypes(const Date& today) {
    std::vector<LabelType> types{
        {demo::kFirstLabelTypeName, {"", 720, 1440, 3780, 10, {270, 4230, 8190, 0}}},
        {"Avery 5161 2 across", {"", 720, 1440, 5760, 10, {270, 6210, 0, 0}}},
        {"Avery 5163 2 across", {"", 720, 2880, 5760, 5, {270, 6210, 0, 0}}},
        {"Tray cards 4 across", {"", 720, 1440, 2880, 10, {180, 3150, 6120, 9090}}},
    };
    for (LabelType& type : types) type.geometry.dateText = today.Text();
    return types;
}

SnackTemplate DemoSnackTemplate() {
    SnackTemplate snacks;
    snacks.title = "MAPLE GROVE WEEKLY SNACK MENU";
    // Ranges: regular and low fat share a row; renal residents are often also on no added
    // salt, which their second range takes in.
    snacks.rows[0] = Row("REGULAR", "LOW FAT", 1, 1, 7, 7,
                         {{{"Graham crackers", "Milk 4 oz", ""},
                           {"Oatmeal cookie", "Milk 4 oz", ""},
                           {"Banana", "Cheese stick", ""},
                           {"Peanut butter", "crackers x4", "Milk 4 oz"},
                           {"Apple slices", "Caramel dip", ""},
                           {"Ice cream cup", "", ""},
                           {"Pretzels", "Apple juice 4 oz", ""}}});
    snacks.rows[1] = Row("MECH SOFT", "", 2, 2, 0, 0,
                         {{{"Soft cookie", "Milk 4 oz", ""},
                           {"Banana", "Milk 4 oz", ""},
                           {"Pudding cup", "", ""},
                           {"Cottage cheese", "Peaches", ""},
                           {"Applesauce", "Soft cookie", ""},
                           {"Ice cream cup", "", ""},
                           {"Yogurt", "", ""}}});
    snacks.rows[2] = Row("PUREED", "", 3, 3, 0, 0,
                         {{{"Pureed fruit", "Thick milk", ""},
                           {"Pudding cup", "", ""},
                           {"Applesauce", "", ""},
                           {"Yogurt", "", ""},
                           {"Pureed peaches", "", ""},
                           {"Magic cup", "", ""},
                           {"Pudding cup", "", ""}}});
    snacks.rows[3] = Row("DIABETIC", "CCHO", 4, 4, 0, 0,
                         {{{"SF pudding", "", ""},
                           {"Cheese stick", "Crackers x2", ""},
                           {"SF jello", "", ""},
                           {"½ turkey sandwich", "", ""},
                           {"Peanut butter", "crackers x2", ""},
                           {"SF cookie x2", "Milk 4 oz", ""},
                           {"Yogurt light", "", ""}}});
    snacks.rows[4] = Row("NAS", "", 5, 5, 0, 0,
                         {{{"Unsalted crackers", "Juice 4 oz", ""},
                           {"Fresh fruit", "", ""},
                           {"Vanilla wafers", "Milk 4 oz", ""},
                           {"Applesauce", "", ""},
                           {"Graham crackers", "", ""},
                           {"Sherbet", "", ""},
                           {"Fresh fruit", "", ""}}});
    snacks.rows[5] = Row("RENAL", "", 6, 6, 5, 6,
                         {{{"Vanilla wafers", "Lemonade 4 oz", ""},
                           {"Rice krispie bar", "", ""},
                           {"Apple slices", "", ""},
                           {"Lorna Doone x2", "", ""},
                           {"Canned pears", "", ""},
                           {"Sherbet", "", ""},
                           {"Shortbread x2", "", ""}}});
    snacks.notes = {"", " Items of equal value may be substituted when an item is not available.",
                    " SF = sugar free.  Thickened liquids as ordered.", ""};
    return snacks;
}

LabelSettings DemoLabelSettings(const Date& today) {
    LabelSettings s;
    s.labelTypeNo = 1;
    s.startDate = today.AddDays(1).Text();
    s.daysToPrint = 1;
    s.firstUnit = 1;
    s.lastUnit = demo::kUnitCount;
    s.firstResident = 1;
    s.lastResident = 60;
    s.periodOn = {1, 0, 0, 1};
    s.routineHS = 1;
    s.snackWeek = 1;
    s.snackMenuOn = 1;
    s.daysToExpire = 1;
    s.trayLabels = 1;
    return s;
}

}  // namespace vt::site
