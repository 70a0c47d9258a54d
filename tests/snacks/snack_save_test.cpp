// Saving the week's snack list: every byte kept, and a failed save changes nothing on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "site/snack_template.h"
#include "snacks/snack_document.h"
#include "support/file_size_limit.h"
#include "support/station_fixture.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;

struct SaveFixture : StationFixture {
    std::string week = layout.SnackListPath(1);
    SaveFixture() {
        app->st.SnackWeek = 1;
        app->st.ScreenSize = 2;
    }
};

// Every byte value, code page 437 borders and control characters alike, in lines of 164
// characters and CR LF; the last line is cut short, as a file damaged elsewhere could be.
std::string EveryByteValue() {
    std::string bytes;
    for (int line = 0; line < 56; ++line) {
        for (int c = 0; c < 164; ++c) bytes += static_cast<char>((line * 164 + c) % 256);
        bytes += "\r\n";
    }
    return bytes.substr(0, bytes.size() - 70);
}

TEST(SnackSave, AnExistingListIsLoadedAsItIsAndSavedByteForByte) {
    SaveFixture f;
    const std::string stored = EveryByteValue();
    WriteHostFile(f.Host(f.week), stored);
    loadfil(*f.app);
    EXPECT_EQ(f.app->form1.RichTextBox1.Text, stored);
    EXPECT_EQ(f.app->st.SnackText, stored);
    savefil(*f.app);
    EXPECT_EQ(f.Bytes(f.week), stored);

    // The file is replaced whole: a shorter text leaves nothing of the old tail behind.
    f.app->form1.RichTextBox1.Text = stored.substr(0, 166);
    savefil(*f.app);
    EXPECT_EQ(f.Bytes(f.week), stored.substr(0, 166));
}

TEST(SnackSave, AFullDiskKeepsTheSavedFileAndTheEditorsEdits) {
    SaveFixture f;
    site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", site::SnackTemplate{});
    loadfil(*f.app);
    const std::string saved = f.Bytes(f.week);
    ASSERT_GT(saved.size(), 4096u);
    std::string edited = saved;
    edited[681] = 'Q';
    f.app->form1.RichTextBox1.Text = edited;
    {
        const FileSizeLimit fullDisk(4096);
        savefil(*f.app);
    }
    // A save that wrote the file in place would have cut it at 4096 bytes.
    EXPECT_EQ(f.Bytes(f.week), saved);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_NE(f.tp.dialogs.asked[0].text.find("could not be saved"), std::string::npos);
    for (const auto& entry : fs::directory_iterator(f.Host(f.layout.paths(6)))) {
        EXPECT_EQ(entry.path().filename().string(), "Snk1.D1");
    }
    // The list stays open with the edits, so the next save can still store them.
    EXPECT_EQ(f.app->st.SnackFile, f.week);
    EXPECT_EQ(f.app->form1.RichTextBox1.Text, edited);
    savefil(*f.app);
    EXPECT_EQ(f.Bytes(f.week), edited);
}

}  // namespace
}  // namespace vt::test

namespace vt::test {
namespace {

// Another station saves the week while this one has it open. Untouched here, the list is not
// written; edited here too, the operator chooses which text the file keeps, and the other goes
// to a recovery copy that the message names: neither is lost.
TEST(SnackSave, AnotherStationsEditIsNeverOverwrittenSilently) {
    for (const bool keepMine : {false, true}) {
        SCOPED_TRACE(keepMine);
        SaveFixture f;
        site::WriteSnackTemplate(f.tp.root(), f.layout, 1, "1", site::SnackTemplate{});
        loadfil(*f.app);
        std::string theirs = f.Bytes(f.week);
        theirs[681] = 'T';
        WriteHostFile(f.Host(f.week), theirs);  // the other station's save
        savefil(*f.app);                        // this one ends without an edit
        EXPECT_EQ(f.Bytes(f.week), theirs);
        EXPECT_TRUE(f.tp.dialogs.asked.empty());

        std::string mine = f.app->form1.RichTextBox1.Text;
        mine[681] = 'M';
        f.app->form1.RichTextBox1.Text = mine;
        if (keepMine) f.tp.dialogs.answers.push_back(MsgAnswer::Yes);
        savefil(*f.app);
        ASSERT_EQ(f.tp.dialogs.asked.size(), 2u);
        EXPECT_EQ(f.tp.dialogs.asked[0].text,
                  "The snack list " + f.week +
                      " was changed at another station since it was opened here.\r\nSave your "
                      "changes over it? (No keeps the other text.)");
        EXPECT_EQ(f.Bytes(f.week), keepMine ? mine : theirs);
        EXPECT_EQ(f.app->form1.RichTextBox1.Text, keepMine ? mine : theirs);
        const fs::path recovery = f.tp.root() / "state" / "vittlon" / "recovery";
        ASSERT_TRUE(fs::exists(recovery));
        const fs::path copy = fs::directory_iterator(recovery)->path();
        EXPECT_EQ(ReadHostFile(copy), keepMine ? theirs : mine);
        EXPECT_NE(f.tp.dialogs.asked[1].text.find(copy.string()), std::string::npos);

        savefil(*f.app);  // settled: nothing more is asked or written
        EXPECT_EQ(f.tp.dialogs.asked.size(), 2u);
    }
}

}  // namespace
}  // namespace vt::test
