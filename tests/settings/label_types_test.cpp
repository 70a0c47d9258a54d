// The label type catalogue: the name list in Combo2 and each type's sheet geometry.
#include <gtest/gtest.h>

#include "program/startup.h"
#include "settings/label_settings.h"
#include "settings/label_type_catalogue.h"
#include "settings_fixture.h"
#include "site/setup_file.h"
#include "site/unit_file.h"

namespace vt::test {
namespace {

std::vector<std::string> SheetFields(const Form1& f) {
    return {f.Text5.Text,  f.Text6.Text,  f.Text7.Text,  f.Text8.Text,
            f.Text10.Text, f.Text11.Text, f.Text12.Text, f.Text13.Text};
}

TEST(LabelTypes, NewStationShowsFiftyEmptyTypesAndTheDefaultGeometry) {
    StationFixture f;
    site::WriteSetupFile(f.tp.root(), f.layout.SetupFilePath(), [&] {
        auto setup = site::SetupFileFor(f.layout);
        setup.units = {{10, "EAST"}};
        return setup;
    }());
    site::WriteUnitFile(f.tp.root(), f.layout, 1, {"1001"});
    App app(f.tp.platform);
    Form_Load(app);  // creates the name list; no settings file yet

    ASSERT_EQ(app.form1.Combo2.List.size(), 50u);
    for (const std::string& name : app.form1.Combo2.List) EXPECT_EQ(name, "");
    EXPECT_EQ(app.form1.Combo2.ListIndex, 0);
    EXPECT_EQ(SheetFields(app.form1),
              (std::vector<std::string>{"400", "1430", "3600", "10", "0", "0", "0", "0"}));
    EXPECT_EQ(app.st.TopMargin, 400);
    EXPECT_EQ(app.st.RowsPerPage, 10);
}

TEST(LabelTypes, EditingTheChosenTypeStoresItsGeometry) {
    StationFixture f;
    App& app = *f.app;
    app.st.LabelTypeNo = 5;  // as a click on entry 5 of Combo2 does
    GetTyp(app);
    app.form1.Text6.Text = "1500";
    app.form1.Text10.Text = "-100";    // stored without its sign
    app.form1.Text12.Text = "123456";  // does not fit five columns: not stored
    SaveSet(app);

    const std::string bytes = f.Bytes(GeometryPath(f));
    ASSERT_GE(bytes.size(), 5u * 200 - 100);
    const std::string record5 = bytes.substr(4 * 200, 100);
    EXPECT_EQ(Cols(record5, 11, 30), "400  1500 3600 10   ");
    EXPECT_EQ(Cols(record5, 31, 35), "100  ");
    EXPECT_EQ(Cols(record5, 41, 45), "     ");

    auto later = f.NewApp();
    later->st.LabelTypeNo = 5;
    GetTyp(*later);
    EXPECT_EQ(later->form1.Text6.Text, "1500");
    EXPECT_EQ(later->st.LabelHeight, 1500);
    EXPECT_EQ(later->st.ColumnX(1), 100);
    later->st.LabelTypeNo = 4;
    GetTyp(*later);
    EXPECT_EQ(later->form1.Text6.Text, "1430");  // another type keeps its defaults
}

TEST(LabelTypes, TheChosenTypeIsStoredWithTheSettingsAndComesBackAtTheNextStart) {
    StationFixture f;
    WriteBlankNameList(f);
    App& app = *f.app;
    GetSet(app);
    // A click on entry 5 of Combo2: the type is chosen and its geometry shown.
    app.st.LabelTypeNo = 5;
    GetTyp(app);
    app.form1.wwDateTimeEdit1.Value = Date(2026, 12, 24);
    app.form1.Text6.Text = "1500";
    app.form1.Text5.Text = "0";  // stored as 0, read back as the default
    SaveSet(app);

    const std::string record5 = f.Bytes(GeometryPath(f)).substr(4 * 200, 100);
    EXPECT_EQ(Cols(record5, 1, 10), "12-24-2026");  // the start date when it was stored
    EXPECT_EQ(Cols(record5, 11, 50), "0    1500 3600 10   0    0    0    0    ");

    auto next = f.NewApp();
    GetSet(*next);
    EXPECT_EQ(next->st.LabelTypeNo, 5);
    EXPECT_EQ(next->form1.Combo2.ListIndex, 4);
    EXPECT_EQ(SheetFields(next->form1),
              (std::vector<std::string>{"400", "1500", "3600", "10", "0", "0", "0", "0"}));
    EXPECT_EQ(next->st.TopMargin, 400);
    EXPECT_EQ(next->st.LabelHeight, 1500);
}

TEST(LabelTypes, DamagedGeometryRecordsGiveNumbersOrTheDefaults) {
    struct Case {
        std::string bytes;  // the geometry file; type 2 is read
        std::vector<std::string> shown;
        Int32 top, columnX1;
    };
    const std::string type1(200, '9');
    const Case cases[] = {
        // A record cut short: what is there is read, the rest is blank.
        {type1 + std::string(10, ' ') + "470  1430 38",
         {"470", "1430", "38", "10", "0", "0", "0", "0"},
         470,
         0},
        // Binary bytes read as 0 and give the defaults.
        {type1 + std::string("\xFF\x00\x01\x80", 4) + std::string(96, '\xFE'),
         {"400", "1430", "3600", "10", "0", "0", "0", "0"},
         400,
         0},
        // Signs and fractions: a negative place shows without its sign; 12.5 rounds to 12.
        {type1 + std::string(10, ' ') + "-5   12.5 3600 10   -100 4000 ",
         {"5", "12", "3600", "10", "100", "4000", "0", "0"},
         -5,
         -100},
        // No record 2 at all.
        {type1, {"400", "1430", "3600", "10", "0", "0", "0", "0"}, 400, 0},
    };
    for (const Case& c : cases) {
        StationFixture f;
        WriteHostFile(f.Host(GeometryPath(f)), c.bytes);
        f.app->st.LabelTypeNo = 2;
        GetTyp(*f.app);
        EXPECT_EQ(SheetFields(f.app->form1), c.shown) << c.bytes.size();
        EXPECT_EQ(f.app->st.TopMargin, c.top);
        EXPECT_EQ(f.app->st.ColumnX(1), c.columnX1);
    }
}

TEST(LabelTypes, AHugeGeometryFileIsReadLikeAnyOther) {
    StationFixture f;
    std::string bytes(3 << 20, '\x01');
    PutField(bytes, 200 * 24 + 11, 10, "500  1200 ");  // type 25
    WriteHostFile(f.Host(GeometryPath(f)), bytes);
    f.app->st.LabelTypeNo = 25;
    GetTyp(*f.app);
    EXPECT_EQ(f.app->st.TopMargin, 500);
    EXPECT_EQ(f.app->st.LabelHeight, 1200);
    SaveSet(*f.app);
    const std::string after = f.Bytes(GeometryPath(f));
    EXPECT_EQ(after.size(), bytes.size());
    EXPECT_EQ(after.substr(200 * 25), bytes.substr(200 * 25));  // the types after it untouched
}

TEST(LabelTypes, EntriesAboveTwentyFiveWorkUntilTheNextReload) {
    StationFixture f;
    WriteBlankNameList(f);
    App& app = *f.app;
    app.st.LabelTypeNo = 30;  // entry 30 of Combo2
    GetTyp(app);
    app.form1.Text6.Text = "1600";
    SaveSet(app);
    EXPECT_EQ(Cols(SettingsRecord(f, 1), 1, 2), "30");
    EXPECT_EQ(Cols(f.Bytes(GeometryPath(f)).substr(29 * 200, 100), 16, 20), "1600 ");

    GetSet(app);  // the settings accept 1 to 25 only
    EXPECT_EQ(app.st.LabelTypeNo, 1);
    EXPECT_EQ(app.form1.Combo2.ListIndex, 0);
    EXPECT_EQ(app.form1.Text6.Text, "1430");
}

TEST(LabelTypes, GeometryRecordsKeepTheirSecondHalf) {
    StationFixture f;
    const std::string tail(100, 'z');
    WriteHostFile(f.Host(GeometryPath(f)), std::string(100, ' ') + tail);
    f.app->st.LabelTypeNo = 1;
    SaveSet(*f.app);
    EXPECT_EQ(f.Bytes(GeometryPath(f)).substr(100, 100), tail);
}

TEST(LabelTypes, TypedNameIsStoredInFullAndListedCutToTwentyFive) {
    StationFixture f;
    WriteBlankNameList(f);
    App& app = *f.app;
    app.st.LabelTypeNo = 2;
    const std::string name = "Avery 5160 three across sheets";
    ASSERT_EQ(name.size(), 30u);
    app.form1.Combo2.Text = name;
    SaveLn(app);
    const std::string list = f.Bytes(app.st.LabListFile);
    ASSERT_EQ(list.size(), 50u * 52);
    EXPECT_EQ(list.substr(52, 52), PadTo(name, 50) + "\r\n");
    EXPECT_EQ(list.substr(0, 52), std::string(50, ' ') + "\r\n");  // the others stay

    FillLabelTypeList(app);
    ASSERT_EQ(app.form1.Combo2.List.size(), 50u);
    EXPECT_EQ(app.form1.Combo2.List[1], "Avery 5160 three across s");
    EXPECT_EQ(app.form1.Combo2.List[1], name.substr(0, 25));
    EXPECT_EQ(app.form1.Combo2.ListIndex, 1);
}

TEST(LabelTypes, MissingNameListKeepsTheListAndStillLoadsTheGeometry) {
    StationFixture f;
    App& app = *f.app;
    app.form1.Combo2.List = {"Kept"};
    app.st.LabelTypeNo = 3;
    WriteSettings(f, "3 12-09-2026", "");
    GetSet(app);
    EXPECT_EQ(app.form1.Combo2.List, std::vector<std::string>{"Kept"});
    EXPECT_EQ(app.form1.Combo2.ListIndex, -1);  // there is no third entry to select
    EXPECT_EQ(app.form1.Text5.Text, "400");
    EXPECT_EQ(app.form1.Combo1.Text, "Office Laser");  // the rest of the settings still load
}

}  // namespace
}  // namespace vt::test
