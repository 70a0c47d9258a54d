#include "platform/qt/label_stock_catalogue.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/drives.h"
#include "platform/error_output.h"
#include "platform/file_error.h"
#include "platform/units.h"

namespace vt {
namespace {

constexpr std::uintmax_t kMostFileBytes =
    std::uintmax_t{4} * 1024 * 1024;  // the largest today is 94 KB
constexpr std::size_t kMostFiles = 200;
constexpr std::size_t kMostTemplates = 20000;  // in all files; today about 1,900
constexpr qsizetype kMostTextChars = 200;      // a name, part or description
constexpr double kMostTwips = 100 * kTwipsPerInch;
constexpr long kMostColumns = 4;
constexpr long kMostRows = 999;
constexpr long kMostFieldValue = 99999;
const char* const kLetter = "US-Letter";

std::string Text(const QStringView text) {
    return text.left(kMostTextChars).toString().trimmed().toStdString();
}

// A template's label and layout; `fits` stays false for anything a label type cannot hold.
void ReadLabel(QXmlStreamReader& xml, StockTemplate& t, int& labels, int& layouts) {
    const QXmlStreamAttributes label = xml.attributes();
    t.stock.width = StockLengthTwips(label.value(QLatin1String("width")).toString());
    t.stock.height = StockLengthTwips(label.value(QLatin1String("height")).toString());
    ++labels;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Layout") {
            xml.skipCurrentElement();
            continue;
        }
        ++layouts;
        const QXmlStreamAttributes layout = xml.attributes();
        bool nx = false, ny = false;
        t.stock.columns = layout.value(QLatin1String("nx")).toLong(&nx);
        t.stock.rows = layout.value(QLatin1String("ny")).toLong(&ny);
        t.stock.x0 = StockLengthTwips(layout.value(QLatin1String("x0")).toString());
        t.stock.y0 = StockLengthTwips(layout.value(QLatin1String("y0")).toString());
        // One column (row) has no step: any is as good as none.
        t.stock.dx = layout.hasAttribute(QLatin1String("dx"))
                         ? StockLengthTwips(layout.value(QLatin1String("dx")).toString())
                         : 0;
        t.stock.dy = layout.hasAttribute(QLatin1String("dy"))
                         ? StockLengthTwips(layout.value(QLatin1String("dy")).toString())
                         : t.stock.height;
        if (!nx || !ny) t.stock.columns = t.stock.rows = 0;
        xml.skipCurrentElement();
    }
}

// A label type's sheet fields hold five digits.
bool Fits(const LabelStock& s) {
    const auto length = [](double twips) { return twips >= 0 && twips <= kMostTwips; };
    if (!(s.columns >= 1 && s.columns <= kMostColumns && s.rows >= 1 && s.rows <= kMostRows &&
          length(s.width) && s.width > 0 && length(s.height) && s.height > 0 && length(s.x0) &&
          length(s.y0) && length(s.dx) && length(s.dy) && s.dy > 0)) {
        return false;
    }
    const StockSheet sheet = SheetOf(s);
    return std::all_of(sheet.columnX.begin(), sheet.columnX.end(),
                       [](long x) { return x <= kMostFieldValue; }) &&
           sheet.top <= kMostFieldValue && sheet.height <= kMostFieldValue &&
           sheet.width <= kMostFieldValue;
}

void ReadTemplate(QXmlStreamReader& xml, StockTemplate& t) {
    const QXmlStreamAttributes a = xml.attributes();
    t.stock.maker = Text(a.value(QLatin1String("brand")));
    t.stock.part = Text(a.value(QLatin1String("part")));
    t.equiv = Text(a.value(QLatin1String("equiv")));
    t.paper = Text(a.value(QLatin1String("size")));
    t.stock.description =
        Text(a.hasAttribute(QLatin1String("_description")) ? a.value(QLatin1String("_description"))
                                                           : a.value(QLatin1String("description")));
    int labels = 0, layouts = 0;
    bool rectangle = true;
    while (xml.readNextStartElement()) {
        if (xml.name().startsWith(u"Label-")) {
            rectangle = rectangle && xml.name() == u"Label-rectangle";
            ReadLabel(xml, t, labels, layouts);
        } else {
            xml.skipCurrentElement();
        }
    }
    t.fits = rectangle && labels == 1 && layouts == 1 && Fits(t.stock);
}

// Names in their natural order, letters without case: "5160" before "15160", "L716" before
// "L7160", "avery" beside "Avery".
int NaturalCompare(const std::string& a, const std::string& b) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            while (i < a.size() && a[i] == '0') ++i;
            while (j < b.size() && b[j] == '0') ++j;
            std::size_t ei = i, ej = j;
            while (ei < a.size() && digit(a[ei])) ++ei;
            while (ej < b.size() && digit(b[ej])) ++ej;
            if (ei - i != ej - j) return ei - i < ej - j ? -1 : 1;
            if (const int c = a.compare(i, ei - i, b, j, ej - j); c != 0) return c;
            i = ei;
            j = ej;
            continue;
        }
        if (lower(a[i]) != lower(b[j])) return lower(a[i]) < lower(b[j]) ? -1 : 1;
        ++i;
        ++j;
    }
    return int(i < a.size()) - int(j < b.size());
}

bool Before(const LabelStock& a, const LabelStock& b) {
    if (const int maker = NaturalCompare(a.maker, b.maker); maker != 0) return maker < 0;
    return NaturalCompare(a.part, b.part) < 0;
}

}  // namespace

std::filesystem::path LabelStockFolder() {
    const char* folder = std::getenv("VITTLON_LABEL_STOCK_DIR");
    return folder != nullptr && *folder != '\0' ? std::filesystem::path(folder)
                                                : std::filesystem::path(kLabelStockFolder);
}

double StockLengthTwips(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype number = trimmed.size();
    while (number > 0 && trimmed[number - 1].isLetter()) --number;
    const QString unit = trimmed.mid(number);
    bool ok = false;
    const double value = trimmed.left(number).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) return -1;
    if (unit.isEmpty() || unit == u"pt") return value * kTwipsPerPoint;
    if (unit == u"in") return value * kTwipsPerInch;
    if (unit == u"mm") return value * kTwipsPerInch / kMmPerInch;
    if (unit == u"cm") return value * 10 * kTwipsPerInch / kMmPerInch;
    return -1;
}

bool ReadStockTemplates(const QByteArray& content, std::vector<StockTemplate>& templates,
                        std::string& error) {
    QXmlStreamReader xml(content);
    std::vector<StockTemplate> found;
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates") {
        error = xml.hasError() ? xml.errorString().toStdString() : "it holds no templates";
        return false;
    }
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Template") {
            xml.skipCurrentElement();
            continue;
        }
        if (found.size() >= kMostTemplates) {
            error = "it holds more than " + std::to_string(kMostTemplates) + " templates";
            return false;
        }
        ReadTemplate(xml, found.emplace_back());
    }
    // Whatever follows the templates must be well formed too.
    while (!xml.atEnd() && !xml.hasError()) xml.readNext();
    if (xml.hasError()) {
        error = "line " + std::to_string(xml.lineNumber()) + ": " + xml.errorString().toStdString();
        return false;
    }
    std::move(found.begin(), found.end(), std::back_inserter(templates));
    return true;
}

LabelStockCatalogue ReadLabelStockCatalogue(const std::filesystem::path& folder) {
    LabelStockCatalogue catalogue;
    std::vector<std::filesystem::path> files;
    std::error_code listing;
    for (std::filesystem::directory_iterator entry(folder, listing), end;
         !listing && entry != end && files.size() < kMostFiles; entry.increment(listing)) {
        const std::string name = entry->path().filename().string();
        const std::string suffix = "-templates.xml";
        if (name.size() > suffix.size() && name.ends_with(suffix)) files.push_back(entry->path());
    }
    std::sort(files.begin(), files.end());
    catalogue.installed = !files.empty();

    std::vector<StockTemplate> templates;
    for (const std::filesystem::path& file : files) {
        const HostFileContent content = ReadHostFileUpTo(file, kMostFileBytes);
        std::string why;
        if (content.failure == HostFileContent::Failure::TooLarge) {
            why = "it is larger than " + std::to_string(kMostFileBytes / 1024 / 1024) + " MB";
        } else if (content.failure != HostFileContent::Failure::None) {
            why = content.reason;
        } else if (templates.size() < kMostTemplates) {
            ReadStockTemplates(QByteArray::fromStdString(content.bytes), templates, why);
        }
        if (templates.size() > kMostTemplates) {
            templates.resize(kMostTemplates);
            why = "the catalogue holds more than " + std::to_string(kMostTemplates) + " templates";
        }
        if (!why.empty()) {
            const std::string problem = "label stock " + ShownPath(file) + " left out: " + why;
            TellErrorOutput(problem);
            catalogue.problems.push_back(problem);
        }
    }

    // An equivalent part is itself, with the geometry (and the paper and the description, when
    // it gives none) of the template it names, of the same maker.
    std::map<std::pair<std::string, std::string>, const StockTemplate*> named;
    for (const StockTemplate& t : templates) {
        if (t.equiv.empty()) named.emplace(std::make_pair(t.stock.maker, t.stock.part), &t);
    }
    for (const StockTemplate& t : templates) {
        const StockTemplate* source = &t;
        if (!t.equiv.empty()) {
            const auto found = named.find({t.stock.maker, t.equiv});
            if (found == named.end()) continue;
            source = found->second;
        }
        if (!source->fits || source->paper != kLetter || t.stock.maker.empty() ||
            t.stock.part.empty()) {
            continue;
        }
        LabelStock stock = source->stock;
        stock.maker = t.stock.maker;
        stock.part = t.stock.part;
        if (!t.stock.description.empty()) stock.description = t.stock.description;
        catalogue.stocks.push_back(std::move(stock));
    }
    std::stable_sort(catalogue.stocks.begin(), catalogue.stocks.end(), Before);
    return catalogue;
}

}  // namespace vt
