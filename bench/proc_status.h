// SPDX-FileCopyrightText: 2026 Quorvane
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of a process from /proc: memory in KiB, processor time in seconds.
#pragma once

#include <string>

#include <sys/types.h>

namespace trompalo::bench {

// A "Name:  value kB" field of /proc/PID/status (VmRSS, VmHWM, ...), in KiB;
// -1 when it cannot be read. pid 0: this process.
long statusKiB(const char* field, pid_t pid = 0);

// utime + stime of /proc/PID/stat (every thread), in seconds; -1 when unreadable.
double cpuSeconds(pid_t pid = 0);

// "12.3 MiB" for a figure in KiB.
std::string mebibytes(long kib);

} // namespace trompalo::bench
