#include "bench/Driver.h"

#include "app/CLauncherDlg.h"
#include "common/resources/Resources.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <unistd.h>

extern char** environ;

using namespace std::chrono;

namespace {
QString layoutTitle(int layoutId)
{
    const auto layout = Resources::LoadLayout(layoutId);
    if (!layout)
        throw std::runtime_error("the program has no layout " + std::to_string(layoutId));
    return layout->title;
}
} // namespace

const QList<Tutorial>& tutorials()
{
    static const QList<Tutorial> list = {
        {QStringLiteral("Copy and Paste"), 1003, layoutTitle(CCopyPasteTutorialDlg::kLayoutId)},
        {QStringLiteral("Drag and Drop"), 1004, layoutTitle(CDragDropTutorialDlg::kLayoutId)},
        {QStringLiteral("Double Click"), 1005, layoutTitle(CDoubleClickTutorialDlg::kLayoutId)},
    };
    return list;
}

QString launcherTitle() { return layoutTitle(CLauncherDlg::kLayoutId); }

XSession::XSession() : m_display(XOpenDisplay(nullptr))
{
    if (!m_display)
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    // Windows appearing; and the answers to pings, which Qt sends to the root
    // window for its structure events.
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask | StructureNotifyMask);
    XSync(m_display, False);
}

XSession::~XSession() { XCloseDisplay(m_display); }

bool XSession::nextEvent(Clock::time_point deadline, XEvent* event)
{
    for (;;) {
        if (XPending(m_display)) {
            XNextEvent(m_display, event);
            return true;
        }
        // Rounded up: waiting a little long is harmless, ending early is not.
        const auto left = ceil<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

QString XSession::title(unsigned long window)
{
    const Atom name = XInternAtom(m_display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    QString result;
    if (XGetWindowProperty(m_display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        result = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(count));
        XFree(data);
    }
    return result;
}

pid_t XSession::windowPid(unsigned long window)
{
    const Atom pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(m_display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (count == 1)
            pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
    }
    return pid;
}

unsigned long XSession::waitForMapped(pid_t pid, const QString& wanted, int timeoutMs,
                                      Clock::time_point* when)
{
    const auto deadline = Clock::now() + milliseconds(timeoutMs);
    XEvent event;
    while (nextEvent(deadline, &event)) {
        if (event.type != MapNotify)
            continue;
        const auto mappedAt = Clock::now();
        const Window window = event.xmap.window;
        if (windowPid(window) == pid && title(window) == wanted) {
            if (when)
                *when = mappedAt;
            return window;
        }
    }
    return 0;
}

bool XSession::waitForGone(unsigned long window, int timeoutMs)
{
    const auto deadline = Clock::now() + milliseconds(timeoutMs);
    XEvent event;
    while (nextEvent(deadline, &event)) {
        if ((event.type == UnmapNotify && event.xunmap.window == window) ||
            (event.type == DestroyNotify && event.xdestroywindow.window == window))
            return true;
    }
    return false;
}

QPoint XSession::origin(unsigned long window)
{
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return {x, y};
}

QSize XSession::size(unsigned long window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(m_display, window, &attributes))
        return {};
    return {attributes.width, attributes.height};
}

std::optional<Clock::duration> XSession::ping(unsigned long window, int timeoutMs)
{
    static long serial = 0;
    const long sent = ++serial;
    const Atom protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    const Atom pingAtom = XInternAtom(m_display, "_NET_WM_PING", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(pingAtom);
    event.xclient.data.l[1] = sent; // a time stamp to the protocol, a serial here
    event.xclient.data.l[2] = static_cast<long>(window);
    const auto start = Clock::now();
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
    // The answer is the same message sent back to the root window.
    const auto deadline = start + milliseconds(timeoutMs);
    while (nextEvent(deadline, &event)) {
        if (event.type == ClientMessage && event.xclient.message_type == protocols &&
            static_cast<Atom>(event.xclient.data.l[0]) == pingAtom &&
            event.xclient.data.l[1] == sent)
            return Clock::now() - start;
    }
    return std::nullopt;
}

QPoint controlCentre(int layoutId, int controlId)
{
    static QHash<QPair<int, int>, QPoint> centres;
    const QPair<int, int> key(layoutId, controlId);
    if (!centres.contains(key)) {
        CDialog window(layoutId);
        if (!window.Create())
            throw std::runtime_error("cannot build layout " + std::to_string(layoutId));
        QWidget* control = window.GetDlgItem(controlId);
        if (!control)
            throw std::runtime_error("layout " + std::to_string(layoutId) + " has no control " +
                                     std::to_string(controlId));
        centres.insert(key, control->geometry().center());
        window.hide();
    }
    return centres.value(key);
}

QPoint launcherButtonCentre(int buttonId) { return controlCentre(CLauncherDlg::kLayoutId, buttonId); }

void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    static QTemporaryDir dir;  // created with mode 0700, as Qt requires
    if (dir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
}

pid_t startProgram(const QString& path, const QStringList& environment)
{
    const QByteArray file = QFile::encodeName(path);
    char* argv[] = {const_cast<char*>(file.constData()), nullptr};
    // The windows are found by their English titles, whatever the machine's
    // language; the first of two entries is the one a program reads.
    QList<QByteArray> added{QByteArrayLiteral("LANGUAGE=en")};
    std::vector<char*> envp;
    for (const QString& entry : environment)
        added.append(entry.toLocal8Bit());
    for (QByteArray& entry : added)
        envp.push_back(entry.data());
    for (char** entry = environ; *entry; ++entry)
        envp.push_back(*entry);
    envp.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, file.constData(), nullptr, nullptr, argv, envp.data()) != 0)
        throw std::runtime_error("cannot start " + file.toStdString());
    return pid;
}

bool reap(pid_t pid, int timeoutMs)
{
    const auto deadline = Clock::now() + milliseconds(timeoutMs);
    int status = 0;
    while (Clock::now() < deadline) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return false;
        std::this_thread::sleep_for(milliseconds(5));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return false;
}

long residentKiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

namespace {
// Time on a CPU of each live thread of the process, by thread id.
QHash<QString, nanoseconds> threadCpuTimes(pid_t pid)
{
    QHash<QString, nanoseconds> times;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            times.insert(task, nanoseconds(stat.readAll().split(' ').value(0).toLongLong()));
    }
    return times;
}
} // namespace

nanoseconds cpuTimeDuring(pid_t pid, Clock::duration span)
{
    const auto before = threadCpuTimes(pid);
    std::this_thread::sleep_for(span);
    nanoseconds used{0};
    // A thread that ended meanwhile takes its share along (Qt's pool lets
    // idle threads go after 30 s): only the threads still there count.
    const auto after = threadCpuTimes(pid);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        used += it.value() - before.value(it.key(), nanoseconds(0));
    return used;
}
