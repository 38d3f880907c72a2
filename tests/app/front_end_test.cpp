#include "app/front_end/main_window.h"
#include "support/fake_platform.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "kulbo_front_end_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace

TEST(FrontEnd, ShowsTheWindowAtItsDesignSize) {
    application();
    FakePlatform platform;
    Form1 form(platform);
    MainWindow window(form);
    EXPECT_EQ(window.size(), QSize(441, 426));
}
