#pragma once
// Message boxes and the input box. Texts are single-byte Windows-1252 like everything else.
#include <optional>
#include <string>

namespace vt {

enum class MsgButtons { OK, YesNo };
enum class MsgAnswer { OK = 1, Yes = 6, No = 7 };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // defaultButton: 1 = the first button, 2 = the second. detail: the cause behind the text
    // (the file, folder or printer and the system's reason), shown on demand under it.
    virtual MsgAnswer MsgBox(const std::string& text, const std::string& title,
                             MsgButtons buttons = MsgButtons::OK, int defaultButton = 1,
                             const std::string& detail = "") = 0;
    // The text typed (it may be empty); nullopt when the operator cancels or nobody can answer.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText = "") = 0;
};

}  // namespace vt
