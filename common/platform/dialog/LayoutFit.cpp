#include "common/platform/dialog/LayoutFit.h"

#include "common/platform/dialog/WindowPlacement.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

namespace {

// Where a one-line label's free space to the right ends, in dialog units.
int freeRightEdge(const DialogTemplate& layout, const ControlTemplate& label)
{
    int edge = layout.size.width();
    for (const ControlTemplate& other : layout.controls) {
        if (&other == &label)
            continue;
        const QRect r = other.rect;
        if (other.kind == QLatin1String("group") && r.contains(label.rect.topLeft()))
            edge = std::min(edge, r.left() + r.width());
        else if (r.left() > label.rect.left() && r.top() < label.rect.top() + label.rect.height() &&
                 r.top() + r.height() > label.rect.top())
            edge = std::min(edge, r.left());
    }
    return std::max(edge, label.rect.left() + label.rect.width());
}

// Smaller than this the dialog font stops being readable; a window that does
// not fit its screen even then keeps this size and its top-left corner.
constexpr qreal kSmallestPointSize = 6.5;

// The desktop's font, made smaller where the window would not fit its
// screen's work area with it: large fonts and high scaling must never push
// the Close button off the screen.
QFont fittingFont(const QSize& layoutSize, const QWidget* owner)
{
    QFont font = QApplication::font();
    const qreal desktopSize = QFontInfo(font).pointSizeF();
    const QSize room = WindowPlacement::workAreaFor(owner).size().shrunkBy(
        (owner ? WindowPlacement::knownFrame(owner) : std::nullopt)
            .value_or(WindowPlacement::typicalFrame()));
    const qreal size =
        fitFontSize(layoutSize, room, desktopSize, kSmallestPointSize, [&font](qreal points) {
            QFont sized(font);
            sized.setPointSizeF(points);
            return DialogUnits::fromFont(sized);
        });
    if (size != desktopSize)
        font.setPointSizeF(size);
    return font;
}

// Whether a control's text fits a room of so many pixels with the window's
// font: measured as the controls measure themselves, before any is made.
std::function<bool(const ControlTemplate&, const QSize&)> textFits(const QFont& font,
                                                                   const QStyle* style)
{
    return [metrics = QFontMetrics(font), style](const ControlTemplate& c, const QSize& room) {
        const QString text = QString(c.text).remove('&');
        if (text.isEmpty())
            return true;
        if (c.kind == QLatin1String("label")) {
            // Measured as a label measures its plain text.
            if (isOneLineLabel(c))
                return metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft, c.text)
                           .width() <= room.width();
            return metrics
                       .boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                     Qt::AlignLeft | Qt::TextWordWrap, c.text)
                       .height() <= room.height();
        }
        if (c.kind == QLatin1String("button") || c.kind == QLatin1String("defbutton")) {
            // The text and the button's own margins; a style's smallest
            // button width is no reason to stretch the window.
            return metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) <=
                   room.width();
        }
        if (c.kind == QLatin1String("checkbox")) {
            QStyleOptionButton option;
            option.text = c.text;
            const QSize text =
                style->itemTextRect(metrics, QRect(), Qt::TextShowMnemonic, false, c.text).size();
            return style->sizeFromContents(QStyle::CT_CheckBox, &option, text).width() <=
                   room.width();
        }
        if (c.kind == QLatin1String("group"))
            return metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth() <= room.width();
        return true;
    };
}

// How far a layout may stretch for its texts, screen permitting.
constexpr int kMostPercent = 250;

} // namespace

LayoutFit fitLayout(const DialogTemplate& layout, const QWidget* owner, const QStyle* style)
{
    DialogUnits units;
    QFont font = fittingFont(layout.size, owner);
    const int roomWidth = WindowPlacement::workAreaFor(owner).width() -
                          WindowPlacement::typicalFrame().left() -
                          WindowPlacement::typicalFrame().right();
    for (;;) {
        units = DialogUnits::fromFont(font);
        const int percent = widthPercentToFit(layout, units, textFits(font, style), kMostPercent);
        const int maxPercent = 100 * roomWidth / std::max(1, units.toPixelsX(layout.size.width()));
        if (percent <= maxPercent || font.pointSizeF() <= kSmallestPointSize) {
            units.widthPercent = std::max(100, std::min(percent, maxPercent));
            break;
        }
        font.setPointSizeF(std::max(kSmallestPointSize, font.pointSizeF() - 0.5));
    }
    return {font, units};
}

int widthPercentToFit(const DialogTemplate& layout, DialogUnits units,
                      const std::function<bool(const ControlTemplate&, const QSize&)>& fits,
                      int mostPercent)
{
    constexpr int kStep = 5;
    // A text that fits a room fits any wider one, so each control only
    // ever needs the stretch raised from where the previous ones left it.
    units.widthPercent = 100;
    for (const ControlTemplate& control : layout.controls) {
        QRect room = control.rect;
        if (isOneLineLabel(control))
            room.setWidth(freeRightEdge(layout, control) - room.left());
        while (units.widthPercent < mostPercent && !fits(control, units.toPixels(room).size()))
            units.widthPercent = std::min(mostPercent, units.widthPercent + kStep);
    }
    return units.widthPercent;
}

qreal fitFontSize(const QSize& layoutSize, const QSize& room, qreal desktopSize, qreal smallest,
                  const std::function<DialogUnits(qreal)>& unitsAt)
{
    const auto fits = [&](qreal size) {
        const DialogUnits units = unitsAt(size);
        return units.toPixelsX(layoutSize.width()) <= room.width() &&
               units.toPixelsY(layoutSize.height()) <= room.height();
    };
    if (desktopSize <= smallest || fits(desktopSize))
        return desktopSize;
    // Counted in half points, so that no rounding creeps into the steps.
    for (int halfPoints = int(std::ceil(desktopSize * 2 - 1)); halfPoints > smallest * 2;
         --halfPoints) {
        if (fits(halfPoints / 2.0))
            return halfPoints / 2.0;
    }
    return smallest;
}

qreal pictureScale(qreal fontPoints, qreal desktopPoints)
{
    if (fontPoints <= 0 || desktopPoints <= 0 || fontPoints >= desktopPoints)
        return 1;
    return fontPoints / desktopPoints;
}
