#include "tools/xinput/SelectionOwner.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace XInput {

namespace {
using Clock = std::chrono::steady_clock;

constexpr long kXdndVersion = 5;

Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

bool acceptsDrops(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, atom(display, "XdndAware"), 0, 1, False, AnyPropertyType,
                       &type, &format, &count, &after, &data);
    if (data)
        XFree(data);
    return type != None;
}

// The innermost window under the point that accepts drops, as a drag source
// looks for one: top-level windows sit inside their window manager's frames.
Window dropWindowAt(Display* display, int x, int y) {
    const Window root = DefaultRootWindow(display);
    Window parent = root;
    Window child = None;
    int cx = 0;
    int cy = 0;
    while (XTranslateCoordinates(display, root, parent, x, y, &cx, &cy, &child) && child != None) {
        if (acceptsDrops(display, child))
            return child;
        parent = child;
    }
    return None;
}

// An XDND message from this source to a window that accepts drops.
void tell(Display* display, Window to, Atom message, Window source, long l1 = 0, long l2 = 0,
          long l3 = 0, long l4 = 0) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = to;
    event.xclient.message_type = message;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(source);
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, to, False, NoEventMask, &event);
    XFlush(display);
}

const char* selectionName(SelectionOwner::Selection selection) {
    switch (selection) {
    case SelectionOwner::Selection::Clipboard:
        return "CLIPBOARD";
    case SelectionOwner::Selection::Primary:
        return "PRIMARY";
    case SelectionOwner::Selection::Drag:
        return "XdndSelection";
    }
    return "";
}
} // namespace

SelectionOwner::SelectionOwner(Selection selection, std::optional<Reply> reply)
    : m_display(XOpenDisplay(nullptr)), m_selection(selection), m_reply(std::move(reply)) {
    if (!m_display)
        throw std::runtime_error("no X display to own a selection on");
    const Window root = DefaultRootWindow(m_display);
    m_window = XCreateSimpleWindow(m_display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom name = atom(m_display, selectionName(selection));
    XSetSelectionOwner(m_display, name, m_window, CurrentTime);
    bool ready = XGetSelectionOwner(m_display, name) == m_window;
    if (ready && selection == Selection::Drag) {
        // As a program does once the user starts dragging: every pointer
        // event comes here until the drop.
        ready = XGrabPointer(m_display, root, False,
                             PointerMotionMask | ButtonPressMask | ButtonReleaseMask, GrabModeAsync,
                             GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    }
    XSync(m_display, False);
    if (!ready || pipe(m_wake) != 0) {
        XCloseDisplay(m_display);
        throw std::runtime_error("cannot take the selection");
    }
    m_thread = std::thread([this] { run(); });
}

SelectionOwner::~SelectionOwner() {
    const char stop = 0;
    [[maybe_unused]] const auto written = write(m_wake[1], &stop, 1);
    m_thread.join();
    close(m_wake[0]);
    close(m_wake[1]);
    XCloseDisplay(m_display);
}

void SelectionOwner::run() {
    Display* const d = m_display;
    const Window source = m_window;
    const Atom enter = atom(d, "XdndEnter"), position = atom(d, "XdndPosition"),
               status = atom(d, "XdndStatus"), leave = atom(d, "XdndLeave"),
               drop = atom(d, "XdndDrop"), finished = atom(d, "XdndFinished"),
               copy = atom(d, "XdndActionCopy");
    const Atom offered[] = {atom(d, "UTF8_STRING"), atom(d, "text/plain;charset=utf-8"),
                            atom(d, "text/plain")};
    struct Request {
        XSelectionRequestEvent event;
        Clock::time_point due;
    };
    std::vector<Request> requests;
    const auto answer = [&](const XSelectionRequestEvent& request) {
        const Atom property = request.property != None ? request.property : request.target;
        XChangeProperty(d, request.requestor, property, atom(d, m_reply->type.constData()), 8,
                        PropModeReplace,
                        reinterpret_cast<const unsigned char*>(m_reply->data.constData()),
                        static_cast<int>(m_reply->data.size()));
        XEvent notify{};
        notify.xselection.type = SelectionNotify;
        notify.xselection.requestor = request.requestor;
        notify.xselection.selection = request.selection;
        notify.xselection.target = request.target;
        notify.xselection.property = property;
        notify.xselection.time = request.time;
        XSendEvent(d, request.requestor, False, NoEventMask, &notify);
        XFlush(d);
    };

    // The drag: the window under the pointer that accepts drops, whether it
    // said it would take the text, and a position held back until it has
    // answered the previous one, as the protocol asks.
    Window target = None;
    bool awaitingStatus = false;
    bool accepted = false;
    std::optional<XMotionEvent> heldBack;
    const auto sendPosition = [&](const XMotionEvent& at) {
        tell(d, target, position, source, 0, (long(at.x_root) << 16) | at.y_root,
             static_cast<long>(at.time), static_cast<long>(copy));
        awaitingStatus = true;
    };
    const auto follow = [&](const XMotionEvent& at) {
        const Window under = dropWindowAt(d, at.x_root, at.y_root);
        if (under != target) {
            if (target != None)
                tell(d, target, leave, source);
            target = under;
            awaitingStatus = accepted = false;
            heldBack.reset();
            if (target != None)
                tell(d, target, enter, source, kXdndVersion << 24, static_cast<long>(offered[0]),
                     static_cast<long>(offered[1]), static_cast<long>(offered[2]));
        }
        if (target == None)
            return;
        if (awaitingStatus)
            heldBack = at;
        else
            sendPosition(at);
    };

    for (;;) {
        while (XPending(d) > 0) {
            XEvent event;
            XNextEvent(d, &event);
            switch (event.type) {
            case SelectionRequest:
                if (m_reply)
                    requests.push_back({event.xselectionrequest, Clock::now() + m_reply->delay});
                break;
            case MotionNotify:
                if (m_selection == Selection::Drag)
                    follow(event.xmotion);
                break;
            case ButtonRelease:
                if (m_selection != Selection::Drag)
                    break;
                XUngrabPointer(d, event.xbutton.time);
                if (target != None && accepted)
                    tell(d, target, drop, source, 0, static_cast<long>(event.xbutton.time));
                else if (target != None)
                    tell(d, target, leave, source);
                break;
            case ClientMessage:
                if (event.xclient.message_type == status &&
                    static_cast<Window>(event.xclient.data.l[0]) == target) {
                    accepted = event.xclient.data.l[1] & 1;
                    awaitingStatus = false;
                    if (heldBack)
                        sendPosition(*std::exchange(heldBack, std::nullopt));
                } else if (event.xclient.message_type == finished) {
                    m_dropFinished = event.xclient.data.l[1] & 1;
                }
                break;
            default:
                break;
            }
        }
        const Clock::time_point now = Clock::now();
        auto due = std::partition(requests.begin(), requests.end(),
                                  [&](const Request& r) { return r.due > now; });
        for (auto it = due; it != requests.end(); ++it)
            answer(it->event);
        requests.erase(due, requests.end());

        int timeoutMs = -1;
        for (const Request& r : requests) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(r.due - now).count();
            timeoutMs = timeoutMs < 0 ? int(wait) : std::min(timeoutMs, int(wait));
        }
        pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        poll(fds, 2, timeoutMs);
        if (fds[1].revents)
            return;
    }
}

} // namespace XInput
