#pragma once

#include <QObject>

class QWindow;
struct wl_proxy;

// Natively on Wayland, takes back a maximise that Qt has just asked the
// compositor for, in the same breath: Qt itself would ask only once the
// compositor has configured the window maximised, and a window that keeps its
// size then breaks the protocol (weston ends the connection). False where
// the window is not a Wayland toplevel.
bool takeBackMaximise(QWindow* window);

// GNOME's compositor attaches a dialog to its parent, centres it there and
// keeps it from being minimised on its own only when it knows the dialog is
// modal, and on Wayland it learns that through its own shell protocol: the
// transient parent alone makes an ordinary window. For as long as the object
// lives, the window is marked modal each time it is shown natively on Wayland;
// elsewhere it does nothing.
class CompositorModal {
public:
    explicit CompositorModal(QWindow* modal);
    ~CompositorModal();
    CompositorModal(const CompositorModal&) = delete;
    CompositorModal& operator=(const CompositorModal&) = delete;

private:
    void mark(QWindow* modal);
    void release();

    // Ends the object's signal connections and pending calls with it.
    QObject m_context;
    wl_proxy* m_mark = nullptr;
};
