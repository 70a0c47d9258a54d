#include "settings/printer_choice.h"

#include "platform/text.h"

namespace vt {
namespace {
constexpr std::size_t kStoredNameWidth = 30;
}

void SelectSavedPrinter(App& app) {
    AppState& st = app.st;
    const std::vector<std::string> installed = app.os.printers.Installed();
    st.TempInt = 0;
    st.PrinterNo = 0;
    // Every printer is compared with the name as stored; of two that share its 30 characters
    // the last one wins.
    const std::string stored = st.PrinterName;
    for (const std::string& name : installed) {
        if (stored == PadTo(Left(name, kStoredNameWidth), kStoredNameWidth)) {
            app.os.printers.SetCurrent(st.PrinterNo);
            st.TempInt = 1;
            st.PrinterName = name;
        }
        ++st.PrinterNo;
    }
    if (st.TempInt == 0 && st.DefaultPrinterNo >= 0 &&
        st.DefaultPrinterNo < static_cast<long>(installed.size())) {
        app.os.printers.SetCurrent(st.DefaultPrinterNo);
        st.PrinterName = installed[static_cast<std::size_t>(st.DefaultPrinterNo)];
    }
    ComboBox& list = app.form1.Combo1;
    list.Text = app.os.printers.CurrentName();
    list.ListIndex = -1;
    for (std::size_t i = 0; i < list.List.size(); ++i) {
        if (list.List[i] == list.Text) list.ListIndex = static_cast<int>(i);
    }
}

}  // namespace vt
