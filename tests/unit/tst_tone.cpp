#include "common/platform/Tone.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTest>

// The tone sounds at each press of the animated mouse; the window must go on
// answering the user while it plays, with or without a sound card.
class TestTone : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void neverHoldsTheCaller_data();
    void neverHoldsTheCaller();
};

void TestTone::neverHoldsTheCaller_data()
{
    QTest::addColumn<unsigned>("hz");
    QTest::addColumn<unsigned>("ms");
    QTest::newRow("the animated press") << 4000u << 10u;
    QTest::newRow("a long low tone") << 200u << 2000u;
    QTest::newRow("nothing to play") << 4000u << 0u;
    QTest::newRow("above what a card plays") << 96000u << 10u;
}

void TestTone::neverHoldsTheCaller()
{
    QFETCH(unsigned, hz);
    QFETCH(unsigned, ms);
    // The first tone of the run also looks for the audio output.
    QElapsedTimer clock;
    for (int i = 0; i < 5; ++i) {
        clock.start();
        Tone::Play(hz, ms);
        qInfo() << "Play returned after" << clock.nsecsElapsed() / 1000 << "us";
        QVERIFY(clock.elapsed() < 20);
        QTest::qWait(5); // let the sink take its buffer, as between two presses
    }
    qInfo() << "audio output:" << QMediaDevices::defaultAudioOutput().description();
}

QTEST_MAIN(TestTone)
#include "tst_tone.moc"
