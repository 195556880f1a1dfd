#include "app/CLauncherDlg.h"
#include "app/MinimizedIcon.h"
#include "common/platform/dialog/CWinApp.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/resources/Resources.h"
#include "tests/support/FakeSystemServices.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestLauncher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { CWinApp::nameApplicationForScreenReaders(); }
    void showsItsTextsAndFocusesTheFirstButton();
    void noButtonIsADefaultButton();
    void windowMenuEndsWithTheAboutItem();
    void noAboutItemWithoutItsString();
    void missingWelcomeTextLeavesTheBoxEmpty();
    void aboutCommandIgnoresTheLowFourBits_data();
    void aboutCommandIgnoresTheLowFourBits();
    void minimizedIconPosition_data();
    void minimizedIconPosition();
    void endsThroughOkAndCancel_data();
    void endsThroughOkAndCancel();
    void tutorialRunsOverADisabledLauncher();
    void screenReadersHearTheApplicationByTheLaunchersTitle();
};

void TestLauncher::showsItsTextsAndFocusesTheFirstButton()
{
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    QCOMPARE(launcher.windowTitle(), QString("Vellumark Kestrin"));
    const QList<std::pair<int, QString>> buttons = {{1003, "Copy and Paste Tutorial"},
                                                    {1004, "Drag and Drop Tutorial"},
                                                    {1005, "Double Click Tutorial"},
                                                    {2, "Close"}};
    for (const auto& [id, text] : buttons)
        QCOMPARE(launcher.GetDlgItemText(id), text);
    QCOMPARE(launcher.GetDlgItemText(1002).toLatin1(), *Resources::LoadText(151));
    QCOMPARE(launcher.GetDlgItem(1002)->accessibleName(), QString("Welcome"));
    QCOMPARE(launcher.focusWidget(), launcher.GetDlgItem(1003));
    QVERIFY(!launcher.windowIcon().isNull());
}

void TestLauncher::noButtonIsADefaultButton()
{
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    for (QPushButton* button : launcher.findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestLauncher::windowMenuEndsWithTheAboutItem()
{
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    const auto items = launcher.GetSystemMenu()->items();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0].id, CDialog::SC_CLOSE);
    QVERIFY(items[1].separator);
    QCOMPARE(items[2].id, 16u);
    QCOMPARE(items[2].text, QString("&About Vellumark Kestrin..."));
}

void TestLauncher::noAboutItemWithoutItsString()
{
    Resources::SetHiddenForTesting("string", 101, true);
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    Resources::SetHiddenForTesting("string", 101, false);
    QCOMPARE(launcher.GetSystemMenu()->items().size(), 1);
}

void TestLauncher::missingWelcomeTextLeavesTheBoxEmpty()
{
    Resources::SetHiddenForTesting("text", 151, true);
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    Resources::SetHiddenForTesting("text", 151, false);
    QCOMPARE(launcher.GetDlgItemText(1002), QString());
}

void TestLauncher::aboutCommandIgnoresTheLowFourBits_data()
{
    QTest::addColumn<unsigned>("id");
    QTest::addColumn<bool>("about");
    QTest::newRow("15") << 15u << false;
    QTest::newRow("16") << 16u << true;
    QTest::newRow("23") << 23u << true;
    QTest::newRow("31") << 31u << true;
    QTest::newRow("32") << 32u << false;
    QTest::newRow("close") << CDialog::SC_CLOSE << false;
}

void TestLauncher::aboutCommandIgnoresTheLowFourBits()
{
    QFETCH(unsigned, id);
    QFETCH(bool, about);
    QCOMPARE(CLauncherDlg::isAboutCommand(id), about);
}

void TestLauncher::minimizedIconPosition_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("36 x 36") << QSize(36, 36) << QPoint(2, 2);
    QTest::newRow("zero width truncates toward zero") << QSize(0, 36) << QPoint(-15, 2);
    QTest::newRow("odd") << QSize(41, 33) << QPoint(5, 1);
}

void TestLauncher::minimizedIconPosition()
{
    QFETCH(QSize, client);
    QFETCH(QPoint, position);
    QCOMPARE(::minimizedIconPosition(client, QSize(32, 32)), position);
}

void TestLauncher::endsThroughOkAndCancel_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inWelcomeBox");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter in the welcome box") << int(Qt::Key_Return) << true << CDialog::IDOK;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << CDialog::IDCANCEL;
}

void TestLauncher::endsThroughOkAndCancel()
{
    QFETCH(int, key);
    QFETCH(bool, inWelcomeBox);
    QFETCH(int, result);
    CLauncherDlg launcher;
    QTimer::singleShot(0, &launcher, [&] {
        QWidget* target = inWelcomeBox ? launcher.GetDlgItem(1002) : launcher.focusWidget();
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
    });
    QCOMPARE(launcher.DoModal(), result);
}

void TestLauncher::tutorialRunsOverADisabledLauncher()
{
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    ModalOwner::setMainWindow(&launcher);
    bool launcherEnabledDuringRun = true;
    QString tutorialTitle;
    QTimer::singleShot(0, &launcher, [&] {
        QWidget* tutorial = QApplication::activeModalWidget();
        QVERIFY(tutorial);
        tutorialTitle = tutorial->windowTitle();
        launcherEnabledDuringRun = launcher.isEnabled();
        QTest::keyClick(tutorial, Qt::Key_Escape);
    });
    qobject_cast<QPushButton*>(launcher.GetDlgItem(1005))->click();
    QCOMPARE(tutorialTitle, QString("Vellumark - Double Click Tutorial"));
    QVERIFY(!launcherEnabledDuringRun);
    QVERIFY(launcher.isEnabled());
    QCOMPARE(services.runningTimerCount(), 0);
    ModalOwner::setMainWindow(nullptr);
}

void TestLauncher::screenReadersHearTheApplicationByTheLaunchersTitle()
{
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    QVERIFY(application);
    QCOMPARE(application->role(), QAccessible::Application);
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    ModalOwner::setMainWindow(&launcher);
    QCOMPARE(application->text(QAccessible::Name), QString("Vellumark Kestrin"));
    ModalOwner::setMainWindow(nullptr);
    QCOMPARE(application->text(QAccessible::Name), QCoreApplication::applicationName());
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
