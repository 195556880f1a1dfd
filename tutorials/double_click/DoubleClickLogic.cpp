#include "tutorials/double_click/DoubleClickLogic.h"

#include "common/resources/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <climits>

namespace DoubleClick {

namespace {

constexpr unsigned kSpareMs = 50;

QString count(int n) { return QString::asprintf("%02d", n); }

// Two decimals with halves rounded up, as people round them (1 of 32 is
// 3.13, where printf would give 3.12). The share is written out
// in full first, so the rounding sees its exact value.
QString share(int part, int total)
{
    const double percent = static_cast<double>(part) / total * 100.0;
    const QString exact = QString::asprintf("%.80f", percent);
    const qsizetype point = exact.indexOf('.');
    qint64 hundredths = exact.left(point).toLongLong() * 100 + exact.mid(point + 1, 2).toInt();
    if (exact.at(point + 3) >= '5')
        ++hundredths;
    // English keeps its point; a translation writes the decimal sign of its
    // language ("50,00" in German).
    const QString language = Translations::Language();
    const QString decimalSign =
        language.isEmpty() ? QStringLiteral(".") : QLocale(language).decimalPoint();
    return QStringLiteral("%1%2%3")
        .arg(hundredths / 100)
        .arg(decimalSign)
        .arg(hundredths % 100, 2, 10, QChar('0'));
}

} // namespace

QString Translated(const QString& english)
{
    return QCoreApplication::translate("DoubleClick", english.toUtf8().constData());
}

std::uint32_t ClickLimit(unsigned doubleClickTime)
{
    return doubleClickTime > kSpareMs ? doubleClickTime - kSpareMs : 0;
}

unsigned TimerPeriod(std::uint64_t ms) { return static_cast<unsigned>(std::min<std::uint64_t>(ms, INT_MAX)); }

ClickResult SecondPressVerdict(std::uint32_t firstClickTime, std::uint32_t now,
                               std::uint32_t clickLimit)
{
    const std::uint32_t elapsed = now - firstClickTime;
    return elapsed > clickLimit ? ResultTooSlow : ResultMouseMoved;
}

FollowUp FollowUpFor(std::int32_t lastResult)
{
    switch (lastResult) {
    case ResultFirstClick:
        return {Translated(kSingleClickHint), true};
    case ResultTooSlow:
        return {Translated(kTooSlowHint), false};
    case ResultMouseMoved:
        return {Translated(kMouseMovedHint), false};
    case ResultDoubleClick:
        return {Translated(kDoubleClickHint), false};
    default:
        return {QString(), false};
    }
}

QString StatisticsText(int doubleClicks, int tooSlow, int mouseMoved, int singleClicks)
{
    const int total = doubleClicks + singleClicks + tooSlow + mouseMoved;
    // The English tab runs line the colons up at the box's tab stops; a
    // translation gives each name a single tab, and the stops fitted to the
    // widest name line them up in any language.
    const auto label = [](const char* english) { return Translated(QLatin1String(english)); };
    // The per cent sign stands as the language sets it: right after the
    // figure in English, after a narrow space in French or German.
    const QString percent = label(QT_TRANSLATE_NOOP("DoubleClick", "%1%"));
    const auto line = [total, &label, &percent](const char* english, int n) {
        return label(english) + count(n) + QStringLiteral(" (") +
               percent.arg(share(n, total)) + QLatin1Char(')');
    };
    return line(QT_TRANSLATE_NOOP("DoubleClick", "Double Clicks\t:\t"), doubleClicks) +
           QStringLiteral(" \r\n") +
           line(QT_TRANSLATE_NOOP("DoubleClick", "Too Slow\t\t\t\t:\t"), tooSlow) +
           QStringLiteral("\r\n") +
           line(QT_TRANSLATE_NOOP("DoubleClick", "Mouse Moved\t:\t"), mouseMoved) +
           QStringLiteral("\r\n") +
           line(QT_TRANSLATE_NOOP("DoubleClick", "Single Click\t\t\t:\t"), singleClicks) +
           QStringLiteral("\r\n") +
           label(QT_TRANSLATE_NOOP("DoubleClick", "Total\t\t\t\t\t\t:\t")) + count(total);
}

QList<qreal> ColumnTabStops(const QStringList& lines,
                            const std::function<qreal(const QString&)>& width, qreal grid)
{
    static const QRegularExpression tabRun(QStringLiteral("\\t+"));
    // Stops that only swallow the extra tabs of a run sit this far past the
    // text they follow, clear of any rounding of its width.
    constexpr qreal kClearance = 1;

    struct Run {
        qreal cellWidth;
        int extraTabs;
    };
    QList<QList<Run>> rows; // rows[line][column]
    for (const QString& line : lines) {
        const QStringList cells = line.split(tabRun);
        QList<Run>& row = rows.emplace_back();
        qsizetype cell = 0;
        for (auto it = tabRun.globalMatch(line); it.hasNext(); ++cell)
            row.append(Run{width(cells[cell]), static_cast<int>(it.next().capturedLength()) - 1});
    }

    QList<qreal> stops;
    qreal columnStart = 0;
    for (qsizetype column = 0;; ++column) {
        struct End {
            qreal x;
            int extraTabs;
        };
        QList<End> ends;
        for (const QList<Run>& row : rows) {
            if (row.size() > column)
                ends.append(End{columnStart + row[column].cellWidth, row[column].extraTabs});
        }
        if (ends.isEmpty())
            break;
        std::sort(ends.begin(), ends.end(), [](const End& a, const End& b) { return a.x < b.x; });
        const qreal next = std::ceil((ends.last().x + grid) / grid) * grid;
        // A run of n tabs must pass n - 1 stops before the column; a line
        // with a narrower cell passes the stops of every wider line as well.
        for (qsizetype i = 0; i < ends.size(); ++i) {
            const int passedLater = i + 1 < ends.size() ? ends[i + 1].extraTabs : 0;
            for (int k = 0; k < ends[i].extraTabs - passedLater; ++k)
                stops.append(ends[i].x + kClearance * (k + 1));
        }
        stops.append(next);
        columnStart = next;
    }
    std::sort(stops.begin(), stops.end());
    return stops;
}

ShowMeDurations ShowMeDurationsFor(std::uint32_t clickLimit)
{
    // 15 % of the limit, rounded down; integer arithmetic gives the same
    // result as the product in double precision for every 32-bit limit.
    const std::uint64_t press = std::uint64_t{clickLimit} * 15 / 100;
    return {TimerPeriod(press), TimerPeriod(clickLimit - press),
            TimerPeriod(std::uint64_t{clickLimit} * 3)};
}

QRect TargetPictureGeometry(const QRect& layoutRect, int frameWidth)
{
    const QPoint imageCorner = layoutRect.topLeft() + kRedCornerInLayoutRect - kRedInImage.topLeft();
    const QPoint frame(frameWidth, frameWidth);
    return QRect(imageCorner - frame,
                 QSize(kTargetImageSide + 2 * frameWidth, kTargetImageSide + 2 * frameWidth));
}

QRect TargetRect(const QRect& pictureGeometry, int frameWidth)
{
    const QPoint redCorner =
        pictureGeometry.topLeft() + QPoint(frameWidth, frameWidth) + kRedInImage.topLeft();
    return QRect(redCorner, kRedInImage.size() + QSize(1, 1));
}

} // namespace DoubleClick
