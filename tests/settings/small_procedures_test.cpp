// Period names from captions, the start date check, number fields and the user-label text field.
#include <gtest/gtest.h>

#include "settings/date_check.h"
#include "settings/number_field.h"
#include "settings/period_name.h"
#include "settings/user_label_text.h"
#include "settings_fixture.h"

namespace vt::test {
namespace {

TEST(PeriodName, TheMarkerIsTakenOutInTheFirstThreePlaces) {
    struct Case {
        const char* caption;
        const char* name;
    };
    for (const Case& c : {
             Case{"&10am", "10am"}, Case{"1&0am", "10am"}, Case{"10&am", "10am"},
             Case{"&10a", "10a"},         // the stored design caption
             Case{"1&0amlong", "10aml"},  // four characters after the marker are kept
             Case{"10&amlong", "10amlo"},
             // Captions carry the marker first or not at all; one further on is left in and
             // the caption only trimmed.
             Case{"10a&m", "10a&m"}, Case{"H.S.", "H.S."}, Case{"  HS ", "HS"}, Case{"    ", ""},
             Case{"", ""}, Case{"&", ""}, Case{"& HS", "HS"},
             Case{"&&10", "&10"},  // only the first marker is taken out
         }) {
        EXPECT_EQ(MkX(c.caption), c.name) << c.caption;
    }
}

TEST(DateCheck, ValidDatesAndTheSeparatorsRewritten) {
    struct Case {
        const char* text;
        int valid;
        const char* after;  // the text after the check: characters 3 and 6 are "-"
    };
    for (const Case& c : {
             Case{"02-29-2008", 1, "02-29-2008"},
             Case{"02-29-2007", 0, "02-29-2007"},
             Case{"02-29-2100", 0, "02-29-2100"},  // divisible by 100, not by 400
             Case{"02-29-2000", 1, "02-29-2000"},
             Case{"02-28-2100", 1, "02-28-2100"},
             Case{"04-31-2008", 0, "04-31-2008"},
             Case{"04-30-2008", 1, "04-30-2008"},
             Case{"12-31-2026", 1, "12-31-2026"},
             Case{"13-01-2008", 0, "13-01-2008"},
             Case{"00-10-2008", 0, "00-10-2008"},
             Case{"01-00-2008", 0, "01-00-2008"},
             Case{"01-01-1999", 0, "01-01-1999"},
             Case{"01-01-2000", 1, "01-01-2000"},
             Case{"12/24/2026", 1, "12-24-2026"},
             Case{"1.-01-2008", 0, "1.-01-2008"},  // character 2 must be a digit
             Case{"01-1 -2008", 0, "01-1 -2008"},  // character 5 too
             Case{"01-01-2 08", 0, "01-01-2 08"},
             Case{"", 0, ""},
             Case{"1", 0, "1"},
         }) {
        const CheckedDate checked = CkDate(c.text);
        EXPECT_EQ(checked.valid, c.valid == 1) << c.text;
        EXPECT_EQ(checked.text, c.after) << c.text;
    }
}

TEST(NumberField, WholeNumbersThatFitTheirColumns) {
    EXPECT_EQ(WholeNumberText(12, 2), "12");
    EXPECT_EQ(WholeNumberText(-5, 3), "-5");
    EXPECT_EQ(WholeNumberText(-5, 3, false), "5");
    EXPECT_EQ(WholeNumberText(12.5, 3), "12");  // halves to the even neighbour
    EXPECT_EQ(WholeNumberText(13.5, 3), "14");
    EXPECT_EQ(WholeNumberText(-0.4, 3), "0");
    EXPECT_EQ(WholeNumberText(123, 2), std::nullopt);
    EXPECT_EQ(WholeNumberText(-10, 2), std::nullopt);
    EXPECT_EQ(WholeNumberText(1e300, 5), std::nullopt);
}

TEST(UserLabelText, OneFieldAsACommaSeparatedReaderTakesIt) {
    EXPECT_EQ(ReadTextField("\"Happy Birthday, Rose!\"\r\n"), "Happy Birthday, Rose!");
    EXPECT_EQ(ReadTextField("  \"Line one\r\nLine two\"\r\n"), "Line one\r\nLine two");
    EXPECT_EQ(ReadTextField("Happy Birthday, Rose!\r\n"), "Happy Birthday");
    EXPECT_EQ(ReadTextField("no end"), "no end");
    EXPECT_EQ(ReadTextField("\"unclosed, text"), "unclosed, text");
    EXPECT_EQ(ReadTextField(""), "");
}

}  // namespace
}  // namespace vt::test
