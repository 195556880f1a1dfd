#include "common/platform/system/XSettings.h"
#include "tutorials/double_click/DoubleClickLogic.h"

#include <QColor>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <cstdint>

using namespace DoubleClick;

class TestDoubleClickLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void desktopSettings_data();
    void desktopSettings();
    void clickLimitLeavesFiftyMillisecondsToSpare_data();
    void clickLimitLeavesFiftyMillisecondsToSpare();
    void secondPressVerdict_data();
    void secondPressVerdict();
    void followUps_data();
    void followUps();
    void statisticsText_data();
    void statisticsText();
    void showMeDurations_data();
    void showMeDurations();
    void pressTimeMatchesTheDoublePrecisionProduct();
    void statisticsColumnsLineUpInAnyFont_data();
    void statisticsColumnsLineUpInAnyFont();
    void targetCoversTheRedSquare_data();
    void targetCoversTheRedSquare();
};

void TestDoubleClickLogic::clickLimitLeavesFiftyMillisecondsToSpare_data()
{
    QTest::addColumn<unsigned>("doubleClickTime");
    QTest::addColumn<unsigned>("limit");
    QTest::addColumn<unsigned>("followUp");
    QTest::newRow("500 ms") << 500u << 450u << 3450u;
    QTest::newRow("400 ms, a bare X server") << 400u << 350u << 3350u;
    QTest::newRow("51 ms") << 51u << 1u << 3001u;
    QTest::newRow("50 ms") << 50u << 0u << 3000u;
    QTest::newRow("under 50 ms does not wrap") << 20u << 0u << 3000u;
    QTest::newRow("0 ms") << 0u << 0u << 3000u;
    QTest::newRow("largest: the timer waits as long as it can")
        << UINT_MAX << UINT_MAX - 50 << unsigned(INT_MAX);
}

void TestDoubleClickLogic::clickLimitLeavesFiftyMillisecondsToSpare()
{
    QFETCH(unsigned, doubleClickTime);
    QFETCH(unsigned, limit);
    QFETCH(unsigned, followUp);
    QCOMPARE(ClickLimit(doubleClickTime), limit);
    QCOMPARE(TimerPeriod(std::uint64_t{ClickLimit(doubleClickTime)} + kFollowUpDelayMs), followUp);
}

void TestDoubleClickLogic::secondPressVerdict_data()
{
    QTest::addColumn<std::uint32_t>("first");
    QTest::addColumn<std::uint32_t>("now");
    QTest::addColumn<std::uint32_t>("limit");
    QTest::addColumn<int>("verdict");
    QTest::newRow("at once") << 1000u << 1000u << 450u << int(ResultMouseMoved);
    QTest::newRow("exactly L") << 1000u << 1450u << 450u << int(ResultMouseMoved);
    QTest::newRow("L + 1") << 1000u << 1451u << 450u << int(ResultTooSlow);
    QTest::newRow("long after") << 1000u << 90000u << 450u << int(ResultTooSlow);
    QTest::newRow("tick count wrapped, exactly L")
        << 0xFFFFFF00u << 194u << 450u << int(ResultMouseMoved);
    QTest::newRow("tick count wrapped, L + 1") << 0xFFFFFF00u << 195u << 450u << int(ResultTooSlow);
    QTest::newRow("wrapped at the last tick") << 0xFFFFFFFFu << 0u << 450u << int(ResultMouseMoved);
    QTest::newRow("L = 0, same tick") << 5u << 5u << 0u << int(ResultMouseMoved);
    QTest::newRow("L = 0, next tick") << 5u << 6u << 0u << int(ResultTooSlow);
}

void TestDoubleClickLogic::secondPressVerdict()
{
    QFETCH(std::uint32_t, first);
    QFETCH(std::uint32_t, now);
    QFETCH(std::uint32_t, limit);
    QFETCH(int, verdict);
    QCOMPARE(int(SecondPressVerdict(first, now, limit)), verdict);
}

void TestDoubleClickLogic::followUps_data()
{
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("countsSingleClick");
    QTest::newRow("first click") << int(ResultFirstClick)
                                 << "Try Again... You have to click twice." << true;
    QTest::newRow("too slow")
        << int(ResultTooSlow)
        << "Try Again... Your second click was not quite fast enough.\r\n\r\nRemember to click "
           "faster."
        << false;
    QTest::newRow("mouse moved") << int(ResultMouseMoved)
                                 << "Try Again... \r\n\r\nRemember to keep the mouse in the same "
                                    "position while double clicking."
                                 << false;
    QTest::newRow("double click")
        << int(ResultDoubleClick)
        << "Practice makes perfect! \r\n\r\nSee how many times in a row you can double click."
        << false;
    QTest::newRow("none") << int(ResultNone) << "" << false;
    QTest::newRow("unknown value") << 9 << "" << false;
    QTest::newRow("negative value") << -1 << "" << false;
}

void TestDoubleClickLogic::followUps()
{
    QFETCH(int, verdict);
    QFETCH(QString, message);
    QFETCH(bool, countsSingleClick);
    const FollowUp followUp = FollowUpFor(verdict);
    QCOMPARE(followUp.message, message);
    QCOMPARE(followUp.countsSingleClick, countsSingleClick);
}

void TestDoubleClickLogic::statisticsText_data()
{
    QTest::addColumn<QList<int>>("counts"); // double, too slow, moved, single
    QTest::addColumn<QString>("text");
    QTest::newRow("one success")
        << QList<int>{1, 0, 0, 0}
        << "Double Clicks\t:\t01 (100.00%) \r\nToo Slow\t\t\t\t:\t00 (0.00%)\r\nMouse "
           "Moved\t:\t00 (0.00%)\r\nSingle Click\t\t\t:\t00 (0.00%)\r\nTotal\t\t\t\t\t\t:\t01";
    QTest::newRow("thirds")
        << QList<int>{1, 2, 0, 0}
        << "Double Clicks\t:\t01 (33.33%) \r\nToo Slow\t\t\t\t:\t02 (66.67%)\r\nMouse "
           "Moved\t:\t00 (0.00%)\r\nSingle Click\t\t\t:\t00 (0.00%)\r\nTotal\t\t\t\t\t\t:\t03";
    QTest::newRow("halfway rounds up: 1 and 5 and 7 of 32")
        << QList<int>{1, 5, 7, 19}
        << "Double Clicks\t:\t01 (3.13%) \r\nToo Slow\t\t\t\t:\t05 (15.63%)\r\nMouse "
           "Moved\t:\t07 (21.88%)\r\nSingle Click\t\t\t:\t19 (59.38%)\r\nTotal\t\t\t\t\t\t:\t32";
    QTest::newRow("sevenths")
        << QList<int>{1, 2, 0, 4}
        << "Double Clicks\t:\t01 (14.29%) \r\nToo Slow\t\t\t\t:\t02 (28.57%)\r\nMouse "
           "Moved\t:\t00 (0.00%)\r\nSingle Click\t\t\t:\t04 (57.14%)\r\nTotal\t\t\t\t\t\t:\t07";
    QTest::newRow("hundreds in full")
        << QList<int>{100, 0, 0, 900}
        << "Double Clicks\t:\t100 (10.00%) \r\nToo Slow\t\t\t\t:\t00 (0.00%)\r\nMouse "
           "Moved\t:\t00 (0.00%)\r\nSingle Click\t\t\t:\t900 (90.00%)\r\nTotal\t\t\t\t\t\t:\t1000";
    QTest::newRow("a lone single click")
        << QList<int>{0, 0, 0, 1}
        << "Double Clicks\t:\t00 (0.00%) \r\nToo Slow\t\t\t\t:\t00 (0.00%)\r\nMouse "
           "Moved\t:\t00 (0.00%)\r\nSingle Click\t\t\t:\t01 (100.00%)\r\nTotal\t\t\t\t\t\t:\t01";
}

void TestDoubleClickLogic::statisticsText()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, text);
    QCOMPARE(StatisticsText(counts[0], counts[1], counts[2], counts[3]), text);
}

void TestDoubleClickLogic::showMeDurations_data()
{
    QTest::addColumn<std::uint32_t>("limit");
    QTest::addColumn<unsigned>("press");
    QTest::addColumn<unsigned>("gap");
    QTest::addColumn<unsigned>("pause");
    QTest::newRow("L = 150") << 150u << 22u << 128u << 450u;
    QTest::newRow("L = 450") << 450u << 67u << 383u << 1350u;
    QTest::newRow("L = 850") << 850u << 127u << 723u << 2550u;
    QTest::newRow("L = 0") << 0u << 0u << 0u << 0u;
    QTest::newRow("L = 7") << 7u << 1u << 6u << 21u;
    QTest::newRow("L = 6, the press rounds down to nothing") << 6u << 0u << 6u << 18u;
    QTest::newRow("largest L: the pause waits as long as a timer can")
        << UINT_MAX - 50 << 644245086u << unsigned(INT_MAX) << unsigned(INT_MAX);
}

void TestDoubleClickLogic::showMeDurations()
{
    QFETCH(std::uint32_t, limit);
    QFETCH(unsigned, press);
    QFETCH(unsigned, gap);
    QFETCH(unsigned, pause);
    const ShowMeDurations durations = ShowMeDurationsFor(limit);
    QCOMPARE(durations.press, press);
    QCOMPARE(durations.gap, gap);
    QCOMPARE(durations.pause, pause);
}

void TestDoubleClickLogic::pressTimeMatchesTheDoublePrecisionProduct()
{
    // The press lasts 15 % of L in double precision with the fraction
    // dropped; integer arithmetic must agree, multiples of 20 included.
    for (std::uint64_t limit = 0; limit <= UINT32_MAX; limit += limit < 100000 ? 1 : 999983) {
        const auto expected = static_cast<std::uint64_t>(static_cast<double>(limit) * 0.15);
        QCOMPARE(std::uint64_t{ShowMeDurationsFor(static_cast<std::uint32_t>(limit)).press},
                 std::min<std::uint64_t>(expected, INT_MAX));
    }
}

void TestDoubleClickLogic::statisticsColumnsLineUpInAnyFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("sans") << "DejaVu Sans" << 9.0 << QList<int>{1, 0, 0, 0};
    QTest::newRow("sans, large") << "DejaVu Sans" << 16.0 << QList<int>{3, 2, 1, 10};
    QTest::newRow("sans, fractional size") << "DejaVu Sans" << 8.3 << QList<int>{120, 2, 1, 1000};
    QTest::newRow("serif") << "DejaVu Serif" << 9.0 << QList<int>{3, 2, 1, 10};
    QTest::newRow("condensed") << "DejaVu Sans Condensed" << 7.0 << QList<int>{3, 2, 1, 10};
}

// Every line's colon must stand in one column and every count in the next.
void TestDoubleClickLogic::statisticsColumnsLineUpInAnyFont()
{
    QFETCH(QString, family);
    QFETCH(qreal, pointSize);
    QFETCH(QList<int>, counts);
    QFont font(family);
    font.setPointSizeF(pointSize);
    const QFontMetricsF metrics(font);
    const auto width = [&](const QString& text) { return metrics.horizontalAdvance(text); };
    // Five dialog units of the font.
    const qreal grid = (metrics.horizontalAdvance(QStringLiteral(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2 * 5 / 4;
    const QStringList lines =
        StatisticsText(counts[0], counts[1], counts[2], counts[3]).split(QStringLiteral("\r\n"));
    const QList<qreal> stops = ColumnTabStops(lines, width, grid);

    std::optional<qreal> colon;
    std::optional<qreal> count;
    for (const QString& line : lines) {
        // Walk the line as a layout would: tabs move the pen to the next stop.
        qreal x = 0;
        QList<qreal> cellX{0};
        for (const QString& cell : line.split('\t')) {
            x += width(cell);
            auto next = std::find_if(stops.begin(), stops.end(), [x](qreal s) { return s > x; });
            x = next != stops.end() ? *next : (std::floor(x / grid) + 1) * grid;
            cellX.append(x);
        }
        cellX.removeLast(); // no tab after the last cell
        const qreal colonX = cellX.at(cellX.size() - 2);
        const qreal countX = cellX.last();
        QVERIFY2(colonX > width(line.section('\t', 0, 0)), qPrintable(line));
        if (!colon) {
            colon = colonX;
            count = countX;
        }
        QCOMPARE(colonX, *colon);
        QCOMPARE(countX, *count);
    }
}

void TestDoubleClickLogic::targetCoversTheRedSquare_data()
{
    QTest::addColumn<QRect>("layoutRect");
    QTest::addColumn<int>("frameWidth");
    QTest::addColumn<QRect>("target");
    // The picture's layout rectangle at 96 dpi with the reference font.
    const QRect reference(308, 124, 73, 75);
    QTest::newRow("reference, no frame") << reference << 0 << QRect(324, 139, 43, 43);
    QTest::newRow("reference, thin frame") << reference << 1 << QRect(324, 139, 43, 43);
    QTest::newRow("reference, thick frame") << reference << 3 << QRect(324, 139, 43, 43);
    QTest::newRow("larger font") << QRect(410, 165, 98, 100) << 2 << QRect(426, 180, 43, 43);
}

void TestDoubleClickLogic::targetCoversTheRedSquare()
{
    QFETCH(QRect, layoutRect);
    QFETCH(int, frameWidth);
    QFETCH(QRect, target);
    const QRect picture = TargetPictureGeometry(layoutRect, frameWidth);
    QCOMPARE(picture.size(), QSize(64 + 2 * frameWidth, 64 + 2 * frameWidth));
    const QRect onTarget = TargetRect(picture, frameWidth);
    QCOMPARE(onTarget, target);
    // The red pixels of the image, placed where the picture draws them.
    const QRect red = kRedInImage.translated(picture.topLeft() + QPoint(frameWidth, frameWidth));
    QCOMPARE(onTarget.topLeft(), red.topLeft());
    QCOMPARE(onTarget.bottomRight(), red.bottomRight() + QPoint(1, 1));
}

// The desktop's double-click time and distance as a settings daemon
// publishes them to X programs.
void TestDoubleClickLogic::desktopSettings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wellFormed");
    QTest::addColumn<QVariant>("time");
    QTest::addColumn<QVariant>("distance");
    // Recorded from xsettingsd with Net/DoubleClickTime 900,
    // Net/DoubleClickDistance 8, Net/ThemeName "Adwaita" and
    // Gtk/CursorThemeSize 24.
    const QByteArray recorded = QByteArray::fromHex(
        "0000000001000000040000000000130047746b2f437572736f725468656d6553"
        "697a65000100000018000000000017004e65742f446f75626c65436c69636b44"
        "697374616e6365000100000008000000000013004e65742f446f75626c65436c"
        "69636b54696d6500010000008403000001000d004e65742f5468656d654e616d"
        "6500000001000000070000004164776169746100");
    QTest::newRow("recorded") << recorded << true << QVariant(900) << QVariant(8);
    QTest::newRow("no settings") << QByteArray::fromHex("000000000500000000000000") << true
                                 << QVariant() << QVariant();
    // One setting with the most significant byte first.
    QTest::newRow("big-endian") << QByteArray::fromHex("01000000000000010000000100000013"
                                                       "4e65742f446f75626c65436c69636b54"
                                                       "696d6500000000010000" "00fa")
                                << true << QVariant(250) << QVariant();
    // A colour "C" (red, blue, green, alpha) and a string "S".
    QTest::newRow("a colour and a string")
        << QByteArray::fromHex("00000000010000000200000002000100" "43000000" "00000000"
                               "ffff00000000ffff" "01000100" "53000000" "00000000"
                               "02000000" "68690000")
        << true << QVariant() << QVariant();
    for (int cut : {1, 8, 20, 40, 100, int(recorded.size()) - 1})
        QTest::addRow("cut after %d bytes", cut)
            << recorded.left(cut) << false << QVariant() << QVariant();
    QTest::newRow("more settings than bytes")
        << QByteArray::fromHex("0000000001000000ffffffff") << false << QVariant() << QVariant();
    QTest::newRow("unknown byte order")
        << QByteArray(recorded).replace(0, 1, "\x07") << false << QVariant() << QVariant();
    QTest::newRow("unknown type")
        << QByteArray(recorded).replace(12, 1, "\x05") << false << QVariant() << QVariant();
    QTest::newRow("string longer than the list")
        << QByteArray(recorded).replace(136, 4, QByteArray::fromHex("ffffff7f")) << false
        << QVariant() << QVariant();
}

void TestDoubleClickLogic::desktopSettings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wellFormed);
    QFETCH(QVariant, time);
    QFETCH(QVariant, distance);
    const std::optional<XSettingsValues> values = parseXSettings(bytes);
    QCOMPARE(values.has_value(), wellFormed);
    if (!values)
        return;
    QCOMPARE(values->value("Net/DoubleClickTime"), time);
    QCOMPARE(values->value("Net/DoubleClickDistance"), distance);
    if (bytes.contains("ThemeName"))
        QCOMPARE(values->value("Net/ThemeName"), QVariant(QByteArray("Adwaita")));
    if (values->contains("C")) {
        QCOMPARE(values->value("C").value<QColor>(), QColor(Qt::red));
        QCOMPARE(values->value("S"), QVariant(QByteArray("hi")));
    }
}

QTEST_MAIN(TestDoubleClickLogic)
#include "tst_doubleclicklogic.moc"
