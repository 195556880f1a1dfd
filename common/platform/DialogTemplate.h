#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One control of a window layout, with its rectangle in dialog units.
struct ControlTemplate {
    int id = -1; // -1 for controls the code never addresses
    QString kind; // button, defbutton, checkbox, edit, label, picture, icon, group, tree
    QString text;
    QRect rect;
    QStringList styles; // tabstop, group, hidden, multiline, readonly, vscroll, ...
    int resource = 0; // picture or icon id for picture and icon controls
    QString accessibleName; // defaults to the text

    bool hasStyle(const QString& style) const { return styles.contains(style); }
};

// A window layout: size in dialog units, title, frame styles and controls in
// tab order.
struct DialogTemplate {
    int id = 0;
    QSize size;
    QString title;
    QStringList styles; // caption, sysmenu, visible, appwindow
    QList<ControlTemplate> controls;

    bool hasStyle(const QString& style) const { return styles.contains(style); }
};

// Parses a layout; a layout may name a "base" layout whose controls come
// first. `loadBase` returns the base's bytes (empty when missing).
std::optional<DialogTemplate> parseDialogTemplate(const QByteArray& json,
                                                  QByteArray (*loadBase)(const QString&));

// The base units of a dialog font, as the classic dialog manager measures
// them: the average width of the letters and the line height.
struct DialogUnits {
    int cx = 6;
    int cy = 13;
    // Horizontal stretch of the whole layout, for texts that run longer
    // than the English the layouts were drawn for.
    int widthPercent = 100;

    static DialogUnits fromFont(const QFont& font);
    int toPixelsX(int dluX) const;
    int toPixelsY(int dluY) const;
    QRect toPixels(const QRect& dlu) const;
};

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

// A label no taller than this keeps to one line, and may run on to the right
// over empty space where its text is longer than its room.
inline constexpr int kOneLineDlu = 10;
inline bool isOneLineLabel(const ControlTemplate& control)
{
    return control.kind == QLatin1String("label") && control.rect.height() <= kOneLineDlu;
}

// The horizontal stretch of a layout, in per cent and in steps of five, at
// which every control's text fits the room the layout gives it (`fits` says
// whether a control's text fits a room of so many pixels): 100 where all
// fit already, never more than `mostPercent`. A one-line label's room runs
// on to the next control to its right, the edge of a group around it, or
// the window's edge.
int widthPercentToFit(const DialogTemplate& layout, DialogUnits units,
                      const std::function<bool(const ControlTemplate&, const QSize&)>& fits,
                      int mostPercent);

// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c);
