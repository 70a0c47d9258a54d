// Start-up: reading the setup file into the state, the station's files, printers, the
// automatic-print marker and the ways start-up ends early.
#include "program/startup.h"

#include <gtest/gtest.h>

#include "app/program_end.h"
#include "platform/text.h"
#include "program/exit_commands.h"
#include "site/demo_site.h"
#include "site/small_files.h"
#include "startup_fixture.h"

namespace vt::test {
namespace {

TEST(StartUp, ReadsTheDemoSiteIntoTheState) {
    TestPlatform tp;
    site::BuildDemoSite(tp.root(), tp.clock.Today(), false);
    App app(tp.platform);

    Form_Load(app);

    const AppState& st = app.st;
    EXPECT_EQ(st.SetupNotFound, 0);
    EXPECT_EQ(st.StationCode, site::demo::kStation);
    EXPECT_EQ(st.FacilityName, site::demo::kFacilityName);
    ASSERT_EQ(st.UnitCount, site::demo::kUnitCount);
    for (int u = 1; u <= site::demo::kUnitCount; ++u) {
        // Names keep their 20 stored columns; the label drawing shortens them later.
        EXPECT_EQ(st.UnitNames(u), PadTo(site::demo::kUnitNames[u - 1], 20));
        EXPECT_EQ(st.UnitSizes(u), site::demo::kUnitSizes[u - 1]);
    }
    ASSERT_EQ(st.SetupCount, site::demo::kPathCount);
    EXPECT_EQ(st.SetupTable(1), "c:\\zel\\setup");  // replaced by the folder it was found in
    EXPECT_EQ(st.SetupTable(2), "c:\\zel");
    EXPECT_EQ(st.SetupTable(40), "c:\\zel\\units");
    EXPECT_EQ(st.UnitFile, "c:\\zel\\units\\sfl1.D1");
    EXPECT_EQ(app.form1.Form.Caption, std::string("[ Vittlon ]         ") + site::demo::kSiteTitle);
    EXPECT_EQ(st.LabListFile, "c:\\zel\\setup\\LabList.D1");
    EXPECT_EQ(st.TwoCopyMark, "@");
    EXPECT_EQ(st.ThreeCopyMark, "#");
    EXPECT_EQ(st.AutoPrint, 0);
    EXPECT_EQ(st.PreviewMode, 1);
    EXPECT_FALSE(tp.events.quit);

    // The station's last settings are restored: the demo's start date is tomorrow, and its
    // label types fill the list.
    EXPECT_EQ(st.LabelDate, tp.clock.Today().AddDays(1));
    ASSERT_EQ(app.form1.Combo2.List.size(), 50u);
    EXPECT_EQ(app.form1.Combo2.List[0], site::demo::kFirstLabelTypeName);
    EXPECT_EQ(app.form1.Combo1.Text, kPdfPrinterName);  // the demo saved the PDF printer

    // Its exit: stop any run, save, and ask the event loop to end.
    Command3_Click(app);
    EXPECT_TRUE(tp.events.quit);
    EXPECT_EQ(st.StopRequested, 1);
}

TEST(StartUp, StationCodeIsTheTextBeforeTheFirstBlankUnlessItLeads) {
    struct Case {
        const char* columns;
        const char* code;
    };
    for (const Case& c :
         {Case{"AB ", "AB"}, Case{" AB", " AB"}, Case{"ABC", "ABC"}, Case{"A B", "A"}}) {
        StartupSite s;
        s.setup.station = c.columns;
        s.layout.station = c.code;
        s.Write();
        Form_Load(s.app);
        EXPECT_EQ(s.app.st.StationCode, c.code) << "columns '" << c.columns << "'";
        // The code is every per-station file's extension: the unit file was found with it.
        EXPECT_FALSE(s.tp.events.quit) << "columns '" << c.columns << "'";
    }
}

TEST(StartUp, DefaultUnitOutsideTheUnitsBecomesOne) {
    for (int stored : {0, 3, 99}) {
        StartupSite s;
        s.setup.defaultUnit = stored;
        s.Write();
        Form_Load(s.app);
        EXPECT_EQ(s.app.st.DefaultUnit, 1) << stored;
        EXPECT_EQ(s.app.st.UnitFile, "c:\\zel\\units\\sfl1.D1") << stored;
    }
    StartupSite s;
    s.setup.defaultUnit = 2;
    s.Write();
    site::WriteUnitFile(s.tp.root(), s.layout, 2, {"2001"});
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.UnitFile, "c:\\zel\\units\\sfl2.D1");
}

TEST(StartUp, BlankDefaultUnitColumnsBecomeOne) {
    StartupSite s;
    s.Write();
    // Overwrite columns 8-9 of record 1 with blanks.
    std::string bytes = ReadHostFile(s.Host("c:\\zel\\setup\\F.ZRB"));
    bytes[7] = bytes[8] = ' ';
    WriteHostFile(s.Host("c:\\zel\\setup\\F.ZRB"), bytes);
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.DefaultUnit, 1);
}

TEST(StartUp, StationDateWithABadMonthBecomesToday) {
    StartupSite s;
    s.setup.stationDates[1] = "13-01-26";
    s.Write();
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.StationDates(1), "12-08-26");

    StartupSite kept;
    kept.Write();
    Form_Load(kept.app);
    EXPECT_EQ(kept.app.st.StationDates(1), "11-30-26");
}

TEST(StartUp, ScreenSizeOutsideOneToFourBecomesTwo) {
    struct Case {
        std::optional<int> stored;
        int expected;
    };
    for (const Case& c : {Case{std::nullopt, 2}, Case{7, 2}, Case{0, 2}, Case{3, 3}, Case{1, 1}}) {
        StartupSite s;
        s.setup.screenSize = c.stored;
        s.Write();
        Form_Load(s.app);
        EXPECT_EQ(s.app.st.ScreenSize, c.expected) << c.stored.value_or(-1);
    }
}

TEST(StartUp, SiteTitleOfBlanksKeepsTheDesignedCaption) {
    StartupSite s;
    s.Write();
    site::WriteSiteTitle(s.tp.root(), s.layout, std::string(200, ' '));
    Form_Load(s.app);
    EXPECT_EQ(s.app.form1.Form.Caption, kForm1DesignCaption);
    EXPECT_EQ(s.app.st.SiteTitle, "");
}

TEST(StartUp, FacilityNameIsTrimmed) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    EXPECT_EQ(s.app.st.FacilityName, "ELM HOUSE");
}

TEST(StartUp, AutomaticPrintMarkerIsTakenOnceAndPrintsWithoutPreview) {
    StartupSite s;
    s.Write();
    site::WriteAutoPrintMarker(s.tp.root(), s.layout);
    const std::string marker = "c:\\zel\\setup\\autop.D1";
    ASSERT_TRUE(s.Exists(marker));

    Form_Load(s.app);
    EXPECT_EQ(s.app.st.AutoPrint, 1);
    EXPECT_EQ(s.app.st.PreviewMode, 0);
    EXPECT_FALSE(s.Exists(marker));

    App second(s.tp.platform);
    Form_Load(second);
    EXPECT_EQ(second.st.AutoPrint, 0);
    EXPECT_EQ(second.st.PreviewMode, 1);
}

TEST(StartUp, MissingLabelTypeNameListIsCreatedAndAnExistingOneKept) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    const std::string created = ReadHostFile(s.Host("c:\\zel\\setup\\LabList.D1"));
    ASSERT_EQ(created.size(), 50u * 52u);
    for (std::size_t r = 0; r < 50; ++r) {
        EXPECT_EQ(created.substr(r * 52, 52), std::string(50, ' ') + "\r\n") << "record " << r + 1;
    }

    const std::string own = "Our sheets" + std::string(40, ' ') + "\r\n";
    WriteHostFile(s.Host("c:\\zel\\setup\\LabList.D1"), own);
    App again(s.tp.platform);
    Form_Load(again);
    EXPECT_EQ(ReadHostFile(s.Host("c:\\zel\\setup\\LabList.D1")), own);
}

TEST(StartUp, LabelTemplateIsCreatedEmptyAndAnExistingOneKept) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    const auto templ = s.Host(s.layout.Path(39, "\\templ.D1"));
    ASSERT_TRUE(std::filesystem::exists(templ));
    EXPECT_EQ(std::filesystem::file_size(templ), 0u);

    WriteHostFile(templ, "kept");
    App again(s.tp.platform);
    Form_Load(again);
    EXPECT_EQ(ReadHostFile(templ), "kept");
}

TEST(StartUp, IconIsTakenWhenPresent) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    EXPECT_EQ(s.app.form1.Form.IconPath, "");

    WriteHostFile(s.Host("c:\\zel\\ahpg8.ico"), "icon");
    App again(s.tp.platform);
    Form_Load(again);
    EXPECT_EQ(again.form1.Form.IconPath, s.Host("c:\\zel\\ahpg8.ico").string());
}

TEST(StartUp, PrinterListFollowsTheSystemWithTheDefaultsPosition) {
    StartupSite s;
    s.Write();
    s.tp.printers.names = {"Kitchen", "Office Laser", kPdfPrinterName};
    Form_Load(s.app);
    EXPECT_EQ(s.app.form1.Combo1.List, s.tp.printers.names);
    EXPECT_EQ(s.app.st.DefaultPrinterNo, 1);
    EXPECT_EQ(s.app.st.NoPrinterList, 0);

    StartupSite none;
    none.Write();
    none.tp.printers.defaultName = "";
    Form_Load(none.app);
    EXPECT_EQ(none.app.st.NoPrinterList, 1);
    EXPECT_TRUE(none.app.form1.Combo1.List.empty());
}

TEST(StartUp, MissingDefaultUnitFileEndsTheProgramBeforeTouchingAnything) {
    StartupSite s;
    site::WriteSetupFile(s.tp.root(), "c:\\zel\\setup\\F.ZRB", s.setup);
    site::WriteAutoPrintMarker(s.tp.root(), s.layout);
    Form_Load(s.app);
    EXPECT_TRUE(s.tp.events.quit);
    EXPECT_TRUE(s.app.form1.Combo1.List.empty());
    EXPECT_TRUE(s.Exists("c:\\zel\\setup\\autop.D1"));  // the marker waits for a real run
    EXPECT_FALSE(s.Exists("c:\\zel\\setup\\LabList.D1"));
}

TEST(StartUp, ShortPathTableStopsStartUpSilentlyAtTheStepThatNeedsIt) {
    // 30 entries: the title (index 23) is read, the unit file (index 40) is not reachable.
    StartupSite s;
    s.setup.paths.resize(30);
    s.Write();
    site::WriteSiteTitle(s.tp.root(), s.layout, "ELM HOUSE DIET OFFICE");
    Form_Load(s.app);
    EXPECT_EQ(s.app.form1.Form.Caption, "[ Vittlon ]         ELM HOUSE DIET OFFICE");
    EXPECT_EQ(s.app.st.UnitCount, 2);
    EXPECT_TRUE(s.app.form1.Combo1.List.empty());
    EXPECT_FALSE(s.tp.events.quit);

    // 20 entries: not even the title.
    StartupSite shorter;
    shorter.setup.paths.resize(20);
    shorter.Write();
    site::WriteSiteTitle(shorter.tp.root(), shorter.layout, "ELM HOUSE DIET OFFICE");
    Form_Load(shorter.app);
    EXPECT_EQ(shorter.app.form1.Form.Caption, kForm1DesignCaption);
    EXPECT_EQ(shorter.app.st.StationCode, "D1");
}

TEST(ProgramEnd, EscapeEndsTheProgramOtherKeysDoNot) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    Form_KeyDown(s.app, 13);
    EXPECT_FALSE(s.tp.events.quit);
    Form_KeyDown(s.app, 27);
    EXPECT_TRUE(s.tp.events.quit);
}

TEST(ProgramEnd, ClosingAWindowOfAnEndingProgramSavesNothingTwice) {
    StartupSite s;
    s.Write();
    Form_Load(s.app);
    Form_Unload(s.app);
    EXPECT_TRUE(s.tp.events.quit);
    EXPECT_EQ(s.app.st.StopRequested, 1);
}

}  // namespace
}  // namespace vt::test
