// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

#include "proc_status.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace trompalo::bench {

namespace {

std::string procFile(pid_t pid, const char* name) {
    return pid == 0 ? std::string("/proc/self/") + name
                    : "/proc/" + std::to_string(pid) + "/" + name;
}

} // namespace

long statusKiB(const char* field, pid_t pid) {
    std::ifstream status(procFile(pid, "status"));
    const std::string key = std::string(field) + ":";
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::istringstream value(line.substr(key.size()));
        long kib = -1;
        value >> kib;
        return kib;
    }
    return -1;
}

double cpuSeconds(pid_t pid) {
    std::ifstream stat(procFile(pid, "stat"));
    std::string text;
    std::getline(stat, text);
    // The command name may hold spaces: the fields follow its closing parenthesis.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            utime = std::stoull(field);
        if (i == 15)
            stime = std::stoull(field);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

std::string mebibytes(long kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(kib) / 1024.0);
    return text;
}

} // namespace trompalo::bench
