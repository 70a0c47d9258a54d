#include "printing/expiration_date.h"

#include <algorithm>
#include <stdexcept>

namespace vt {

void GetExpDate(App& app) {
    AppState& st = app.st;
    try {
        st.ExpDate = st.LabelDate.AddDays(st.DaysToExpire);
        // The run's last day has its expiration date too.
        (void)st.ExpDate.AddDays(std::max<long>(1, st.DaysToPrint) - 1);
        st.ExpDateText = st.ExpDate.ShortText();
    } catch (const std::out_of_range&) {
        app.os.dialogs.MsgBox("Error Creating Expiration Date.\r\nExpiration Date Excluded.",
                              "Vittlon", MsgButtons::OK, 1);
        st.DaysToExpire = 0;
    }
}

}  // namespace vt
