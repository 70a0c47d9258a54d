// The label type catalogue: the name list in Combo2 and each type's sheet geometry.
#include <gtest/gtest.h>

#include "app/startup.h"
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
    WriteHostFile(f.Host(f.app->st.LabListFile), [] {
        std::string list;
        for (int i = 0; i < 50; ++i) list += std::string(50, ' ') + "\r\n";
        return list;
    }());
    App& app = *f.app;
    app.st.LabelTypeNo = 2;
    const std::string name = "Avery 5160 three across sheet";  // 29 characters
    app.form1.Combo2.Text = name + "X";
    SaveLn(app);
    const std::string record2 = f.Bytes(app.st.LabListFile).substr(52, 52);
    EXPECT_EQ(record2, PadTo(name + "X", 50) + "\r\n");

    FillLabelTypeList(app);
    EXPECT_EQ(app.form1.Combo2.List[1], (name + "X").substr(0, 25));
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
