#pragma once
// The snack list editor holding the demo site's snack list, with helpers that press keys the
// way the window delivers them.
#include <string>

#include "site/demo_site.h"
#include "site/snack_template.h"
#include "snacks/snack_editor.h"
#include "support/station_fixture.h"

namespace vt::test {

// Windows virtual key codes and modifier bits, as the editor handlers take them.
enum VirtualKey : int {
    kVkBack = 8,
    kVkTab = 9,
    kVkReturn = 13,
    kVkEscape = 27,
    kVkPrior = 33,
    kVkNext = 34,
    kVkEnd = 35,
    kVkHome = 36,
    kVkLeft = 37,
    kVkUp = 38,
    kVkRight = 39,
    kVkDown = 40,
    kVkInsert = 45,
    kVkDelete = 46,
    kVkC = 67,
    kVkI = 73,
    kVkK = 75,
    kVkV = 86,
    kVkX = 88,
};
enum Modifier : int { kNoModifier = 0, kShiftKey = 1, kCtrlKey = 2 };

// Offset of a 1-based line and column in the whole text.
constexpr long At(long line, long column) {
    return (line - 1) * 166 + (column - 1);
}
// First column of a weekday's cell, 1 = Sunday.
constexpr long DayColumn(int weekday) {
    return 18 + 21 * (weekday - 1);
}

inline std::string DemoSnackList() {
    return site::SnackTemplateBytes(site::DemoSnackTemplate());
}

struct EditorFixture : StationFixture {
    explicit EditorFixture(const std::string& text = DemoSnackList()) {
        SetText(text);
        app->st.SnackMenuOn = 1;
        Place(At(5, 18));
    }

    RichTextBox& editor() { return app->form1.RichTextBox1; }
    std::string& text() { return app->form1.RichTextBox1.Text; }
    long cursor() { return editor().SelStart; }

    void SetText(const std::string& text) {
        editor().Text = text;
        app->st.SnackText = text;
    }
    void Place(long offset) {
        editor().SelStart = offset;
        editor().SelLength = 0;
    }
    // The key code handed on to the control.
    int Down(int key, int shift = kNoModifier) {
        RichTextbox1_KeyDown(*app, key, shift);
        return key;
    }
    // The character code handed on to the control.
    int Press(int ascii) {
        RichTextBox1_KeyPress(*app, ascii);
        return ascii;
    }
    void Type(const std::string& chars) {
        for (const char c : chars) Press(static_cast<unsigned char>(c));
    }
    // Overwrite a stretch of the text, as a list written that way would hold it.
    void Put(long offset, const std::string& chars) {
        std::string changed = text();
        changed.replace(static_cast<std::size_t>(offset), chars.size(), chars);
        SetText(changed);
    }
    std::string Cell(long line, int weekday) {
        return text().substr(static_cast<std::size_t>(At(line, DayColumn(weekday))), 20);
    }
};

}  // namespace vt::test
