// The benchmark and the screenshot taker see the program only through the X
// server: they find its windows by process and caption, and press the
// launcher's buttons where the program's own layout puts them. If either
// drifts from the real program, they would time or picture the wrong thing.
#include "bench/Driver.h"
#include "tools/xinput/XInput.h"

#include <QTest>

#include <csignal>
#include <utility>

namespace {
// The program under test never outlives a test, whatever fails.
struct Running {
    explicit Running(pid_t started) : pid(started) {}
    ~Running()
    {
        if (pid > 0)
            reap(pid, 0);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;
    // Ends the program as the user does; true if it exited cleanly.
    bool endsWithin(int timeoutMs) { return reap(std::exchange(pid, 0), timeoutMs); }
    pid_t pid;
};
} // namespace

class TestBenchDriverEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensEachTutorialFromItsButton_data();
    void opensEachTutorialFromItsButton();
    void missingWindowTimesOut();
};

void TestBenchDriverEndToEnd::opensEachTutorialFromItsButton_data()
{
    QTest::addColumn<int>("index");
    for (qsizetype i = 0; i < tutorials().size(); ++i)
        QTest::newRow(qPrintable(tutorials()[i].name)) << static_cast<int>(i);
}

void TestBenchDriverEndToEnd::opensEachTutorialFromItsButton()
{
    QFETCH(int, index);
    const Tutorial& tutorial = tutorials()[index];
    XSession x;
    Running program(startProgram(qEnvironmentVariable("KESTRIN_BINARY")));
    const pid_t pid = program.pid;
    const unsigned long launcher = x.waitForMapped(pid, launcherTitle(), 10000);
    QVERIFY2(launcher, "the launcher window was not seen");
    QVERIFY(residentKiB(pid) > 0);

    XInput::click(x.origin(launcher) + launcherButtonCentre(tutorial.buttonId));
    Clock::time_point mapped;
    const auto clicked = Clock::now();
    const unsigned long window = x.waitForMapped(pid, tutorial.title, 10000, &mapped);
    QVERIFY2(window, qPrintable("no window \"" + tutorial.title + "\" after its button"));
    QVERIFY(mapped >= clicked);
    QVERIFY(window != launcher);
    // The stall probe: the tutorial's window answers a ping.
    QVERIFY(x.ping(window, 5000));

    XInput::requestClose(window);
    QVERIFY(x.waitForGone(window, 10000));
    XInput::requestClose(launcher);
    QVERIFY2(program.endsWithin(10000), "the program did not end cleanly when its launcher closed");
}

void TestBenchDriverEndToEnd::missingWindowTimesOut()
{
    XSession x;
    Running program(startProgram(qEnvironmentVariable("KESTRIN_BINARY")));
    const pid_t pid = program.pid;
    const auto before = Clock::now();
    QCOMPARE(x.waitForMapped(pid, QStringLiteral("No Such Window"), 1500), 0UL);
    QVERIFY(Clock::now() - before >= std::chrono::milliseconds(1500));
    // A program that will not end is killed rather than waited for forever.
    QVERIFY(!program.endsWithin(0));
    QCOMPARE(kill(pid, 0), -1);
}

QTEST_MAIN(TestBenchDriverEndToEnd)
#include "tst_benchdriver_e2e.moc"
