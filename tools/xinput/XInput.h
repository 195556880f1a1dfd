#pragma once

#include <QPoint>
#include <QString>

#include <functional>

class QWidget;
struct _XDisplay; // NOLINT(bugprone-reserved-identifier): Xlib's own name

// Real input through the X server (XTest), so that Qt's double-click
// recognition, grabs, focus and the clipboard behave as for a user. Shared by
// the end-to-end tests and the benchmark.
namespace XInput {

void moveTo(const QPoint& global);
// Moves the pointer without waiting for Qt to see it: what a window does
// with the move is then the caller's to watch.
void sendMotion(const QPoint& global);
void press(int button = 1);
void release(int button = 1);
void click(const QPoint& global, int button = 1);
// A key combination such as "ctrl+c", "Escape" or "shift+F10" (X keysym names).
void keys(const QString& combination);

// What a window manager does for the user: asks a window to close (its
// close box) and gives a window the keyboard focus.
void requestClose(unsigned long window);
void giveFocus(unsigned long window);

// Centre of a widget in screen coordinates.
QPoint centreOf(const QWidget* widget);

// Processes events until `condition` holds or `timeoutMs` passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
// Lets the X server and Qt settle: a round trip through the server, then the
// event queue emptied. Qt reads X events on a thread of its own, so an event
// may still arrive after this returns; a check that needs a particular event
// waits for what it brings.
void settle();

} // namespace XInput
