// Regenerates Kestrin's built-in artwork.
//
// Build:  cmake -S tools/artwork -B /tmp/artwork-build
//         cmake --build /tmp/artwork-build
// Usage:  QT_QPA_PLATFORM=offscreen /tmp/artwork-build/kestrin-artwork res
//         ... kestrin-artwork --check res   (verify only, write nothing)
//
// Every picture is drawn from code so that it can be tweaked and rebuilt
// without an image editor. Sizes are fixed because the program lays out its
// windows around them, and a few images carry exact pixel geometry (the
// target square, the magenta colour key, the cursor hot spot) that the
// program relies on.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const QColor kWindowGrey(0xf0, 0xf0, 0xf0);
const QColor kInk(0x2b, 0x2f, 0x36);
const QColor kBrandBlue(0x1f, 0x4e, 0x8c);
const QColor kButtonBlue(0x2f, 0x74, 0xd0);
const QColor kSparkFill(0xf5, 0xa6, 0x23);
const QColor kSparkEdge(0xb8, 0x6e, 0x00);
const QColor kMarkerRed(0xcc, 0x22, 0x22);
const QColor kColourKey(255, 0, 255);
const QColor kTargetRed(0xe0, 0x20, 0x20);
const QColor kRuleGreen(0, 255, 0);

QString g_outDir;
bool g_failed = false;

void save(const QImage &img, const QString &relPath, QSize expected)
{
    if (img.size() != expected) {
        std::fprintf(stderr, "%s: wrong size %dx%d\n", qPrintable(relPath),
                     img.width(), img.height());
        g_failed = true;
        return;
    }
    const QString path = g_outDir + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_failed = true;
    }
}

std::uint32_t crc32(const QByteArray &bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBigEndian(QByteArray &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const QByteArray typed = QByteArray(type) + data;
    png += typed;
    appendBigEndian(png, crc32(typed));
}

// An opaque picture as a 24-bit PNG whose rows carry no filter. The encoder
// Qt uses picks the Paeth filter for most rows of flat artwork, which makes
// the file larger and takes twice as long to decode at start-up; unfiltered
// rows compress better here and decode to the same pixels.
void saveUnfiltered(const QImage &img, const QString &relPath, QSize expected)
{
    if (img.size() != expected) {
        std::fprintf(stderr, "%s: wrong size %dx%d\n", qPrintable(relPath),
                     img.width(), img.height());
        g_failed = true;
        return;
    }
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    QByteArray rows;
    for (int y = 0; y < rgb.height(); ++y) {
        rows.append('\0');
        rows.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3);
    }
    QByteArray header;
    appendBigEndian(header, static_cast<std::uint32_t>(rgb.width()));
    appendBigEndian(header, static_cast<std::uint32_t>(rgb.height()));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", qCompress(rows, 9).mid(4)); // qCompress prefixes the length
    appendChunk(png, "IEND", {});
    const QString path = g_outDir + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_failed = true;
    }
}

QImage opaque(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QImage transparent(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// Pixel art for images that must stay crisp (colour-keyed bitmaps, cursor).
// '.' leaves the pixel untouched; every other character maps to a colour.
void paintPixels(QImage &img, int x0, int y0, const QStringList &rows,
                 const QHash<QChar, QColor> &palette)
{
    for (int y = 0; y < rows.size(); ++y) {
        const QString &row = rows.at(y);
        for (int x = 0; x < row.size(); ++x) {
            const QChar c = row.at(x);
            if (c == QLatin1Char('.') || c == QLatin1Char(' '))
                continue;
            if (!palette.contains(c)) {
                std::fprintf(stderr, "pixel art: unknown colour '%c'\n",
                             c.toLatin1());
                g_failed = true;
                continue;
            }
            img.setPixelColor(x0 + x, y0 + y, palette.value(c));
        }
    }
}

QFont uiFont(qreal pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Largest bold font whose rendering of `text` fits in `width` pixels.
QFont fittedFont(const QString &text, qreal width, int maxPixels, bool bold)
{
    for (int px = maxPixels; px > 6; --px) {
        QFont f = uiFont(px, bold);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            return f;
    }
    return uiFont(6, bold);
}

// ---------------------------------------------------------------- logos

// The maker's emblem: a rounded tile with a bold check-like "V", chosen
// because it reads as "done it!", the feeling the lessons aim for.
void drawEmblem(QPainter &p, const QRectF &r)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x4a, 0x8f, 0xe7));
    g.setColorAt(1, QColor(0x1f, 0x5a, 0xb0));
    const qreal radius = r.width() * 0.24;
    p.setPen(QPen(QColor(0x18, 0x47, 0x8a), qMax<qreal>(1.0, r.width() / 40.0)));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    QPainterPath v;
    const qreal w = r.width();
    const qreal h = r.height();
    v.moveTo(r.left() + w * 0.24, r.top() + h * 0.30);
    v.lineTo(r.left() + w * 0.47, r.top() + h * 0.74);
    v.lineTo(r.left() + w * 0.78, r.top() + h * 0.22);
    QPen stroke(Qt::white, w * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
    p.restore();
}

void drawLogoBackground(QPainter &p, QSize size, int stripe)
{
    QLinearGradient bg(0, 0, 0, size.height());
    bg.setColorAt(0, QColor(0xfa, 0xfc, 0xff));
    bg.setColorAt(1, QColor(0xe1, 0xec, 0xf8));
    p.fillRect(QRect(QPoint(0, 0), size), bg);

    QLinearGradient accent(0, 0, size.width(), 0);
    accent.setColorAt(0, QColor(0x1f, 0x5a, 0xb0));
    accent.setColorAt(1, QColor(0x7f, 0xb8, 0xf5));
    p.fillRect(QRect(0, size.height() - stripe, size.width(), stripe), accent);
}

// The banner's line under the name, in each language the program speaks.
struct Tagline {
    const char *language; // empty: English, the banner of bitmaps/129.png
    const char *text;
};
constexpr Tagline kTaglines[] = {
    {"", "mouse skills practice"},
    {"de", "Umgang mit der Maus üben"},
    {"es", "practique con el ratón"},
    {"fr", "s’exercer à la souris"},
    {"it", "esercizi con il mouse"},
    {"nl", "oefenen met de muis"},
    {"pl", "ćwiczenia z myszą"},
    {"pt_BR", "pratique o uso do mouse"},
};

QImage makeBanner(const char *taglineText)
{
    const QSize size(382, 119);
    QImage img = opaque(size.width(), size.height(), Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawLogoBackground(p, size, 4);

    const QRectF emblem(22, 25, 64, 64);
    drawEmblem(p, emblem);

    const QString name = QStringLiteral("Vellumark");
    const qreal textLeft = 104;
    const QFont wordFont = fittedFont(name, size.width() - textLeft - 20, 46, true);
    p.setFont(wordFont);
    p.setPen(kBrandBlue);
    p.drawText(QPointF(textLeft, 64), name);

    const QString tagline = QStringLiteral("Kestrin ") + QChar(0x2013) + QLatin1Char(' ')
                            + QString::fromUtf8(taglineText);
    const QFont tagFont = fittedFont(tagline, size.width() - textLeft - 16, 15, false);
    p.setFont(tagFont);
    p.setPen(QColor(0x4a, 0x5a, 0x70));
    p.drawText(QPointF(textLeft + 2, 90), tagline);
    return img;
}

QImage makeSmallLogo()
{
    const QSize size(256, 61);
    QImage img = opaque(size.width(), size.height(), Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawLogoBackground(p, size, 3);

    drawEmblem(p, QRectF(12, 10, 39, 39));

    const QString name = QStringLiteral("Vellumark");
    const qreal textLeft = 62;
    p.setFont(fittedFont(name, size.width() - textLeft - 12, 34, true));
    p.setPen(kBrandBlue);
    p.drawText(QPointF(textLeft, 42), name);
    return img;
}

// -------------------------------------------------------------- markers

// Arrow shape inside `box`, tip at the top when `up`, otherwise at the bottom.
QPainterPath arrowPath(const QRectF &box, bool up)
{
    const qreal cx = box.center().x();
    const qreal headH = box.height() * 0.55;
    const qreal headHalf = box.width() / 2;
    const qreal stemHalf = box.width() * 0.17;
    QPainterPath path;
    if (up) {
        const qreal t = box.top();
        const qreal b = box.bottom();
        path.moveTo(cx, t);
        path.lineTo(cx + headHalf, t + headH);
        path.lineTo(cx + stemHalf, t + headH);
        path.lineTo(cx + stemHalf, b);
        path.lineTo(cx - stemHalf, b);
        path.lineTo(cx - stemHalf, t + headH);
        path.lineTo(cx - headHalf, t + headH);
    } else {
        const qreal t = box.top();
        const qreal b = box.bottom();
        path.moveTo(cx, b);
        path.lineTo(cx + headHalf, b - headH);
        path.lineTo(cx + stemHalf, b - headH);
        path.lineTo(cx + stemHalf, t);
        path.lineTo(cx - stemHalf, t);
        path.lineTo(cx - stemHalf, b - headH);
        path.lineTo(cx - headHalf, b - headH);
    }
    path.closeSubpath();
    return path;
}

// Markers and bullets sit on the window, whatever its colour: transparent
// around the artwork, and a marker's number white on a red badge, so that
// they read on light and dark desktops alike.
QImage makeMarker(int w, int h, const QString &label, bool arrowUp)
{
    QImage img = transparent(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const qreal arrowH = 15;
    const QRectF labelBox = arrowUp ? QRectF(0, arrowH + 1, w, h - arrowH - 1)
                                    : QRectF(0, 0, w, h - arrowH - 1);
    const QRectF arrowBox = arrowUp ? QRectF(w / 2.0 - 7, 1, 14, arrowH - 1)
                                    : QRectF(w / 2.0 - 7, h - arrowH, 14, arrowH - 1);

    p.setPen(Qt::NoPen);
    p.setBrush(kMarkerRed);
    p.drawPath(arrowPath(arrowBox, arrowUp));
    p.drawRoundedRect(labelBox.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    p.setFont(uiFont(11, true));
    p.setPen(Qt::white);
    p.drawText(labelBox, Qt::AlignCenter, label);
    return img;
}

// --------------------------------------------------------------- bullet

QImage makeBullet()
{
    QImage img = transparent(9, 9);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonBlue);
    p.drawEllipse(QRectF(0.5, 0.5, 8, 8));
    return img;
}

// --------------------------------------------------------------- target

// Drop target for the drag lesson. The program tests hits against the red
// square, so the red must cover exactly pixels 11..52 with hard edges.
QImage makeTarget()
{
    QImage img = opaque(64, 64, kWindowGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, 64, 64), QColor(0x20, 0x50, 0xd0));   // blue ring 0..4
    p.fillRect(QRect(5, 5, 54, 54), QColor(0xf4, 0xf6, 0xfa));   // light gap 5
    p.fillRect(QRect(6, 6, 52, 52), QColor(0x20, 0xa0, 0x30));   // green ring 6..10
    p.fillRect(QRect(11, 11, 42, 42), kTargetRed);                // red 11..52
    return img;
}

// ----------------------------------------------------- colour-keyed icons

QHash<QChar, QColor> folderPalette()
{
    return {{'o', QColor(0x9a, 0x70, 0x00)},
            {'L', QColor(0xff, 0xeb, 0x99)},
            {'Y', QColor(0xff, 0xd0, 0x40)},
            {'S', QColor(0xe0, 0xa8, 0x20)}};
}

QHash<QChar, QColor> documentPalette()
{
    return {{'o', QColor(0x30, 0x34, 0x3c)},
            {'W', QColor(0xff, 0xff, 0xff)},
            {'G', QColor(0x98, 0x9c, 0xa4)},
            {'F', QColor(0xd4, 0xd8, 0xde)}};
}

// Two 16x16 tree icons on a magenta key. The key colour must never be
// blended into the artwork, hence hand-placed pixels instead of painting.
QImage makeTreeIcons()
{
    QImage img = opaque(32, 16, kColourKey);

    const QStringList folder = {
        "................",
        "................",
        ".ooooo..........",
        "oLLLLLo.........",
        "oLLLLLLoooooooo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oLYYYYYYYYYYYYo.",
        "oSSSSSSSSSSSSSo.",
        ".ooooooooooooo..",
        "................",
    };
    paintPixels(img, 0, 0, folder, folderPalette());

    const QStringList document = {
        "................",
        "..oooooooo......",
        "..oWWWWWWoo.....",
        "..oWGGGGWoFo....",
        "..oWWWWWWoFFo...",
        "..oWWWWWWooooo..",
        "..oWWWWWWWWWWo..",
        "..oWGGGGGGGWWo..",
        "..oWWWWWWWWWWo..",
        "..oWGGGGGGGWWo..",
        "..oWWWWWWWWWWo..",
        "..oWGGGGGWWWWo..",
        "..oWWWWWWWWWWo..",
        "..oWWWWWWWWWWo..",
        "..oooooooooooo..",
        "................",
    };
    paintPixels(img, 16, 0, document, documentPalette());
    return img;
}

// ----------------------------------------------------------------- rule

QImage makeRule()
{
    QImage img = transparent(265, 7);
    QPainter p(&img);
    p.fillRect(QRect(0, 2, 265, 3), kRuleGreen);
    return img;
}

// ---------------------------------------------------------------- mouse

// Mouse geometry on a 32 px grid, shared with the SVG so the scalable icon
// matches the bitmaps. Edges sit on half pixels so 1 px lines stay sharp.
struct MouseGeometry {
    qreal left, top, width, height, radius, splitY;
    qreal centreX() const { return left + width / 2; }
    QRectF body() const { return QRectF(left, top, width, height); }
};

const MouseGeometry kMouse32{8.5, 7.5, 16, 22, 7.5, 16.5};
const MouseGeometry kMouse32Icon{5.5, 8.5, 16, 22, 7.5, 17.5};

QPainterPath bodyPath(const MouseGeometry &m)
{
    QPainterPath path;
    path.addRoundedRect(m.body(), m.radius, m.radius);
    return path;
}

QPainterPath leftButtonPath(const MouseGeometry &m)
{
    QPainterPath half;
    half.addRect(QRectF(m.left, m.top, m.width / 2, m.splitY - m.top));
    return bodyPath(m).intersected(half);
}

QPainterPath cablePath(const MouseGeometry &m)
{
    const qreal x = m.centreX();
    QPainterPath path;
    path.moveTo(x, m.top);
    path.cubicTo(x, m.top - 4, x + 5, m.top - 2.5, x + 6, m.top - 6.5);
    return path;
}

void drawMouse(QPainter &p, const MouseGeometry &m, bool leftPressed)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cablePath(m));

    QLinearGradient shade(0, m.top, 0, m.top + m.height);
    shade.setColorAt(0, QColor(0xff, 0xff, 0xff));
    shade.setColorAt(1, QColor(0xd3, 0xd9, 0xe2));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(bodyPath(m));

    if (leftPressed) {
        p.setBrush(kButtonBlue);
        p.drawPath(leftButtonPath(m));
    }

    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(m.left, m.splitY), QPointF(m.left + m.width, m.splitY));
    p.drawLine(QPointF(m.centreX(), m.top), QPointF(m.centreX(), m.splitY));
    p.drawPath(bodyPath(m));
    p.restore();
}

QPainterPath sparkPath(QPointF c, qreal outer, qreal inner)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - outer);
    path.lineTo(c.x() + inner, c.y() - inner);
    path.lineTo(c.x() + outer, c.y());
    path.lineTo(c.x() + inner, c.y() + inner);
    path.lineTo(c.x(), c.y() + outer);
    path.lineTo(c.x() - inner, c.y() + inner);
    path.lineTo(c.x() - outer, c.y());
    path.lineTo(c.x() - inner, c.y() - inner);
    path.closeSubpath();
    return path;
}

const QPointF kSparkCentre(25.5, 6.5);
const qreal kSparkOuter = 5.5;
const qreal kSparkInner = 1.6;

QImage makeMouseIcon(bool leftPressed)
{
    QImage img = transparent(32, 32);
    QPainter p(&img);
    drawMouse(p, kMouse32, leftPressed);
    return img;
}

// Program icon: a mouse being clicked, with a spark for the "aha" moment.
// Larger sizes for the desktop's icon theme are the same drawing scaled, so
// they match the 32 px resource and the SVG line for line.
QImage makeAppIcon(int size)
{
    QImage img = transparent(size, size);
    QPainter p(&img);
    p.scale(size / 32.0, size / 32.0);
    drawMouse(p, kMouse32Icon, true);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kSparkEdge, 1));
    p.setBrush(kSparkFill);
    p.drawPath(sparkPath(kSparkCentre, kSparkOuter, kSparkInner));
    return img;
}

// At 16 px a scaled drawing turns to mush, so this one is placed by hand.
QImage makeAppIcon16()
{
    QImage img = transparent(16, 16);
    const QStringList rows = {
        "............s...",
        ".....k......s...",
        "......k...sssss.",
        "......k.....s...",
        "...kkkkkkk..s...",
        "..kBBBkwwwk.....",
        "..kBBBkwwwk.....",
        "..kBBBkwwwk.....",
        "..kkkkkkkkk.....",
        "..kwwwwwwwk.....",
        "..kwwwwwwwk.....",
        "..kwwwwwwwk.....",
        "..kgggggggk.....",
        "..kgggggggk.....",
        "...kkkkkkk......",
        "................",
    };
    paintPixels(img, 0, 0, rows,
                {{'k', kInk},
                 {'B', kButtonBlue},
                 {'w', QColor(0xfa, 0xfb, 0xfd)},
                 {'g', QColor(0xd3, 0xd9, 0xe2)},
                 {'s', kSparkFill}});
    return img;
}

QString svgNumber(qreal v)
{
    return QString::number(v, 'g', 6);
}

// Writes the scalable program icon from the same geometry as the 32 px one.
bool writeAppIconSvg(const QString &relPath)
{
    const MouseGeometry &m = kMouse32Icon;
    const qreal x = m.centreX();
    const QPointF c = kSparkCentre;
    const qreal o = kSparkOuter;
    const qreal i = kSparkInner;
    auto n = svgNumber;

    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
           "viewBox=\"0 0 32 32\">\n"
        << "  <title>Kestrin</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"body\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\""
        << n(m.top) << "\" x2=\"0\" y2=\"" << n(m.top + m.height) << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"#ffffff\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"#d3d9e2\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n"
        << "  <path d=\"M" << n(x) << " " << n(m.top) << " C" << n(x) << " "
        << n(m.top - 4) << " " << n(x + 5) << " " << n(m.top - 2.5) << " "
        << n(x + 6) << " " << n(m.top - 6.5)
        << "\" fill=\"none\" stroke=\"#2b2f36\" stroke-width=\"1.5\" "
           "stroke-linecap=\"round\"/>\n"
        << "  <rect x=\"" << n(m.left) << "\" y=\"" << n(m.top) << "\" width=\""
        << n(m.width) << "\" height=\"" << n(m.height) << "\" rx=\"" << n(m.radius)
        << "\" fill=\"url(#body) #e9edf2\"/>\n"
        // The pressed button is spelled out as a path rather than a clip so
        // that simple SVG renderers draw it too.
        << "  <path d=\"M" << n(m.left) << " " << n(m.splitY) << " V"
        << n(m.top + m.radius) << " A" << n(m.radius) << " " << n(m.radius)
        << " 0 0 1 " << n(m.left + m.radius) << " " << n(m.top) << " H" << n(x)
        << " V" << n(m.splitY) << " Z\" fill=\"#2f74d0\"/>\n"
        << "  <path d=\"M" << n(m.left) << " " << n(m.splitY) << " H"
        << n(m.left + m.width) << " M" << n(x) << " " << n(m.top) << " V"
        << n(m.splitY) << "\" fill=\"none\" stroke=\"#2b2f36\" stroke-width=\"1\"/>\n"
        << "  <rect x=\"" << n(m.left) << "\" y=\"" << n(m.top) << "\" width=\""
        << n(m.width) << "\" height=\"" << n(m.height) << "\" rx=\"" << n(m.radius)
        << "\" fill=\"none\" stroke=\"#2b2f36\" stroke-width=\"1\"/>\n"
        << "  <path d=\"M" << n(c.x()) << " " << n(c.y() - o) << " L"
        << n(c.x() + i) << " " << n(c.y() - i) << " L" << n(c.x() + o) << " "
        << n(c.y()) << " L" << n(c.x() + i) << " " << n(c.y() + i) << " L"
        << n(c.x()) << " " << n(c.y() + o) << " L" << n(c.x() - i) << " "
        << n(c.y() + i) << " L" << n(c.x() - o) << " " << n(c.y()) << " L"
        << n(c.x() - i) << " " << n(c.y() - i)
        << " Z\" fill=\"#f5a623\" stroke=\"#b86e00\" stroke-width=\"1\" "
           "stroke-linejoin=\"round\"/>\n"
        << "</svg>\n";
    out.flush();

    const QString path = g_outDir + QLatin1Char('/') + relPath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    f.write(s.toUtf8());
    return true;
}

// --------------------------------------------------------------- cursor

// Pointing hand; the program sets the hot spot to (8, 2), the fingertip.
QImage makeHandCursor()
{
    QImage img = transparent(32, 32);
    const QStringList rows = {
        "",
        "",
        ".......XXX",
        "......XwwwX",
        "......XwwwX",
        "......XwwwX",
        "......XwwwX",
        "......XwwwX",
        "......XwwwX",
        "......XwwwXXXX",
        "......XwwwXwwwXXXX",
        "......XwwwXwwwXwwwXXX",
        "..XXX.XwwwXwwwXwwwXwwX",
        ".XwwwXXwwwXwwwXwwwXwwX",
        ".XwwwwXwwwwwwwwwwwwwwX",
        "..XwwwwXwwwwwwwwwwwwwX",
        "..XwwwwwwwwwwwwwwwwwwX",
        "...XwwwwwwwwwwwwwwwwwX",
        "....XwwwwwwwwwwwwwwwwX",
        ".....XwwwwwwwwwwwwwwwX",
        "......XwwwwwwwwwwwwwwX",
        "......XwwwwwwwwwwwwwX",
        ".......XwwwwwwwwwwwwX",
        ".......XwwwwwwwwwwwwX",
        ".......XXXXXXXXXXXXXX",
    };
    paintPixels(img, 0, 0, rows, {{'X', Qt::black}, {'w', Qt::white}});
    return img;
}

// ---------------------------------------------------------------- checks
//
// The program depends on exact properties of these files (hit-testing on
// the red square, a magenta colour key, the cursor hot spot, fixed text
// sizes). Re-reading what is on disk catches a careless edit to the
// drawing code, or an editor that rewrote line endings, before it ships.

int g_problems = 0;

void problem(const QString &file, const QString &what)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(what));
    ++g_problems;
}

QImage loadChecked(const QString &relPath, QSize expected)
{
    QImage img(g_outDir + QLatin1Char('/') + relPath);
    if (img.isNull()) {
        problem(relPath, QStringLiteral("missing or unreadable"));
        return img;
    }
    if (img.size() != expected) {
        problem(relPath, QStringLiteral("size %1x%2, expected %3x%4")
                             .arg(img.width()).arg(img.height())
                             .arg(expected.width()).arg(expected.height()));
        return QImage();
    }
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool sameRgb(QRgb a, const QColor &b)
{
    return qAlpha(a) == 255 && (a & 0xffffff) == (b.rgb() & 0xffffff);
}

void checkOpaque(const QString &relPath, const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 255) {
                problem(relPath, QStringLiteral("transparent pixel at %1,%2").arg(x).arg(y));
                return;
            }
}

void checkTransparentCorners(const QString &relPath, const QImage &img)
{
    const int r = img.width() - 1;
    const int b = img.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
        if (qAlpha(img.pixel(p)) != 0)
            problem(relPath, QStringLiteral("corner %1,%2 is not transparent").arg(p.x()).arg(p.y()));
}

void checkTarget()
{
    const QString name = QStringLiteral("bitmaps/158.png");
    const QImage img = loadChecked(name, {64, 64});
    if (img.isNull())
        return;
    checkOpaque(name, img);
    const QRect red(11, 11, 42, 42); // pixels 11..52 inclusive
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (sameRgb(img.pixel(x, y), kTargetRed) != red.contains(x, y)) {
                problem(name, QStringLiteral("red area wrong at %1,%2").arg(x).arg(y));
                return;
            }
}

void checkTreeIcons()
{
    const QString name = QStringLiteral("bitmaps/163.png");
    const QImage img = loadChecked(name, {32, 16});
    if (img.isNull())
        return;
    checkOpaque(name, img);
    // Any colour outside the two palettes would be a blend with the key,
    // which shows up as a pink fringe once the key is made transparent.
    const QHash<QChar, QColor> palettes[2] = {folderPalette(), documentPalette()};
    for (int half = 0; half < 2; ++half) {
        int artwork = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb px = img.pixel(half * 16 + x, y);
                if (sameRgb(px, kColourKey))
                    continue;
                bool known = false;
                for (const QColor &c : palettes[half])
                    known = known || sameRgb(px, c);
                if (!known)
                    problem(name, QStringLiteral("stray colour at %1,%2").arg(half * 16 + x).arg(y));
                ++artwork;
            }
        }
        if (artwork < 64 || artwork == 256)
            problem(name, QStringLiteral("image %1 has %2 artwork pixels").arg(half).arg(artwork));
    }
}

void checkRule()
{
    const QString name = QStringLiteral("bitmaps/164.png");
    const QImage img = loadChecked(name, {265, 7});
    if (img.isNull())
        return;
    for (int y = 0; y < 7; ++y) {
        const bool bar = y >= 2 && y <= 4;
        for (int x = 0; x < 265; ++x) {
            const QRgb px = img.pixel(x, y);
            if (bar ? !sameRgb(px, kRuleGreen) : qAlpha(px) != 0) {
                problem(name, QStringLiteral("unexpected pixel at %1,%2").arg(x).arg(y));
                return;
            }
        }
    }
}

void checkCursor()
{
    const QString name = QStringLiteral("cursors/147.png");
    const QImage img = loadChecked(name, {32, 32});
    if (img.isNull())
        return;
    checkTransparentCorners(name, img);
    // The hot spot must be the very tip: opaque, with nothing above it.
    if (qAlpha(img.pixel(8, 2)) != 255)
        problem(name, QStringLiteral("hot spot 8,2 is not on the fingertip"));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 32; ++x)
            if (qAlpha(img.pixel(x, y)) != 0)
                problem(name, QStringLiteral("artwork above the hot spot at %1,%2").arg(x).arg(y));
}

int countNear(const QImage &img, const QRect &area, const QColor &c)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb px = img.pixel(x, y);
            if (qAlpha(px) == 255 && qAbs(qRed(px) - c.red()) < 16
                && qAbs(qGreen(px) - c.green()) < 16 && qAbs(qBlue(px) - c.blue()) < 16)
                ++n;
        }
    return n;
}

void checkMice()
{
    const QImage pressed = loadChecked(QStringLiteral("icons/159.png"), {32, 32});
    const QImage idle = loadChecked(QStringLiteral("icons/160.png"), {32, 32});
    const QImage app = loadChecked(QStringLiteral("icons/128.png"), {32, 32});
    const QImage small = loadChecked(QStringLiteral("icons/128-16.png"), {16, 16});
    if (pressed.isNull() || idle.isNull() || app.isNull() || small.isNull())
        return;
    checkTransparentCorners(QStringLiteral("icons/159.png"), pressed);
    checkTransparentCorners(QStringLiteral("icons/160.png"), idle);
    checkTransparentCorners(QStringLiteral("icons/128.png"), app);
    checkTransparentCorners(QStringLiteral("icons/128-16.png"), small);

    // The lesson toggles between 159 and 160 in place, so apart from the
    // left button they must be identical or the mouse would seem to jump.
    const QRect leftButton = leftButtonPath(kMouse32).boundingRect().toAlignedRect();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!leftButton.contains(x, y) && pressed.pixel(x, y) != idle.pixel(x, y)) {
                problem(QStringLiteral("icons/159.png"),
                        QStringLiteral("differs from 160 outside the left button at %1,%2").arg(x).arg(y));
                return;
            }
    if (countNear(pressed, leftButton, kButtonBlue) < 20)
        problem(QStringLiteral("icons/159.png"), QStringLiteral("left button is not blue"));
    if (countNear(idle, QRect(0, 0, 32, 32), kButtonBlue) != 0)
        problem(QStringLiteral("icons/160.png"), QStringLiteral("shows a pressed button"));
}

void checkText(const QString &relPath, qint64 expectedBytes, const QByteArray &heading)
{
    QFile f(g_outDir + QLatin1Char('/') + relPath);
    if (!f.open(QIODevice::ReadOnly)) {
        problem(relPath, QStringLiteral("missing"));
        return;
    }
    const QByteArray text = f.readAll();
    if (text.size() != expectedBytes)
        problem(relPath, QStringLiteral("%1 bytes, expected %2").arg(text.size()).arg(expectedBytes));
    for (int i = 0; i < text.size(); ++i) {
        const uchar c = uchar(text.at(i));
        if (c >= 0x80 || (c < 0x20 && c != '\r' && c != '\n')) {
            problem(relPath, QStringLiteral("byte 0x%1 at %2").arg(c, 2, 16, QLatin1Char('0')).arg(i));
            break;
        }
        const bool lfWithoutCr = c == '\n' && (i == 0 || text.at(i - 1) != '\r');
        const bool crWithoutLf = c == '\r' && (i + 1 >= text.size() || text.at(i + 1) != '\n');
        if (lfWithoutCr || crWithoutLf) {
            problem(relPath, QStringLiteral("line ending is not CR LF at byte %1").arg(i));
            break;
        }
    }
    if (!text.startsWith(heading + "\r\n\r\n"))
        problem(relPath, QStringLiteral("does not open with its heading and an empty line"));
    if (text.contains("\r\n\r\n\r\n") || text.contains(" \r\n") || text.contains("  "))
        problem(relPath, QStringLiteral("has padding (blank runs or stray spaces)"));
    if (!text.contains("www.vellumark.example"))
        problem(relPath, QStringLiteral("does not point to the web site"));
}

bool checkAll()
{
    g_problems = 0;
    const struct { const char *path; QSize size; } opaqueBitmaps[] = {
        {"bitmaps/129.png", {382, 119}}, {"bitmaps/152.png", {256, 61}},
    };
    for (const auto &b : opaqueBitmaps) {
        const QImage img = loadChecked(QString::fromLatin1(b.path), b.size);
        if (!img.isNull())
            checkOpaque(QString::fromLatin1(b.path), img);
    }
    for (const Tagline &tagline : kTaglines) {
        if (!*tagline.language)
            continue;
        const QString path = QStringLiteral("bitmaps/%1/129.png").arg(QLatin1String(tagline.language));
        const QImage img = loadChecked(path, {382, 119});
        if (!img.isNull())
            checkOpaque(path, img);
    }
    const struct { const char *path; QSize size; } overWindowBitmaps[] = {
        {"bitmaps/153.png", {25, 30}}, {"bitmaps/154.png", {22, 30}}, {"bitmaps/155.png", {9, 9}},
    };
    for (const auto &b : overWindowBitmaps) {
        const QImage img = loadChecked(QString::fromLatin1(b.path), b.size);
        if (!img.isNull())
            checkTransparentCorners(QString::fromLatin1(b.path), img);
    }
    checkTarget();
    checkTreeIcons();
    checkRule();
    checkCursor();
    checkMice();
    if (!QFile::exists(g_outDir + QStringLiteral("/icons/kestrin.svg")))
        problem(QStringLiteral("icons/kestrin.svg"), QStringLiteral("missing"));

    checkText(QStringLiteral("texts/151.txt"), 868, "Welcome to Kestrin");
    checkText(QStringLiteral("texts/165.txt"), 2570, "Copy and Paste Tutorial");
    checkText(QStringLiteral("texts/166.txt"), 873, "Drag and Drop Tutorial");
    checkText(QStringLiteral("texts/167.txt"), 794, "Double Click Tutorial");
    return g_problems == 0;
}

QString hicolorIcon(int size)
{
    return QStringLiteral("icons/hicolor/%1x%1/apps/example.vellumark.Kestrin.png").arg(size);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool checkOnly = args.size() == 2 && args.at(0) == QLatin1String("--check");
    if (!(args.size() == 1 || checkOnly)) {
        std::fprintf(stderr, "usage: %s [--check] <res-folder>\n", argv[0]);
        return 2;
    }
    g_outDir = args.last();

    if (!checkOnly) {
        for (const Tagline &tagline : kTaglines) {
            const QString folder = *tagline.language
                ? QStringLiteral("bitmaps/%1/").arg(QLatin1String(tagline.language))
                : QStringLiteral("bitmaps/");
            QDir(g_outDir).mkpath(folder);
            saveUnfiltered(makeBanner(tagline.text), folder + QStringLiteral("129.png"), {382, 119});
        }
        saveUnfiltered(makeSmallLogo(), "bitmaps/152.png", {256, 61});
        save(makeMarker(25, 30, QStringLiteral("#2"), true), "bitmaps/153.png", {25, 30});
        save(makeMarker(22, 30, QStringLiteral("#1"), false), "bitmaps/154.png", {22, 30});
        save(makeBullet(), "bitmaps/155.png", {9, 9});
        save(makeTarget(), "bitmaps/158.png", {64, 64});
        save(makeTreeIcons(), "bitmaps/163.png", {32, 16});
        save(makeRule(), "bitmaps/164.png", {265, 7});
        save(makeAppIcon(32), "icons/128.png", {32, 32});
        save(makeAppIcon16(), "icons/128-16.png", {16, 16});
        // The desktop's icon theme: the hand-placed 16 px icon, the rest drawn.
        save(makeAppIcon16(), hicolorIcon(16), {16, 16});
        for (int size : {24, 32, 48, 64, 128, 256})
            save(makeAppIcon(size), hicolorIcon(size), {size, size});
        save(makeMouseIcon(true), "icons/159.png", {32, 32});
        save(makeMouseIcon(false), "icons/160.png", {32, 32});
        save(makeHandCursor(), "cursors/147.png", {32, 32});
        if (!writeAppIconSvg("icons/kestrin.svg"))
            g_failed = true;
    }

    // The long texts are hand-written, not generated, but they are checked
    // here too so one command vouches for everything under res/.
    if (!checkAll())
        g_failed = true;
    return g_failed ? EXIT_FAILURE : EXIT_SUCCESS;
}
