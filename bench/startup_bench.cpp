#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct StartTime {
    double Wall = -1;   ///< negative when the program could not be started or never said so
    double Cpu = 0;     ///< user and system time of the whole process
};

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// From starting the desktop program (offscreen) until it reports that its windows have first
/// been painted. The processor time tells the program's own cost apart from a busy machine's.
StartTime TimeOneStart() {
    int output[2];
    if (::pipe(output) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0) environment.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = QUORVANE_APP_EXE;
    std::string flag = "--benchmark";
    char* argv[] = {program.data(), flag.data(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return {};
    }
    std::string said;
    char buffer[64];
    ssize_t got = 0;
    while (said.find("painted\n") == std::string::npos && (got = ::read(output[0], buffer, sizeof buffer)) > 0)
        said.append(buffer, static_cast<std::size_t>(got));
    const auto painted = std::chrono::steady_clock::now();
    ::close(output[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (said.find("painted\n") == std::string::npos) return {};
    return {std::chrono::duration<double>(painted - start).count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

void DesktopStartUp(benchmark::State& state) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (auto _ : state) {
        const StartTime t = TimeOneStart();
        if (t.Wall < 0) {
            state.SkipWithError("the desktop program did not report its first paint");
            return;
        }
        state.SetIterationTime(t.Wall);
        wall.push_back(t.Wall);
        cpu.push_back(t.Cpu);
    }
    state.counters["median_s"] = Median(wall);
    state.counters["median_cpu_s"] = Median(cpu);
}

}  // namespace

// Ten starts from process start to the first paint of the main window with its child windows.
BENCHMARK(DesktopStartUp)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
