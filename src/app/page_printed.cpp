#include "app/page_printed.h"

#include "platform/codepage.h"

namespace vt {

void TellPagePrinted(App& app, const std::string& what, bool ended) {
    Printers& printers = app.os.printers;
    const std::string printer = ToUtf8(printers.CurrentName());
    const std::string output = printers.LastOutput();
    std::string line;
    if (ended && printers.LastDelivered() > 0) {
        line = "Printed " + what + " to " + printer + (output.empty() ? "" : ": " + output);
    } else {
        line = "Nothing went out to " + printer + ": " + what + " was not printed";
    }
    AppState& st = app.st;
    st.PagePrinted.line = line;
    ++st.PagePrinted.count;
}

}  // namespace vt
