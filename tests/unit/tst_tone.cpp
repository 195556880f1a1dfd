#include "common/platform/system/Tone.h"

#include <QElapsedTimer>
#include <QTest>

#include <dlfcn.h>

// The tone sounds at each press of the animated mouse; the window must go on
// answering the user while it plays, with or without a sound card, and the
// player must come to rest whatever it was asked.
class TestTone : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsTheSoundLibraryAtTheFirstTone();
    void neverHoldsTheCaller_data();
    void neverHoldsTheCaller();
};

void TestTone::loadsTheSoundLibraryAtTheFirstTone()
{
    const auto loaded = [] { return dlopen("libasound.so.2", RTLD_NOW | RTLD_NOLOAD) != nullptr; };
    QVERIFY(!loaded());
    Tone::Play(4000, 10);
    QVERIFY(Tone::WaitUntilQuiet(5000));
    QVERIFY(loaded());
}

void TestTone::neverHoldsTheCaller_data()
{
    QTest::addColumn<unsigned>("hz");
    QTest::addColumn<unsigned>("ms");
    QTest::addColumn<int>("gapMs"); // between two calls, as between two presses
    QTest::newRow("the animated press") << 4000u << 10u << 5;
    QTest::newRow("a long low tone") << 200u << 2000u << 5;
    QTest::newRow("each cuts off the last") << 4000u << 500u << 0;
    QTest::newRow("nothing to play") << 4000u << 0u << 5;
    QTest::newRow("above what a card plays") << 96000u << 10u << 5;
}

void TestTone::neverHoldsTheCaller()
{
    QFETCH(unsigned, hz);
    QFETCH(unsigned, ms);
    QFETCH(int, gapMs);
    QElapsedTimer clock;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        Tone::Play(hz, ms);
        QVERIFY(clock.elapsed() < 20);
        QTest::qWait(gapMs);
    }
    // Played through a device, or given up without one: never stuck.
    QVERIFY(Tone::WaitUntilQuiet(5 * int(ms) + 5000));
}

QTEST_MAIN(TestTone)
#include "tst_tone.moc"
