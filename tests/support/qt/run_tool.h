#pragma once
// Running the command-line tools that check real output: pdfinfo, pdftotext, pdftoppm, zbarimg.
#include <QString>
#include <QStringList>

namespace vt::test {

// The tool's standard output; "" when it could not run.
QString RunTool(const QString& program, const QStringList& arguments);
// Whether the tool is installed.
bool HaveTool(const QString& program);

}  // namespace vt::test
