// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the desktop benchmark reads from outside a running program: when its main window is mapped
// on the X server, its resident memory and the clock ticks of all its threads.
#include <QString>
#include <sys/types.h>
#include <vector>

struct xcb_connection_t;

namespace probe {

// Clock ticks (user + system) of every thread of `pid` that is alive now, from
// /proc/<pid>/task/*/stat, and of the whole process including threads that have ended.
struct Ticks {
    long long threads = 0;
    long long process = 0;
    QString busiest; // "name: ticks" of the thread that used most, for the report
};
Ticks ticks(pid_t pid);
Ticks difference(const Ticks& before, const Ticks& after);

// Whether a thread of `pid` has a name starting with `prefix` (SDL's audio thread: "SDLAudio").
bool hasThread(pid_t pid, const QByteArray& prefix);

// VmRSS of `pid` in MB.
double residentMegabytes(pid_t pid);

// Watches the X server for top-level windows being mapped.
class MapWatcher {
public:
    MapWatcher();
    ~MapWatcher();
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;
    bool connected() const { return m_connection != nullptr; }
    // Waits until a normal (not dialog) window of process `pid` is mapped; false on time-out.
    bool waitForMainWindow(pid_t pid, int timeoutMs);

private:
    bool isMainWindowOf(unsigned window, pid_t pid);
    unsigned atom(const char* name);

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    std::vector<unsigned> m_watched;
};

} // namespace probe
