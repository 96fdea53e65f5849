// SPDX-License-Identifier: MIT
// Starts the program and the bare window in turn, from outside, and compares the time from just
// before fork() to each one's first completed paint, and then their peak resident memory. Both
// children print on the steady clock (CLOCK_MONOTONIC on Linux), the clock read here.
//
// Usage: launch_probe <starts> <startup_probe> <bare_window>

#include "Report.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int warmUpStarts = 2; // fill the page cache and the font caches first
constexpr int memoryRuns = 5;
constexpr int childTimeoutMs = 30000;
constexpr double allowedStartRatio = 1.10;
constexpr double allowedMemoryRatio = 1.5;

struct Report {
    double firstPaintMs = NAN; // since just before fork()
    long vmhwmKb = -1;
};

long long steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reads the child's "first-paint" and "vmhwm" lines until it exits; nothing when it fails.
std::optional<Report> readReport(pid_t child, int output, long long started)
{
    Report report;
    std::string pending;
    char buffer[512];
    for (;;) {
        pollfd ready{output, POLLIN, 0};
        if (poll(&ready, 1, childTimeoutMs) <= 0) {
            std::fprintf(stderr, "launch_probe: no report within %d ms\n", childTimeoutMs);
            kill(child, SIGKILL);
            break;
        }
        const ssize_t count = read(output, buffer, sizeof buffer);
        if (count <= 0)
            break;
        pending.append(buffer, static_cast<std::size_t>(count));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.starts_with("first-paint "))
                report.firstPaintMs = double(std::stoll(line.substr(12)) - started) / 1e6;
            else if (line.starts_with("vmhwm "))
                report.vmhwmKb = std::stol(line.substr(6));
        }
    }
    close(output);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "launch_probe: child ended with status %d\n", status);
        return std::nullopt;
    }
    return report;
}

// The bare window takes no argument and ignores the mode.
std::optional<Report> launch(const char* program, const char* mode)
{
    char* arguments[] = {const_cast<char*>(program), const_cast<char*>(mode), nullptr};
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;

    const long long started = steadyNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(program, arguments);
        _exit(127);
    }
    close(pipeEnds[1]);
    if (child < 0) {
        close(pipeEnds[0]);
        return std::nullopt;
    }
    return readReport(child, pipeEnds[0], started);
}

void describe(const char* who, const std::vector<double>& samples)
{
    std::printf("  %-12s median %9.1f   min %9.1f   max %9.1f\n", who, bench::median(samples),
                *std::min_element(samples.begin(), samples.end()),
                *std::max_element(samples.begin(), samples.end()));
}

// Each run's figure for the program and for the bare window.
struct Samples {
    std::vector<double> program;
    std::vector<double> bare;
};

// Times each start to its first paint, in turn; nothing when one reports none.
std::optional<Samples> timeStarts(int starts, const char* program, const char* bare)
{
    Samples times;
    for (int run = -warmUpStarts; run < starts; ++run) {
        // Alternate which goes first, so that neither always follows the other.
        const bool programFirst = run % 2 == 0;
        for (const bool isProgram : {programFirst, !programFirst}) {
            const auto report = launch(isProgram ? program : bare, "exit");
            if (!report || std::isnan(report->firstPaintMs)) {
                std::fprintf(stderr, "launch_probe: %s reported no first paint\n",
                             isProgram ? program : bare);
                return std::nullopt;
            }
            if (run >= 0)
                (isProgram ? times.program : times.bare).push_back(report->firstPaintMs);
        }
    }

    std::printf("Start-up, timed from outside (launch_probe): fork() to the end of the first "
                "paint, %d starts each in turn after %d uncounted, in ms:\n",
                starts, warmUpStarts);
    describe("bare window", times.bare);
    describe("battle-tesh", times.program);
    std::fflush(stdout);
    return times;
}

// The program with every window open against the bare window; nothing when one reports no peak.
std::optional<Samples> measurePeaks(const char* program, const char* bare)
{
    Samples peaks;
    for (int run = 0; run < memoryRuns; ++run) {
        const auto programReport = launch(program, "all-windows");
        const auto bareReport = launch(bare, "exit");
        if (!programReport || !bareReport || programReport->vmhwmKb < 0 ||
            bareReport->vmhwmKb < 0) {
            std::fprintf(stderr, "launch_probe: no peak memory reported\n");
            return std::nullopt;
        }
        peaks.program.push_back(double(programReport->vmhwmKb));
        peaks.bare.push_back(double(bareReport->vmhwmKb));
    }

    std::printf("Peak resident memory, VmHWM as each process reads it, %d runs each, in kB: "
                "battle-tesh itself\n(startup_probe all-windows) with every window "
                "open and painted, the bare window after its first paint:\n",
                memoryRuns);
    describe("bare window", peaks.bare);
    describe("battle-tesh", peaks.program);
    return peaks;
}

// The program's median against the bare window's, each written with `pattern` and the unit;
// whether their ratio stays within the allowed one.
bool holds(const char* what, const Samples& samples, const char* pattern, const char* unit,
           double allowedRatio)
{
    const double program = bench::median(samples.program);
    const double bare = bench::median(samples.bare);
    const std::string measured = bench::format(pattern, program) + " " + unit + " (bare " +
                                 bench::format(pattern, bare) + ")";
    return bench::reportAgainstBare(what, measured, program / bare, allowedRatio);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: launch_probe <starts> <startup_probe> <bare_window>\n");
        return 2;
    }
    const char* program = argv[2];
    const char* bare = argv[3];
    const std::optional<Samples> starts = timeStarts(std::atoi(argv[1]), program, bare);
    if (!starts)
        return 2;
    const std::optional<Samples> peaks = measurePeaks(program, bare);
    if (!peaks)
        return 2;
    std::printf("\n");
    bench::printHeader();
    const bool startHeld =
        holds("start to splash painted (median)", *starts, "%.1f", "ms", allowedStartRatio);
    const bool memoryHeld =
        holds("peak memory, every window open (median)", *peaks, "%.0f", "kB", allowedMemoryRatio);
    return startHeld && memoryHeld ? 0 : 1;
}
