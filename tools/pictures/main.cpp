// Build step: turns the program's PNG pictures into pixels laid out as Qt
// keeps them in memory, so that the program shows a picture without decoding
// it. Decoding the first window's pictures cost a twentieth of the start.
//
// Usage: kestrin-pictures <output> <name>=<png> ...
// A <png> may be a path in Qt's own resources (":/..."), for pictures the
// style draws with.
//
// Output: the layout in common/resources/PictureFile.h.
#include "common/resources/PictureFile.h"

#include <QApplication>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

void pad(QByteArray& out) {
    out.append((16 - out.size() % 16) % 16, '\0');
}

template <typename T> void append(QByteArray& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

int main(int argc, char** argv) {
    // Qt's own pictures come with its Widgets library, hence an application
    // of widgets; no display is needed to read a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kestrin-pictures <output> <name>=<png> ...\n");
        return 2;
    }
    PictureFile::Header header{{'K', 'P', 'I', 'C'}, quint32(args.size() - 1), {}};
    QByteArray out;
    append(out, header);
    QByteArray pixels;
    const qsizetype pixelsStart =
        sizeof(PictureFile::Header) + sizeof(PictureFile::Entry) * header.count;
    for (const QString& arg : args.mid(1)) {
        const qsizetype split = arg.indexOf(QLatin1Char('='));
        const QByteArray name = arg.left(split).toUtf8();
        QImage picture(arg.mid(split + 1), "png");
        PictureFile::Entry entry{};
        if (split <= 0 || name.size() >= qsizetype(sizeof entry.name) || picture.isNull()) {
            std::fprintf(stderr, "kestrin-pictures: cannot take %s\n", qPrintable(arg));
            return 1;
        }
        // The formats a pixmap keeps on a true-colour screen, so that making
        // one from these pixels copies nothing.
        picture = picture.convertToFormat(
            picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        std::memcpy(entry.name, name.constData(), name.size());
        entry.width = quint32(picture.width());
        entry.height = quint32(picture.height());
        entry.bytesPerLine = quint32(picture.bytesPerLine());
        entry.format = quint32(picture.format());
        entry.pixelsAt = quint32(pixelsStart + pixels.size());
        append(out, entry);
        pixels.append(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        pad(pixels);
    }
    out.append(pixels);
    QFile file(args.first());
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "kestrin-pictures: cannot write %s\n", qPrintable(args.first()));
        return 1;
    }
    return 0;
}
