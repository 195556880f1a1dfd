#pragma once

#include "common/platform/dialog/DialogTemplate.h"

#include <QFont>

#include <functional>

class QStyle;
class QWidget;

// The font and the stretch a window's layout gets on its screen. A
// translation may need more room than the English the layout was drawn for:
// then the whole window grows wider, every control in proportion, so that no
// text is cut off and none runs over another control. Where the screen's work
// area cannot hold the window, the font gets smaller, in half points: large
// fonts and high scaling must never push the Close button off the screen.
struct LayoutFit {
    QFont font;
    DialogUnits units;
};

// The fit of `layout` for a window over `owner` (or on the primary screen),
// its texts measured as `style` draws its controls.
LayoutFit fitLayout(const DialogTemplate& layout, const QWidget* owner, const QStyle* style);

// The font size at which a layout of `layoutSize` dialog units fits `room`
// pixels: the desktop's own size when it fits there, else the largest size
// in half points below it that fits, down to `smallest`, which is used when
// nothing larger fits. Never larger than the desktop's size. `unitsAt` gives
// the base units of the dialog font at a size.
qreal fitFontSize(const QSize& layoutSize, const QSize& room, qreal desktopSize, qreal smallest,
                  const std::function<DialogUnits(qreal)>& unitsAt);

// How much smaller pictures are drawn in a window whose font was made smaller
// than the desktop's to fit the screen: in proportion, so that they keep
// their place among the controls. 1 where the font kept its size.
qreal pictureScale(qreal fontPoints, qreal desktopPoints);

// The horizontal stretch of a layout, in per cent and in steps of five, at
// which every control's text fits the room the layout gives it (`fits` says
// whether a control's text fits a room of so many pixels): 100 where all
// fit already, never more than `mostPercent`. A one-line label's room runs
// on to the next control to its right, the edge of a group around it, or
// the window's edge.
int widthPercentToFit(const DialogTemplate& layout, DialogUnits units,
                      const std::function<bool(const ControlTemplate&, const QSize&)>& fits,
                      int mostPercent);
