#pragma once
// The label stock catalogue Debian ships (package glabels-data): the makers' label sheet
// templates as XML files. Only what a label type can hold is offered: US Letter sheets of
// rectangular labels in one layout of 1 to 4 columns. Every file is read as another program's
// file: capped in size, a damaged one left out (and told), the rest still offered.
#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/label_stock.h"

namespace vt {

inline constexpr const char* kLabelStockFolder = "/usr/share/libglabels-3.0/templates";
inline constexpr const char* kLabelStockPackage = "glabels-data";

// $VITTLON_LABEL_STOCK_DIR, otherwise kLabelStockFolder.
std::filesystem::path LabelStockFolder();

struct LabelStockCatalogue {
    bool installed = false;             // the folder holds template files
    std::vector<LabelStock> stocks;     // by maker, then part (numbers in their order)
    std::vector<std::string> problems;  // each file left out, and why
};

// Every "*-templates.xml" of `folder`. Each problem is also told on the error output.
LabelStockCatalogue ReadLabelStockCatalogue(const std::filesystem::path& folder);

// One template of a file as it stands, before `equiv` entries are resolved.
struct StockTemplate {
    LabelStock stock;          // the names, and when it fits the geometry
    std::string equiv, paper;  // the part it is the same as; the paper size
    bool fits = false;         // one rectangular label in one layout, every length readable
};

// The templates of one file's content; false (with `error`) when it is no template file.
bool ReadStockTemplates(const QByteArray& xml, std::vector<StockTemplate>& templates,
                        std::string& error);

// A catalogue length ("2.625in", "66.7mm", "1.5cm", "12pt", or points without a unit) in
// twips; a negative number for what is none.
double StockLengthTwips(const QString& text);

}  // namespace vt
