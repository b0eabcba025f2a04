// Start-up benchmark: the time from starting the client process to its login window being
// shown, and the process's peak memory. Each run forks and execs startup_probe, which runs the
// real start-up sequence and writes one byte to a pipe once the login window is painted. The
// clock (CLOCK_MONOTONIC) starts before the fork; peak memory is the child's maximum resident
// set size from wait4(). Runs on whatever display Qt finds (xvfb-run, a desktop, or
// QT_QPA_PLATFORM=offscreen). The first run warms the caches and is not counted.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0.0;
    double peakMegabytes = 0.0;
};

double nowMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

bool runOnce(const char* probe, Run& run)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;

    const double start = nowMilliseconds();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execl(probe, probe, fd.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char shown = 0;
    const bool reported = read(fds[0], &shown, 1) == 1;
    run.milliseconds = nowMilliseconds() - start;
    close(fds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
    return reported && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename Field> double median(std::vector<Run> runs, Field field)
{
    std::sort(runs.begin(), runs.end(), [&](const Run& a, const Run& b) { return a.*field < b.*field; });
    const std::size_t middle = runs.size() / 2;
    return runs.size() % 2 ? runs[middle].*field : (runs[middle - 1].*field + runs[middle].*field) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 15;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");

    std::vector<Run> runs;
    for (int i = 0; i <= count; ++i) {
        Run run;
        if (!runOnce(TALVENOR_STARTUP_PROBE, run)) {
            std::fprintf(stderr, "startup_probe failed (is a display available? try xvfb-run)\n");
            return EXIT_FAILURE;
        }
        if (i > 0)
            runs.push_back(run);
    }

    const auto [fastest, slowest] = std::minmax_element(
        runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.milliseconds < b.milliseconds; });
    const auto largest = std::max_element(
        runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.peakMegabytes < b.peakMegabytes; });
    std::printf("platform: %s\n", platform ? platform : (display ? "xcb" : "default"));
    std::printf("start-up to login window shown, %d runs: median %.1f ms (min %.1f, max %.1f); target < 150 ms\n",
        count, median(runs, &Run::milliseconds), fastest->milliseconds, slowest->milliseconds);
    std::printf("peak memory (max RSS): median %.1f MB (max %.1f); target < 40 MB\n", median(runs, &Run::peakMegabytes),
        largest->peakMegabytes);
    return EXIT_SUCCESS;
}
