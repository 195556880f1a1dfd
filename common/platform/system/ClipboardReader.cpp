#include "common/platform/system/ClipboardReader.h"

// Qt before Xlib, whose macros clash with Qt names.
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QStringDecoder>
#include <QTimer>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstring>

namespace {
// Requests take turns with these receiving windows, so that a late answer
// to an abandoned request, a refusal included, cannot pass for the answer to
// the current one.
constexpr int kRequestorCount = 8;
// Never mapped: it only receives the owner's answers.
Window newRequestor(Display* display)
{
    return XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
}
} // namespace

struct ClipboardReader::Connection {
    Display* display = nullptr;
    Window requestors[kRequestorCount] = {};
    int nextRequestor = 0;
    Atom selection = 0;
    Atom utf8String = 0;
    Atom plainUtf8 = 0; // what drag sources name UTF-8 text
    Atom text = 0;
    Atom incr = 0;
    Atom property = 0;
    Window requestor = 0; // of the pending request
    Atom target = 0;      // of the pending request

    // The text types asked for in turn while the owner refuses: some owners
    // offer only one of them.
    Atom nextTarget(Atom refused) const
    {
        if (refused == utf8String)
            return plainUtf8;
        if (refused == plainUtf8)
            return XA_STRING;
        return None;
    }
};

ClipboardReader& ClipboardReader::instance(Selection selection)
{
    static QPointer<ClipboardReader> readers[3];
    const auto index = static_cast<std::size_t>(selection);
    if (!readers[index])
        readers[index] = new ClipboardReader(selection, QCoreApplication::instance());
    return *readers[index];
}

bool ClipboardReader::servesThisPlatform()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

ClipboardReader::ClipboardReader(Selection selection, QObject* parent)
    : QObject(parent), m_selection(selection)
{
    m_giveUp = new QTimer(this);
    m_giveUp->setSingleShot(true);
    m_giveUp->setInterval(kGiveUpAfter);
    connect(m_giveUp, &QTimer::timeout, this, [this] { answer(QString()); });
    // Xlib may take an answer off the socket while it sends a request, and
    // then nothing tells the socket notifier of it: until the answer comes,
    // the connection is also looked at after 2, 4, 8... milliseconds.
    m_lookAgain = new QTimer(this);
    m_lookAgain->setSingleShot(true);
    connect(m_lookAgain, &QTimer::timeout, this, [this] {
        takeEvents();
        if (pending())
            m_lookAgain->start(std::min(2 * m_lookAgain->interval(), 250));
    });
}

ClipboardReader::~ClipboardReader()
{
    if (m_x) {
        delete m_readable;
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
    for (Window& requestor : m_x->requestors)
        requestor = newRequestor(display);
    static constexpr const char* kNames[] = {"CLIPBOARD", "PRIMARY", "XdndSelection"};
    m_x->selection = XInternAtom(display, kNames[static_cast<int>(m_selection)], False);
    m_x->utf8String = XInternAtom(display, "UTF8_STRING", False);
    m_x->plainUtf8 = XInternAtom(display, "text/plain;charset=utf-8", False);
    m_x->text = XInternAtom(display, "TEXT", False);
    m_x->incr = XInternAtom(display, "INCR", False);
    m_x->property = XInternAtom(display, "KESTRIN_CLIPBOARD", False);
    m_readable = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read);
    connect(m_readable, &QSocketNotifier::activated, this, &ClipboardReader::takeEvents);
    return true;
}

void ClipboardReader::request(unsigned long target)
{
    m_x->target = target;
    m_x->requestor = m_x->requestors[m_x->nextRequestor];
    m_x->nextRequestor = (m_x->nextRequestor + 1) % kRequestorCount;
    XDeleteProperty(m_x->display, m_x->requestor, m_x->property);
    XConvertSelection(m_x->display, m_x->selection, target, m_x->property, m_x->requestor,
                      CurrentTime);
    XFlush(m_x->display);
    m_giveUp->start();
    m_lookAgain->start(2);
}

void ClipboardReader::refresh()
{
    if (!pending() && open())
        request(m_x->utf8String);
}

void ClipboardReader::changedHands()
{
    // An answer on its way is the old owner's. The last answer stands until
    // the new owner's comes, so that a clipboard manager taking over a copy
    // does not look, for a moment, like an empty clipboard.
    m_giveUp->stop();
    refresh();
}

void ClipboardReader::remember(const QString& text)
{
    m_giveUp->stop();
    m_latest = text;
}

QString ClipboardReader::latest()
{
    takeEvents();
    return m_latest;
}

void ClipboardReader::fetch(QObject* context, std::function<void(const QString&)> done)
{
    if (!open()) {
        done(QString());
        return;
    }
    // Each drag has a text of its own: a request for the last one's is given
    // up. Otherwise a request on its way asks for the same text.
    if (m_selection == Selection::Drag)
        notifyWaiters(QString()); // the last answer stays
    m_waiters.append({context, std::move(done)});
    refresh();
    if (m_selection == Selection::Drag) {
        // A drag source may stop offering its text once told that the drop
        // is over, which Qt does right after the drop's event: a round trip
        // to the X server, never to the owner, puts the request ahead of it.
        XSync(m_x->display, False);
        takeEvents();
    }
}

bool ClipboardReader::pending() const { return m_giveUp->isActive(); }

void ClipboardReader::answer(const QString& text)
{
    m_latest = text;
    notifyWaiters(text);
}

void ClipboardReader::notifyWaiters(const QString& text)
{
    m_giveUp->stop();
    const QList<Waiter> waiters = std::exchange(m_waiters, {});
    for (const Waiter& waiter : waiters)
        if (waiter.context)
            waiter.done(text);
}

void ClipboardReader::takeEvents()
{
    if (!m_x)
        return;
    // XPending reads what the socket holds without waiting for more.
    while (XPending(m_x->display) > 0) {
        XEvent event;
        XNextEvent(m_x->display, &event);
        if (!pending() || event.type != SelectionNotify)
            continue;
        const XSelectionEvent& reply = event.xselection;
        if (reply.requestor != m_x->requestor || reply.selection != m_x->selection ||
            reply.target != m_x->target)
            continue;
        if (reply.property == None) {
            if (const Atom next = m_x->nextTarget(m_x->target)) {
                request(next);
                continue;
            }
            answer(QString());
            continue;
        }
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long bytesAfter = 0;
        unsigned char* data = nullptr;
        const int status = XGetWindowProperty(m_x->display, m_x->requestor, m_x->property, 0,
                                              kMaxTextBytes / 4, False, AnyPropertyType, &type,
                                              &format, &count, &bytesAfter, &data);
        // Some owners answer any request with what they hold, a picture
        // say. A transfer in pieces (INCR) is only offered for large data.
        const bool isText = type == m_x->utf8String || type == m_x->plainUtf8 ||
                            type == m_x->text || type == XA_STRING;
        QString text;
        if (status == Success && data && format == 8 && isText) {
            const auto size = static_cast<std::size_t>(count);
            const auto* bytes = reinterpret_cast<const char*>(data);
            const auto length = static_cast<qsizetype>(strnlen(bytes, size));
            if (bytesAfter == 0 || static_cast<std::size_t>(length) < size) {
                if (type == XA_STRING) {
                    text = QString::fromLatin1(bytes, length);
                } else {
                    QStringDecoder utf8(QStringDecoder::Utf8);
                    text = utf8(QByteArrayView(bytes, length));
                    // Replacement characters would paste as garbage.
                    if (utf8.hasError())
                        text.clear();
                }
            }
        }
        if (data)
            XFree(data);
        if (type == m_x->incr) {
            // Deleting the property would start the transfer, megabytes the
            // X server then copies while every client waits; a new window in
            // this one's place ends it before it begins.
            Window& slot = *std::find(std::begin(m_x->requestors), std::end(m_x->requestors),
                                      m_x->requestor);
            XDestroyWindow(m_x->display, slot);
            slot = newRequestor(m_x->display);
        } else {
            XDeleteProperty(m_x->display, m_x->requestor, m_x->property);
        }
        answer(text);
    }
}

bool ClipboardReader::empty()
{
    m_giveUp->stop();
    if (!open())
        return false;
    // The current server time always wins over the owner's; Qt's own
    // request carries the time of the last event it saw, which loses to a
    // program that copied since.
    XSetSelectionOwner(m_x->display, m_x->selection, None, CurrentTime);
    const bool emptied = XGetSelectionOwner(m_x->display, m_x->selection) == None;
    if (emptied)
        answer(QString());
    else
        refresh();
    // The round trip may have brought events that the socket will not
    // announce again.
    takeEvents();
    return emptied;
}
