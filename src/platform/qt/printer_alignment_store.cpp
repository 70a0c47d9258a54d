#include "platform/qt/printer_alignment_store.h"

#include <QUrl>

#include "platform/codepage.h"
#include "platform/qt/user_config.h"

namespace vt {
namespace {

// A printer name may hold '/' (a group separator), spaces and any other character: percent
// encoded, it is one group of its own.
QString Group(const std::string& printerName) {
    return QStringLiteral("alignment/") + QString::fromLatin1(QUrl::toPercentEncoding(
                                              QString::fromStdString(ToUtf8(printerName))));
}

double Read(const QSettings& config, const QString& key) {
    bool ok = false;
    const double mm = config.value(key).toDouble(&ok);
    return ok ? WithinAlignmentReach(mm) : 0.0;
}

}  // namespace

PrinterAlignment StoredAlignment(const std::string& printerName) {
    if (printerName.empty()) return {};
    const auto config = OpenUserConfig();
    const QString group = Group(printerName);
    return {Read(*config, group + "/right_mm"), Read(*config, group + "/down_mm")};
}

bool StoreAlignment(const std::string& printerName, const PrinterAlignment& alignment) {
    if (printerName.empty()) return true;
    const auto config = OpenUserConfig();
    const QString group = Group(printerName);
    const PrinterAlignment kept{WithinAlignmentReach(alignment.rightMm),
                                WithinAlignmentReach(alignment.downMm)};
    if (kept == PrinterAlignment{}) {
        config->remove(group);
    } else {
        config->setValue(group + "/right_mm", kept.rightMm);
        config->setValue(group + "/down_mm", kept.downMm);
    }
    config->sync();
    return config->status() == QSettings::NoError;
}

}  // namespace vt
