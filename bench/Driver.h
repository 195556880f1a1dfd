#pragma once

// Drives the real `kestrin` program from outside, as a user would: starts it,
// sees its windows appear through the X server and times its answers; the
// clicks and close requests themselves come from tools/xinput.

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <sys/types.h>

using Clock = std::chrono::steady_clock;

struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name

struct Tutorial {
    QString name;   // as the table prints it
    int buttonId;   // the launcher's button that opens it
    QString title;  // its window's caption, from the program's own layout
};

// The three tutorials in the launcher's order.
const QList<Tutorial>& tutorials();

QString launcherTitle();

class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Waits for a top-level window of process `pid` captioned `wanted` to be
    // mapped; returns its id and the moment the server reported it, or 0.
    unsigned long waitForMapped(pid_t pid, const QString& wanted, int timeoutMs,
                                Clock::time_point* when = nullptr);
    bool waitForGone(unsigned long window, int timeoutMs);

    QPoint origin(unsigned long window);
    QSize size(unsigned long window);
    // Asks the window's program whether it is alive (_NET_WM_PING, which Qt
    // answers on its user-interface thread); the time the answer took, or
    // nothing when none came within timeoutMs.
    std::optional<Clock::duration> ping(unsigned long window, int timeoutMs);

    _XDisplay* display() const { return m_display; }

private:
    // NOLINTNEXTLINE(bugprone-reserved-identifier): Xlib's own name
    bool nextEvent(Clock::time_point deadline, union _XEvent* event);
    QString title(unsigned long window);
    pid_t windowPid(unsigned long window);

    _XDisplay* m_display;
};

// Where a control sits inside its window. The window is built in this
// process from the same layout and fonts as the program's, so the geometry
// is the program's own whatever the layout says.
QPoint controlCentre(int layoutId, int controlId);
QPoint launcherButtonCentre(int buttonId);

// Qt warns on every start when the session has no runtime folder (as under
// a bare Xvfb); gives this process and the programs it starts a private one.
void provideRuntimeDir();

// `environment` adds NAME=value entries to this process's environment.
pid_t startProgram(const QString& path, const QStringList& environment = {});
// Waits up to timeoutMs for the process to end, then kills it. True if it
// ended by itself with status 0.
bool reap(pid_t pid, int timeoutMs);

long residentKiB(pid_t pid);
// Time the process's threads spent on a CPU while `span` passed, to the
// nanosecond (the kernel's scheduler counters per thread; /proc/<pid>/stat
// counts in 10 ms ticks, too coarse for a program that should be near zero
// when idle).
std::chrono::nanoseconds cpuTimeDuring(pid_t pid, Clock::duration span);
