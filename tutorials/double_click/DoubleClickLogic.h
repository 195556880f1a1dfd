#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// The decisions of the Double Click tutorial, apart from its window: how a
// second press is judged, which hint follows which verdict, the statistics
// text, the pace of the animated mouse and where the target lies.

enum ClickResult : std::int32_t {
    ResultNone = 0,
    ResultFirstClick = 1,
    ResultTooSlow = 2,
    ResultMouseMoved = 3,
    ResultDoubleClick = 4,
};

namespace DoubleClick {

// The English texts; Translated() gives the ones shown.
inline const QString kFirstClickMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("DoubleClick", "First click... Now quickly click again!"));
inline const QString kTooSlowMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick", "Sorry.  Not quite fast enough.\r\n\r\nTry again, but click faster."));
inline const QString kMouseMovedMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick",
    "Sorry.  You moved the mouse between the first and second click.\r\n\r\nTry again, but keep "
    "the mouse in the same position while double clicking."));
inline const QString kSuccessMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick", "Success!  \r\n\r\nYou successfully double clicked the mouse!"));
inline const QString kSingleClickHint =
    QStringLiteral(QT_TRANSLATE_NOOP("DoubleClick", "Try Again... You have to click twice."));
inline const QString kTooSlowHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick",
    "Try Again... Your second click was not quite fast enough.\r\n\r\nRemember to click faster."));
inline const QString kMouseMovedHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick",
    "Try Again... \r\n\r\nRemember to keep the mouse in the same position while double clicking."));
inline const QString kDoubleClickHint = QStringLiteral(QT_TRANSLATE_NOOP(
    "DoubleClick",
    "Practice makes perfect! \r\n\r\nSee how many times in a row you can double click."));

QString Translated(const QString& english);

// How long after the last attempt its follow-up hint appears, beyond the
// click limit.
constexpr unsigned kFollowUpDelayMs = 3000;

// The slowest pair of presses that still counts, with 50 ms to spare: the
// system's double-click time less 50 ms, and never less than nothing.
std::uint32_t ClickLimit(unsigned doubleClickTime);

// A window timer's period for a duration in milliseconds: durations that
// would not fit a timer wait as long as a timer can.
unsigned TimerPeriod(std::uint64_t ms);

// The verdict on a second plain press: the system did not take the pair as a
// double click, so a quick second press means the mouse moved. The tick
// count may have wrapped between the two presses.
ClickResult SecondPressVerdict(std::uint32_t firstClickTime, std::uint32_t now,
                               std::uint32_t clickLimit);

struct FollowUp {
    QString message;
    bool countsSingleClick;
};
// The hint that replaces the feedback once the follow-up timer runs out.
FollowUp FollowUpFor(std::int32_t lastResult);

// The running tally as the status box shows it; the tabs bring the colons
// and counts into columns.
QString StatisticsText(int doubleClicks, int tooSlow, int mouseMoved, int singleClicks);

// Tab stops, one set for all lines, that set tab-separated lines out in
// columns: each run of tabs reaches the next column however many tabs it
// holds, as long as lines with wider cells have no more tabs after them
// (true of the statistics in any usual font). Columns begin
// on multiples of `grid`, at least `grid` past the widest cell before them.
QList<qreal> ColumnTabStops(const QStringList& lines,
                            const std::function<qreal(const QString&)>& width, qreal grid);

// The animated double click: the button stays down for `press`, the second
// press of a pair begins `gap` after the first release, and the next pair
// `pause` after the second release.
struct ShowMeDurations {
    unsigned press;
    unsigned gap;
    unsigned pause;
};
ShowMeDurations ShowMeDurationsFor(std::uint32_t clickLimit);

// The target picture keeps its image at a fixed place in the layout: the
// red square's corner sits this far inside the picture's layout rectangle.
constexpr QPoint kRedCornerInLayoutRect{16, 15};
// The red square in the 64 x 64 target picture, which is drawn at that size
// in the window's own pixels whatever the screen's pixel ratio.
constexpr QRect kRedInImage{11, 11, 42, 42};
constexpr int kTargetImageSide = 64;

// Where the target picture goes, given its layout rectangle in pixels and
// its frame width.
QRect TargetPictureGeometry(const QRect& layoutRect, int frameWidth);
// The points that count as on the target, in the window's client pixels,
// given where the picture is: the red square as drawn and, since both
// bounds of the test are inclusive, one pixel more on the right and below.
QRect TargetRect(const QRect& pictureGeometry, int frameWidth);

} // namespace DoubleClick
