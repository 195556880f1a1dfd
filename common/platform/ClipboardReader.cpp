#include "common/platform/ClipboardReader.h"

// Qt before Xlib, whose macros clash with Qt names.
#include <QByteArray>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>

#include <cstring>

namespace {
using Clock = std::chrono::steady_clock;
// Requests take turns with these properties, so that a late answer to an
// abandoned request cannot pass for the answer to the current one.
constexpr int kPropertyCount = 8;
} // namespace

struct ClipboardReader::Connection {
    Display* display = nullptr;
    Window window = 0;
    Atom clipboard = 0;
    Atom utf8String = 0;
    Atom incr = 0;
    Atom properties[kPropertyCount] = {};
    int nextProperty = 0;
    Atom property = 0; // of the pending request
    Atom target = 0;   // of the pending request
};

ClipboardReader& ClipboardReader::instance()
{
    static ClipboardReader reader;
    return reader;
}

ClipboardReader::~ClipboardReader()
{
    if (m_x) {
        XDestroyWindow(m_x->display, m_x->window);
        XCloseDisplay(m_x->display);
        delete m_x;
    }
}

bool ClipboardReader::open()
{
    if (m_x || m_openFailed)
        return m_x;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        m_openFailed = true;
        return false;
    }
    m_x = new Connection;
    m_x->display = display;
    // Never mapped: it only receives the owner's answers.
    m_x->window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    m_x->clipboard = XInternAtom(display, "CLIPBOARD", False);
    m_x->utf8String = XInternAtom(display, "UTF8_STRING", False);
    m_x->incr = XInternAtom(display, "INCR", False);
    for (int i = 0; i < kPropertyCount; ++i)
        m_x->properties[i] = XInternAtom(
            display, ("KESTRIN_CLIPBOARD_" + QByteArray::number(i)).constData(), False);
    return true;
}

void ClipboardReader::request(unsigned long target)
{
    m_x->target = target;
    m_x->property = m_x->properties[m_x->nextProperty];
    m_x->nextProperty = (m_x->nextProperty + 1) % kPropertyCount;
    XDeleteProperty(m_x->display, m_x->window, m_x->property);
    XConvertSelection(m_x->display, m_x->clipboard, target, m_x->property, m_x->window,
                      CurrentTime);
    XFlush(m_x->display);
    m_pending = true;
    m_askedAt = Clock::now();
}

std::optional<QString> ClipboardReader::takeAnswer()
{
    while (m_pending && XPending(m_x->display) > 0) {
        XEvent event;
        XNextEvent(m_x->display, &event);
        if (event.type != SelectionNotify)
            continue;
        const XSelectionEvent& answer = event.xselection;
        if (answer.selection != m_x->clipboard || answer.target != m_x->target)
            continue;
        if (answer.property == None) {
            // Refused: some owners offer only the older Latin-1 text.
            if (m_x->target == m_x->utf8String) {
                request(XA_STRING);
                continue;
            }
            m_pending = false;
            return QString();
        }
        if (answer.property != m_x->property)
            continue;
        m_pending = false;

        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long bytesAfter = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(m_x->display, m_x->window, m_x->property, 0,
                                              kMaxTextBytes / 4, True, AnyPropertyType, &type,
                                              &format, &count, &bytesAfter, &data);
        QString text;
        // A transfer in pieces (INCR) is only offered for large data.
        if (status == Success && data && format == 8 && type != m_x->incr) {
            const auto size = static_cast<std::size_t>(count);
            const auto* bytes = reinterpret_cast<const char*>(data);
            const std::size_t length = strnlen(bytes, size);
            if (bytesAfter == 0 || length < size) {
                text = type == XA_STRING
                           ? QString::fromLatin1(bytes, static_cast<qsizetype>(length))
                           : QString::fromUtf8(bytes, static_cast<qsizetype>(length));
            }
        }
        if (data)
            XFree(data);
        if (bytesAfter > 0)
            XDeleteProperty(m_x->display, m_x->window, m_x->property);
        return text;
    }
    return std::nullopt;
}

QString ClipboardReader::read()
{
    if (!open())
        return QString();
    if (m_pending) {
        if (std::optional<QString> late = takeAnswer())
            return *late;
        if (Clock::now() - m_askedAt < kGiveUpAfter)
            return QString();
        m_pending = false;
    }

    request(m_x->utf8String);
    const Clock::time_point deadline = Clock::now() + kWaitBound;
    for (;;) {
        if (std::optional<QString> answer = takeAnswer())
            return *answer;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return QString();
        pollfd socket{ConnectionNumber(m_x->display), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(left.count()) + 1);
    }
}

bool ClipboardReader::empty()
{
    m_pending = false;
    if (!open())
        return false;
    // The current server time always wins over the owner's; Qt's own
    // request carries the time of the last event it saw, which loses to a
    // program that copied since.
    XSetSelectionOwner(m_x->display, m_x->clipboard, None, CurrentTime);
    return XGetSelectionOwner(m_x->display, m_x->clipboard) == None;
}
