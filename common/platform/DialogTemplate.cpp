#include "common/platform/DialogTemplate.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>

namespace {

QStringList toStringList(const QJsonValue& value)
{
    QStringList list;
    for (const QJsonValue item : value.toArray())
        list << item.toString();
    return list;
}

std::optional<QRect> toRect(const QJsonValue& value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return std::nullopt;
    return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
}

} // namespace

std::optional<DialogTemplate> parseDialogTemplate(const QByteArray& json,
                                                  QByteArray (*loadBase)(const QString&))
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject root = doc.object();

    DialogTemplate layout;
    if (const QString base = root.value("base").toString(); !base.isEmpty()) {
        const QByteArray baseJson = loadBase ? loadBase(base) : QByteArray();
        auto parsedBase = parseDialogTemplate(baseJson, loadBase);
        if (!parsedBase)
            return std::nullopt;
        layout = *parsedBase;
    }
    layout.id = root.value("id").toInt(layout.id);
    if (root.contains("size")) {
        const QJsonArray size = root.value("size").toArray();
        if (size.size() != 2)
            return std::nullopt;
        layout.size = QSize(size[0].toInt(), size[1].toInt());
    }
    if (root.contains("title"))
        layout.title = root.value("title").toString();
    if (root.contains("styles"))
        layout.styles = toStringList(root.value("styles"));

    for (const QJsonValue value : root.value("controls").toArray()) {
        const QJsonObject c = value.toObject();
        ControlTemplate control;
        control.id = c.value("id").toInt(-1);
        control.kind = c.value("kind").toString();
        control.text = c.value("text").toString();
        control.styles = toStringList(c.value("styles"));
        control.resource = c.value("resource").toInt();
        control.accessibleName = c.value("name").toString(control.text);
        const auto rect = toRect(c.value("rect"));
        if (!rect || control.kind.isEmpty())
            return std::nullopt;
        control.rect = *rect;
        layout.controls << control;
    }
    if (layout.size.isEmpty())
        return std::nullopt;
    return layout;
}

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

} // namespace

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

int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

DialogUnits DialogUnits::fromFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits{(width / 26 + 1) / 2, metrics.height()};
}

int DialogUnits::toPixelsX(int dluX) const { return mulDiv(dluX, cx * widthPercent, 400); }
int DialogUnits::toPixelsY(int dluY) const { return mulDiv(dluY, cy, 8); }

QRect DialogUnits::toPixels(const QRect& dlu) const
{
    // Edges are mapped, not sizes, so controls that touch in dialog units
    // still touch in pixels.
    const int left = toPixelsX(dlu.left());
    const int top = toPixelsY(dlu.top());
    return QRect(left, top, toPixelsX(dlu.left() + dlu.width()) - left,
                 toPixelsY(dlu.top() + dlu.height()) - top);
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
