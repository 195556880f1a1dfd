#include "common/resources/Resources.h"

#include "common/resources/PictureFile.h"
#include "common/resources/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSet>

#include <cstring>

// Made at build time by tools/pictures.
extern "C" const unsigned char kestrinPictures[];

// The resources are compiled into the static core library; nothing would pull
// their registration into the program unless it is referenced.
static void registerCompiledResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kestrin);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

QSet<QString> g_hidden;

QString key(const QString& kind, int id) { return kind + QLatin1Char('/') + QString::number(id); }

bool isHidden(const QString& kind, int id) { return g_hidden.contains(key(kind, id)); }

QByteArray readFile(const QString& path)
{
    registerCompiledResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QPixmap builtInPixmap(const QString& name)
{
    return QPixmap::fromImage(Resources::BuiltInPicture(name));
}

QByteArray readBaseLayout(const QString& name)
{
    return readFile(QStringLiteral(":/res/layouts/%1.json").arg(name));
}

struct StringEntry {
    int id;
    const char* text;
};

// String table: the About item that the launcher adds to its window menu.
constexpr StringEntry kStrings[] = {
    {101, QT_TRANSLATE_NOOP("Layout", "&About Vellumark Kestrin...")},
};

} // namespace

namespace Resources {

std::optional<QByteArray> LoadText(int id)
{
    registerCompiledResources();
    if (isHidden("text", id))
        return std::nullopt;
    QFile file(QStringLiteral(":/res/texts/%1.txt").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QString LoadTextString(int id)
{
    const auto english = LoadText(id);
    if (!english)
        return QString();
    const QString language = Translations::Language();
    if (language == QLatin1String(Translations::kPseudoLanguage))
        return Translations::Pseudo(QString::fromLatin1(*english));
    // A translation is UTF-8; the English text stays the plain 8-bit one.
    if (!language.isEmpty()) {
        if (const QByteArray text = readFile(QStringLiteral(":/res/texts/%1/%2.txt").arg(language).arg(id));
            !text.isEmpty())
            return QString::fromUtf8(text);
    }
    return QString::fromLatin1(*english);
}

QImage BuiltInPicture(const QString& name)
{
    static const QHash<QString, QImage> pictures = [] {
        QHash<QString, QImage> found;
        PictureFile::Header header;
        std::memcpy(&header, kestrinPictures, sizeof header);
        for (quint32 i = 0; i < header.count; ++i) {
            PictureFile::Entry entry;
            std::memcpy(&entry, kestrinPictures + sizeof header + i * sizeof entry, sizeof entry);
            // The pixels stay where they are: the image only points at them.
            found.insert(QString::fromUtf8(entry.name),
                         QImage(kestrinPictures + entry.pixelsAt, int(entry.width),
                                int(entry.height), qsizetype(entry.bytesPerLine),
                                QImage::Format(entry.format)));
        }
        return found;
    }();
    return pictures.value(name);
}

QPixmap LoadBitmap(int id)
{
    if (isHidden("bitmap", id))
        return {};
    // Decoded once per id and language, as every window opened shows the
    // same pictures. A picture with words on it may have its own version in
    // the user's language.
    static QHash<QString, QPixmap> loaded;
    const QString language = Translations::Language();
    const QString key = language + QLatin1Char('/') + QString::number(id);
    if (const auto found = loaded.constFind(key); found != loaded.cend())
        return *found;
    QPixmap picture;
    if (!language.isEmpty())
        picture = builtInPixmap(QStringLiteral("bitmaps/%1/%2").arg(language).arg(id));
    if (picture.isNull())
        picture = builtInPixmap(QStringLiteral("bitmaps/%1").arg(id));
    if (!picture.isNull())
        loaded.insert(key, picture);
    return picture;
}

QIcon LoadIcon(int id)
{
    if (isHidden("icon", id))
        return {};
    // One icon per id for the whole run: Qt caches an icon's rendered
    // pictures by icon, so a fresh icon for every window opened would leave
    // a few KiB behind each time.
    static QHash<int, QIcon> loaded;
    if (const auto found = loaded.constFind(id); found != loaded.cend())
        return *found;
    QIcon icon;
    for (const QString& name :
         {QStringLiteral("icons/%1").arg(id), QStringLiteral("icons/%1-16").arg(id)}) {
        if (const QPixmap image = builtInPixmap(name); !image.isNull())
            icon.addPixmap(image);
    }
    loaded.insert(id, icon);
    return icon;
}

std::optional<QCursor> LoadCursor(int id)
{
    // The hot spot is part of the cursor resource, as it would be in a cursor
    // file: the tip of the pointing finger.
    constexpr struct {
        int id;
        QPoint hotSpot;
    } kCursors[] = {{147, {8, 2}}};
    if (isHidden("cursor", id))
        return std::nullopt;
    for (const auto& cursor : kCursors) {
        if (cursor.id != id)
            continue;
        const QPixmap image = builtInPixmap(QStringLiteral("cursors/%1").arg(id));
        if (image.isNull())
            return std::nullopt;
        return QCursor(image, cursor.hotSpot.x(), cursor.hotSpot.y());
    }
    return std::nullopt;
}

QString LoadString(int id)
{
    if (isHidden("string", id))
        return {};
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return LayoutText(QString::fromLatin1(entry.text));
    }
    return {};
}

std::optional<DialogTemplate> LoadLayout(int id)
{
    if (isHidden("layout", id))
        return std::nullopt;
    const QByteArray json = readBaseLayout(QString::number(id));
    if (json.isEmpty())
        return std::nullopt;
    auto layout = parseDialogTemplate(json, &readBaseLayout);
    if (layout) {
        layout->title = LayoutText(layout->title);
        for (ControlTemplate& control : layout->controls) {
            // An address reads the same in every language.
            if (control.hasStyle(QStringLiteral("notranslate")))
                continue;
            control.text = LayoutText(control.text);
            control.accessibleName = LayoutText(control.accessibleName);
        }
    }
    return layout;
}

QString LayoutText(const QString& english)
{
    return english.isEmpty() ? english
                             : QCoreApplication::translate("Layout", english.toUtf8().constData());
}

void SetHiddenForTesting(const QString& kind, int id, bool hidden)
{
    if (hidden)
        g_hidden.insert(key(kind, id));
    else
        g_hidden.remove(key(kind, id));
}

} // namespace Resources
