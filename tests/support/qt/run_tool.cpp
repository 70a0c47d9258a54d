#include "support/qt/run_tool.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace vt::test {

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HaveTool(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

std::vector<PdfWord> PdfWords(const QString& pdf, int first, int last) {
    QStringList arguments{"-bbox"};
    if (first > 0) arguments << "-f" << QString::number(first);
    if (last > 0) arguments << "-l" << QString::number(last);
    const QString html = RunTool("pdftotext", arguments << pdf << "-");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (const auto& m : word.globalMatch(html)) {
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

}  // namespace vt::test
