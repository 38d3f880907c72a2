#include "platform/system_platform.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SystemPlatform, TwoStartsDrawDifferentNumbers) {
    kulbo::SystemPlatform first, second;
    std::vector<double> a, b;
    for (int i = 0; i < 4; ++i) {
        a.push_back(first.Rnd());
        b.push_back(second.Rnd());
    }
    EXPECT_NE(a, b);
}
