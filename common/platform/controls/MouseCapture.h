#pragma once

class QWidget;

// Whether the windowing system lets the program put a top-level window
// anywhere on the screen and take the pointer for one of its windows.
// Wayland allows neither: the compositor alone places windows, and only
// pop-up menus may grab the pointer.
bool WindowsGoAnywhere();

// The mouse capture: while it is set, every move and the release come to
// `widget`, wherever the pointer is. Where no window may grab the pointer the
// capture reaches as far as the system lets the pointer stay with the
// window: while a button is held, that is everywhere.
void SetCapture(QWidget* widget);
void ReleaseCapture();
// The widget that has the capture, or null.
QWidget* GetCapture();
