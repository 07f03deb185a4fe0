// Start-up benchmark: from process start to the main window painted, for the
// program and for a bare Qt window, with each one's peak memory. Every
// iteration launches a fresh probe process under the offscreen platform, and
// the bare window runs right beside every other case's run, so that a busy
// machine slows both sides of the comparison alike.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "PromoServer.h"

extern char** environ;

namespace {

// The promotion server the program downloads from at start-up: one that
// answers, and a closed loopback port standing for an unreachable one.
const PromoServer answering;
const std::string kPromoServer = "OMENWISE_PROBE_PROMO_SERVER=";

struct Case {
    const char* name;
    const char* probe;                  // executable beside this one
    std::vector<std::string> extraEnv;  // NAME=VALUE added to the probe's environment
};

// The yardstick, first; later cases (such as start-up against a promotion
// server) are one entry each.
const std::vector<Case> kCases = {
    {"bare_qt_window", "startup_probe_bare", {}},
    {"bare_window_with_chinese_label", "startup_probe_chinese_label", {}},
    {"omenwise_main_window", "startup_probe_omenwise", {}},
    {"omenwise_unreachable_server",
     "startup_probe_omenwise",
     {kPromoServer + PromoServer::refusedAddress()}},
    {"omenwise_answering_server", "startup_probe_omenwise", {kPromoServer + answering.address()}},
};
const Case& kYardstick = kCases.front();

constexpr int kIterations = 15;

struct Run {
    double seconds = 0;     // spawn to "shown"
    double cpuSeconds = 0;  // user + system time of the whole probe run
    long maxRssKb = 0;
    bool ok = false;
};

std::filesystem::path ownDirectory() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

Run launch(const Case& c) {
    Run run;
    const std::string program = (ownDirectory() / c.probe).string();

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    for (const auto& e : c.extraEnv) env.push_back(e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }

    // A probe that never shows its window is killed after a bound, so the
    // benchmark reports a failed run instead of waiting for ever.
    constexpr auto kBound = std::chrono::seconds(30);
    std::string line;
    char buffer[64];
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            start + kBound - std::chrono::steady_clock::now());
        pollfd readable{out[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<size_t>(n));
    }
    const auto shown = std::chrono::steady_clock::now();
    close(out[0]);

    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(shown - start).count();
    run.maxRssKb = usage.ru_maxrss;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.ok = line.rfind("shown", 0) == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Wall time is what the user waits; CPU time shows the work itself, which a
// machine busy with other jobs does not inflate.
struct Figures {
    double median = 0;
    double bareMedian = 0;
    double cpuMedian = 0;
    double bareCpuMedian = 0;
    long peakKb = 0;
};
std::map<std::string, Figures> figures;

void BM_Startup(benchmark::State& state, const Case& c) {
    const bool yardstick = std::string(c.name) == kYardstick.name;
    std::vector<double> own, ownCpu;
    std::vector<double> bare, bareCpu;
    long peakKb = 0;
    for (auto _ : state) {
        if (!yardstick) {
            const Run beside = launch(kYardstick);
            if (beside.ok) {
                bare.push_back(beside.seconds);
                bareCpu.push_back(beside.cpuSeconds);
            }
        }
        const Run run = launch(c);
        if (!run.ok) {
            state.SkipWithError("probe did not show its window");
            break;
        }
        state.SetIterationTime(run.seconds);
        peakKb = std::max(peakKb, run.maxRssKb);
        own.push_back(run.seconds);
        ownCpu.push_back(run.cpuSeconds);
    }
    if (own.empty()) return;
    Figures f{median(own), yardstick ? median(own) : median(bare), median(ownCpu),
              yardstick ? median(ownCpu) : median(bareCpu), peakKb};
    figures[c.name] = f;
    state.counters["peak_rss_MiB"] = static_cast<double>(peakKb) / 1024.0;
    state.counters["cpu_ms"] = f.cpuMedian * 1e3;
    if (!yardstick && f.bareMedian > 0) state.counters["x_bare"] = f.median / f.bareMedian;
}

}  // namespace

int main(int argc, char** argv) {
    for (const Case& c : kCases) {
        benchmark::RegisterBenchmark(c.name, BM_Startup, c)
            ->UseManualTime()
            ->Iterations(kIterations)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (const Case& c : kCases) {
        const auto found = figures.find(c.name);
        if (found == figures.end()) continue;
        const Figures& f = found->second;
        std::printf("%-32s median %6.1f ms (CPU %5.1f ms), peak %5.1f MiB", c.name, f.median * 1e3,
                    f.cpuMedian * 1e3, static_cast<double>(f.peakKb) / 1024.0);
        if (std::string(c.name) != kYardstick.name && f.bareMedian > 0 && f.bareCpuMedian > 0)
            std::printf("; %.2f x the bare window's %.1f ms beside it (CPU %.2f x)",
                        f.median / f.bareMedian, f.bareMedian * 1e3, f.cpuMedian / f.bareCpuMedian);
        if (const auto bare = figures.find(kYardstick.name);
            std::string(c.name) != kYardstick.name && bare != figures.end())
            std::printf(", %+.1f MiB",
                        static_cast<double>(f.peakKb - bare->second.peakKb) / 1024.0);
        std::printf("\n");
    }
    std::printf("goal: omenwise_main_window at most 1.5 x the bare window\n");
    std::printf(
        "goal: omenwise_unreachable_server at most 1.5 x, omenwise_answering_server at most"
        " 2 x the bare window; both at most 30 MiB above its peak memory\n");
    return 0;
}
