// Build step: turns the program's PNG pictures into pixels laid out as Qt
// keeps them in memory, so that the program shows a picture without decoding
// it. Decoding the first window's pictures cost a twentieth of the start.
//
// Usage: kestrin-pictures <output> <name>=<png> ...
// A <png> may be a path in Qt's own resources (":/..."), for pictures the
// style draws with.
//
// Output, native byte order, every number 32 bits: "KPIC", the count, 8
// bytes of padding; then a 64-byte entry per picture: its name (UTF-8, up
// to 39 bytes, padded with zeros to 40), width, height, bytes per line,
// QImage::Format and where its pixels start; then the pixels, each picture's
// starting on a 16-byte boundary. The entries come first and together, so
// that finding a picture reads one page, not one beside every picture.
#include <QApplication>
#include <QFile>
#include <QImage>

#include <cstdio>

namespace {

constexpr qsizetype kNameSize = 40;

void pad(QByteArray& out) {
    out.append((16 - out.size() % 16) % 16, '\0');
}

void appendNumber(QByteArray& out, quint32 value) {
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
    QByteArray out("KPIC");
    appendNumber(out, static_cast<quint32>(args.size() - 1));
    pad(out);
    QByteArray pixels;
    const qsizetype pixelsStart = out.size() + 64 * (args.size() - 1);
    for (const QString& arg : args.mid(1)) {
        const qsizetype split = arg.indexOf(QLatin1Char('='));
        const QByteArray name = arg.left(split).toUtf8();
        QImage picture(arg.mid(split + 1), "png");
        if (split <= 0 || name.size() >= kNameSize || picture.isNull()) {
            std::fprintf(stderr, "kestrin-pictures: cannot take %s\n", qPrintable(arg));
            return 1;
        }
        // The formats a pixmap keeps on a true-colour screen, so that making
        // one from these pixels copies nothing.
        picture = picture.convertToFormat(
            picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        out.append(name.leftJustified(kNameSize, '\0'));
        for (const qsizetype value :
             {qsizetype(picture.width()), qsizetype(picture.height()), picture.bytesPerLine(),
              qsizetype(picture.format()), pixelsStart + pixels.size(), qsizetype(0)})
            appendNumber(out, static_cast<quint32>(value));
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
