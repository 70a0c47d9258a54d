#include "site/snack_template.h"

#include <cstdio>
#include <stdexcept>

#include "platform/codepage.h"
#include "platform/record_image.h"
#include "site/site_files.h"

namespace vt::site {

namespace {

// Code page 437 line drawing.
constexpr char kVertical = '\xB3';    // 179
constexpr char kHorizontal = '\xC4';  // 196
constexpr char kCross = '\xC5';       // 197
constexpr char kRightTee = '\xB4';    // 180
constexpr std::size_t kCellWidth = 20;
constexpr std::size_t kLastCell = 7;

std::string Cp437(std::string_view utf8) {
    return FromUtf8(utf8, CodePage::Cp437);
}

std::string Centred(std::string_view utf8, std::size_t width) {
    std::string text = Cp437(utf8).substr(0, width);
    return std::string((width - text.size()) / 2, ' ') + text;
}

std::string Code(int value) {
    if (value < 0 || value > 999) {
        throw std::invalid_argument("diet code range outside 0..999: " + std::to_string(value));
    }
    char digits[4];
    std::snprintf(digits, sizeof digits, "%03d", value);
    return digits;
}

// The column left of each day cell and the right edge.
std::array<std::size_t, 8> BorderColumns() {
    std::array<std::size_t, 8> columns{};
    for (std::size_t d = 0; d < kLastCell; ++d)
        columns[d] = SnackDayColumn(static_cast<int>(d) + 1) - 1;
    columns[kLastCell] = kSnackLineWidth;
    return columns;
}

class SnackLines {
  public:
    SnackLines() : file_(kSnackLineWidth + 2) {
        for (std::size_t n = 1; n <= kSnackLines; ++n) file_.Put(n, kSnackLineWidth + 1, 2, "\r\n");
    }
    void Text(std::size_t line, std::size_t column, std::size_t width, std::string_view cp437) {
        file_.Put(line, column, width, cp437);
    }
    void CellLine(std::size_t line) {
        for (const std::size_t column : BorderColumns()) Char(line, column, kVertical);
    }
    // A rule crosses every cell border; it also fills column 1 so that moving down from the
    // label block lands on a rule character the editor skips.
    void Rule(std::size_t line) {
        Text(line, 1, kSnackLineWidth, std::string(kSnackLineWidth, kHorizontal));
        for (const std::size_t column : BorderColumns()) Char(line, column, kCross);
        Char(line, kSnackLineWidth, kRightTee);
    }
    const std::string& bytes() const { return file_.bytes(); }

  private:
    void Char(std::size_t line, std::size_t column, char c) { Text(line, column, 1, {&c, 1}); }
    RecordImage file_;
};

}  // namespace

std::string SnackTemplateBytes(const SnackTemplate& snacks) {
    SnackLines lines;
    lines.Text(1, 1, kSnackLineWidth, Centred(snacks.title, kSnackLineWidth));
    for (std::size_t k = 0; k < 2; ++k) {
        lines.CellLine(2 + k);
        lines.Text(2 + k, 1, 16, Cp437(snacks.blockHeadings[k]));
    }
    for (int day = 1; day <= 7; ++day) {
        lines.Text(3, SnackDayColumn(day), kCellWidth,
                   Centred(snacks.dayNames[static_cast<std::size_t>(day - 1)], kCellWidth));
    }
    lines.Rule(4);

    for (std::size_t r = 0; r < snacks.rows.size(); ++r) {
        const SnackRow& row = snacks.rows[r];
        const std::size_t first = 5 + 4 * r;
        for (std::size_t k = 0; k < 3; ++k) {
            lines.CellLine(first + k);
            for (int day = 1; day <= 7; ++day) {
                lines.Text(first + k, SnackDayColumn(day), kCellWidth,
                           Cp437(row.items[static_cast<std::size_t>(day - 1)][k]));
            }
        }
        lines.Text(first, 2, 15, Cp437(row.label[0]));
        lines.Text(first + 1, 2, 15, Cp437(row.label[1]));
        lines.Text(first + 2, 2, 15,
                   Code(row.rangeALow) + "-" + Code(row.rangeAHigh) + " " + Code(row.rangeBLow) +
                       "-" + Code(row.rangeBHigh));
        lines.Rule(first + 3);
    }
    for (std::size_t k = 0; k < snacks.notes.size(); ++k) {
        lines.Text(53 + k, 1, kSnackLineWidth, Cp437(snacks.notes[k]));
    }
    return lines.bytes();
}

void WriteSnackTemplate(const std::filesystem::path& drivesRoot, const SiteLayout& layout, int week,
                        std::string_view suffix, const SnackTemplate& snacks) {
    WriteSiteFile(drivesRoot, layout.SnackTemplatePath(week, suffix), SnackTemplateBytes(snacks));
}

}  // namespace vt::site
