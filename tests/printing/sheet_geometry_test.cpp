// Cell numbers to places on the sheet: row by row over the columns there are.
#include "printing/sheet_geometry.h"

#include <gtest/gtest.h>

namespace vt::test {
namespace {

TEST(SheetGeometry, CellsGoRowByRowOverTheColumnsThereAre) {
    struct Case {
        std::array<double, 4> columns;
        long rows;
        long cell;
        double left, top;
        long columnsThere, cells;
    };
    for (const Case& c : {
             Case{{270, 4230, 8190, 0}, 10, 1, 270, 720, 3, 30},
             Case{{270, 4230, 8190, 0}, 10, 3, 8190, 720, 3, 30},
             Case{{270, 4230, 8190, 0}, 10, 8, 4230, 720 + 2 * 1440, 3, 30},
             Case{{270, 4230, 8190, 0}, 10, 30, 8190, 720 + 9 * 1440, 3, 30},
             // A column without a place ends the columns, also before a later one with a place.
             Case{{270, 4230, 0, 8190}, 10, 3, 270, 720 + 1440, 2, 20},
             Case{{270, 0, 0, 0}, 10, 2, 270, 720 + 1440, 1, 10},
             Case{{270, 4230, 8190, 12000}, 2, 8, 12000, 720 + 1440, 4, 8},
             // A sheet of no rows still has one cell.
             Case{{270, 4230, 0, 0}, 0, 1, 270, 720, 2, 1},
         }) {
        SheetGeometry sheet;
        sheet.topMargin = 720;
        sheet.rowPitch = 1440;
        sheet.width = 3780;
        sheet.rows = c.rows;
        sheet.columnX = c.columns;
        const LabelPlace place = sheet.Cell(c.cell);
        EXPECT_EQ(place.left, c.left) << c.cell;
        EXPECT_EQ(place.top, c.top) << c.cell;
        EXPECT_EQ(sheet.Columns(), c.columnsThere);
        EXPECT_EQ(sheet.CellsPerSheet(), c.cells);
    }
}

}  // namespace
}  // namespace vt::test
