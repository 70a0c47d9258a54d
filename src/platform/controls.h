#pragma once
// The models of the window controls. The procedures read and write these; the Qt views copy
// an operator's change into the model before calling a handler, and refresh every widget from
// the models after it. Setting a model from code therefore never fires a handler.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/barcode.h"
#include "platform/date.h"
#include "platform/picture.h"

namespace vt {

// Texts are single-byte Windows-1252, as the files hold them (the snack list editor: code
// page 437).

struct Window {
    std::string Caption;
    bool Visible = false;
    std::string IconPath;  // host path of the window icon; "" keeps the designed icon
    double Width = 0;      // twips; 0 = as designed
    double Height = 0;
    std::uint32_t BackColor = 0xF0F0F0;  // RGB
};

struct TextBox {
    std::string Text;
    bool Visible = true;
    long SelStart = 0;
    long SelLength = 0;
    std::string ToolTipText;
};

struct CheckBox {
    int Value = 0;  // 0 clear, 1 ticked, 2 grey
    std::string Caption;
    bool Visible = true;
    std::uint32_t BackColor = 0xF0F0F0;
    std::string ToolTipText;
};

struct OptionButton {
    bool Value = false;
    std::string Caption;
};

struct ComboBox {
    std::vector<std::string> List;
    int ListIndex = -1;  // -1: nothing selected
    std::string Text;

    void Clear() {
        List.clear();
        ListIndex = -1;
        Text.clear();
    }
    void AddItem(const std::string& item) { List.push_back(item); }
};

struct Label {
    std::string Caption;
    bool Visible = true;
    std::string ToolTipText;
};

struct CommandButton {
    std::string Caption;
    std::string ToolTipText;
};

struct DateEdit {
    Date Value;
    std::string Text() const { return Value.Text(); }  // "mm-dd-yyyy"
};

struct Image {
    vt::Picture Picture;
};

// The snack list editor.
struct RichTextBox {
    std::string Text;
    long SelStart = 0;
    long SelLength = 0;
    bool Visible = true;
    double Width = 0;  // twips
    double Height = 0;
    double RightMargin = 0;
    bool HasFocus = false;
    bool Locked = false;  // read-only: nothing can be typed into it
};

}  // namespace vt
