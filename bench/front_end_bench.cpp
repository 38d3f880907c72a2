// Runs the real front end for a fixed time and prints what it costs: ticks
// delivered per timer per second, CPU share of one core in steady state, peak
// resident memory, time from process start to the window being shown, and
// how soon a pick reaches the screen.
#include "app/front_end/application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks after boot
    double started = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - started;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

void runFor(int milliseconds) {
    QTimer::singleShot(milliseconds, qApp, [] { QCoreApplication::exit(0); });  // quit() would ask the window to close
    QApplication::exec();
}

// Counts paints of one widget.
struct PaintWatch : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    char runtime[] = "/tmp/kulbo-bench-XXXXXX";  // the session's own stays untouched; a running copy still refuses the benchmark
    if (mkdtemp(runtime)) setenv("XDG_RUNTIME_DIR", runtime, 1);

    QApplication app(argc, argv);
    kulbo::prepareQt();
    kulbo::Application program;
    while (!program.window().windowHandle() || !program.window().windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    double shownAfter = secondsSinceProcessStart();

    runFor(1000);  // settle
    auto before = program.ticks().delivered();
    double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    double elapsed = wall.nsecsElapsed() / 1e9;
    double cpu = cpuSeconds() - cpuBefore;
    auto after = program.ticks().delivered();

    // A pick: how many event-loop turns until the display is painted.
    kulbo::Form1& form = program.form();
    auto* display = program.window().widgetFor(form.Label4);
    PaintWatch watch;
    display->installEventFilter(&watch);
    QElapsedTimer pickClock;
    pickClock.start();
    static_cast<QAbstractButton*>(program.window().widgetFor(form.Command1))->click();
    int turns = 0;
    while (watch.paints == 0 && turns < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        ++turns;
    }
    double pickMs = pickClock.nsecsElapsed() / 1e6;

    std::printf("Kulbo front end, %d s steady state under %s\n", seconds, qPrintable(QApplication::platformName()));
    for (std::size_t i = 0; i < after.size(); ++i)
        std::printf("  %-7s %7.1f ticks/s\n", program.ticks().timers()[i]->name.c_str(),
                    (after[i] - before[i]) / elapsed);
    std::printf("  CPU              %6.2f %% of one core\n", 100 * cpu / elapsed);
    std::printf("  peak memory      %6.1f MB resident\n", peakResidentKilobytes() / 1024.0);
    std::printf("  window shown     %6.0f ms after process start\n", shownAfter * 1000);
    std::printf("  pick on screen   %6.2f ms (%s)\n", pickMs,
                watch.paints ? (turns <= 1 ? "next frame" : "later frame") : "not painted");
    std::fflush(stdout);
    std::_Exit(0);
}
