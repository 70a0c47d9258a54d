#pragma once
// Running the command-line tools that check real output: pdfinfo, pdftotext, pdftoppm, zbarimg.
#include <QString>
#include <QStringList>
#include <vector>

namespace vt::test {

// The tool's standard output; "" when it could not run.
QString RunTool(const QString& program, const QStringList& arguments);
// Whether the tool is installed.
bool HaveTool(const QString& program);

// A word of a PDF page as pdftotext places it: its box in points from the page's top left.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};
// The words of the PDF file's pages `first` to `last` (0: from the first, to the last).
std::vector<PdfWord> PdfWords(const QString& pdf, int first = 0, int last = 0);

}  // namespace vt::test
