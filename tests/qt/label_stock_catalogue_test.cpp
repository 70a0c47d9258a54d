// The makers' label sheet catalogue: what a label type can hold is offered, as the catalogue
// measures it; everything else, and every damaged file, is left out.
#include "platform/qt/label_stock_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/error_output.h"
#include "support/test_support.h"

namespace vt::test {
namespace {

const LabelStock* Find(const LabelStockCatalogue& catalogue, const std::string& maker,
                       const std::string& part) {
    for (const LabelStock& stock : catalogue.stocks) {
        if (stock.maker == maker && stock.part == part) return &stock;
    }
    return nullptr;
}

TEST(LabelStockCatalogue, TheInstalledCatalogueOffersLetterSheetsOfUpToFourColumns) {
    const LabelStockCatalogue catalogue = ReadLabelStockCatalogue(kLabelStockFolder);
    ASSERT_TRUE(catalogue.installed) << "scripts/setup installs " << kLabelStockPackage;
    EXPECT_TRUE(catalogue.problems.empty());
    EXPECT_GT(catalogue.stocks.size(), 300u);

    const LabelStock* address = Find(catalogue, "Avery", "5160");
    ASSERT_NE(address, nullptr);
    const StockSheet sheet = SheetOf(*address);
    EXPECT_EQ(sheet.top, 720);
    EXPECT_EQ(sheet.height, 1440);
    EXPECT_EQ(sheet.width, 3780);
    EXPECT_EQ(sheet.rows, 10);
    EXPECT_EQ(sheet.columnX, (std::array<long, 4>{225, 4230, 8235, 0}));
    EXPECT_EQ(address->Name(), "Avery 5160 Address Labels");

    const LabelStock* same = Find(catalogue, "Avery", "8160");
    ASSERT_NE(same, nullptr) << "an equivalent part appears as itself";
    EXPECT_EQ(SheetOf(*same).columnX, sheet.columnX);
    EXPECT_EQ(same->description, "Address Labels");

    const LabelStock* returns = Find(catalogue, "Avery", "5167");
    ASSERT_NE(returns, nullptr);
    EXPECT_EQ(SheetOf(*returns).rows, 20);
    EXPECT_EQ(SheetOf(*returns).columnX, (std::array<long, 4>{405, 3375, 6345, 9315}));

    EXPECT_EQ(Find(catalogue, "Avery", "7160"), nullptr) << "an A4 sheet";
    EXPECT_EQ(Find(catalogue, "Avery", "L7160"), nullptr) << "the equivalent of an A4 sheet";
    EXPECT_EQ(Find(catalogue, "Tough-Tags", "TTLW-2016"), nullptr) << "five columns";
    for (const LabelStock& stock : catalogue.stocks) {
        EXPECT_TRUE(stock.columns >= 1 && stock.columns <= 4) << stock.Name();
    }
    // By maker, then part in the order of its numbers.
    const auto at = [&](const LabelStock* s) { return s - catalogue.stocks.data(); };
    EXPECT_LT(at(address), at(same));
    EXPECT_LT(at(same), at(Find(catalogue, "Avery", "15160")));
}

TEST(LabelStockCatalogue, LengthsInEveryUnitTheCatalogueUses) {
    struct Row {
        const char* text;
        double twips;
    };
    for (const Row& row :
         {Row{"2.625in", 3780}, Row{"25.4mm", 1440}, Row{"2.54cm", 1440}, Row{"72pt", 1440},
          Row{"72", 1440}, Row{" 0.5in ", 720}, Row{"1.5e1pt", 300}, Row{"0", 0}, Row{"", -1},
          Row{"in", -1}, Row{"-1in", -1}, Row{"2ft", -1}, Row{"1in2", -1}, Row{"nan", -1},
          Row{"1e999in", -1}}) {
        EXPECT_NEAR(StockLengthTwips(QString::fromLatin1(row.text)), row.twips, 1e-9) << row.text;
    }
}

// Template files written into a folder of the test's own.
struct CatalogueFolder {
    TempDir dir;
    void Write(const std::string& name, const std::string& content) const {
        std::ofstream(dir.path() / name, std::ios::binary) << content;
    }
    static std::string Templates(const std::string& body) {
        return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "</Glabels-templates>\n";
    }
    static std::string Template(const std::string& part, const std::string& size,
                                const std::string& label, const std::string& layouts) {
        return "<Template brand=\"Test\" part=\"" + part + "\" size=\"" + size +
               "\" _description=\"Part " + part + "\"><Meta category=\"label\"/>" + label +
               "<Markup-margin size=\"9pt\"/>" + layouts + "</Label-rectangle></Template>\n";
    }
};

TEST(LabelStockCatalogue, OnlyWhatALabelTypeHoldsAndDamagedFilesAreLeftOut) {
    CatalogueFolder folder;
    const std::string rectangle = "<Label-rectangle id=\"0\" width=\"66.7mm\" height=\"1in\">";
    const std::string layout =
        "<Layout nx=\"3\" ny=\"10\" x0=\"11.25pt\" y0=\"0.5in\" dx=\"200.25\" dy=\"1in\"/>";
    folder.Write(
        "test-templates.xml",
        CatalogueFolder::Templates(
            CatalogueFolder::Template("1", "US-Letter", rectangle, layout) +
            CatalogueFolder::Template("2", "A4", rectangle, layout) +
            CatalogueFolder::Template("3", "US-Letter", rectangle, layout + layout) +
            CatalogueFolder::Template(
                "4", "US-Letter", rectangle,
                "<Layout nx=\"5\" ny=\"10\" x0=\"0\" y0=\"0\" dx=\"1in\" dy=\"1in\"/>") +
            CatalogueFolder::Template(
                "5", "US-Letter", "<Label-rectangle id=\"0\" width=\"2furlong\" height=\"1in\">",
                layout) +
            "<Template brand=\"Test\" part=\"6\" size=\"US-Letter\"><Label-round id=\"0\" "
            "radius=\"1in\"><Layout nx=\"2\" ny=\"2\" x0=\"0\" y0=\"0\" dx=\"1in\" dy=\"1in\"/>"
            "</Label-round></Template>\n"
            "<Template brand=\"Test\" part=\"7\" equiv=\"1\"/>\n"
            "<Template brand=\"Test\" part=\"8\" equiv=\"99\"/>\n"
            "<Template brand=\"Test\" part=\"9\" equiv=\"2\"/>\n"));
    folder.Write("broken-templates.xml", CatalogueFolder::Templates(CatalogueFolder::Template(
                                             "B", "US-Letter", rectangle, layout)) +
                                             "<Template brand=");
    folder.Write("huge-templates.xml", std::string(5 * 1024 * 1024, ' '));
    folder.Write("vendors.xml", "not a template file");

    CapturedErrorOutput errors;
    const LabelStockCatalogue catalogue = ReadLabelStockCatalogue(folder.dir.path());
    ASSERT_TRUE(catalogue.installed);
    std::vector<std::string> parts;
    for (const LabelStock& stock : catalogue.stocks) parts.push_back(stock.part);
    EXPECT_EQ(parts, (std::vector<std::string>{"1", "7"}));
    const StockSheet sheet = SheetOf(catalogue.stocks[0]);
    EXPECT_EQ(sheet.width, 3781) << "66.7 mm, to the nearest twip";
    EXPECT_EQ(sheet.columnX, (std::array<long, 4>{225, 4230, 8235, 0}));
    EXPECT_EQ(catalogue.stocks[1].description, "Part 1");
    ASSERT_EQ(catalogue.problems.size(), 2u);
    EXPECT_NE(catalogue.problems[0].find("broken-templates.xml left out: line "), std::string::npos)
        << catalogue.problems[0];
    EXPECT_NE(catalogue.problems[1].find("huge-templates.xml left out: it is larger than 4 MB"),
              std::string::npos)
        << catalogue.problems[1];
    EXPECT_EQ(errors.Lines().size(), 2u);

    TempDir empty;
    EXPECT_FALSE(ReadLabelStockCatalogue(empty.path()).installed);
    EXPECT_FALSE(ReadLabelStockCatalogue(empty.path() / "missing").installed);
}

}  // namespace
}  // namespace vt::test
