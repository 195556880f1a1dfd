// The Double Click tutorial with real input through the X server, so that the
// desktop's own double-click recognition decides what a pair of clicks is.
#include "tests/support/RedSquare.h"
#include "tools/xinput/XInput.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/double_click/DoubleClickLogic.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <functional>
#include <memory>

using namespace DoubleClick;

namespace {

// Whether the screen shows a blue mouse button at `place`.
bool showsBlueButton(const QRect& place)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, place.x(), place.y(), place.width(), place.height())
                            .toImage();
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100)
                return true;
        }
    }
    return false;
}

unsigned doubleClickTime()
{
    return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

// Records when each mouse picture comes into view.
class SwapRecorder : public QObject {
public:
    SwapRecorder(QWidget* pressed, QWidget* released) : m_pressed(pressed)
    {
        pressed->installEventFilter(this);
        released->installEventFilter(this);
        clock.start();
    }
    struct Swap {
        bool pressed;
        qint64 at;
    };
    QList<Swap> swaps;
    QElapsedTimer clock;
    std::function<void()> emitted = [] {};

    // Runs the event loop as the program does (a polling wait would hold
    // the timers back) until `count` swaps are seen or `timeoutMs` passes.
    bool waitForSwaps(qsizetype count, int timeoutMs)
    {
        QEventLoop loop;
        emitted = [&] {
            if (swaps.size() >= count)
                loop.quit();
        };
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (swaps.size() < count)
            loop.exec();
        emitted = [] {};
        return swaps.size() >= count;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent) {
            swaps.append({watched == m_pressed, clock.elapsed()});
            emitted();
        }
        return false;
    }

private:
    QObject* m_pressed;
};

} // namespace

class TestDoubleClickEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void attempts_data();
    void attempts();
    void targetEdges_data();
    void targetEdges();
    void showMeSwapsTheMiceOnItsTimeline();

private:
    QString feedback() const
    {
        return m_window->GetDlgItemText(CDoubleClickTutorialDlg::kFeedbackId);
    }
    QPoint global(const QPoint& client) const { return m_window->mapToGlobal(client); }

    std::unique_ptr<CDoubleClickTutorialDlg> m_window;
    QRect m_red;
};

void TestDoubleClickEndToEnd::init()
{
    // No click of the last test may pair with the first of this one.
    QTest::qWait(static_cast<int>(doubleClickTime()) + 100);
    m_window = std::make_unique<CDoubleClickTutorialDlg>();
    QVERIFY(m_window->Create());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    XInput::settle();
    m_red = drawnRedSquare(*m_window);
    QCOMPARE(m_red.size(), QSize(42, 42));
}

void TestDoubleClickEndToEnd::cleanup() { m_window.reset(); }

void TestDoubleClickEndToEnd::attempts_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("feedback");
    QTest::addColumn<QList<int>>("counts"); // double, too slow, moved, single
    QTest::newRow("a double click") << "c c" << kSuccessMessage << QList<int>{1, 0, 0, 0};
    QTest::newRow("two slow clicks") << "c slow c" << kTooSlowMessage << QList<int>{0, 1, 0, 0};
    QTest::newRow("two quick clicks 10 pixels apart")
        << "c moved" << kMouseMovedMessage << QList<int>{0, 0, 1, 0};
    QTest::newRow("one click alone") << "c" << kSingleClickHint << QList<int>{0, 0, 0, 1};
}

void TestDoubleClickEndToEnd::attempts()
{
    QFETCH(QString, script);
    QFETCH(QString, feedback);
    QFETCH(QList<int>, counts);
    const QPoint centre = global(m_red.center());
    QElapsedTimer sinceLastClick;
    for (const QString& step : script.split(' ')) {
        if (step == "c")
            XInput::click(centre);
        else if (step == "moved")
            XInput::click(centre + QPoint(10, 0));
        else if (step == "slow")
            QTest::qWait(static_cast<int>(doubleClickTime()) + 150);
        sinceLastClick.start();
    }
    const unsigned followUp = ClickLimit(doubleClickTime()) + kFollowUpDelayMs;
    QVERIFY2(XInput::waitFor([&] { return this->feedback() == feedback; },
                             static_cast<int>(followUp) + 2000),
             qPrintable(this->feedback()));
    if (feedback == kSingleClickHint) {
        const qint64 after = sinceLastClick.elapsed();
        qInfo() << "single-click follow-up after" << after << "ms, timer" << followUp << "ms";
        QVERIFY(after >= followUp - 5 && after < followUp + 300);
    }
    QCOMPARE(m_window->GetDlgItemText(1009),
             StatisticsText(counts[0], counts[1], counts[2], counts[3]));
}

void TestDoubleClickEndToEnd::targetEdges_data()
{
    QTest::addColumn<QString>("edge");
    QTest::addColumn<int>("outward"); // pixels past the red square's edge
    QTest::addColumn<bool>("onTarget");
    for (const char* edge : {"left", "top"}) {
        QTest::addRow("%s, one pixel inside", edge) << edge << 0 << true;
        QTest::addRow("%s, one pixel outside", edge) << edge << 1 << false;
    }
    // The bounds are inclusive: one pixel past the red on these sides counts.
    for (const char* edge : {"right", "bottom"}) {
        QTest::addRow("%s, one pixel inside", edge) << edge << 1 << true;
        QTest::addRow("%s, one pixel outside", edge) << edge << 2 << false;
    }
}

void TestDoubleClickEndToEnd::targetEdges()
{
    QFETCH(QString, edge);
    QFETCH(int, outward);
    QFETCH(bool, onTarget);
    const QPoint mid = m_red.center();
    const QPoint point = edge == "left"    ? QPoint(m_red.left() - outward, mid.y())
                         : edge == "top"   ? QPoint(mid.x(), m_red.top() - outward)
                         : edge == "right" ? QPoint(m_red.right() + outward, mid.y())
                                           : QPoint(mid.x(), m_red.bottom() + outward);
    XInput::click(global(point));
    if (onTarget)
        QVERIFY(XInput::waitFor([&] { return feedback() == kFirstClickMessage; }, 1000));
    XInput::settle();
    QCOMPARE(feedback(), onTarget ? kFirstClickMessage : QString());
}

void TestDoubleClickEndToEnd::showMeSwapsTheMiceOnItsTimeline()
{
    QWidget* box = m_window->GetDlgItem(CDoubleClickTutorialDlg::kShowMeId);
    QWidget* pressed = m_window->GetDlgItem(CDoubleClickTutorialDlg::kPressedIconId);
    QWidget* released = m_window->GetDlgItem(CDoubleClickTutorialDlg::kReleasedIconId);
    const qint64 limit = ClickLimit(doubleClickTime());
    const qint64 press = ShowMeDurationsFor(static_cast<std::uint32_t>(limit)).press;

    SwapRecorder recorder(pressed, released);
    XInput::click(XInput::centreOf(box));
    // One pair and the first press of the next, each looked at on the screen
    // as soon as it is drawn: the pressed mouse is the one with a blue button.
    const QRect place(released->mapToGlobal(QPoint(0, 0)), released->size());
    for (qsizetype i = 0; i < 5; ++i) {
        QVERIFY(recorder.waitForSwaps(i + 1, static_cast<int>(3 * limit) + 2000));
        QCOMPARE(showsBlueButton(place), i % 2 == 0);
    }
    const QList<qint64> nominal{0, press, limit, limit + press, 4 * limit + press};
    const qint64 start = recorder.swaps[0].at;
    for (int i = 0; i < nominal.size(); ++i) {
        const auto& swap = recorder.swaps[i];
        QCOMPARE(swap.pressed, i % 2 == 0);
        const qint64 late = swap.at - start - nominal[i];
        qInfo() << (swap.pressed ? "pressed" : "released") << "at" << swap.at - start
                << "ms, nominal" << nominal[i];
        // Never early. Each step starts its successor's timer, so lateness
        // adds up from step to step; the bound leaves room for a busy
        // machine, and the durations themselves are checked on the fake clock.
        QVERIFY2(late >= 0 && late < 30 * (i + 1), qPrintable(QString::number(late)));
    }
    QCOMPARE(feedback(), QString());

    // Unticked, the released mouse stays and nothing moves any more.
    XInput::click(XInput::centreOf(box));
    QVERIFY(XInput::waitFor([&] { return !pressed->isVisible() && released->isVisible(); }));
    XInput::settle();
    qsizetype swaps = recorder.swaps.size();
    QTest::qWait(static_cast<int>(4 * limit));
    QCOMPARE(recorder.swaps.size(), swaps);
    QVERIFY(released->isVisible());

    // Ticked again and closed while it runs: nothing runs on after the window.
    XInput::click(XInput::centreOf(box));
    QVERIFY(XInput::waitFor([&] { return recorder.swaps.size() > swaps; }));
    XInput::click(XInput::centreOf(m_window->GetDlgItem(2)));
    QVERIFY(XInput::waitFor([&] { return m_window->isHidden(); }));
    swaps = recorder.swaps.size();
    QTest::qWait(static_cast<int>(4 * limit));
    QCOMPARE(recorder.swaps.size(), swaps);
}

QTEST_MAIN(TestDoubleClickEndToEnd)
#include "tst_doubleclick_e2e.moc"
