#include "app/CAboutBoxDlg.h"
#include "app/CLauncherDlg.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/resources/Resources.h"
#include "tests/support/FakeSystemServices.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// The launcher with its window-menu command reachable from the test.
class Launcher : public CLauncherDlg {
public:
    using CLauncherDlg::OnSysCommand;
};

// Placement centres the window before its frame is known, so the frame's
// width may offset it by that much.
constexpr int kFrameSlack = 3;

// Ends the box as the user would: "OK button", "Enter" or "Escape".
void closeBy(CDialog* about, const QString& route)
{
    if (route == "OK button")
        qobject_cast<QPushButton*>(about->GetDlgItem(CDialog::IDOK))->click();
    else
        QTest::keyClick(about->focusWidget(), route == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
}

struct AboutSeen {
    QString title;
    QStringList labels;
    QRect geometry;
    bool launcherEnabled = true;
};

// Runs the About command of `launcher`; once the box shows, notes what it
// shows and closes it by `route`.
AboutSeen runAbout(Launcher& launcher, unsigned command, const QString& route)
{
    AboutSeen seen;
    QTimer::singleShot(0, &launcher, [&] {
        auto* about = qobject_cast<CDialog*>(QApplication::activeModalWidget());
        if (!about)
            return;
        seen.title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                seen.labels << label->text();
        }
        seen.geometry = about->frameGeometry();
        seen.launcherEnabled = launcher.isEnabled();
        closeBy(about, route);
    });
    launcher.OnSysCommand(command);
    return seen;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ModalOwner::setMainWindow(nullptr); }
    void cleanup() { ModalOwner::setMainWindow(nullptr); }
    void showsNameVersionAndCopyright();
    void endsByOkEnterAndEscape_data();
    void endsByOkEnterAndEscape();
    void opensOverADisabledLauncher_data();
    void opensOverADisabledLauncher();
    void centresOnTheWorkAreaWhenTheLauncherIsMinimized();
    void missingLayoutShowsNothing();
};

void TestAboutBox::showsNameVersionAndCopyright()
{
    CAboutBoxDlg about;
    QVERIFY(about.Create());
    QCOMPARE(about.windowTitle(), QString("About Vellumark Kestrin"));
    QStringList texts;
    int icons = 0;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        texts << label->text();
        icons += !label->pixmap().isNull();
    }
    QCOMPARE(icons, 1);
    QVERIFY(texts.contains("Vellumark"));
    QVERIFY(texts.contains("Kestrin Version 1.0"));
    const auto copyright = std::find_if(texts.cbegin(), texts.cend(), [](const QString& text) {
        return text.startsWith("Copyright");
    });
    QVERIFY(copyright != texts.cend());
    QVERIFY(QRegularExpression("^Copyright \\(C\\) \\d{4} Vellumark\\.  All rights reserved\\.$")
                .match(*copyright)
                .hasMatch());
    // Reading top to bottom: the maker, the version, the copyright.
    const auto top = [&](const QString& text) {
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (label->text() == text)
                return label->y();
        }
        return -1;
    };
    QVERIFY(top("Vellumark") < top("Kestrin Version 1.0"));
    QVERIFY(top("Kestrin Version 1.0") < top(*copyright));
    // Every line shows whole.
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
    auto* ok = qobject_cast<QPushButton*>(about.GetDlgItem(CDialog::IDOK));
    QVERIFY(ok->isDefault());
    QCOMPARE(about.focusWidget(), ok);
}

void TestAboutBox::endsByOkEnterAndEscape_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << "OK button" << CDialog::IDOK;
    QTest::newRow("Enter") << "Enter" << CDialog::IDOK;
    QTest::newRow("Escape") << "Escape" << CDialog::IDCANCEL;
}

void TestAboutBox::endsByOkEnterAndEscape()
{
    QFETCH(QString, route);
    QFETCH(int, result);
    CAboutBoxDlg about;
    QTimer::singleShot(0, &about, [&] { closeBy(&about, route); });
    QCOMPARE(about.DoModal(), result);
}

void TestAboutBox::opensOverADisabledLauncher_data()
{
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<QString>("route");
    QTest::newRow("16, OK") << 16u << "OK button";
    QTest::newRow("16, Enter") << 16u << "Enter";
    QTest::newRow("31, Escape") << 31u << "Escape";
}

void TestAboutBox::opensOverADisabledLauncher()
{
    QFETCH(unsigned, command);
    QFETCH(QString, route);
    FakeSystemServices services;
    Launcher launcher;
    QVERIFY(launcher.Create());
    // The box opens over the launcher as the user sees it, placed by its frame.
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    ModalOwner::setMainWindow(&launcher);
    // Twice: the second opening shows what the first did.
    const AboutSeen first = runAbout(launcher, command, route);
    const AboutSeen second = runAbout(launcher, command, route);
    QCOMPARE(first.title, QString("About Vellumark Kestrin"));
    QVERIFY(first.labels.contains("Kestrin Version 1.0"));
    QCOMPARE(second.labels, first.labels);
    QVERIFY(!first.launcherEnabled);
    QVERIFY(launcher.isEnabled());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(qAbs(first.geometry.center().x() - launcher.frameGeometry().center().x()) <= kFrameSlack);
    QVERIFY(qAbs(first.geometry.center().y() - launcher.frameGeometry().center().y()) <= kFrameSlack);
}

void TestAboutBox::centresOnTheWorkAreaWhenTheLauncherIsMinimized()
{
    FakeSystemServices services;
    Launcher launcher;
    QVERIFY(launcher.Create());
    ModalOwner::setMainWindow(&launcher);
    launcher.move(0, 0);
    launcher.showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return launcher.isMinimized(); }, 2000));
    const AboutSeen seen = runAbout(launcher, 16, "Escape");
    QVERIFY(!seen.title.isEmpty());
    const QRect workArea = launcher.screen()->availableGeometry();
    QVERIFY(qAbs(seen.geometry.center().x() - workArea.center().x()) <= kFrameSlack);
    QVERIFY(qAbs(seen.geometry.center().y() - workArea.center().y()) <= kFrameSlack);
}

void TestAboutBox::missingLayoutShowsNothing()
{
    FakeSystemServices services;
    Launcher launcher;
    QVERIFY(launcher.Create());
    ModalOwner::setMainWindow(&launcher);
    Resources::SetHiddenForTesting("layout", CAboutBoxDlg::kLayoutId, true);
    const AboutSeen seen = runAbout(launcher, 16, "Escape");
    Resources::SetHiddenForTesting("layout", CAboutBoxDlg::kLayoutId, false);
    QVERIFY(seen.title.isNull());
    QVERIFY(launcher.isEnabled());
    CAboutBoxDlg about;
    Resources::SetHiddenForTesting("layout", CAboutBoxDlg::kLayoutId, true);
    QCOMPARE(about.DoModal(), -1);
    Resources::SetHiddenForTesting("layout", CAboutBoxDlg::kLayoutId, false);
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
