#include "common/platform/dialog/WindowPlacement.h"
#include "common/platform/dialog/WaylandShell.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>

namespace {

// No window manager draws a border or title bar thicker than this; a larger
// "frame" is a measurement taken in the middle of reparenting.
constexpr int kThickestFrame = 256;

bool reasonable(const QMargins& m)
{
    const auto ok = [](int side) { return side >= 0 && side <= kThickestFrame; };
    return ok(m.left()) && ok(m.top()) && ok(m.right()) && ok(m.bottom());
}

// The X connection Qt uses, on the xcb platform only.
xcb_connection_t* xConnection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

QList<quint32> cardinals(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type, uint32_t most)
{
    QList<quint32> values;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, property, type, 0, most), nullptr);
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        values = QList<quint32>(data, data + count);
    }
    free(reply);
    return values;
}

// What the X side of placement needs, looked up once: the atoms, and whether
// the window manager running at start-up publishes frame extents at all.
struct X11Frames {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t extents = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    bool published = false;
    bool requestable = false;

    static const X11Frames* get()
    {
        static const X11Frames frames = [] {
            X11Frames f;
            f.connection = xConnection();
            if (!f.connection)
                return f;
            f.root = xcb_setup_roots_iterator(xcb_get_setup(f.connection)).data->root;
            f.extents = atom(f.connection, "_NET_FRAME_EXTENTS");
            f.request = atom(f.connection, "_NET_REQUEST_FRAME_EXTENTS");
            const QList<quint32> supported = cardinals(
                f.connection, f.root, atom(f.connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
            f.published = supported.contains(f.extents);
            f.requestable = supported.contains(f.request);
            return f;
        }();
        return frames.connection ? &frames : nullptr;
    }
};

} // namespace

QRect centredFrame(const QSize& frameSize, const QPoint& centre, const QRect& workArea)
{
    QRect frame(QPoint(0, 0), frameSize);
    frame.moveCenter(centre);
    frame.moveRight(std::min(frame.right(), workArea.right()));
    frame.moveBottom(std::min(frame.bottom(), workArea.bottom()));
    frame.moveLeft(std::max(frame.left(), workArea.left()));
    frame.moveTop(std::max(frame.top(), workArea.top()));
    return frame;
}

std::optional<QMargins> plausibleFrame(const QRect& outer, const QRect& inner)
{
    const QMargins m(inner.left() - outer.left(), inner.top() - outer.top(),
                     outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!reasonable(m))
        return std::nullopt;
    return m;
}

std::optional<QMargins> frameFromExtents(const QList<quint32>& values)
{
    if (values.size() != 4 || std::any_of(values.begin(), values.end(), [](quint32 v) {
            return v > quint32(kThickestFrame);
        }))
        return std::nullopt;
    return QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
}

void keepLaidOutSize(QWidget* window)
{
    class Restorer : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* w = static_cast<QWidget*>(watched);
            if (event->type() == QEvent::Show && !m_handle && w->windowHandle()) {
                m_handle = w->windowHandle();
                connect(m_handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState s) {
                    // Qt's record of the state follows only the compositor's
                    // answer, and none comes to a request taken back at once.
                    if (s == Qt::WindowMaximized && takeBackMaximise(m_handle))
                        m_handle->setWindowStates(Qt::WindowNoState);
                });
            }
            if (event->type() == QEvent::WindowStateChange &&
                (w->windowState() & Qt::WindowMaximized))
                w->setWindowState(w->windowState() & ~Qt::WindowMaximized);
            return false;
        }

    private:
        QPointer<QWindow> m_handle;
    };
    window->installEventFilter(new Restorer(window));
}

// Tells the placement when the window's frame may have become known: when
// the window is shown or moved, and on X when the window manager writes the
// window's frame extents.
class WindowPlacement::Watcher : public QObject, public QAbstractNativeEventFilter {
public:
    explicit Watcher(WindowPlacement* placement) : m_placement(placement)
    {
        if (const X11Frames* x = X11Frames::get(); x && x->published)
            QCoreApplication::instance()->installNativeEventFilter(this);
        placement->m_window->windowHandle()->installEventFilter(this);
    }
    ~Watcher() override
    {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose || event->type() == QEvent::Move)
            changed();
        return false;
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (notify->atom == X11Frames::get()->extents &&
            notify->window == xcb_window_t(m_placement->m_window->winId()))
            changed();
        return false;
    }

private:
    // After Qt has handled the event that told of the change.
    void changed()
    {
        QTimer::singleShot(0, this, [this] { m_placement->frameMayHaveChanged(); });
    }

    WindowPlacement* m_placement;
};

WindowPlacement::WindowPlacement(QWidget* window) : m_window(window) {}

WindowPlacement::~WindowPlacement() { delete m_watcher; }

QRect WindowPlacement::workAreaFor(const QWidget* window)
{
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

std::optional<QMargins> WindowPlacement::knownFrame(const QWidget* window)
{
    if (const X11Frames* x = X11Frames::get(); x && window->testAttribute(Qt::WA_WState_Created)) {
        // A window manager that publishes extents does so once its frame is
        // finished; what Qt measures before that may be a frame window still
        // 1x1, so only the published extents count there.
        if (x->published)
            return frameFromExtents(
                cardinals(x->connection, xcb_window_t(window->winId()), x->extents,
                          XCB_ATOM_CARDINAL, 4));
    }
    if (!window->isVisible())
        return std::nullopt;
    return plausibleFrame(window->frameGeometry(), window->geometry());
}

std::optional<QMargins> WindowPlacement::decidedFrame() const
{
    // Before the window is mapped some window managers (metacity) first
    // answer with an empty frame and with the real one a moment later.
    std::optional<QMargins> frame = knownFrame(m_window);
    if (frame && frame->isNull() && !m_window->testAttribute(Qt::WA_Mapped))
        return std::nullopt;
    return frame;
}

void WindowPlacement::placeOver(QWidget* owner)
{
    m_over = owner;
    m_frameSettled = false;
    m_window->winId();
    if (!m_watcher)
        m_watcher = new Watcher(this);
    const X11Frames* x = X11Frames::get();
    if (x && x->requestable && !m_window->isVisible()) {
        // Asks the window manager for the frame it will draw, before the
        // window is mapped; the answer arrives as the extents property.
        xcb_client_message_event_t request{};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = xcb_window_t(m_window->winId());
        request.type = x->request;
        xcb_send_event(x->connection, 0, x->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(x->connection);
    }
    // Until our own frame is known, the owner's, drawn by the same window
    // manager, is the best guess at it.
    std::optional<QMargins> frame = decidedFrame();
    if (!frame && owner)
        frame = knownFrame(owner);
    place(frame.value_or(x && x->published ? typicalFrame() : QMargins()));
}

void WindowPlacement::place(const QMargins& frame)
{
    m_placedWith = frame;
    QWidget* over = m_over;
    const QRect workArea = workAreaFor(over ? over : m_window);
    QPoint centre = workArea.center();
    if (over && over->isVisible() && !over->isMinimized())
        centre = over->geometry().marginsAdded(knownFrame(over).value_or(QMargins())).center();
    const QRect outer = centredFrame(m_window->size().grownBy(frame), centre, workArea);
    m_window->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()),
                                m_window->size()));
}

void WindowPlacement::frameMayHaveChanged()
{
    // Until the window is on the screen every frame the window manager
    // announces is followed (some first answer with an empty one); once it
    // is, the window is placed again once: later changes are the user's
    // moves or a new theme, which keep the window where it is.
    if (m_frameSettled || !m_placedWith)
        return;
    const std::optional<QMargins> frame = decidedFrame();
    if (!frame)
        return;
    m_frameSettled = m_window->testAttribute(Qt::WA_Mapped);
    if (*frame != *m_placedWith)
        place(*frame);
    // Nothing more to follow: every X event of the program passed through
    // the watcher until now.
    if (m_frameSettled) {
        m_watcher->deleteLater();
        m_watcher = nullptr;
    }
}

