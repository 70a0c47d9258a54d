// The week's snack list (Snk<week>.<station>) opened in the editor, as start-up and a change of
// week open it, then printed as the one-page menu.
#include "fuzz_station.h"
#include "snacks/snack_document.h"
#include "snacks/snack_menu_print.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(fuzz::Started().SnackFile, data, size);
    App& app = station->app;

    fuzz::Read([&] {
        loadfil(app);
        const RichTextBox& editor = app.form1.RichTextBox1;
        fuzz::Check(editor.Text.size() == size, "the editor holds another text than the file");
        fuzz::Check(editor.SelStart >= 0 && editor.SelStart <= static_cast<long>(size),
                    "the cursor stands outside the text");
        Command5_Click(app);
    });
    return 0;
}
