// What a blind user hears: the screen reader Debian ships (Orca) runs on a
// private session bus beside the real windows, which are driven by real X
// input, and every utterance is read back from its debug log.
#include "app/CLauncherDlg.h"
#include "common/WebSite.h"
#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/platform/system/Announcer.h"
#include "tests/support/RedSquare.h"
#include "tests/support/TreeItems.h"
#include "tools/xinput/XInput.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/double_click/DoubleClickLogic.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

extern char** environ;

namespace {

// Orca takes seconds to present a window on a busy machine.
constexpr int kSpeechBoundMs = 20000;
// Long enough for a second reading of a report, or for a reading of the
// whole window again, which a drag once caused 1.6 s after it began.
constexpr int kQuietMs = 2500;

// Whitespace as speech has it: line breaks are pauses.
QString spoken(const QString& text) { return text.simplified(); }

pid_t spawn(const QStringList& args, const QStringList& extraEnv, int stdoutFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int devNull = open("/dev/null", O_WRONLY);
    posix_spawn_file_actions_adddup2(&actions, stdoutFd >= 0 ? stdoutFd : devNull, 1);
    posix_spawn_file_actions_adddup2(&actions, devNull, 2);
    std::vector<QByteArray> argBytes, envBytes;
    for (const QString& a : args)
        argBytes.push_back(a.toLocal8Bit());
    for (char** e = environ; *e; ++e)
        envBytes.emplace_back(*e);
    for (const QString& e : extraEnv)
        envBytes.push_back(e.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (QByteArray& a : argBytes)
        argv.push_back(a.data());
    for (QByteArray& e : envBytes)
        envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(devNull);
    return pid;
}

void stop(pid_t pid, int signal = SIGTERM)
{
    if (pid <= 0)
        return;
    kill(pid, signal);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(100 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// A speech server whose only voice is the dummy one, playing through the
// sound library's null driver: Orca speaks, and logs what it says, but
// nothing is heard and no sound device is needed. (Without a sound output
// that opens, the speech server refuses to start.)
const char* const kSpeechServerConfig = "AudioOutputMethod \"libao\"\n"
                                        "AddModule \"dummy\" \"sd_dummy\" \"\"\n"
                                        "DefaultModule dummy\n";
const char* const kSoundLibraryConfig = "default_driver=null\n";

// Orca on a session bus of its own, started before the application so that
// Qt's accessibility bridge finds that bus. Says why when it cannot run.
class ScreenReader {
public:
    ScreenReader()
    {
        const QString orca = QStandardPaths::findExecutable("orca");
        const QString bus = QStandardPaths::findExecutable("dbus-daemon");
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (orca.isEmpty() || bus.isEmpty() || unshare.isEmpty()) {
            m_unavailable = "Orca, dbus-daemon or unshare is not installed (tools/install-deps.sh)";
            return;
        }
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            m_unavailable = "no X display";
            return;
        }
        const QString runtime = m_home.filePath("run");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The reader's settings, and the services the bus starts, stay in
        // the scratch home: nothing of the user's is read or changed.
        QStringList env{"HOME=" + m_home.path(), "XDG_RUNTIME_DIR=" + runtime,
                              "XDG_CONFIG_HOME=" + m_home.filePath("config"),
                              "XDG_DATA_HOME=" + m_home.filePath("data"),
                              "GSETTINGS_BACKEND=memory"};
        QDir().mkpath(m_home.filePath("config/speech-dispatcher"));
        if (!writeFile(m_home.filePath("config/speech-dispatcher/speechd.conf"), kSpeechServerConfig) ||
            !writeFile(m_home.filePath(".libao"), kSoundLibraryConfig)) {
            m_unavailable = "no scratch home for the speech server";
            return;
        }
        int out[2];
        if (pipe(out) != 0)
            return;
        m_bus = spawn({bus, "--session", "--nofork", "--print-address=1"}, env, out[1]);
        close(out[1]);
        const QByteArray address = readLine(out[0], 5000);
        close(out[0]);
        if (address.isEmpty()) {
            m_unavailable = "a private session bus could not be started";
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        env << "DBUS_SESSION_BUS_ADDRESS=" + QString::fromLatin1(address);
        // Orca writes its log a block at a time, except to a terminal: its
        // log goes to a pseudo-terminal, read as it comes.
        m_terminal = posix_openpt(O_RDWR | O_NOCTTY);
        std::array<char, 64> name{};
        if (m_terminal < 0 || grantpt(m_terminal) != 0 || unlockpt(m_terminal) != 0 ||
            ptsname_r(m_terminal, name.data(), name.size()) != 0) {
            m_unavailable = "no pseudo-terminal for Orca's log";
            return;
        }
        const QString logPath = QString::fromLocal8Bit(name.data());
        const int slave = open(name.data(), O_RDWR | O_NOCTTY);
        termios raw{};
        tcgetattr(slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(slave, TCSANOW, &raw);
        m_drain = std::thread([this] { drain(); });
        // Orca quits at start when it finds another Orca of the same user in
        // the process list: in a PID namespace of its own it sees only its
        // own processes (and the speech server it starts), and all of them
        // end with it.
        QStringList namespaced{unshare, "--pid", "--fork", "--kill-child", "--mount-proc"};
        if (geteuid() != 0)
            namespaced << "--user" << "--map-current-user";
        m_orca = spawn(namespaced + QStringList{orca, "--disable", "braille", "--debug-file", logPath},
                       env, -1);
        for (int i = 0; i < 200 && m_failed.isEmpty(); ++i) {
            // Orca 43 and Orca 48 say so in different words.
            const QByteArray log = logged();
            if (log.contains("ORCA: Starting registry") ||
                log.contains("ORCA: Starting Atspi main event loop")) {
                close(slave);
                return;
            }
            if (m_orca <= 0 || waitpid(m_orca, nullptr, WNOHANG) == m_orca) {
                m_orca = -1;
                m_failed = "Orca ended at start-up";
            }
            usleep(100 * 1000);
        }
        close(slave);
        if (m_failed.isEmpty())
            m_failed = "Orca did not start within 20 s";
    }
    ~ScreenReader()
    {
        // Orca's namespace, and every process in it, ends with its first one.
        stop(m_orca, SIGKILL);
        stop(m_bus);
        m_stopping = true;
        if (m_drain.joinable())
            m_drain.join();
        if (m_terminal >= 0)
            close(m_terminal);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Why there is no screen reader here at all.
    const QString& unavailable() const { return m_unavailable; }
    // Why the screen reader that is here did not start.
    const QString& failed() const { return m_failed; }

    // Every utterance so far, whitespace simplified.
    const QStringList& utterances()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_pending += m_log.mid(m_read);
            m_read = m_log.size();
        }
        static const QByteArray start = "SPEECH OUTPUT: '";
        for (;;) {
            const qsizetype begin = m_pending.indexOf(start);
            if (begin < 0)
                break;
            // The text ends where the voice settings are printed.
            static const QRegularExpression end("' ?(\\{|voice=|None)");
            const QString rest = QString::fromUtf8(m_pending.mid(begin + start.size()));
            const QRegularExpressionMatch match = end.match(rest);
            if (!match.hasMatch())
                break;
            m_utterances << spoken(rest.left(match.capturedStart()));
            m_pending = m_pending.mid(begin + start.size() +
                                      rest.left(match.capturedEnd()).toUtf8().size());
        }
        return m_utterances;
    }

    // Orca's whole log from byte `from` on.
    QByteArray logSince(qsizetype from)
    {
        const std::lock_guard lock(m_mutex);
        return m_log.mid(from);
    }
    qsizetype logSize()
    {
        const std::lock_guard lock(m_mutex);
        return m_log.size();
    }

    // How many utterances from `from` on hold `text`.
    int count(const QString& text, qsizetype from)
    {
        const QStringList& all = utterances();
        int n = 0;
        for (qsizetype i = from; i < all.size(); ++i)
            n += all[i].contains(spoken(text));
        return n;
    }

private:
    QByteArray logged() { return logSince(0); }
    void drain()
    {
        char buffer[65536];
        pollfd p{m_terminal, POLLIN, 0};
        while (!m_stopping) {
            if (poll(&p, 1, 100) <= 0)
                continue;
            const ssize_t n = read(m_terminal, buffer, sizeof buffer);
            if (n <= 0) {
                usleep(10 * 1000); // no writer yet, or none any more
                continue;
            }
            const std::lock_guard lock(m_mutex);
            m_log.append(buffer, n);
        }
    }

    static bool writeFile(const QString& path, const char* text)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) >= 0;
    }

    static QByteArray readLine(int fd, int timeoutMs)
    {
        QByteArray line;
        pollfd p{fd, POLLIN, 0};
        char c;
        while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1) {
            if (c == '\n')
                return line;
            line += c;
        }
        return {};
    }

    QTemporaryDir m_home;
    QString m_unavailable;
    QString m_failed;
    int m_terminal = -1;
    std::thread m_drain;
    std::atomic<bool> m_stopping = false;
    std::mutex m_mutex;
    QByteArray m_log;
    qsizetype m_read = 0;
    QByteArray m_pending;
    QStringList m_utterances;
    pid_t m_bus = -1;
    pid_t m_orca = -1;
};

ScreenReader* reader = nullptr;

// Waits for `condition` with the event loop at rest between checks, so that
// the reader's many questions to the program are answered at once (a wait
// that sleeps between checks holds each one back).
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    check.start(20);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!condition())
        loop.exec();
    return condition();
}

void giveFocus(QWidget* window)
{
    // There is no window manager here to hand out the input focus.
    XInput::giveFocus(window->winId());
    QVERIFY(waitFor([&] { return window->isActiveWindow(); }, 2000));
}

QPoint onTreeLabel(CDialog& dialog, const QString& label)
{
    auto* tree = qobject_cast<CTreeCtrl*>(dialog.GetDlgItem(CDragDropTutorialDlg::kTreeId));
    const QRect rect = tree->GetItemRect(findTreeItem(*tree, label));
    return tree->ClientToScreen(QPoint(rect.right() - 6, rect.center().y()));
}

// Does what the user does and answers the text the program should make
// heard; empty when the action failed.
using Lesson = std::function<QString(CDialog&)>;

QString selectTheSentence(CDialog& dialog)
{
    auto* practice = qobject_cast<QPlainTextEdit*>(
        dialog.GetDlgItem(CCopyPasteTutorialDlg::kPracticeBoxId));
    XInput::click(XInput::centreOf(practice));
    if (!waitFor([&] { return practice->hasFocus(); }))
        return {};
    XInput::keys("ctrl+a");
    QString selected = "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the "
                             "text as instructed! Now move on to Step 3.";
    if (!waitFor([&] { return dialog.GetDlgItemText(1009) == selected; }))
        return {};
    return selected;
}

QString clickTwiceApart(CDialog& dialog)
{
    // The second click lands too far away to pair with the first: the
    // verdict is "mouse moved", or "too slow" on a busy machine.
    const QRect square = drawnRedSquare(dialog);
    XInput::click(dialog.mapToGlobal(square.center()));
    XInput::click(dialog.mapToGlobal(square.center() + QPoint(0, square.height())));
    QString verdict;
    waitFor([&] {
        verdict = dialog.GetDlgItemText(CDoubleClickTutorialDlg::kFeedbackId);
        return verdict == DoubleClick::kMouseMovedMessage ||
               verdict == DoubleClick::kTooSlowMessage;
    });
    return verdict;
}

QString restOnTheItem(CDialog& dialog)
{
    XInput::moveTo(onTreeLabel(dialog, "Click and Drag Me"));
    QString step1 = DragDrop::messageText(DragDrop::Message::Step1);
    if (!waitFor([&] { return dialog.GetDlgItemText(1009) == step1; }))
        return {};
    return step1;
}

QString dragTheItem(CDialog& dialog)
{
    QString step3 = DragDrop::messageText(DragDrop::Message::Step3);
    XInput::moveTo(onTreeLabel(dialog, "Click and Drag Me"));
    XInput::press();
    XInput::settle();
    const QPoint start = QCursor::pos();
    for (int d = 2; d <= 30 && dialog.GetDlgItemText(1009) != step3; d += 2)
        XInput::moveTo(start + QPoint(d, d / 2));
    if (!waitFor([&] { return dialog.GetDlgItemText(1009) == step3; }))
        return {};
    // Out of the window and back to the destination, the image following the
    // pointer.
    const QPoint destination = onTreeLabel(dialog, "Destination Folder");
    const QPoint outside = dialog.frameGeometry().bottomRight() + QPoint(20, 20);
    for (int i = 1; i <= 20; ++i) {
        const QPoint goal = i <= 10 ? outside : destination;
        const QPoint at = QCursor::pos() + (goal - QCursor::pos()) / (10 - (i - 1) % 10);
        XInput::moveTo(at);
        if (!waitFor([&] {
                const QWidget* image = CImageList::DragWindow();
                return image && image->pos() == at;
            }))
            return {};
    }
    return step3;
}

QString dropOnTheDestination(CDialog& dialog)
{
    if (dragTheItem(dialog).isEmpty())
        return {};
    XInput::release();
    QString success = DragDrop::messageText(DragDrop::Message::Success);
    if (!waitFor([&] { return dialog.GetDlgItemText(1009) == success; }))
        return {};
    return success;
}

QString tabToTheLink(CDialog& dialog)
{
    QWidget* link = dialog.GetDlgItem(CLauncherDlg::kWebLinkId);
    for (int i = 0; i < 8 && !link->hasFocus(); ++i) {
        QWidget* from = QApplication::focusWidget();
        XInput::keys("Tab");
        waitFor([&] { return QApplication::focusWidget() != from; });
    }
    return link->hasFocus() ? QString::fromLatin1(kMakerWebSiteAddress) : QString();
}

QString tabToTheLinkHeardAsLink(CDialog& dialog)
{
    const QString address = tabToTheLink(dialog);
    return address.isEmpty() ? QString() : address + " link";
}

// The processes of the applications the accessibility registry lists, one
// entry per application.
QList<qint64> registeredApplications()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    QDBusConnection bus =
        QDBusConnection::connectToBus(reply.arguments().first().toString(), "atspi");
    const QDBusMessage children = bus.call(QDBusMessage::createMethodCall(
        "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
        "org.a11y.atspi.Accessible", "GetChildren"));
    QList<qint64> pids;
    if (children.type() != QDBusMessage::ReplyMessage || children.arguments().isEmpty())
        return pids;
    const auto list = children.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString name;
        QDBusObjectPath path;
        list.beginStructure();
        list >> name >> path;
        list.endStructure();
        pids << bus.interface()->servicePid(name).value();
    }
    list.endArray();
    return pids;
}

} // namespace

Q_DECLARE_METATYPE(Lesson)

class TestScreenReaderEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void heardOnceWhereverTheFocusIs_data();
    void heardOnceWhereverTheFocusIs();
    void oneApplicationUnderGtk();

private:
    std::unique_ptr<CDialog> m_window;
};

void TestScreenReaderEndToEnd::init()
{
    if (!reader->unavailable().isEmpty())
        QSKIP(qPrintable("no screen reader to listen with: " + reader->unavailable()));
    if (!reader->failed().isEmpty())
        QFAIL(qPrintable(reader->failed() + "\n" + reader->utterances().join("\n")));
    XInput::moveTo(QPoint(5, 5));
}

void TestScreenReaderEndToEnd::cleanup()
{
    XInput::release();
    ModalOwner::setMainWindow(nullptr);
    m_window.reset();
    XInput::settle();
    // The next row's first click must not pair with this row's last.
    QTest::qWait(qApp->styleHints()->mouseDoubleClickInterval() + 50);
}

void TestScreenReaderEndToEnd::heardOnceWhereverTheFocusIs_data()
{
    QTest::addColumn<std::function<CDialog*()>>("open");
    QTest::addColumn<Lesson>("lesson");
    // Reports are announced; the link is read because the focus reaches it.
    QTest::addColumn<bool>("announced");
    QTest::newRow("Copy and Paste, Steps 1 & 2")
        << std::function<CDialog*()>([] { return new CCopyPasteTutorialDlg; })
        << Lesson(selectTheSentence) << true;
    QTest::newRow("Double Click, a verdict")
        << std::function<CDialog*()>([] { return new CDoubleClickTutorialDlg; })
        << Lesson(clickTwiceApart) << true;
    QTest::newRow("Drag and Drop, Step 1")
        << std::function<CDialog*()>([] { return new CDragDropTutorialDlg; })
        << Lesson(restOnTheItem) << true;
    QTest::newRow("Drag and Drop, a drag under way")
        << std::function<CDialog*()>([] { return new CDragDropTutorialDlg; })
        << Lesson(dragTheItem) << true;
    QTest::newRow("the launcher's link, reached by Tab")
        << std::function<CDialog*()>([] {
               auto* launcher = new CLauncherDlg;
               ModalOwner::setMainWindow(launcher);
               return launcher;
           })
        << Lesson(tabToTheLink) << false;
    QTest::newRow("Drag and Drop, hover to drop")
        << std::function<CDialog*()>([] { return new CDragDropTutorialDlg; })
        << Lesson(dropOnTheDestination) << true;
    QTest::newRow("the launcher's link, heard as a link")
        << std::function<CDialog*()>([] {
               auto* launcher = new CLauncherDlg;
               ModalOwner::setMainWindow(launcher);
               return launcher;
           })
        << Lesson(tabToTheLinkHeardAsLink) << false;
}

void TestScreenReaderEndToEnd::heardOnceWhereverTheFocusIs()
{
    QFETCH(std::function<CDialog*()>, open);
    QFETCH(Lesson, lesson);
    QFETCH(bool, announced);
    const qsizetype opened = reader->utterances().size();
    m_window.reset(open());
    QVERIFY(m_window->Create());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    giveFocus(m_window.get());
    // The reader has presented the window it was given.
    QVERIFY2(waitFor([&] { return reader->count(m_window->windowTitle(), opened) > 0; },
                             kSpeechBoundMs),
             qPrintable(reader->utterances().mid(opened).join("\n")));
    const qsizetype before = reader->utterances().size();
    const qsizetype logBefore = reader->logSize();

    const QString expected = lesson(*m_window);
    QVERIFY2(!expected.isEmpty(), "the lesson did not get as far as its report");
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(waitFor([&] { return reader->count(expected, before) > 0; }, kSpeechBoundMs),
             qPrintable("not heard: " + spoken(expected) + "\nheard: " +
                        reader->utterances().mid(before).join("\n")));
    // Once only, and the window is not presented again.
    QVERIFY2(!waitFor(
                 [&] {
                     return reader->count(expected, before) > 1 ||
                            reader->count(m_window->windowTitle(), before) > 0;
                 },
                 kQuietMs),
             qPrintable(reader->utterances().mid(before).join("\n")));
    // Being heard took the focus nowhere.
    QCOMPARE(QApplication::focusWidget(), focus);
    // Where Qt has announcements of its own, the reader got the report as one.
    const QByteArray log = reader->logSince(logBefore);
    QVERIFY2(log.contains("object:announcement") == (announced && Announcer::kToolkitAnnouncements),
             log.right(4000).constData());
}

// Qt's theme for GTK desktops starts GTK in the process; GTK's own
// accessibility bridge must not register a second, empty application beside
// the program's.
void TestScreenReaderEndToEnd::oneApplicationUnderGtk()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORMTHEME", "gtk3");
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("KESTRIN_BINARY"), {});
    QVERIFY(program.waitForStarted());
    const qint64 pid = program.processId();
    const auto ofProgram = [pid] { return registeredApplications().count(pid); };
    QVERIFY2(waitFor([&] { return ofProgram() > 0; }, kSpeechBoundMs),
             "the program never registered with the accessibility registry");
    QVERIFY(!waitFor([&] { return ofProgram() > 1; }, 1000));
    QCOMPARE(ofProgram(), 1);
    program.terminate();
    QVERIFY(program.waitForFinished(5000));
}

int main(int argc, char** argv)
{
    ScreenReader screenReader;
    reader = &screenReader;
    QApplication app(argc, argv);
    TestScreenReaderEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenreader_e2e.moc"
