#pragma once

#include <QRect>

class QWidget;

// The bounds of the strongly red pixels a widget draws, in its own
// (device-independent) pixels: where the Double Click target is as the user
// sees it, whatever the layout claims.
QRect drawnRedSquare(QWidget& window);
