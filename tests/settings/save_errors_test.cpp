// Files SaveSet cannot write: one message box naming the file, the old bytes stay, the
// program goes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/label_settings.h"
#include "settings_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

void ExpectToldOnce(const ScriptedDialogs& dialogs, const std::string& fileName) {
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_NE(dialogs.asked[0].text.find(fileName), std::string::npos) << dialogs.asked[0].text;
    EXPECT_EQ(dialogs.asked[0].title, "Vittlon");
    EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::OK);
}

TEST(SaveErrors, AMissingSetupFolderIsToldAndNothingIsCreated) {
    StationFixture f;
    fs::remove_all(f.Host("c:\\zel\\setup"));
    EXPECT_NO_THROW(SaveSet(*f.app));
    ExpectToldOnce(f.tp.dialogs, "Labelset.D1");
    EXPECT_FALSE(fs::exists(f.Host("c:\\zel\\setup")));
    GetSet(*f.app);  // the program goes on: nothing stored, the design values stay
    EXPECT_EQ(f.app->form1.Text15.Text, "460");
}

TEST(SaveErrors, ASettingsPathThatIsAFolderIsTold) {
    StationFixture f;
    fs::create_directories(f.Host(SettingsPath(f)) / "inside");
    EXPECT_NO_THROW(SaveSet(*f.app));
    ExpectToldOnce(f.tp.dialogs, "Labelset.D1");
    EXPECT_TRUE(fs::is_directory(f.Host(SettingsPath(f)) / "inside"));
}

TEST(SaveErrors, AGeometryFileThatCannotBeReplacedIsToldAfterTheSettingsAreStored) {
    StationFixture f;
    WriteSettings(f, "1 12-09-2026", "");
    GetSet(*f.app);
    // Then the geometry file's name is taken by a folder: it cannot be replaced.
    fs::remove(f.Host(GeometryPath(f)));
    fs::create_directories(f.Host(GeometryPath(f)) / "inside");
    f.app->form1.Text14.Text = "5";
    EXPECT_NO_THROW(SaveSet(*f.app));
    ExpectToldOnce(f.tp.dialogs, "Labeltyp.D1");
    EXPECT_EQ(Cols(SettingsRecord(f, 1), 55, 56), "5 ");
}

TEST(SaveErrors, AFileThatCannotBeReplacedKeepsItsOldBytes) {
    // A station code so long that no temporary name fits beside the file: the settings file
    // can be read but not replaced.
    StationFixture f;
    const std::string code(240, 'L');
    f.app->st.StationCode = code;
    const std::string path = f.layout.Path(23, "\\setup\\Labelset." + code);
    const std::string old = PadTo("1 12-09-2026", 100) + PadTo("Office Laser", 100);
    WriteHostFile(f.Host(path), old);
    f.app->form1.Text14.Text = "9";
    EXPECT_NO_THROW(SaveSet(*f.app));
    ExpectToldOnce(f.tp.dialogs, "Labelset." + code);
    EXPECT_EQ(f.Bytes(path), old);
    for (const auto& entry : fs::directory_iterator(f.Host("c:\\zel\\setup"))) {
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
            << "no temporary file is left: " << entry.path();
    }
}

TEST(SaveErrors, AFailureWhileItIsBeingToldIsNotToldAgain) {
    StationFixture f;
    fs::remove_all(f.Host("c:\\zel\\setup"));
    // The message box takes the focus from the window, whose lost-focus handler stores again.
    struct Reentering : ScriptedDialogs {
        std::function<void()> onAsk;
        MsgAnswer MsgBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         int defaultButton, const std::string& detail) override {
            if (onAsk) onAsk();
            return ScriptedDialogs::MsgBox(text, title, buttons, defaultButton, detail);
        }
    } dialogs;
    Platform platform{f.tp.drives, f.tp.clock, dialogs, f.tp.events, f.tp.printers, f.tp.pictures};
    App app(platform);
    app.st.SetupTable = f.app->st.SetupTable;
    app.st.StationCode = f.app->st.StationCode;
    int nested = 0;
    dialogs.onAsk = [&] {
        if (nested++ == 0) SaveSet(app);
    };
    SaveSet(app);
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(nested, 1);

    // Once the box is closed, the next failure is told again.
    SaveSet(app);
    EXPECT_EQ(dialogs.asked.size(), 2u);
}

TEST(SaveErrors, AStationWithoutPathTableEntry23StoresNothingAndSaysNothing) {
    for (long entries : {0L, 22L}) {
        TestPlatform tp;
        App app(tp.platform);
        if (entries > 0) {
            app.st.SetupTable.ReDim(1, entries);
            for (long i = 1; i <= entries; ++i) app.st.SetupTable(i) = "c:\\zel";
        }
        app.st.StationCode = "D1";
        EXPECT_NO_THROW(SaveSet(app));
        EXPECT_TRUE(tp.dialogs.asked.empty()) << entries;
        EXPECT_TRUE(fs::is_empty(tp.root())) << entries;
        GetSet(app);  // fails at its first step, silently
        EXPECT_TRUE(tp.dialogs.asked.empty()) << entries;
        EXPECT_EQ(app.st.SettingsLoading, 0) << entries;
        EXPECT_EQ(app.st.ListFilling, 0) << entries;
    }
}

}  // namespace
}  // namespace vt::test
