// Long random runs of every event the front end can deliver.
#include "support/event_driver.h"

#include <gtest/gtest.h>

using namespace kulbo::testing;

TEST(Property, InvariantsHoldOverLongRandomRuns) {
    long picks = 0;
    for (int run = 0; run < 30; ++run) {
        FormFixture fixture;
        fixture.platform.generator.seed(1000 + run);
        EventDriver driver(fixture);
        Choices choices(run);
        ASSERT_EQ(driver.run(choices, 5000), "") << "run " << run;
        picks += driver.picks();
    }
    EXPECT_GT(picks, 300);  // the runs really draw, not only click about
}
