#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

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

// A label no taller than this keeps to one line, and may run on to the right
// over empty space where its text is longer than its room.
inline constexpr int kOneLineDlu = 10;
inline bool isOneLineLabel(const ControlTemplate& control)
{
    return control.kind == QLatin1String("label") && control.rect.height() <= kOneLineDlu;
}

// a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c);
