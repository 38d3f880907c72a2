// What each tick handler and a pick cost in the core, on the fake platform.
#include "support/fake_platform.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace kulbo;
using kulbo::testing::FormFixture;

namespace {

void tickBenchmark(benchmark::State& state, Timer& (*timerOf)(Form1&), void (*prepare)(Form1&)) {
    FormFixture f;
    prepare(f.form);
    Timer& timer = timerOf(f.form);
    for (auto _ : state) f.form.tick(timer);
}

void nothing(Form1&) {}
void sequential(Form1& form) { form.select(form.Option3); }

Timer& timer1(Form1& f) { return f.Timer1; }
Timer& timer2(Form1& f) { return f.Timer2; }
Timer& timer3(Form1& f) { return f.Timer3; }
Timer& timer4(Form1& f) { return f.Timer4; }
Timer& timer5(Form1& f) { return f.Timer5; }

void BM_Pick(benchmark::State& state) {
    FormFixture f;
    f.form.tick(f.form.Timer5);
    int picks = 0;
    for (auto _ : state) {
        f.form.tick(f.form.Timer1);
        f.form.click(f.form.Command1);
        if (++picks == 1000) {  // a long evening of draws, then a fresh history
            state.PauseTiming();
            f.form.Text6.Text = "";
            picks = 0;
            state.ResumeTiming();
        }
    }
}

// The window left alone for ten minutes, then "开始": every timer catches up
// 600000 periods before the click.
void pickAfterIdle(benchmark::State& state, void (*prepare)(Form1&)) {
    FormFixture f;
    prepare(f.form);
    int picks = 0;
    for (auto _ : state) {
        for (Timer* timer : f.form.timers()) f.form.advance(*timer, 600000);
        f.form.click(f.form.Command1);
        if (++picks == 1000) {
            state.PauseTiming();
            f.form.Text6.Text = "";
            picks = 0;
            state.ResumeTiming();
        }
    }
}

// A pick once the history holds 10^5 lines; a thousand more at most.
void BM_PickAt100000Lines(benchmark::State& state) {
    FormFixture f;
    f.form.tick(f.form.Timer5);
    for (int i = 0; i < 100000; ++i) {
        f.form.tick(f.form.Timer1);
        f.form.click(f.form.Command1);
    }
    const std::string full = f.form.Text6.Text;
    int picks = 0;
    for (auto _ : state) {
        f.form.tick(f.form.Timer1);
        f.form.click(f.form.Command1);
        if (++picks == 1000) {
            state.PauseTiming();
            f.form.Text6.Text = full;
            picks = 0;
            state.ResumeTiming();
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(tickBenchmark, Timer1_random, timer1, nothing);
BENCHMARK_CAPTURE(tickBenchmark, Timer1_sequential, timer1, sequential);
BENCHMARK_CAPTURE(tickBenchmark, Timer2, timer2, nothing);
BENCHMARK_CAPTURE(tickBenchmark, Timer3, timer3, nothing);
BENCHMARK_CAPTURE(tickBenchmark, Timer4, timer4, nothing);
BENCHMARK_CAPTURE(tickBenchmark, Timer5, timer5, nothing);
BENCHMARK(BM_Pick);
BENCHMARK_CAPTURE(pickAfterIdle, PickAfterIdle_random, nothing);
BENCHMARK_CAPTURE(pickAfterIdle, PickAfterIdle_sequential, sequential);
BENCHMARK(BM_PickAt100000Lines);

BENCHMARK_MAIN();
