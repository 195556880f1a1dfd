// Each tutorial opened from the launcher by a real click, checked as it
// stands on the screen, and closed again by a real key.
#include "app/CLauncherDlg.h"
#include "common/TutorialStatus.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/resources/Resources.h"
#include "tools/xinput/XInput.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Clicks a launcher button and hands the tutorial it opens to `inspect`
// while its modal run is going on; `inspect` must end the run, and the
// answer says whether it did.
bool whileOpen(CLauncherDlg& launcher, int buttonId, const std::function<void(CDialog&)>& inspect)
{
    bool inspected = false;
    bool closedByInput = false;
    auto* poll = new QTimer(&launcher);
    QObject::connect(poll, &QTimer::timeout, &launcher, [&launcher, &inspected, &closedByInput, poll, inspect] {
        auto* tutorial = qobject_cast<CDialog*>(QApplication::activeModalWidget());
        if (!tutorial || tutorial == &launcher || !tutorial->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        // Keys go to the window with the input focus, so wait for it.
        XInput::waitFor([tutorial] { return tutorial->isActiveWindow(); });
        inspect(*tutorial);
        inspected = true;
        // A key that went astray fails the test instead of hanging it.
        closedByInput = XInput::waitFor([tutorial] { return !tutorial->isVisible(); });
        if (!closedByInput)
            tutorial->EndDialog(-2);
    });
    poll->start(20);
    XInput::click(XInput::centreOf(launcher.GetDlgItem(buttonId)));
    return XInput::waitFor([&] { return inspected && !QApplication::activeModalWidget(); }, 15000)
           && closedByInput;
}

} // namespace

class TestTutorialsEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensFromTheLauncher_data();
    void opensFromTheLauncher();
    void dragAndDropShowsTheRuleOnceAtOpening();

private:
    CLauncherDlg* m_launcher = nullptr;
};

void TestTutorialsEndToEnd::init()
{
    m_launcher = new CLauncherDlg;
    QVERIFY(m_launcher->Create());
    ModalOwner::setMainWindow(m_launcher);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher));
    m_launcher->activateWindow();
    XInput::settle();
}

void TestTutorialsEndToEnd::cleanup()
{
    ModalOwner::setMainWindow(nullptr);
    delete m_launcher;
    m_launcher = nullptr;
}

void TestTutorialsEndToEnd::opensFromTheLauncher_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("overview");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("copy and paste")
        << 1003 << 165 << "Vellumark - Copy and Paste Tutorial"
        << "Please start the tutorial at Step 1.  As you complete the steps, this status area "
           "will track your progress.  Check back here to see how you are progressing."
        << QStringList{"Start Over", "Close"}
        << QStringList{"Step 1:", "Step 2:", "Step 3:", "Step 4:", "Step 5:"};
    QTest::newRow("double click")
        << 1005 << 167 << "Vellumark - Double Click Tutorial"
        << "After starting the tutorial this text will be replaced with statistics about your "
           "progress."
        << QStringList{"Close"}
        << QStringList{"Step 1:", "Step 2:", "Important Hints", "Visualize It"};
    QTest::newRow("drag and drop")
        << 1004 << 166 << "Vellumark - Drag and Drop Tutorial"
        << "Please start at Step 1 by placing the mouse over the tree item labeled \"Click and "
           "Drag Me\"."
        << QStringList{"Start Over", "Close"}
        << QStringList{"Step 1:", "Step 2:", "Step 3:", "Step 4:", "Important Hints"};
}

void TestTutorialsEndToEnd::opensFromTheLauncher()
{
    QFETCH(int, button);
    QFETCH(int, overview);
    QFETCH(QString, title);
    QFETCH(QString, status);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, headings);

    // Twice: the second opening is as fresh as the first.
    for (int opening = 0; opening < 2; ++opening) {
        QString seenTitle, seenOverview, seenStatus;
        QStringList seenButtons, seenLabels;
        bool launcherDisabled = false, centred = false, onScreen = false;
        const bool closed = whileOpen(*m_launcher, button, [&](CDialog& tutorial) {
            seenTitle = tutorial.windowTitle();
            seenOverview = tutorial.GetDlgItemText(1006);
            seenStatus = tutorial.GetDlgItemText(TutorialStatus::kStatusBoxId);
            for (auto* push : tutorial.findChildren<QPushButton*>())
                if (push->isVisible())
                    seenButtons << push->text();
            for (auto* label : tutorial.findChildren<QLabel*>())
                seenLabels << label->text();
            launcherDisabled = !m_launcher->isEnabled();
            const QRect frame = tutorial.frameGeometry();
            centred = (frame.center() - m_launcher->frameGeometry().center()).manhattanLength() <= 4;
            onScreen = tutorial.screen()->availableGeometry().contains(frame);
            XInput::keys("Escape");
        });
        QVERIFY2(closed, "Escape closes the tutorial");
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenOverview, Resources::LoadTextString(overview));
        QCOMPARE(seenStatus, status);
        QCOMPARE(seenButtons, buttons);
        for (const QString& heading : headings)
            QVERIFY2(seenLabels.contains(heading), qPrintable(heading));
        QVERIFY(launcherDisabled);
        QVERIFY(centred);
        QVERIFY(onScreen);
        QVERIFY(XInput::waitFor([&] { return m_launcher->isEnabled() && m_launcher->isActiveWindow(); }));
    }
}

void TestTutorialsEndToEnd::dragAndDropShowsTheRuleOnceAtOpening()
{
    QString timeline;
    QVERIFY(whileOpen(*m_launcher, 1004, [&](CDialog& tutorial) {
        QWidget* rule = tutorial.GetDlgItem(TutorialStatus::kRuleId);
        const auto shown = [rule] { return rule->isVisibleTo(rule->parentWidget()); };
        timeline += shown() ? '1' : '0';
        if (XInput::waitFor(shown, 3000))
            timeline += '1';
        if (XInput::waitFor([&] { return !shown(); }, 3000))
            timeline += '0';
        // Nothing more once it has gone.
        XInput::waitFor([&] { return shown(); }, 1000);
        timeline += shown() ? '1' : '0';
        XInput::keys("Escape");
    }));
    QCOMPARE(timeline, QString("0100"));
}

QTEST_MAIN(TestTutorialsEndToEnd)
#include "tst_tutorials_e2e.moc"
