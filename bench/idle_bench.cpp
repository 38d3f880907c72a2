// The real programs left alone side by side and sampled together: CPU share
// of one core, wake-ups per second and peak memory at start.
//   kulbo_idle_bench ROUNDS SECONDS KULBO BARE [THIRD [NAME]]
// THIRD is an older Kulbo ("before", the default NAME) or another floor.
// Each starts with a runtime folder of its own. A program whose name ends in
// .exe runs under Wine by the script $KULBO_WINE names. Besides its details,
// it prints one summary row per figure (bench_rows.h).
#include "bench_rows.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace kulbo::bench;

struct TaskCounters {
    std::uint64_t cpuNanoseconds = 0;
    std::uint64_t switches = 0;
};

// Per thread: time on the CPU in nanoseconds (schedstat; the ticks of
// /proc/PID/stat are 10 ms, too coarse for a tenth of a percent) and context
// switches. A thread that sleeps and is woken leaves the CPU voluntarily
// once per sleep, one that is preempted leaves it nonvoluntarily: their sum
// over all threads counts how often the process was put back on the CPU,
// that is its wake-ups, whatever woke it (a timer, a socket, a signal).
std::map<int, TaskCounters> sample(pid_t pid) {
    std::map<int, TaskCounters> tasks;
    std::error_code error;
    std::filesystem::path folder = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        TaskCounters counters;
        std::ifstream(entry.path() / "schedstat") >> counters.cpuNanoseconds;
        std::ifstream status(entry.path() / "status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                counters.switches += std::stoull(line.substr(line.find(':') + 1));
        }
        tasks[std::stoi(entry.path().filename().string())] = counters;
    }
    return tasks;
}

// What the process did between two samples; a thread born meanwhile counts
// from zero, one that ended takes its share with it.
TaskCounters difference(const std::map<int, TaskCounters>& from, const std::map<int, TaskCounters>& to) {
    TaskCounters sum;
    for (const auto& [tid, end] : to) {
        auto start = from.find(tid);
        TaskCounters begin = start == from.end() ? TaskCounters{} : start->second;
        sum.cpuNanoseconds += end.cpuNanoseconds - begin.cpuNanoseconds;
        sum.switches += end.switches - begin.switches;
    }
    return sum;
}

struct Watched {
    std::string name;
    std::string path;
    std::string runtime;
    pid_t pid = -1;
    long peakAtStartKb = -1;
    double cpuSeconds = 0;
    std::uint64_t switches = 0;
    bool running = true;
};

pid_t launch(const std::string& path, const std::string& runtime) {
    pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);  // a lock of its own, beside any running copy
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        // A Windows program runs under Wine, by the script $KULBO_WINE names;
        // the script becomes the program, so the process is the one sampled.
        const char* wine = std::getenv("KULBO_WINE");
        if (path.ends_with(".exe") && wine)
            execl(wine, wine, path.c_str(), static_cast<char*>(nullptr));
        else
            execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

bool alive(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

int idle(int rounds, double seconds, const std::vector<std::pair<std::string, std::string>>& programs) {
    std::vector<Watched> watched;
    for (const auto& [name, path] : programs) {
        char runtime[] = "/tmp/kulbo-idle-XXXXXX";
        if (!mkdtemp(runtime)) return 1;
        watched.push_back({name, path, runtime});
    }
    // Kulbo starts last, so that it is the active window, as in a classroom.
    for (auto w = watched.rbegin(); w != watched.rend(); ++w) w->pid = launch(w->path, w->runtime);
    std::this_thread::sleep_for(std::chrono::seconds(2));  // started, shown and settled
    for (auto& w : watched) w.peakAtStartKb = peakResidentKilobytes(std::to_string(w.pid));

    // All are sampled over the same rounds; who is read first turns round.
    std::printf("Idle, %d rounds of %.1f s after 2 s to settle\n", rounds, seconds);
    double elapsed = 0;
    for (int round = 0; round < rounds; ++round) {
        std::size_t n = watched.size();
        std::vector<std::map<int, TaskCounters>> start(n), end(n);
        for (std::size_t k = 0; k < n; ++k) start[(round + k) % n] = sample(watched[(round + k) % n].pid);
        auto begun = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        for (std::size_t k = 0; k < n; ++k) end[(round + k) % n] = sample(watched[(round + k) % n].pid);
        double took = std::chrono::duration<double>(Clock::now() - begun).count();
        elapsed += took;
        std::printf("  round %d:", round + 1);
        for (std::size_t i = 0; i < n; ++i) {
            TaskCounters d = difference(start[i], end[i]);
            watched[i].cpuSeconds += d.cpuNanoseconds / 1e9;
            watched[i].switches += d.switches;
            std::printf("  %s %.3f %% %.1f/s", watched[i].name.c_str(), 100 * d.cpuNanoseconds / 1e9 / took,
                        d.switches / took);
        }
        std::printf("\n");
    }
    for (auto& w : watched) {
        w.running = alive(w.pid);
        kill(w.pid, SIGKILL);  // Kulbo asks before it ends on SIGTERM
        waitpid(w.pid, nullptr, 0);
        std::error_code error;
        std::filesystem::remove_all(w.runtime, error);
    }

    auto cpu = [&](const Watched& w) { return 100 * w.cpuSeconds / elapsed; };
    auto wakes = [&](const Watched& w) { return w.switches / elapsed; };
    auto megabytes = [](const Watched& w) { return w.peakAtStartKb / 1024.0; };
    auto column = [&](std::size_t i, auto figure, const char* pattern) {
        if (i >= watched.size()) return std::string("-");
        if (!watched[i].running) return std::string("exited");
        return format(pattern, figure(watched[i]));
    };
    const Watched& kulbo = watched[0];
    const Watched& bare = watched[1];
    for (const auto& w : watched)
        std::printf("  %-10s %6.3f %% of one core  %6.1f wake-ups/s  %5.1f MB at start%s\n", w.name.c_str(), cpu(w),
                    wakes(w), megabytes(w), w.running ? "" : "  (exited early)");
    bool bothRan = kulbo.running && bare.running;
    row("idle: wake-ups", column(0, wakes, "%.1f/s"), column(1, wakes, "%.1f/s"), column(2, wakes, "%.1f/s"),
        "<= 2/s", verdict(bothRan && wakes(kulbo) <= 2));
    row("idle: CPU of one core", column(0, cpu, "%.3f %%"), column(1, cpu, "%.3f %%"), column(2, cpu, "%.3f %%"),
        "-", "-");
    row("idle: CPU above the bare window", format("%+.3f pt", cpu(kulbo) - cpu(bare)), "-",
        watched.size() > 2 ? format("%+.3f pt", cpu(watched[2]) - cpu(bare)) : "-", "<= 0.1 pt",
        verdict(bothRan && cpu(kulbo) - cpu(bare) <= 0.1));
    row("peak memory at start", column(0, megabytes, "%.1f MB"), column(1, megabytes, "%.1f MB"),
        column(2, megabytes, "%.1f MB"), "<= 35 MB", verdict(kulbo.running && megabytes(kulbo) <= 35));
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s ROUNDS SECONDS KULBO BARE [THIRD [NAME]]\n", argv[0]);
        return 2;
    }
    std::vector<std::pair<std::string, std::string>> programs = {{"Kulbo", argv[3]}, {"bare", argv[4]}};
    if (argc > 5) programs.emplace_back(argc > 6 ? argv[6] : "before", argv[5]);
    return idle(std::atoi(argv[1]), std::atof(argv[2]), programs);
}
