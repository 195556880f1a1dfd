// The launcher's web link and About box on a real X server, with real input
// and the program's own system services.
#include "app/CLauncherDlg.h"
#include "common/platform/dialog/CWinApp.h"
#include "common/platform/dialog/ModalOwner.h"
#include "tools/xinput/XInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <functional>

namespace {

const QString kAddress = QStringLiteral("https://www.vellumark.example/");

// Files below the test's root; those in bin/ are programs.
using Files = QList<std::pair<QString, QByteArray>>;
const QByteArray kRecordsItsArguments =
    "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.tmp\" && /bin/mv \"$0.tmp\" \"$0.args\"\n";
const QByteArray kDeclaresStandIn =
    "[Default Applications]\nx-scheme-handler/https=stand-in.desktop\n";
const QByteArray kStandInEntry = "[Desktop Entry]\nType=Application\nName=Stand-in\n"
                                 "Exec=stand-in-browser --new-window %u\n";

QByteArray exitsWith(int status)
{
    return "#!/bin/sh\nexit " + QByteArray::number(status) + "\n";
}

void giveFocus(QWidget* window)
{
    // There is no window manager here to hand out the input focus.
    XInput::giveFocus(window->winId());
    XInput::waitFor([&] { return window->isActiveWindow(); }, 2000);
}

// The pointer image that the X server shows now: its size and hot spot.
// The link's hand: its hot spot and size.
const QRect kHand(8, 2, 32, 32);

QRect shownCursor()
{
    Display* display = XOpenDisplay(nullptr);
    QRect cursor;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        cursor = QRect(image->xhot, image->yhot, image->width, image->height);
        XFree(image);
    }
    XCloseDisplay(display);
    return cursor;
}

bool showsColor(const QWidget* widget, const QColor& color)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QImage image =
        widget->screen()
            ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
            .toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color)
                return true;
        }
    }
    return false;
}

// Runs `act` once `find` answers a window; it runs inside whatever loop is
// running then, such as that window's own modal loop.
void whenShown(QObject* context, const std::function<QWidget*()>& find,
               const std::function<void(QWidget*)>& act)
{
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [=] {
        QWidget* window = find();
        if (!window || !window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(window);
    });
    poll->start(20);
}

void whenModalOpens(QWidget* launcher, const std::function<void(QWidget*)>& act)
{
    whenShown(
        launcher,
        [=]() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            return modal == launcher ? nullptr : modal;
        },
        act);
}

} // namespace

class TestWebLinkEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tooltipAndHandOverTheLink();
    void aFailedOpenExplains_data();
    void aFailedOpenExplains();
    void theBrowserGetsTheAddress_data();
    void theBrowserGetsTheAddress();
    void aboutBoxFromTheWindowMenu_data();
    void aboutBoxFromTheWindowMenu();

private:
    void writeFiles(const Files& files);
    QLabel* link() const
    {
        return qobject_cast<QLabel*>(m_launcher->GetDlgItem(CLauncherDlg::kWebLinkId));
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<CLauncherDlg> m_launcher;
};

void TestWebLinkEndToEnd::writeFiles(const Files& files)
{
    for (const auto& [path, content] : files) {
        const QString full = m_root->filePath(path);
        QVERIFY(QDir().mkpath(QFileInfo(full).path()));
        QFile file(full);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (path.startsWith("bin/"))
            QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }
}

void TestWebLinkEndToEnd::init()
{
    // A desktop without any browser: nothing on the search path, no
    // declared handler, no desktop of a known kind.
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(m_root->filePath("bin")));
    qputenv("PATH", m_root->filePath("bin").toLocal8Bit());
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        qputenv(name, m_root->filePath(QString::fromLatin1(name).toLower()).toLocal8Bit());
    for (const char* name : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP",
                             "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        qunsetenv(name);

    m_launcher = std::make_unique<CLauncherDlg>();
    QVERIFY(m_launcher->Create());
    ModalOwner::setMainWindow(m_launcher.get());
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
    giveFocus(m_launcher.get());
    // The pointer starts away from the link.
    XInput::moveTo(m_launcher->mapToGlobal(QPoint(5, 5)));
}

void TestWebLinkEndToEnd::cleanup()
{
    ModalOwner::setMainWindow(nullptr);
    m_launcher.reset();
    m_root.reset();
    XInput::settle();
}

void TestWebLinkEndToEnd::tooltipAndHandOverTheLink()
{
    const QRect arrow = shownCursor();
    XInput::moveTo(XInput::centreOf(link()));
    QVERIFY(XInput::waitFor([] { return QToolTip::isVisible(); }, 3000));
    QCOMPARE(QToolTip::text(), kAddress);
    QCOMPARE(link()->text(), QString("www.vellumark.example"));
    QVERIFY(XInput::waitFor([] { return shownCursor() == kHand; }, 2000));
    XInput::moveTo(m_launcher->mapToGlobal(QPoint(5, 5)));
    QVERIFY(XInput::waitFor([&] { return shownCursor() == arrow && !QToolTip::isVisible(); }, 3000));
}

void TestWebLinkEndToEnd::aFailedOpenExplains_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("reason");
    const QString noAssociation =
        "There is no application associated\nwith the given filename extension.";
    QTest::newRow("no opener, no default browser") << Files{} << noAssociation;
    QTest::newRow("the opener finds no browser")
        << Files{{"bin/xdg-open", exitsWith(3)}} << noAssociation;
    QTest::newRow("gio's open finds no browser")
        << Files{{"bin/gio", exitsWith(2)}} << noAssociation;
    QTest::newRow("the default browser fails at once")
        << Files{{"bin/xdg-open", exitsWith(3)}, {"bin/stand-in-browser", exitsWith(1)},
                 {"xdg_config_home/mimeapps.list", kDeclaresStandIn},
                 {"xdg_data_dirs/applications/stand-in.desktop", kStandInEntry}}
        << "The filename association is\nincomplete or invalid.";
}

void TestWebLinkEndToEnd::aFailedOpenExplains()
{
    QFETCH(Files, files);
    QFETCH(QString, reason);
    writeFiles(files);
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool launcherEnabled = true;
    qint64 msToBox = -1;
    QElapsedTimer clock;
    whenModalOpens(m_launcher.get(), [&](QWidget* modal) {
        msToBox = clock.elapsed();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
        }
        launcherEnabled = m_launcher->isEnabled();
        // Clicks on the disabled launcher go nowhere; the box closes with
        // Enter, the pointer still over the link.
        XInput::click(XInput::centreOf(link()));
        XInput::keys("Return");
    });
    clock.start();
    XInput::click(XInput::centreOf(link()));
    QVERIFY(XInput::waitFor([&] { return msToBox >= 0 && !QApplication::activeModalWidget(); }));
    QVERIFY2(msToBox < 2000, qPrintable(QString::number(msToBox)));
    QCOMPARE(text, "Unable to open hyperlink:\n\n" + reason);
    QCOMPARE(caption, CWinApp::title());
    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(!launcherEnabled);
    QVERIFY(XInput::waitFor([&] { return m_launcher->isEnabled(); }));
    QVERIFY(XInput::waitFor([] { return shownCursor() == kHand; }, 2000));
    XInput::moveTo(m_launcher->mapToGlobal(QPoint(5, 5)));
    QVERIFY(XInput::waitFor([] { return shownCursor() != kHand; }, 2000));
    QVERIFY(!m_launcher->webLink().visited());
    QVERIFY(showsColor(link(), QColor(0, 0, 238)));
}

void TestWebLinkEndToEnd::theBrowserGetsTheAddress_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("recorder");
    QTest::addColumn<QString>("arguments");
    const Files standIn = {{"bin/stand-in-browser", kRecordsItsArguments},
                           {"xdg_config_home/mimeapps.list", kDeclaresStandIn},
                           {"xdg_data_dirs/applications/stand-in.desktop", kStandInEntry}};
    QTest::newRow("the opener") << Files{{"bin/xdg-open", kRecordsItsArguments}}
                                << "bin/xdg-open" << kAddress + "\n";
    QTest::newRow("gio's open") << Files{{"bin/gio", kRecordsItsArguments}} << "bin/gio"
                                << "open\n" + kAddress + "\n";
    QTest::newRow("the default browser without an opener")
        << standIn << "bin/stand-in-browser" << "--new-window\n" + kAddress + "\n";
    QTest::newRow("the default browser when the opener gives up")
        << standIn + Files{{"bin/xdg-open", exitsWith(3)}} << "bin/stand-in-browser"
        << "--new-window\n" + kAddress + "\n";
}

void TestWebLinkEndToEnd::theBrowserGetsTheAddress()
{
    QFETCH(Files, files);
    QFETCH(QString, recorder);
    QFETCH(QString, arguments);
    writeFiles(files);
    bool boxShown = false;
    whenModalOpens(m_launcher.get(), [&](QWidget* modal) {
        boxShown = true;
        modal->close();
    });
    XInput::click(XInput::centreOf(link()));
    QFile recorded(m_root->filePath(recorder + ".args"));
    QVERIFY(XInput::waitFor([&] { return recorded.exists(); }));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), arguments);
    // Visited once the program has ended well.
    QVERIFY(XInput::waitFor([&] { return m_launcher->webLink().visited(); }));
    QVERIFY(XInput::waitFor([&] { return showsColor(link(), QColor(85, 26, 139)); }));
    QVERIFY(!showsColor(link(), QColor(0, 0, 238)));
    QVERIFY(!boxShown);
}

void TestWebLinkEndToEnd::aboutBoxFromTheWindowMenu_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("OK button") << "OK";
    QTest::newRow("Enter") << "Return";
    QTest::newRow("Escape") << "Escape";
}

void TestWebLinkEndToEnd::aboutBoxFromTheWindowMenu()
{
    QFETCH(QString, route);
    QStringList lines;
    QString title;
    bool launcherEnabled = true;
    bool closed = false;
    whenModalOpens(m_launcher.get(), [&](QWidget* about) {
        title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                lines << label->text();
        }
        launcherEnabled = m_launcher->isEnabled();
        if (route == "OK") {
            XInput::click(XInput::centreOf(about->findChild<QPushButton*>()));
        } else {
            giveFocus(about);
            XInput::keys(route);
        }
        closed = XInput::waitFor([&] { return QApplication::activeModalWidget() == nullptr; });
    });
    // The menu runs a loop of its own; the About item's mnemonic chooses it.
    whenShown(m_launcher.get(), [] { return QApplication::activePopupWidget(); },
              [](QWidget*) { XInput::keys("a"); });
    XInput::keys("alt+space");
    QVERIFY(XInput::waitFor([&] { return closed; }));
    QCOMPARE(title, QString("About Vellumark Kestrin"));
    lines.sort();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QString("Copyright (C) 2026 Vellumark.  All rights reserved."));
    QCOMPARE(lines[1], QString("Kestrin Version 1.0"));
    QCOMPARE(lines[2], QString("Vellumark"));
    QVERIFY(!launcherEnabled);
    QVERIFY(m_launcher->isEnabled());
    QVERIFY(XInput::waitFor([&] { return m_launcher->isActiveWindow(); }));
}

QTEST_MAIN(TestWebLinkEndToEnd)
#include "tst_weblink_e2e.moc"
