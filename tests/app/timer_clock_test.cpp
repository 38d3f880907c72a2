// The timers catch up at inputs, and the program's one start-up path.
#include "app/program.h"

#include "support/fake_platform.h"

#include <gtest/gtest.h>

#include <thread>

using namespace kulbo;
using namespace kulbo::testing;
using namespace std::chrono_literals;

TEST(TimerClock, EachEnabledTimerGetsThePeriodsDueOnceAndNoneBehindABox) {
    FormFixture f;
    TimerClock clock(f.form);
    const auto start = TimerClock::Clock::time_point{} + 1h;
    clock.catchUp(start + 5ms);  // not started: nothing
    clock.start(start);
    f.form.Timer1.Enabled = false;
    for (auto at : {7ms, 7ms, 2ms}) clock.catchUp(start + at);  // the same time again, then back: nothing more
    EXPECT_EQ(clock.delivered(), (std::vector<std::uint64_t>{7, 7, 7, 7, 0}));  // Timer5, 3, 2, 4, then Timer1
    EXPECT_EQ(f.form.Label13.Caption, "20240315090507");  // Timer5 ran

    f.form.Timer1.Enabled = true;
    f.form.Check1.Value = 1;
    std::string rolledBehindTheBox;
    f.platform.whileBoxesOpen = {[&] {
        clock.catchUp(start + 9ms);
        rolledBehindTheBox = f.form.Label5.Caption;
    }};
    f.pick("1");  // the box is open while two periods pass
    EXPECT_EQ(rolledBehindTheBox, "1");
    f.platform.randomValues = {0.5};
    clock.catchUp(start + 10ms);
    EXPECT_EQ(f.form.Label5.Caption, "26");  // the period after the box came through
}

namespace {

struct RecordingShell : Shell {
    std::vector<std::string> log;
    void show(Control* focus) override { log.push_back("show " + (focus ? focus->name : "none")); }
    int loop() override {
        log.push_back("loop");
        return 3;
    }
    void settleAfter(TimerClock::Clock::duration delay) override { log.push_back("settle in " + std::to_string(delay / 1ms)); }
};

}  // namespace

// The five boxes with filters are hooked from load to unload. Settling
// catches the timers up; an input asks to settle a period later, once until
// it has. A second copy warns, ends, hooks nothing and shows no window.
TEST(Program, StartsLoadsShowsRunsAndUnloadsInThatOrder) {
    FakePlatform platform;
    Program program(platform, platform);
    RecordingShell shell;
    EXPECT_EQ(program.run(shell), 3);
    EXPECT_EQ(platform.hookLog, (std::vector<std::string>{"hook Text1", "hook Text2", "hook Text3", "hook Text4",
                                                          "hook Text6", "unhook Text1", "unhook Text2", "unhook Text3",
                                                          "unhook Text4", "unhook Text6"}));
    std::this_thread::sleep_for(2ms);
    program.settle();
    EXPECT_EQ(program.form().Label13.Caption, "20240315090507");
    program.beforeInput();
    program.beforeInput();
    program.settle();
    program.beforeInput();
    EXPECT_EQ(shell.log, (std::vector<std::string>{"show Command1", "loop", "settle in 1", "settle in 1"}));

    FakePlatform second;
    second.previousInstance = true;
    Program refused(second, second);
    RecordingShell nothing;
    const int exitCode = refused.run(nothing);
    EXPECT_EQ(std::tuple(exitCode, nothing.log.size(), second.ends, second.hookLog.size()), std::tuple(0, 0u, 1, 0u));
    EXPECT_EQ(second.boxes, (std::vector<ShownBox>{{"该程序已在运行！", box::kExclamation, "运行中断 - Kulbo"}}));
}

// A program whose window has loaded.
struct LoadedProgram : ::testing::Test {
    FakePlatform platform;
    Program program{platform, platform};
    Form1& form = program.form();
    void SetUp() override { form.load(); }
};

// The window's steps after each change, as the front ends apply them.
struct StepLog : WindowFront {
    Control* focus = nullptr;
    std::vector<std::string> steps;
    Control* focused() const override { return focus; }
    void apply(const std::vector<WindowChange>& changes) override {
        static const char* const names[] = {"content", "geometry", "enabled", "state", "show", "hide", "focus",
                                            "history", "history+", "name", "description", "news"};
        for (const WindowChange& c : changes) {
            steps.push_back(std::string(names[c.step]) + " " + c.control->name + (c.text.empty() ? "" : " " + c.text));
            if (c.step == WindowChange::Focus) focus = c.control;
        }
    }
};

// A click or a key catches the timers up first; then a number box refuses
// the keys that paste, and its filter what types no digit.
TEST_F(LoadedProgram, InputsCatchTheTimersUpAndANumberBoxRefusesWhatGetsPastItsFilter) {
    program.clock().start(TimerClock::Clock::now() - 5ms);
    program.click(form.Command2);
    EXPECT_EQ(form.Label13.Caption, "20240315090507");
    form.Label13.Caption = "";
    std::this_thread::sleep_for(2ms);
    auto consumed = [&](TextBox& box, int code, int shift) { return program.keyDown(&box, code, shift).consumed; };
    EXPECT_TRUE(consumed(form.Text2, 'V', key::kCtrl));
    EXPECT_EQ(form.Label13.Caption, "20240315090507");
    // Shift+Insert and Ctrl+A too, not Ctrl+Alt+A nor Backspace; the title box takes a paste.
    EXPECT_EQ((std::vector{consumed(form.Text2, key::kInsert, key::kShift), consumed(form.Text2, 'A', key::kCtrl),
                           consumed(form.Text2, 'A', key::kCtrl | key::kAlt), consumed(form.Text2, key::kBackspace, 0),
                           consumed(form.Text5, 'V', key::kCtrl)}), (std::vector{true, true, false, false, false}));
}

// Names from the labels, the display's with its number. Out of sight a
// control waits, and catches up before it is seen, but for the history,
// which keeps up line by line; what comes into sight takes the focus before
// the rest goes; each pick is news of its own on the focused "开始".
TEST_F(LoadedProgram, TheWindowFollowsTheModelStepByStep) {
    EXPECT_EQ(program.readers().name(form.Text4) + "|" + program.readers().name(form.Label4), "输入避开的幸运数|幸运数");
    EXPECT_TRUE(program.readers().leftOut(form.Label5));
    StepLog log;
    log.focus = &form.Command1;
    program.follow(&log);
    EXPECT_NE(std::find(log.steps.begin(), log.steps.end(), "hide Label5"), log.steps.end());
    log.steps.clear();
    form.Label5.Caption = "7";
    EXPECT_EQ(log.steps, std::vector<std::string>{});
    form.click(form.Command1);
    EXPECT_EQ(log.steps, (std::vector<std::string>{"content Label4", "name Label4 幸运数 7", "history+ Text6 #2[7]\r\n",
                                                   "description Text6 共 1 条，最新：#2[7]", "news Command1 第 1 次抽到 7 号"}));
    form.click(form.Command1);
    EXPECT_EQ(log.steps.back(), "news Command1 第 2 次抽到 7 号");
    log.steps.clear();
    form.Text6.Text = "";
    EXPECT_EQ(log.steps, (std::vector<std::string>{"history Text6", "description Text6 没有记录"}));
    log.steps.clear();
    form.Command9.Caption = "x";
    form.click(form.Command11);
    log.steps.resize(4);  // the first four
    EXPECT_EQ(log.steps, (std::vector<std::string>{"content Command9", "show Picture3", "focus Text6", "hide Command3"}));
}

// Escape answers No to a question, as does Cancel, which some systems
// report for it; the default is the one the flags name.
TEST(MessageBoxes, QuestionsHaveYesAndNoWithEscapeForNo) {
    BoxLayout question = layOutBox("确定要退出吗？", box::kYesNoQuestionNoDefault, "");
    EXPECT_EQ(std::tuple(question.title, question.escapeAnswer, question.icon), std::tuple("Kulbo", box::kNo, BoxIcon::Question));
    ASSERT_EQ(question.buttons.size(), 2u);
    EXPECT_EQ(question.buttons[0].caption + question.buttons[1].caption, "是(&Y)否(&N)");
    EXPECT_EQ(layOutBox("a", box::kYesNoButtons | box::kCriticalIcon, "t").defaultAnswer, box::kYes);
    EXPECT_EQ(box::answerOf(box::kYesNoQuestionNoDefault, 2), box::kNo);
    // Enter answers with the default, then with the focused button; Alt+Y answers Yes, Ctrl+Y nothing.
    EXPECT_EQ(std::tuple(boxKeyDown(question, -1, key::kEnter, 0).answer, boxKeyDown(question, 0, key::kEnter, 0).answer,
                         boxKeyDown(question, 1, 'Y', key::kAlt).answer, boxKeyDown(question, 1, 'Y', key::kCtrl).answer),
              std::tuple(box::kNo, box::kYes, box::kYes, 0));
    // Left goes round the buttons; Space is the focused button's to take.
    EXPECT_EQ(std::tuple(boxKeyDown(question, 0, key::kLeft, 0).focus, boxKeyDown(question, 1, key::kSpace, 0).consumed),
              std::tuple(1, false));
    BoxLayout told = layOutBox("第一行\r\n\r\n第三行", box::kInformation, "提示");
    EXPECT_EQ(std::pair(told.lines, told.escapeAnswer), std::pair(std::vector<std::string>{"第一行", "", "第三行"}, box::kOk));
}
