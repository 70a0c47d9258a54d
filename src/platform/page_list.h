#pragma once
// A choice of pages (sheets) as print dialogs take it: numbers and ranges, "3" or "2-5, 8".
#include <set>
#include <string>

namespace vt {

// The most pages a choice may name: more than any run prints.
inline constexpr long kMostPages = 99999;

struct PageList {
    std::set<long> pages;  // from 1; empty: every page
    std::string error;     // why the text is no choice of pages; "" when it is

    bool Every() const { return pages.empty(); }
    bool Has(long page) const { return pages.empty() || pages.count(page) != 0; }
    long Last() const { return pages.empty() ? 0 : *pages.rbegin(); }
};

// Numbers from 1 to kMostPages and ranges "first-last" (first not after last), separated by
// commas, blanks around them allowed. Anything else, or nothing at all, gives the error.
PageList ReadPageList(const std::string& text);

// The pages as the shortest such text: {2, 3, 4, 8} is "2-4, 8"; "" for every page.
std::string PageListText(const PageList& list);

}  // namespace vt
