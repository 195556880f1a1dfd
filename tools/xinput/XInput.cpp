#include "tools/xinput/XInput.h"

#include <QCoreApplication>
#include <QCursor>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>
#include <vector>

namespace {

Display* display()
{
    static Display* dpy = [] {
        Display* d = XOpenDisplay(nullptr);
        if (!d)
            throw std::runtime_error("no X display for real input");
        return d;
    }();
    return dpy;
}

void flush() { XSync(display(), False); }

} // namespace

namespace XInput {

void requestClose(unsigned long window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display(), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display(), window, False, NoEventMask, &event);
    flush();
}

void giveFocus(unsigned long window)
{
    XSetInputFocus(display(), window, RevertToParent, CurrentTime);
    flush();
}

void sendMotion(const QPoint& global)
{
    XTestFakeMotionEvent(display(), -1, global.x(), global.y(), CurrentTime);
    flush();
}

void moveTo(const QPoint& global)
{
    sendMotion(global);
    waitFor([&] { return QCursor::pos() == global; }, 2000);
    settle();
}

void press(int button)
{
    XTestFakeButtonEvent(display(), static_cast<unsigned>(button), True, CurrentTime);
    flush();
}

void release(int button)
{
    XTestFakeButtonEvent(display(), static_cast<unsigned>(button), False, CurrentTime);
    flush();
}

void click(const QPoint& global, int button)
{
    moveTo(global);
    press(button);
    release(button);
}

void keys(const QString& combination)
{
    std::vector<KeyCode> codes;
    for (const QString& name : combination.split('+')) {
        QString keysym = name;
        if (name.compare("ctrl", Qt::CaseInsensitive) == 0)
            keysym = "Control_L";
        else if (name.compare("shift", Qt::CaseInsensitive) == 0)
            keysym = "Shift_L";
        else if (name.compare("alt", Qt::CaseInsensitive) == 0)
            keysym = "Alt_L";
        const KeySym sym = XStringToKeysym(keysym.toLatin1().constData());
        const KeyCode code = XKeysymToKeycode(display(), sym);
        if (code == 0)
            throw std::runtime_error("unknown key " + keysym.toStdString());
        codes.push_back(code);
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(display(), code, True, CurrentTime);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        XTestFakeKeyEvent(display(), *it, False, CurrentTime);
    flush();
}

QPoint centreOf(const QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

void settle()
{
    flush();
    // A round trip through Qt's own connection: when the server has answered
    // it, the events sent before it have at least left the server.
    QCursor::pos();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace XInput
