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

// A stored number, or `none` where the key holds none.
double Read(const QSettings& config, const QString& key, double none) {
    bool ok = false;
    const double value = config.value(key).toDouble(&ok);
    return ok ? value : none;
}

}  // namespace

PrinterAlignment StoredAlignment(const std::string& printerName) {
    if (printerName.empty()) return {};
    const auto config = OpenUserConfig();
    const QString group = Group(printerName);
    return WithinReach({Read(*config, group + "/right_mm", 0), Read(*config, group + "/down_mm", 0),
                        Read(*config, group + "/across_percent", 100),
                        Read(*config, group + "/down_percent", 100)});
}

bool StoreAlignment(const std::string& printerName, const PrinterAlignment& alignment) {
    if (printerName.empty()) return true;
    const auto config = OpenUserConfig();
    const QString group = Group(printerName);
    const PrinterAlignment kept = WithinReach(alignment);
    if (kept == PrinterAlignment{}) {
        config->remove(group);
    } else {
        config->setValue(group + "/right_mm", kept.rightMm);
        config->setValue(group + "/down_mm", kept.downMm);
        // A printer that needs no stretching keeps only its distances, as before scales.
        const auto putScale = [&](const QString& key, double percent) {
            if (percent == 100) {
                config->remove(group + key);
            } else {
                config->setValue(group + key, percent);
            }
        };
        putScale(QStringLiteral("/across_percent"), kept.acrossPercent);
        putScale(QStringLiteral("/down_percent"), kept.downPercent);
    }
    config->sync();
    return config->status() == QSettings::NoError;
}

}  // namespace vt
