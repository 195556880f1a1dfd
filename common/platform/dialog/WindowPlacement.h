#pragma once

#include <QMargins>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class QWidget;

// Where a window's frame goes: centred on a point, inside the work area.
// A frame larger than the work area keeps the work area's top-left corner,
// so that the title bar and Close stay reachable.
QRect centredFrame(const QSize& frameSize, const QPoint& centre, const QRect& workArea);

// The frame around a client area, from where the window system says the
// outer frame and the client area are; none where that cannot be a finished
// frame (a window manager's frame window that is not yet sized, or a frame
// thicker than any title bar).
std::optional<QMargins> plausibleFrame(const QRect& outer, const QRect& inner);

// The frame the window manager publishes for a window (_NET_FRAME_EXTENTS),
// from the property's four values: left, right, top, bottom. None when the
// values are missing or out of reason.
std::optional<QMargins> frameFromExtents(const QList<quint32>& values);

// Keeps a window at the size it was laid out for: a maximise asked for past
// its window flags, as by the title bar Qt draws itself on Wayland desktops
// that leave decorating to the program, is undone at once.
void keepLaidOutSize(QWidget* window);

// Places a top-level window so that its frame, not its client area, stands
// centred over another window or the work area. The frame is taken from the
// window manager's published extents where there are some; until they are
// known it is guessed, and the window is placed once more when they arrive.
class WindowPlacement {
public:
    explicit WindowPlacement(QWidget* window);
    ~WindowPlacement();
    WindowPlacement(const WindowPlacement&) = delete;
    WindowPlacement& operator=(const WindowPlacement&) = delete;

    // Centres over `owner` (the work area when null, hidden or minimised).
    void placeOver(QWidget* owner);

    // The frame the window system has for `window`, where it knows one.
    static std::optional<QMargins> knownFrame(const QWidget* window);
    // A common title bar and border, to leave room for while a window
    // manager's frame is not known yet.
    static constexpr QMargins typicalFrame() { return QMargins(4, 26, 4, 4); }
    // The work area of the screen `window` is on (the primary one for null).
    static QRect workAreaFor(const QWidget* window);

private:
    void place(const QMargins& frame);
    void frameMayHaveChanged();
    // Our own frame, where the window manager has decided on it.
    std::optional<QMargins> decidedFrame() const;

    QWidget* m_window;
    QPointer<QWidget> m_over;
    std::optional<QMargins> m_placedWith;
    bool m_frameSettled = false;
    class Watcher;
    Watcher* m_watcher = nullptr;
};
