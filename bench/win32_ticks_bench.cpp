// Ticks per timer per second as the Windows program sees them, with an input
// (a key that does nothing) every 100 ms for SECONDS, and nothing else waking
// it: kulbo_ticks_bench.exe [seconds]. Prints one summary row a timer:
//   row <TAB> figure <TAB> Kulbo <TAB> bare <TAB> before <TAB> bar <TAB> PASS|FAIL
#include "win32/application.h"
#include "win32/message_loop.h"

#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? _wtoi(argv[1]) : 5;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    kulbo::Application program;
    HWND window = program.window().handle();
    DWORD loop = GetCurrentThreadId();
    if (!program.start()) return 1;
    const auto start = std::chrono::steady_clock::now();  // the clock started just before
    auto caughtUp = start;
    std::thread inputs([&] {
        for (int i = 0; i < seconds * 10; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            PostMessageW(window, WM_KEYDOWN, VK_F24, 0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PostThreadMessageW(loop, WM_QUIT, 0, 0);
    });
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN) caughtUp = std::chrono::steady_clock::now();  // the timers catch up now
        kulbo::deliver(program.window(), message);
    }
    inputs.join();
    const double elapsed = std::chrono::duration<double>(caughtUp - start).count();
    kulbo::TimerClock& clock = program.program().clock();
    const auto& timers = clock.timers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        double rate = clock.delivered()[i] / elapsed;
        std::printf("row\tticks/s seen at inputs, %s\t%.1f\t-\t-\t>= 990\t%s\n", timers[i]->name.c_str(), rate,
                    rate >= 990 ? "PASS" : "FAIL");
    }
    program.program().finish();
    return 0;
}
