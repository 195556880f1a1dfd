#include "common/platform/dialog/DialogTemplate.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

