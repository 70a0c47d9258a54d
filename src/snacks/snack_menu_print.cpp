#include "snacks/snack_menu_print.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "app/page_printed.h"
#include "platform/file_error.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "snacks/snack_document.h"

namespace vt {
namespace {

constexpr std::size_t kRecordLength = 166;  // 164 characters and CR LF
constexpr std::size_t kLineLength = 164;
constexpr std::size_t kMenuLines = 56;
constexpr double kLinePitch = 145;  // twips: 56 lines of 8-point type fill 5.6 inches
constexpr double kLeft = 100;
constexpr const char* kPrintingCaption = " Printing ..................................";
constexpr const char* kTitle = "Vittlon";
// The check box's own font, chosen for inkjet printers that lack the line drawing font.
constexpr const char* kCheck8Font = "MS Sans Serif";
constexpr const char* kWindowFont = "MonoG";

// The file's lines up to the 56th; a shorter file gives only the lines it has (a last line
// cut short is filled with blanks). An empty or vanished file is an error, not a blank page.
std::vector<std::string> MenuLines(App& app) {
    const RecordImage file = RecordImage::Load(app.os.drives, app.st.SnackFile, kRecordLength);
    std::vector<std::string> lines;
    for (std::size_t n = 1; n <= file.recordCount() && n <= kMenuLines; ++n) {
        lines.push_back(file.Read(n).substr(0, kLineLength));
    }
    if (lines.empty()) throw FileError(app.st.SnackFile + " holds no snack list");
    return lines;
}

void PrintPage(App& app, const std::vector<std::string>& lines) {
    AppState& st = app.st;
    app.os.printers.SetJobKind("menu");
    st.PrintTarget = &app.os.printers.AlignedPrinter();
    Surface& page = *st.PrintTarget;
    page.SetPaperSize(1);    // letter
    page.SetOrientation(2);  // landscape
    page.SetFontName(app.form1.Check8.Value == 1 ? kCheck8Font : kWindowFont);
    page.SetFontBold(false);
    page.SetFontSize(8);
    // The lines are placed from the printable origin. The landscape page is the portrait sheet
    // turned a quarter: its top and left edges are two of the sheet's sides.
    const PageMargins margins = app.os.printers.PrintableMargins();
    const double top = std::max(margins.left, margins.right);
    const double left = std::max(margins.top, margins.bottom);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int lineNo = static_cast<int>(k) + 1;
        page.SetCurrentY(top + (lineNo - 1) * kLinePitch);
        page.SetCurrentX(left + kLeft);
        page.Print(st.InkjetMode == 1 ? InkjetMenuLine(lines[k], lineNo) : lines[k],
                   CodePage::Cp437);
    }
    page.EndDoc();
}

}  // namespace

std::string InkjetMenuLine(const std::string& line, int lineNo) {
    const std::string full = PadTo(line, kLineLength);
    if (lineNo == 3) return Mid(full, 1, 145) + Mid(full, 150, 10) + Mid(full, 164, 1);
    return Mid(full, 1, 155) + Mid(full, 164, 1);
}

void Command5_Click(App& app) {
    AppState& st = app.st;
    if (st.SnackFile.empty()) {
        app.os.dialogs.MsgBox("There is no snack list open to print.", kTitle);
        return;
    }
    savefil(app);
    Window& window = app.form1.Form;
    st.SavedCaption = window.Caption;
    window.Caption = kPrintingCaption;
    std::string failure;
    try {
        // The whole file is read before the first line is drawn: a file that cannot be read
        // prints nothing.
        PrintPage(app, MenuLines(app));
    } catch (const std::exception& e) {
        failure = e.what();
    }
    // The printer closes what the page opened (the PDF printer writes its file) on every path.
    try {
        app.os.printers.RunEnded();
    } catch (const std::exception& e) {
        if (failure.empty()) failure = e.what();
    }
    window.Caption = st.SavedCaption;
    TellPagePrinted(app, "the snack menu", true);
    if (!failure.empty()) {
        app.os.dialogs.MsgBox("The snack menu could not be printed.", kTitle, MsgButtons::OK, 1,
                              failure);
    }
    if (st.SnackMenuOn == 1) app.form1.RichTextBox1.HasFocus = true;
}

}  // namespace vt
