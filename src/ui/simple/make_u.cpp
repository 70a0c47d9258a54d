#include "ui/simple/make_u.h"

#include <string>

namespace vt {
namespace {
constexpr int kUserLineCount = 7;
constexpr std::size_t kWorkTextLimit = 1999;
}  // namespace

void MakeU(App& app) {
    AppState& st = app.st;
    st.UserLines.ReDim(0, 9);
    std::string work = st.ULabelText;
    for (long i = 1; i <= kUserLineCount; ++i) {
        const std::size_t lineEnd = work.find("\r\n");
        // An empty line ends the split: the rest, line breaks included, is the last line.
        if (lineEnd == std::string::npos || lineEnd == 0) {
            st.UserLines(i) = work;
            return;
        }
        st.UserLines(i) = work.substr(0, lineEnd);
        // The five blanks pile up on the last line; on a label trailing blanks do not show.
        work = (work.substr(lineEnd + 2) + "     ").substr(0, kWorkTextLimit);
    }
}

}  // namespace vt
