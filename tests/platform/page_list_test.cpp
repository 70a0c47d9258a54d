// Sheet choices as typed: numbers and ranges, and everything that is none.
#include "platform/page_list.h"

#include <gtest/gtest.h>

namespace vt::test {
namespace {

TEST(PageList, ReadsNumbersAndRanges) {
    struct Row {
        const char* text;
        std::set<long> pages;
        const char* shortest;
    };
    for (const Row& row :
         {Row{"3", {3}, "3"}, Row{"2-5, 8", {2, 3, 4, 5, 8}, "2-5, 8"},
          Row{" 8 ,2 - 3,3", {2, 3, 8}, "2-3, 8"}, Row{"4-4", {4}, "4"},
          Row{"1,2,3,5", {1, 2, 3, 5}, "1-3, 5"}, Row{"99999", {99999}, "99999"}}) {
        const PageList list = ReadPageList(row.text);
        EXPECT_EQ(list.error, "") << row.text;
        EXPECT_EQ(list.pages, row.pages) << row.text;
        EXPECT_EQ(PageListText(list), row.shortest) << row.text;
    }
}

TEST(PageList, RefusesWhatIsNoChoice) {
    for (const char* text : {"", " ", "0", "5-2", "2-", "-3", "2,,3", "2,", "1.5", "a", "3 4",
                             "100000", "99999999999999999999", "2-100000", "\xff"}) {
        const PageList list = ReadPageList(text);
        EXPECT_NE(list.error, "") << text;
        EXPECT_TRUE(list.pages.empty()) << text;
    }
}

}  // namespace
}  // namespace vt::test
