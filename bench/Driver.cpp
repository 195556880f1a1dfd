#include "bench/Driver.h"

#include "app/CLauncherDlg.h"
#include "common/resources/Resources.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
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
    int event, error, major, minor;
    if (!XTestQueryExtension(m_display, &event, &error, &major, &minor))
        throw std::runtime_error("the X server has no XTest extension");
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
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

void XSession::click(QPoint at)
{
    XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, Button1, False, CurrentTime);
    XFlush(m_display);
}

void XSession::requestClose(unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

QPoint launcherButtonCentre(int buttonId)
{
    static QHash<int, QPoint> centres;
    if (centres.isEmpty()) {
        CLauncherDlg launcher;
        if (!launcher.Create())
            throw std::runtime_error("cannot build the launcher's layout");
        for (const Tutorial& tutorial : tutorials()) {
            QWidget* button = launcher.GetDlgItem(tutorial.buttonId);
            if (!button)
                throw std::runtime_error("the launcher has no button for a tutorial");
            centres.insert(tutorial.buttonId, button->geometry().center());
        }
        launcher.hide();
    }
    return centres.value(buttonId);
}

void provideRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    static QTemporaryDir dir;  // created with mode 0700, as Qt requires
    if (dir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
}

pid_t startProgram(const QString& path)
{
    const QByteArray file = QFile::encodeName(path);
    char* argv[] = {const_cast<char*>(file.constData()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, file.constData(), nullptr, nullptr, argv, environ) != 0)
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

milliseconds cpuTime(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return milliseconds(-1);
    const QByteArray line = stat.readAll();
    // The command name may hold spaces; the fields after it are fixed.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const long ticks = fields.value(11).toLong() + fields.value(12).toLong();
    return milliseconds(ticks * 1000 / sysconf(_SC_CLK_TCK));
}
