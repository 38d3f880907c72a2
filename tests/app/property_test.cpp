// Long random runs of every event the front end can deliver.
#include "support/event_driver.h"

#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

TEST(Property, InvariantsHoldOverLongRandomRuns) {
    constexpr int kRuns = 30, kSteps = 5000;
    long picks = 0;
    for (int run = 0; run < kRuns; ++run) {
        FormFixture fixture;
        fixture.platform.generator.seed(1000 + run);
        EventDriver driver(fixture);
        Choices choices(run);
        std::vector<std::string> recent;
        for (int i = 0; i < kSteps && !fixture.form.ended(); ++i) {
            std::size_t historyBefore = fixture.form.Text6.Text.get().size();
            recent.push_back(driver.step(choices));
            if (recent.size() > 12) recent.erase(recent.begin());
            if (fixture.form.Text6.Text.get().size() > historyBefore) ++picks;
            std::string broken = driver.violation();
            if (!broken.empty()) {
                std::string trail;
                for (auto& event : recent) trail += "\n  " + event;
                FAIL() << "run " << run << " step " << i << ": " << broken << "\nlast events:" << trail;
            }
        }
    }
    EXPECT_GT(picks, 300);  // the runs really draw, not only click about
}
