// The real program, started as a user would start it, closed by every route.
#include "tools/xinput/XInput.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(5000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class TestLauncherEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closesByEveryRoute_data();
    void closesByEveryRoute();
};

void TestLauncherEndToEnd::closesByEveryRoute_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("Close button") << "close button";
    QTest::newRow("Enter in the welcome box") << "welcome Enter";
    QTest::newRow("close box") << "close box";
    QTest::newRow("window menu Close") << "window menu";
}

void TestLauncherEndToEnd::closesByEveryRoute()
{
    QFETCH(QString, route);
    QProcess program;
    program.start(qEnvironmentVariable("KESTRIN_BINARY"), {});
    QVERIFY(program.waitForStarted());
    QString window;
    QVERIFY(XInput::waitFor([&] {
        window = xdotool({"search", "--onlyvisible", "--name", "^Vellumark Kestrin$"});
        return !window.isEmpty();
    }));
    window = window.section('\n', 0, 0);

    // Docks and task switchers match the window to its desktop entry by the
    // class, which the user's -name or RESOURCE_NAME leaves alone.
    QProcess xprop;
    xprop.start("xprop", {"-id", window, "WM_CLASS"});
    QVERIFY(xprop.waitForFinished(5000));
    QCOMPARE(xprop.readAllStandardOutput().trimmed(),
             QByteArray(R"(WM_CLASS(STRING) = "kestrin", "example.vellumark.Kestrin")"));

    // Centred on the screen, once the window has seen that no frame surrounds it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(XInput::waitFor([&] {
        const QString geometry = xdotool({"getwindowgeometry", "--shell", window});
        QMap<QString, int> g;
        for (const QString& line : geometry.split('\n'))
            g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        return qAbs(g["X"] + g["WIDTH"] / 2 - screen.center().x()) <= 2 &&
               qAbs(g["Y"] + g["HEIGHT"] / 2 - screen.center().y()) <= 2;
    }));

    // There is no window manager here: give the launcher the input focus.
    xdotool({"windowfocus", "--sync", window});
    if (route == "Escape") {
        XInput::keys("Escape");
    } else if (route == "close button") {
        // Tab order: the three tutorial buttons, the welcome box, Close.
        for (int i = 0; i < 4; ++i)
            XInput::keys("Tab");
        XInput::keys("space");
    } else if (route == "welcome Enter") {
        for (int i = 0; i < 3; ++i)
            XInput::keys("Tab");
        XInput::keys("Return");
    } else if (route == "close box") {
        XInput::requestClose(window.toULong());
    } else {
        XInput::keys("alt+space");
        QVERIFY(XInput::waitFor([] {
            return xdotool({"search", "--onlyvisible", "--class", "kestrin"}).count('\n') == 1;
        }));
        // The first item of the window menu is Close.
        XInput::keys("Return");
    }
    QVERIFY2(program.waitForFinished(5000), qPrintable(route));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(TestLauncherEndToEnd)
#include "tst_launcher_e2e.moc"
