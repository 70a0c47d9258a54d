#include "settings/printer_choice.h"

#include "platform/text.h"

namespace vt {
namespace {
constexpr std::size_t kStoredNameWidth = 30;
}

void SelectSavedPrinter(App& app) {
    AppState& st = app.st;
    const std::vector<std::string> installed = app.os.printers.Installed();
    bool found = false;
    // Every printer is compared with the name as stored; of two that share its 30 characters
    // the last one wins.
    const std::string stored = st.PrinterName;
    for (const std::string& name : installed) {
        if (stored == PadTo(Left(name, kStoredNameWidth), kStoredNameWidth) &&
            app.os.printers.SetCurrent(name)) {
            found = true;
            st.PrinterName = name;
        }
    }
    // Otherwise the system default as start-up listed it, chosen by its name: the print
    // service's list may have changed since.
    const std::vector<std::string>& listed = app.form1.Combo1.List;
    if (!found && st.DefaultPrinterNo >= 0 &&
        st.DefaultPrinterNo < static_cast<long>(listed.size())) {
        const std::string& fallback = listed[static_cast<std::size_t>(st.DefaultPrinterNo)];
        app.os.printers.SetCurrent(fallback);
    }
    ShowCurrentPrinter(app);
    // A stored printer that is away (its print server down, the queue removed) keeps its name:
    // the fallback prints for now and is stored only when the operator chooses it. A station
    // that never stored a printer takes the fallback as its own.
    st.StoredPrinterMissing = !found && !Trim(stored).empty();
    if (!st.StoredPrinterMissing) {
        if (!found) st.PrinterName = app.os.printers.CurrentName();
        return;
    }
    if (st.AutoPrint == 1 || st.MissingPrinterTold == stored) return;  // the run says why
    st.MissingPrinterTold = stored;
    const std::string problem = app.os.printers.ServiceProblem();
    app.os.dialogs.MsgBox("The printer " + RTrim(stored) + " is not available" +
                              (problem.empty() ? "" : " (" + problem + ")") +
                              ". Printing goes to " + app.os.printers.CurrentName() +
                              " until you choose a printer in the printer list.",
                          "Vittlon", MsgButtons::OK, 1);
}

void ShowCurrentPrinter(App& app) {
    ComboBox& list = app.form1.Combo1;
    list.Text = app.os.printers.CurrentName();
    list.ListIndex = -1;
    for (std::size_t i = 0; i < list.List.size(); ++i) {
        if (list.List[i] == list.Text) list.ListIndex = static_cast<int>(i);
    }
}

}  // namespace vt
