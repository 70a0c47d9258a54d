#include "cli/command_line.h"

#include <QCommandLineParser>

#include "platform/codepage.h"
#include "platform/printers.h"

#ifndef VITTLON_VERSION
#error "the build gives the program's version as VITTLON_VERSION"
#endif

namespace vt {
namespace {

constexpr int kEarliestYear = 2000;  // as for the stored start date
constexpr long kMostCells = 9999;    // whether the sheet has that label is known at the run
constexpr long kMostUserLabels = 9999;

const char* const kHelp =
    "Usage: vittlon [options]\n"
    "\n"
    "Prints the between-meal nourishment labels, tray labels and free-text labels of a care\n"
    "facility's dietary office, and its weekly snack menu. Without options the windows open.\n"
    "\n"
    "Options:\n"
    "  -h, --help          Show this help and end.\n"
    "  -v, --version       Show the version and end.\n"
    "  --drives DIR        The drives folder: drive letter x: is the folder DIR/x (instead of\n"
    "                      $VITTLON_DRIVES, otherwise ~/.local/share/vittlon/drives).\n"
    "  --print             Print the labels of the stored settings without windows and end,\n"
    "                      as the automatic-print marker does. Needs no display.\n"
    "  --printer NAME      With --print: print to this printer (a CUPS queue, or\n"
    "                      \"Vittlon PDF\") instead of the stored one, which stays.\n"
    "  --output FILE.pdf   With --print: write the labels to this PDF file (through\n"
    "                      \"Vittlon PDF\"); a file of that name is replaced.\n"
    "  --date MM-DD-YYYY   With --print: the labels' start date, for this run only.\n"
    "  --yes               With --print: print even when the start date is today or past.\n"
    "  --start-at N        With --print: start on label N of the first sheet (row by row,\n"
    "                      left to right), for a sheet used in part.\n"
    "  --user-labels COUNT With --print: print the stored user-defined label text COUNT\n"
    "                      times instead of the residents' labels.\n"
    "  --sheets LIST       With --print: print only these sheets of the run, as \"3\" or\n"
    "                      \"2-5, 8\" (sheets spoiled in the printer, printed again).\n"
    "\n"
    "Which labels print (units, periods, days) comes from the stored settings, which the\n"
    "windows change. The run report goes to the standard output.\n"
    "\n"
    "Exit status: 0 printed; 1 the run failed (the last line on the error output says why);\n"
    "2 bad usage; 3 nothing printed (a start date of today or past without --yes, or no\n"
    "label to print). See vittlon(1).\n";

// The parser works on one character per byte of the arguments, so that every value turns back
// into the bytes that were typed.
QString Chars(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QString& chars) {
    return chars.toLatin1().toStdString();
}

CommandLine BadUsage(const QString& why) {
    CommandLine line;
    line.action = CommandLine::Action::BadUsage;
    // What was typed goes back to the terminal as it came.
    line.text = "vittlon: " + Bytes(why) + "\nTry 'vittlon --help' for the options.\n";
    return line;
}

// A whole number from 1 to `most` written in digits; 0 for anything else.
long Count(const QString& text, long most) {
    bool digits = !text.isEmpty() && text.size() <= 5;
    for (const QChar c : text) digits = digits && c >= '0' && c <= '9';
    if (!digits) return 0;
    const long n = text.toLong();
    return n >= 1 && n <= most ? n : 0;
}

// "MM-DD-YYYY", a real day from the year 2000 on.
std::optional<Date> StartDate(const QString& text) {
    const bool shaped = text.size() == 10 && text[2] == '-' && text[5] == '-';
    if (!shaped) return std::nullopt;
    const std::optional<Date> date = Date::FromText(text.toStdString());
    if (!date || date->year() < kEarliestYear) return std::nullopt;
    return date;
}

}  // namespace

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

CommandLine ParseCommandLine(const std::vector<std::string>& bytes) {
    QStringList arguments;
    for (const std::string& argument : bytes) arguments << Chars(argument);
    QCommandLineParser parser;
    const QCommandLineOption help({"h", "help"}, "");
    const QCommandLineOption version({"v", "version"}, "");
    const QCommandLineOption drives("drives", "", "DIR");
    const QCommandLineOption print("print", "");
    const QCommandLineOption printer("printer", "", "NAME");
    const QCommandLineOption output("output", "", "FILE.pdf");
    const QCommandLineOption date("date", "", "MM-DD-YYYY");
    const QCommandLineOption yes("yes", "");
    const QCommandLineOption startAt("start-at", "", "N");
    const QCommandLineOption userLabels("user-labels", "", "COUNT");
    const QCommandLineOption sheets("sheets", "", "LIST");
    parser.addOptions(
        {help, version, drives, print, printer, output, date, yes, startAt, userLabels, sheets});

    if (!parser.parse(arguments)) return BadUsage(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return BadUsage("unexpected argument '" + parser.positionalArguments().first() + "'");
    }
    CommandLine line;
    if (parser.isSet(help) || parser.isSet(version)) {
        line.action = CommandLine::Action::Answer;
        line.text = parser.isSet(help) ? kHelp : "Vittlon " VITTLON_VERSION "\n";
        return line;
    }
    if (parser.isSet(drives)) {
        if (parser.value(drives).isEmpty()) return BadUsage("--drives needs a folder");
        line.drives = Bytes(parser.value(drives));
    }
    line.run.print = parser.isSet(print);
    for (const QCommandLineOption& runOnly :
         {printer, output, date, yes, startAt, userLabels, sheets}) {
        if (parser.isSet(runOnly) && !line.run.print) {
            return BadUsage("--" + runOnly.names().first() + " works only with --print");
        }
    }
    if (parser.isSet(printer)) {
        if (parser.value(printer).isEmpty()) return BadUsage("--printer needs a printer's name");
        line.run.printer = FromUtf8(Bytes(parser.value(printer)));
    }
    if (parser.isSet(output)) {
        const QString file = parser.value(output);
        if (!file.endsWith(".pdf", Qt::CaseInsensitive) || file.size() <= 4) {
            return BadUsage("--output needs a file name ending in .pdf, not '" + file + "'");
        }
        if (!line.run.printer.empty() && line.run.printer != kPdfPrinterName) {
            return BadUsage(QString("--output writes through the printer \"") + kPdfPrinterName +
                            "\", not \"" + parser.value(printer) + "\"");
        }
        line.outputPdf = Bytes(file);
        line.run.printer = kPdfPrinterName;
    }
    if (parser.isSet(date)) {
        line.run.startDate = StartDate(parser.value(date));
        if (!line.run.startDate) {
            return BadUsage("--date needs a real day as MM-DD-YYYY (from the year 2000 on), not '" +
                            parser.value(date) + "'");
        }
    }
    line.run.printTodayOrPast = parser.isSet(yes);
    if (parser.isSet(startAt)) {
        line.run.startAtLabel = Count(parser.value(startAt), kMostCells);
        if (line.run.startAtLabel == 0) {
            return BadUsage("--start-at needs a label number from 1 on, not '" +
                            parser.value(startAt) + "'");
        }
    }
    if (parser.isSet(userLabels)) {
        line.run.userLabels = Count(parser.value(userLabels), kMostUserLabels);
        if (line.run.userLabels == 0) {
            return BadUsage("--user-labels needs a number from 1 to " +
                            QString::number(kMostUserLabels) + ", not '" +
                            parser.value(userLabels) + "'");
        }
    }
    if (parser.isSet(sheets)) {
        line.run.sheets = ReadPageList(Bytes(parser.value(sheets)));
        if (!line.run.sheets.error.empty()) {
            return BadUsage("--sheets needs sheet numbers or ranges such as \"2-5, 8\", not '" +
                            parser.value(sheets) + "': " + Chars(line.run.sheets.error));
        }
    }
    return line;
}

}  // namespace vt
