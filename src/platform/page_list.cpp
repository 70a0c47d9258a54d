#include "platform/page_list.h"

#include <cctype>
#include <cstddef>

namespace vt {
namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

void SkipBlanks(const std::string& text, std::size_t& at) {
    while (at < text.size() && Blank(text[at])) ++at;
}

// A page number at `at`: digits only, 1 to kMostPages; 0 when there is none or it is too large.
long Number(const std::string& text, std::size_t& at) {
    long n = 0;
    const std::size_t start = at;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
        if (n <= kMostPages) n = n * 10 + (text[at] - '0');
        ++at;
    }
    if (at == start || n > kMostPages) return 0;
    return n;
}

PageList Refused(const std::string& why) {
    PageList list;
    list.error = why;
    return list;
}

}  // namespace

PageList ReadPageList(const std::string& text) {
    const std::string most = std::to_string(kMostPages);
    PageList list;
    std::size_t at = 0;
    for (;;) {
        SkipBlanks(text, at);
        const long first = Number(text, at);
        if (first == 0) {
            return Refused("a sheet number from 1 to " + most + " or a range such as 2-5, " +
                           "separated by commas, was expected");
        }
        long last = first;
        SkipBlanks(text, at);
        if (at < text.size() && text[at] == '-') {
            ++at;
            SkipBlanks(text, at);
            last = Number(text, at);
            if (last == 0) return Refused("a range needs its last sheet, from 1 to " + most);
            if (last < first) {
                return Refused("the range " + std::to_string(first) + "-" + std::to_string(last) +
                               " goes backwards");
            }
            SkipBlanks(text, at);
        }
        for (long page = first; page <= last; ++page) list.pages.insert(page);
        if (at == text.size()) return list;
        if (text[at] != ',') return Refused("only digits, '-' and ',' make a choice of sheets");
        ++at;
    }
}

std::string PageListText(const PageList& list) {
    std::string text;
    auto page = list.pages.begin();
    while (page != list.pages.end()) {
        const long first = *page;
        long last = first;
        while (++page != list.pages.end() && *page == last + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(first);
        if (last > first) text += "-" + std::to_string(last);
    }
    return text;
}

}  // namespace vt
