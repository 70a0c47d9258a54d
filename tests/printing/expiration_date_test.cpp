// The expiration date: the label date plus the days to expire.
#include "printing/expiration_date.h"

#include <gtest/gtest.h>

#include "support/station_fixture.h"

namespace vt::test {
namespace {

TEST(ExpirationDate, FollowsTheLabelDate) {
    struct Case {
        Date label;
        Int16 days;
        const char* text;
        const char* weekday;
    };
    for (const Case& c : {Case{Date(2026, 12, 4), 2, "12-06-26", "Sun"},
                          Case{Date(2026, 12, 4), 0, "12-04-26", "Fri"},
                          Case{Date(2026, 12, 30), 7, "01-06-27", "Wed"},
                          Case{Date(2026, 12, 4), -3, "12-01-26", "Tue"}}) {
        StationFixture f;
        f.app->st.LabelDate = c.label;
        f.app->st.DaysToExpire = c.days;
        GetExpDate(*f.app);
        EXPECT_EQ(f.app->st.ExpDateText, c.text);
        EXPECT_EQ(f.app->st.ExpDate.WeekdayName(), c.weekday);
        EXPECT_TRUE(f.tp.dialogs.asked.empty());
    }
}

TEST(ExpirationDate, BeyondTheCalendarIsToldAndDropped) {
    StationFixture f;
    f.app->st.LabelDate = Date(9999, 12, 30);
    f.app->st.DaysToExpire = 5;
    GetExpDate(*f.app);
    ASSERT_EQ(f.tp.dialogs.asked.size(), 1u);
    EXPECT_EQ(f.tp.dialogs.asked[0].text,
              "Error Creating Expiration Date.\r\nExpiration Date Excluded.");
    EXPECT_EQ(f.app->st.DaysToExpire, 0);
}

}  // namespace
}  // namespace vt::test
