// Start-up benchmark driver: launches each program RUNS times, in turn, and reports the time from
// launch to its first paint and its peak resident memory, with the ratios of each program to the
// first one named (the yardstick).
//
// usage: startup_driver RUNS YARDSTICK PROGRAM...
// Each program must print "first-paint <CLOCK_MONOTONIC ns>" after its first paint and end; the
// platform (QT_QPA_PLATFORM, DISPLAY) is the
// driver's own environment.
#include "quantile.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

struct Run {
    double paintMs = 0; // launch to first paint
    double exitMs = 0;  // launch to the end of the process
    double peakRssMiB = 0;
};

// One launch; exits the driver on any failure, since a figure without it would be wrong.
Run launch(const char* program)
{
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The program's own messages go to a file, shown only if the launch fails.
    char errors[] = "/tmp/startup-driver-XXXXXX";
    const int errorFile = mkstemp(errors);
    if (errorFile < 0) {
        std::perror("mkstemp");
        std::exit(2);
    }
    unlink(errors);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errorFile, STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    char* argv[] = {const_cast<char*>(program), nullptr};

    const long long start = monotonicNs();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(2);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);

    std::string output;
    char buffer[256];
    for (;;) {
        pollfd fd{out[0], POLLIN, 0};
        if (poll(&fd, 1, 30'000) <= 0) {
            std::fprintf(stderr, "%s did not paint within 30 s\n", program);
            kill(pid, SIGKILL);
            std::exit(2);
        }
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long end = monotonicNs();

    const auto at = output.find("first-paint ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: no first paint reported (status %d): %s\n", program, status,
                     output.c_str());
        lseek(errorFile, 0, SEEK_SET);
        ssize_t n = 0;
        while ((n = read(errorFile, buffer, sizeof buffer)) > 0)
            if (write(STDERR_FILENO, buffer, static_cast<std::size_t>(n)) < 0)
                break;
        std::exit(2);
    }
    close(errorFile);
    const long long painted = std::atoll(output.c_str() + at + std::strlen("first-paint "));
    return {static_cast<double>(painted - start) / 1e6, static_cast<double>(end - start) / 1e6,
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS YARDSTICK PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);

    // A first launch of each fills the file cache; it is not counted.
    for (const char* p : programs)
        launch(p);
    std::vector<std::vector<Run>> results(programs.size());
    for (int r = 0; r < runs; ++r)
        for (std::size_t k = 0; k < programs.size(); ++k) {
            // Each round starts with another program, so that none always follows the same one.
            const std::size_t i = (k + static_cast<std::size_t>(r)) % programs.size();
            results[i].push_back(launch(programs[i]));
        }

    std::printf("%-28s %10s %10s %10s %12s %10s %9s\n", "program", "paint med", "paint p90",
                "exit med", "peak RSS", "time ratio", "RSS ratio");
    double basePaint = 0, baseRss = 0;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::vector<double> paint, exit, rss;
        for (const Run& run : results[i]) {
            paint.push_back(run.paintMs);
            exit.push_back(run.exitMs);
            rss.push_back(run.peakRssMiB);
        }
        const double paintMedian = quantile(paint, 0.5);
        const double rssMedian = quantile(rss, 0.5);
        if (i == 0) {
            basePaint = paintMedian;
            baseRss = rssMedian;
        }
        const char* name =
            std::strrchr(programs[i], '/') ? std::strrchr(programs[i], '/') + 1 : programs[i];
        std::printf("%-28s %8.1f ms %7.1f ms %7.1f ms %8.1f MiB %10.2f %9.2f\n", name, paintMedian,
                    quantile(paint, 0.9), quantile(exit, 0.5), rssMedian, paintMedian / basePaint,
                    rssMedian / baseRss);
    }
    std::printf("(%d runs each, medians; ratios against %s)\n", runs, programs[0]);
    return 0;
}
