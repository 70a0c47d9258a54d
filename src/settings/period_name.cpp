#include "settings/period_name.h"

#include "platform/text.h"

namespace vt {

std::string MkX(const std::string& caption) {
    std::string s = caption + "     ";
    switch (InStr(s, "&")) {
        case 1:
            s[0] = ' ';
            break;
        case 2:
            s = Mid(s, 1, 1) + Mid(s, 3, 4);
            break;
        case 3:
            s = Mid(s, 1, 2) + Mid(s, 4, 4);
            break;
        default:
            break;
    }
    return Trim(s);
}

}  // namespace vt
