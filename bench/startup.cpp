// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// trompalo-startup [--runs N] GAME_PROBE MINIMAL_PROBE [MORE_PROBE]: starts each probe N
// times as a child process, in turn (after one warm-up start of each, not
// counted), and reports the median wall time from the spawn to the moment the
// probe's first window was painted, the ratio of the two medians, and the
// probes' peak memory (VmHWM) at that moment. The probes run on whatever
// display the environment gives them (bench/run: a virtual X display).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

double monotonic() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct Start {
    bool ok = false;
    double seconds = 0;
    long peakKiB = -1;
    long anonKiB = -1;
    long fileKiB = -1;
    std::string window;
};

// One start of a probe: spawn, wait for its "painted" line, reap it.
Start runOnce(const char* program) {
    Start result;
    int out[2];
    if (pipe(out) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The probes' own notes (the platform's warnings) are not part of the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const double spawned = monotonic();
    const int error = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(error));
        close(out[0]);
        return result;
    }
    std::string text;
    const double deadline = spawned + 20;
    while (text.find('\n') == std::string::npos && monotonic() < deadline) {
        pollfd wait{out[0], POLLIN, 0};
        if (poll(&wait, 1, 200) <= 0)
            continue;
        char buffer[512];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    const auto at = text.find("trompalo-probe: painted ");
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s did not report a painted window\n", program);
        return result;
    }
    double painted = 0;
    char window[128] = {};
    long peak = -1;
    long anon = -1;
    long file = -1;
    if (std::sscanf(text.c_str() + at,
                    "trompalo-probe: painted %lf %127s VmHWM %ld RssAnon %ld RssFile %ld", &painted,
                    window, &peak, &anon, &file) != 5)
        return result;
    result.anonKiB = anon;
    result.fileKiB = file;
    result.ok = true;
    result.seconds = painted - spawned;
    result.peakKiB = peak;
    result.window = window;
    return result;
}

template <class T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// What a probe stands for, by its program's name.
std::string nameOf(const char* program) {
    const std::string path(program);
    const std::string base = path.substr(path.rfind('/') + 1);
    if (base == "trompalo-probe-game")
        return "game (splash painted)";
    if (base == "trompalo-probe-minimal")
        return "minimal Qt window";
    if (base == "trompalo-probe-minimal-libs")
        return "minimal + game's libs";
    if (base == "trompalo-probe-minimal-text")
        return "minimal + a line of text";
    return base;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 20;
    std::vector<const char*> probes;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            probes.push_back(argv[i]);
    }
    if (probes.size() < 2 || probes.size() > 4 || runs < 1) {
        std::fprintf(stderr, "usage: trompalo-startup [--runs N] GAME_PROBE MINIMAL_PROBE "
                             "[MORE_BASELINE_PROBES (at most two)]\n");
        return 2;
    }
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up: %d starts of each probe, in turn, on %s\n", runs,
                platform && *platform ? platform
                                      : (display ? ("X display " + std::string(display)).c_str()
                                                 : "the default platform"));
    const int count = static_cast<int>(probes.size());
    std::vector<double> seconds[4];
    std::vector<long> peaks[4];
    std::vector<long> anons[4];
    std::vector<long> files[4];
    std::string windows[4];
    for (int round = -1; round < runs; ++round) {
        for (int p = 0; p < count; ++p) {
            const Start start = runOnce(probes[static_cast<std::size_t>(p)]);
            if (!start.ok)
                return 1;
            if (round < 0)
                continue; // warm-up
            seconds[p].push_back(start.seconds);
            peaks[p].push_back(start.peakKiB);
            anons[p].push_back(start.anonKiB);
            files[p].push_back(start.fileKiB);
            windows[p] = start.window;
        }
    }
    for (int p = 0; p < count; ++p) {
        const auto [low, high] = std::minmax_element(seconds[p].begin(), seconds[p].end());
        std::printf("start-up: %-22s median %7.1f ms (min %.1f, max %.1f), first window "
                    "painted: %s, VmHWM then %ld KiB (RssAnon %ld, RssFile %ld)\n",
                    nameOf(probes[static_cast<std::size_t>(p)]).c_str(), 1000 * median(seconds[p]),
                    1000 * *low, 1000 * *high, windows[p].c_str(), median(peaks[p]),
                    median(anons[p]), median(files[p]));
    }
    std::printf("start-up: ratio game / minimal %.2f (target: at most 1.5)\n",
                median(seconds[0]) / median(seconds[1]));
    std::printf("start-up: peak memory at the first paint, ratio game / minimal %.2f\n",
                static_cast<double>(median(peaks[0])) / static_cast<double>(median(peaks[1])));
    return 0;
}
