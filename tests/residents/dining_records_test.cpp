// Dining file lookups at the file's edges: a cut last record, blank and short codes.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "resident_fixture.h"
#include "residents/dining_file.h"
#include "site/dining_file.h"

namespace vt::test {
namespace {

TEST(DiningRecords, CodesMatchOnlyWithAllThreeCharacters) {
    StationFixture f;
    site::WriteDiningFile(f.tp.root(), f.layout,
                          {{"   ", "Blank code"},
                           {"A  ", "One letter"},
                           {"A B", "Inner blank"},
                           {"a b", "Lower case, later"}});
    struct Case {
        const char* code;
        const char* name;  // why
    };
    for (const Case& c : {
             Case{"", ""},                // an empty meal code matches no blank code
             Case{"A", ""},               // looked up trimmed, stored with its blanks
             Case{"A B", "Inner blank"},  // the inner blank is part of the code
         }) {
        EXPECT_EQ(LookUpDining(f, c.code), c.name[0] ? PadTo(c.name, 38) : "") << c.code;
    }
}

TEST(DiningRecords, ACutLastRecordIsSearchedAsFarAsItGoes) {
    StationFixture f;
    std::string bytes = site::DiningFileBytes({{"GR1", "Garden"}, {"MDR", "Main Dining"}});
    bytes += "    LST Last ro";  // record 3 ends inside its name
    WriteHostFile(f.Host(f.layout.DiningPath()), bytes);
    EXPECT_EQ(LookUpDining(f, "LST"), PadTo("Last ro", 38));
    EXPECT_EQ(LookUpDining(f, "MDR"), PadTo("Main Dining", 38));
}

}  // namespace
}  // namespace vt::test
