#pragma once

#include <QByteArray>

#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

struct _XDisplay; // NOLINT(bugprone-reserved-identifier): Xlib's own name

namespace XInput {

// Another program holding an X selection, on a connection and a thread of its
// own, for the end-to-end tests and the benchmark. It answers every request
// for the selection's contents with `reply`, typed as the reply says whatever
// was asked for (as some programs do), after the reply's delay; without a
// reply it never answers, as a hung program would. The selection goes back to
// no owner when the object dies.
class SelectionOwner {
public:
    // Drag is another program dragging its text over the screen: the owner
    // takes the pointer, tells each window that accepts drops (XDND) where
    // the pointer is, and drops at the next button release.
    enum class Selection { Clipboard, Primary, Drag };
    struct Reply {
        QByteArray type;
        QByteArray data;
        std::chrono::milliseconds delay{0};
    };

    // Throws when it cannot take the selection (or the pointer).
    SelectionOwner(Selection selection, std::optional<Reply> reply);
    ~SelectionOwner();
    SelectionOwner(const SelectionOwner&) = delete;
    SelectionOwner& operator=(const SelectionOwner&) = delete;

    // Whether a window took the drop and said it was done with it.
    bool dropFinished() const { return m_dropFinished; }

private:
    void run();

    _XDisplay* m_display;
    unsigned long m_window = 0;
    Selection m_selection;
    std::optional<Reply> m_reply;
    int m_wake[2] = {-1, -1};
    std::atomic<bool> m_dropFinished{false};
    std::thread m_thread;
};

} // namespace XInput
