#include "tests/support/FakeSystemServices.h"
#include "tests/support/RedSquare.h"
#include "tests/support/Told.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/double_click/DoubleClickLogic.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <climits>
#include <optional>

using namespace DoubleClick;

namespace {

const QString kStartStatus = QStringLiteral(
    "After starting the tutorial this text will be replaced with statistics about your progress.");

QLabel* targetPicture(QWidget& window)
{
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->accessibleName() == QLatin1String("Double-click target"))
            return label;
    }
    return nullptr;
}

// One tutorial window on fake services, driven as a user would drive it.
struct Practice {
    explicit Practice(unsigned doubleClickTime = 500, std::uint32_t startTick = 1000)
    {
        services.doubleClickTime = doubleClickTime;
        services.now = startTick;
        window.Create();
        const QRect red = drawnRedSquare(window);
        onTarget = red.center();
        offTarget = red.topLeft() + QPoint(-20, red.height() / 2);
    }

    // "p"/"o": press and release on/off the target; "d"/"x": a double click
    // on/off the target, as the system delivers it; "l": a press on the
    // feedback label, "m" on the mouse picture, "e" in the status box, "f"
    // on its frame, "k" on the blank right of the "Show Me" text;
    // "s": a click on "Show Me"; "+N": N milliseconds pass.
    void run(const QString& script)
    {
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            if (step.startsWith('+'))
                services.advance(step.mid(1).toUInt());
            else if (step == "p" || step == "o")
                QTest::mouseClick(&window, Qt::LeftButton, {}, step == "p" ? onTarget : offTarget);
            else if (step == "d" || step == "x")
                QTest::mouseDClick(&window, Qt::LeftButton, {}, step == "d" ? onTarget : offTarget);
            else if (step == "s")
                QTest::mouseClick(window.GetDlgItem(CDoubleClickTutorialDlg::kShowMeId),
                                  Qt::LeftButton);
            else if (step == "e")
                QTest::mouseClick(qobject_cast<QPlainTextEdit*>(window.GetDlgItem(1009))->viewport(),
                                  Qt::LeftButton);
            else if (step == "f") // the status box's frame
                QTest::mouseClick(window.GetDlgItem(1009), Qt::LeftButton, {}, QPoint(0, 0));
            else if (step == "k") { // beside the text of "Show Me"
                QWidget* box = window.GetDlgItem(CDoubleClickTutorialDlg::kShowMeId);
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 1, box->height() / 2));
            }
            else
                QTest::mouseClick(window.GetDlgItem(step == "l" ? CDoubleClickTutorialDlg::kFeedbackId
                                                                : CDoubleClickTutorialDlg::kReleasedIconId),
                                  Qt::LeftButton, {}, QPoint(3, 3));
        }
    }

    QString feedback() const { return window.GetDlgItemText(CDoubleClickTutorialDlg::kFeedbackId); }
    QString status() const { return window.GetDlgItemText(1009); }
    bool pressedShown() const { return window.GetDlgItem(1014)->isVisibleTo(&window); }
    bool releasedShown() const { return window.GetDlgItem(1015)->isVisibleTo(&window); }

    FakeSystemServices services;
    CDoubleClickTutorialDlg window;
    QPoint onTarget;
    QPoint offTarget;
};

} // namespace

class TestDoubleClickTutorial : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensIdle();
    void classifiesPresses_data();
    void classifiesPresses();
    void targetIsTheDrawnRedSquare_data();
    void targetIsTheDrawnRedSquare();
    void showMeActsOutTheSlowestDoubleClick_data();
    void showMeActsOutTheSlowestDoubleClick();
    void uncheckingStopsTheMouse_data();
    void uncheckingStopsTheMouse();
    void closingLeavesNoTimer_data();
    void closingLeavesNoTimer();
    void feedbackIsReadOut();
    void statisticsStandInColumns_data();
    void statisticsStandInColumns();
};

void TestDoubleClickTutorial::opensIdle()
{
    Practice practice;
    QCOMPARE(practice.feedback(), QString());
    QCOMPARE(practice.status(), kStartStatus);
    QVERIFY(!practice.pressedShown());
    QVERIFY(practice.releasedShown());
    QCOMPARE(practice.services.runningTimerCount(), 0);
    QVERIFY(!practice.window.GetDlgItem(1017)->isVisibleTo(&practice.window));
    QCOMPARE(targetPicture(practice.window)->accessibleName(), QString("Double-click target"));
    QCOMPARE(practice.window.GetDlgItem(1013)->accessibleName(), QString("Show Me"));
}

void TestDoubleClickTutorial::classifiesPresses_data()
{
    QTest::addColumn<unsigned>("doubleClickTime");
    QTest::addColumn<std::uint32_t>("startTick");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("feedback");
    QTest::addColumn<QList<int>>("counts"); // double, too slow, moved, single
    QTest::addColumn<int>("runningTimers");

    const QString first = kFirstClickMessage;
    QTest::newRow("a first click alone leaves the status")
        << 500u << 1000u << "p" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("follow-up not yet at L + 2999")
        << 500u << 1000u << "p +3449" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("follow-up counts a single click at L + 3000")
        << 500u << 1000u << "p +3450" << kSingleClickHint << QList<int>{0, 0, 0, 1} << 0;
    QTest::newRow("second press at L: moved")
        << 500u << 1000u << "p +450 p" << kMouseMovedMessage << QList<int>{0, 0, 1, 0} << 1;
    QTest::newRow("second press at L + 1: too slow")
        << 500u << 1000u << "p +451 p" << kTooSlowMessage << QList<int>{0, 1, 0, 0} << 1;
    QTest::newRow("second press off the target counts")
        << 500u << 1000u << "p +100 o" << kMouseMovedMessage << QList<int>{0, 0, 1, 0} << 1;
    QTest::newRow("second press on the feedback label counts")
        << 500u << 1000u << "p +100 l" << kMouseMovedMessage << QList<int>{0, 0, 1, 0} << 1;
    QTest::newRow("second press on the mouse picture counts")
        << 500u << 1000u << "p +600 m" << kTooSlowMessage << QList<int>{0, 1, 0, 0} << 1;
    QTest::newRow("a press in the status box is not seen")
        << 500u << 1000u << "p +100 e" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("nor one on its frame")
        << 500u << 1000u << "p +100 f" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("nor one beside the check box's text")
        << 500u << 1000u << "p +100 k" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("wrapped tick count, at L")
        << 500u << 0xFFFFFF00u << "p +450 p" << kMouseMovedMessage << QList<int>{0, 0, 1, 0} << 1;
    QTest::newRow("wrapped tick count, at L + 1")
        << 500u << 0xFFFFFF00u << "p +451 p" << kTooSlowMessage << QList<int>{0, 1, 0, 0} << 1;
    QTest::newRow("a double click on the target")
        << 500u << 1000u << "p +100 d" << kSuccessMessage << QList<int>{1, 0, 0, 0} << 1;
    QTest::newRow("a double click with no first click")
        << 500u << 1000u << "o +100 d" << kSuccessMessage << QList<int>{1, 0, 0, 0} << 1;
    QTest::newRow("a double click off the target leaves the first click pending")
        << 500u << 1000u << "p +100 x" << first << QList<int>{0, 0, 0, 0} << 1;
    QTest::newRow("which then becomes a single click on the first click's timer")
        << 500u << 1000u << "p +100 x +3350" << kSingleClickHint << QList<int>{0, 0, 0, 1} << 0;
    QTest::newRow("three quick presses")
        << 500u << 1000u << "p +100 d +100 p" << first << QList<int>{1, 0, 0, 0} << 1;
    QTest::newRow("three quick presses, follow-up")
        << 500u << 1000u << "p +100 d +100 p +3450" << kSingleClickHint << QList<int>{1, 0, 0, 1}
        << 0;
    QTest::newRow("follow-up of a success")
        << 500u << 1000u << "d +3450" << kDoubleClickHint << QList<int>{1, 0, 0, 0} << 0;
    QTest::newRow("follow-up of too slow")
        << 500u << 1000u << "p +451 p +3450" << kTooSlowHint << QList<int>{0, 1, 0, 0} << 0;
    QTest::newRow("follow-up of moved")
        << 500u << 1000u << "p +10 p +3450" << kMouseMovedHint << QList<int>{0, 0, 1, 0} << 0;
    QTest::newRow("a press off the target repeats a single click")
        << 500u << 1000u << "p +3450 o +3450" << kSingleClickHint << QList<int>{0, 0, 0, 2} << 0;
    QTest::newRow("a press off the target repeats too slow, uncounted")
        << 500u << 1000u << "p +451 p +3450 o +3450" << kTooSlowHint << QList<int>{0, 1, 0, 0}
        << 0;
    QTest::newRow("a press off the target at the start")
        << 500u << 1000u << "o +3450" << QString() << QList<int>{0, 0, 0, 0} << 0;
    QTest::newRow("a second press after the follow-up starts again")
        << 500u << 1000u << "p +3500 p" << first << QList<int>{0, 0, 0, 1} << 1;
    QTest::newRow("Show Me changes nothing here")
        << 500u << 1000u << "s +5000 p +450 p +3450" << kMouseMovedHint << QList<int>{0, 0, 1, 0}
        << 1;
    QTest::newRow("a double-click time under 50 ms: L is 0")
        << 20u << 1000u << "p +1 p" << kTooSlowMessage << QList<int>{0, 1, 0, 0} << 1;
    QTest::newRow("a double-click time under 50 ms: follow-up after 3000 ms")
        << 20u << 1000u << "p +3000" << kSingleClickHint << QList<int>{0, 0, 0, 1} << 0;
    QTest::newRow("the longest double-click time")
        << UINT_MAX << 1000u << "p +90000 p" << kMouseMovedMessage << QList<int>{0, 0, 1, 0} << 1;
}

void TestDoubleClickTutorial::classifiesPresses()
{
    QFETCH(unsigned, doubleClickTime);
    QFETCH(std::uint32_t, startTick);
    QFETCH(QString, script);
    QFETCH(QString, feedback);
    QFETCH(QList<int>, counts);
    QFETCH(int, runningTimers);

    Practice practice(doubleClickTime, startTick);
    // Whoever is reading the overview keeps their place through every attempt.
    auto* overview = qobject_cast<QPlainTextEdit*>(practice.window.GetDlgItem(1006));
    QTextCursor reading = overview->textCursor();
    reading.setPosition(40);
    overview->setTextCursor(reading);
    practice.run(script);
    QCOMPARE(practice.feedback(), feedback);
    const bool counted = counts != QList<int>{0, 0, 0, 0};
    QCOMPARE(practice.status(),
             counted ? StatisticsText(counts[0], counts[1], counts[2], counts[3]) : kStartStatus);
    QCOMPARE(practice.services.runningTimerCount(), runningTimers);
    QCOMPARE(overview->textCursor().position(), 40);
}

void TestDoubleClickTutorial::targetIsTheDrawnRedSquare_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("desktop font") << 0;
    QTest::newRow("small font") << 7;
    QTest::newRow("large font") << 16;
}

void TestDoubleClickTutorial::targetIsTheDrawnRedSquare()
{
    QFETCH(int, pointSize);
    const QFont before = QApplication::font();
    if (pointSize > 0) {
        QFont font = before;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    Practice practice;
    QApplication::setFont(before);
    const QRect red = drawnRedSquare(practice.window);
    QCOMPARE(red.size(), QSize(42, 42));
    const auto on = [&](int x, int y) { return practice.window.IsOnTarget(QPoint(x, y)); };
    // Both bounds are inclusive, one pixel past the red on the right and below.
    const int midX = red.center().x();
    const int midY = red.center().y();
    QVERIFY(on(red.left(), midY));
    QVERIFY(!on(red.left() - 1, midY));
    QVERIFY(on(red.right() + 1, midY));
    QVERIFY(!on(red.right() + 2, midY));
    QVERIFY(on(midX, red.top()));
    QVERIFY(!on(midX, red.top() - 1));
    QVERIFY(on(midX, red.bottom() + 1));
    QVERIFY(!on(midX, red.bottom() + 2));
    // The picture does not take the mouse: a press on its red reaches the window.
    practice.run("p");
    QCOMPARE(practice.feedback(), kFirstClickMessage);
}

void TestDoubleClickTutorial::showMeActsOutTheSlowestDoubleClick_data()
{
    QTest::addColumn<unsigned>("doubleClickTime");
    QTest::addColumn<unsigned>("press");
    QTest::newRow("L = 150") << 200u << 22u;
    QTest::newRow("L = 450") << 500u << 67u;
    QTest::newRow("L = 850") << 900u << 127u;
}

void TestDoubleClickTutorial::showMeActsOutTheSlowestDoubleClick()
{
    QFETCH(unsigned, doubleClickTime);
    QFETCH(unsigned, press);
    const unsigned limit = doubleClickTime - 50;
    Practice practice(doubleClickTime, 0);
    auto& services = practice.services;

    // Each change of the mouse over two pairs and the next press; just
    // before each change the other mouse is still shown.
    const unsigned L = limit;
    const unsigned P = press;
    const QList<std::pair<unsigned, bool>> changes{
        {0, true},          {P, false},         {L, true},          {L + P, false},
        {4 * L + P, true},  {4 * L + 2 * P, false}, {5 * L + P, true}, {5 * L + 2 * P, false},
        {8 * L + 2 * P, true}};
    practice.run("s");
    unsigned t = 0;
    for (const auto& [at, pressed] : changes) {
        if (at > t) {
            services.advance(at - t - 1);
            QVERIFY2(practice.pressedShown() != pressed, qPrintable(QString::number(at)));
            services.advance(1);
            t = at;
        }
        QVERIFY2(practice.pressedShown() == pressed, qPrintable(QString::number(at)));
        QVERIFY(practice.releasedShown() != practice.pressedShown());
    }
    const QList<std::uint32_t> beepTimes{0, L, 4 * L + P, 5 * L + P, 8 * L + 2 * P};
    QCOMPARE(services.beeps.size(), beepTimes.size());
    for (int i = 0; i < beepTimes.size(); ++i) {
        QCOMPARE(services.beeps[i].at, beepTimes[i]);
        QCOMPARE(services.beeps[i].hz, 4000u);
        QCOMPARE(services.beeps[i].ms, 10u);
    }
    QCOMPARE(practice.feedback(), QString());
    QCOMPARE(practice.status(), kStartStatus);
}

void TestDoubleClickTutorial::uncheckingStopsTheMouse_data()
{
    QTest::addColumn<unsigned>("stopAt");
    QTest::newRow("first press") << 30u;
    QTest::newRow("gap") << 100u;
    QTest::newRow("second press") << 470u;
    QTest::newRow("pause") << 1000u;
}

void TestDoubleClickTutorial::uncheckingStopsTheMouse()
{
    QFETCH(unsigned, stopAt);
    Practice practice(500, 0);
    auto& services = practice.services;
    practice.run(QStringLiteral("s +%1 s").arg(stopAt));
    QVERIFY(!practice.pressedShown());
    QVERIFY(practice.releasedShown());
    QCOMPARE(services.runningTimerCount(), 0);
    const auto beeps = services.beeps.size();
    services.advance(10000);
    QCOMPARE(services.beeps.size(), beeps);
    QVERIFY(practice.releasedShown());

    // Ticking again begins a pair from its first press: the second press
    // follows L after it.
    const std::uint32_t start = services.now;
    practice.run("s +67");
    QVERIFY(practice.releasedShown());
    practice.run("+383");
    QVERIFY(practice.pressedShown());
    QCOMPARE(services.beeps.size(), beeps + 2);
    QCOMPARE(services.beeps.last().at - start, 450u);
}

void TestDoubleClickTutorial::closingLeavesNoTimer_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("Show Me pressed") << "s";
    QTest::newRow("Show Me released") << "s +100";
    QTest::newRow("follow-up pending") << "p";
    QTest::newRow("both") << "s +500 p +100";
}

void TestDoubleClickTutorial::closingLeavesNoTimer()
{
    QFETCH(QString, script);
    Practice practice;
    practice.run(script);
    QVERIFY(practice.services.runningTimerCount() > 0);
    QTest::mouseClick(practice.window.GetDlgItem(2), Qt::LeftButton);
    QVERIFY(practice.window.isHidden());
    QCOMPARE(practice.services.runningTimerCount(), 0);
}

// A screen reader reads the feedback label by its text, and is told each
// new verdict wherever the focus is.
void TestDoubleClickTutorial::feedbackIsReadOut()
{
    Practice practice;
    QWidget* label = practice.window.GetDlgItem(CDoubleClickTutorialDlg::kFeedbackId);
    const Told told;
    practice.run("p +3450");
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
             kSingleClickHint);
    QVERIFY(!told.texts.isEmpty());
    QCOMPARE(told.texts.last(), kSingleClickHint);
}

void TestDoubleClickTutorial::statisticsStandInColumns_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("script");
    QTest::newRow("desktop font") << QString() << 0 << "p +451 p";
    QTest::newRow("large font") << QString() << 15 << "p +10 p";
    QTest::newRow("serif font") << "DejaVu Serif" << 9 << "d";
    QTest::newRow("condensed font") << "DejaVu Sans Condensed" << 8 << "p +3450";
}

// The colons of the five lines stand one above the other, and so do the
// counts, as the user sees them.
void TestDoubleClickTutorial::statisticsStandInColumns()
{
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    QFETCH(QString, script);
    const QFont before = QApplication::font();
    QFont font = before;
    if (!family.isEmpty())
        font.setFamily(family);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    QApplication::setFont(font);
    Practice practice;
    QApplication::setFont(before);
    practice.run(script);

    auto* box = qobject_cast<QPlainTextEdit*>(practice.window.GetDlgItem(1009));
    QTextDocument* document = box->document();
    QCOMPARE(document->blockCount(), 5);
    box->grab(); // lays the lines out as on the screen
    std::optional<qreal> colon;
    std::optional<qreal> count;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLine line = block.layout()->lineAt(0);
        QVERIFY(line.isValid());
        const int colonAt = int(text.indexOf(':'));
        const qreal colonX = line.cursorToX(colonAt);
        const qreal countX = line.cursorToX(colonAt + 2);
        QVERIFY2(colonX > line.cursorToX(int(text.indexOf('\t'))), qPrintable(text));
        if (!colon) {
            colon = colonX;
            count = countX;
        }
        QCOMPARE(colonX, *colon);
        QCOMPARE(countX, *count);
    }
    // The columns fit in the box.
    const qreal widest = document->documentLayout()->documentSize().width();
    QVERIFY(widest <= box->viewport()->width());
}

QTEST_MAIN(TestDoubleClickTutorial)
#include "tst_doubleclicktutorial.moc"
