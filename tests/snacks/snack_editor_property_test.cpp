// Whatever is pressed wherever the cursor stands, the snack list keeps its length and every
// border, rule and line end stays where it was.
#include <gtest/gtest.h>

#include <random>

#include "editor_fixture.h"

namespace vt::test {
namespace {

// The grid: line ends and the code page 437 line drawing characters (179 to 218), with their
// offsets. Other characters outside printable ASCII (171, one half, in a snack item) are
// content that Duplicate may copy.
std::vector<std::pair<std::size_t, char>> Frame(const std::string& text) {
    std::vector<std::pair<std::size_t, char>> frame;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == '\r' || code == '\n' || (code >= 179 && code <= 218)) {
            frame.emplace_back(i, text[i]);
        }
    }
    return frame;
}

// One random command at a random cursor, a little outside the text included.
void RandomCommand(EditorFixture& f, std::mt19937& random) {
    const long size = static_cast<long>(f.text().size());
    f.Place(std::uniform_int_distribution<long>(-3, size + 3)(random));
    static constexpr int kKeys[] = {kVkBack,   kVkTab,  kVkReturn, kVkDown, kVkInsert,
                                    kVkDelete, kVkLeft, kVkV,      kVkX,    kVkK};
    static constexpr int kShifts[] = {kNoModifier, kShiftKey, kCtrlKey};
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
        case 0:
        case 1:
        case 2: {
            f.Down(kKeys[std::uniform_int_distribution<std::size_t>(0, 9)(random)],
                   kShifts[std::uniform_int_distribution<std::size_t>(0, 2)(random)]);
            break;
        }
        case 3:
            f.tp.dialogs.answers.push_back(MsgAnswer::Yes);
            Command6_Click(*f.app);
            break;
        default:
            EXPECT_EQ(f.Press(std::uniform_int_distribution<int>(0, 255)(random)), 0);
            break;
    }
}

void Hammer(const std::string& list, unsigned seed, int commands) {
    EditorFixture f(list);
    std::mt19937 random(seed);
    const auto frame = Frame(list);
    for (int i = 0; i < commands; ++i) {
        RandomCommand(f, random);
        ASSERT_EQ(f.text().size(), list.size()) << "seed " << seed << " command " << i;
        ASSERT_EQ(f.app->st.SnackText, f.text()) << "seed " << seed << " command " << i;
        ASSERT_EQ(Frame(f.text()), frame) << "seed " << seed << " command " << i;
    }
}

TEST(SnackEditorProperty, TheGridSurvivesThousandsOfRandomKeys) {
    const std::string list = DemoSnackList();
    for (unsigned seed : {1u, 2u, 3u}) {
        Hammer(list, seed, 3000);
    }
}

TEST(SnackEditorProperty, InsertModeKeepsTheGridToo) {
    EditorFixture f;
    f.app->st.InsertMode = 1;
    std::mt19937 random(7);
    const std::string list = f.text();
    const auto frame = Frame(list);
    for (int i = 0; i < 3000; ++i) {
        f.Place(std::uniform_int_distribution<long>(0, static_cast<long>(list.size()))(random));
        f.Press(std::uniform_int_distribution<int>(32, 126)(random));
        if (i % 5 == 0) f.Down(kVkDelete);
        ASSERT_EQ(Frame(f.text()), frame) << i;
    }
    EXPECT_NE(f.text(), list);  // the keys did edit the cells
}

TEST(SnackEditorProperty, OddTextsAreSafeAtAnyCursor) {
    // No list open, a stray character, less than a line, lines without their ends, a list
    // whose last line is cut short, and every byte value.
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
    const std::string list = DemoSnackList();
    const std::string texts[] = {
        "",
        "x",
        "\xB3",
        "ab \xB3 cd\r\n",
        std::string(300, 'q'),
        list.substr(0, list.size() - 70),
        everyByte + everyByte,
    };
    unsigned seed = 100;
    for (const std::string& text : texts) Hammer(text, seed++, 400);
}

}  // namespace
}  // namespace vt::test
