// The program on a Wayland compositor: weston's headless backend, started
// here before Qt connects to it. Weston takes no input from outside, so the
// input is given inside the process (QTest), where Qt would otherwise take
// it from the compositor.
#include "app/CLauncherDlg.h"
#include "common/TutorialStatus.h"
#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/ModalOwner.h"
#include "tests/support/TreeItems.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace {

constexpr char kSocket[] = "kestrin-test";

// Weston, on a socket in a private runtime folder that also takes Qt's
// runtime files.
struct Compositor {
    pid_t pid = 0;
    QString folder;
    // Why it could not be started; empty once it runs.
    QString fault;
};

Compositor& compositor()
{
    static Compositor instance;
    return instance;
}

QString lastLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "no log";
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    return QString::fromLocal8Bit(lines.last());
}

void startCompositor()
{
    Compositor& c = compositor();
    char folder[] = "/tmp/kestrin-wayland-XXXXXX";
    if (!mkdtemp(folder)) {
        c.fault = "no runtime folder";
        return;
    }
    c.folder = folder;
    qputenv("XDG_RUNTIME_DIR", folder);
    const QString log = QDir(folder).filePath("weston.log");
    const std::string socketOption = std::string("--socket=") + kSocket;
    const std::string logOption = "--log=" + log.toStdString();
    const pid_t pid = fork();
    if (pid == 0) {
        // A test that hangs and is killed takes its compositor with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        execlp("weston", "weston", "--backend=headless-backend.so", "--no-config", "--idle-time=0",
               socketOption.c_str(), logOption.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const QString socket = QDir(folder).filePath(kSocket);
    // Weston listens once its shell is loaded: a few hundred milliseconds.
    for (int waited = 0; waited < 10000; waited += 20) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            c.fault = WIFEXITED(status) && WEXITSTATUS(status) == 127
                          ? QString("weston is not installed")
                          : "weston ended at once: " + lastLine(log);
            return;
        }
        if (QFile::exists(socket)) {
            qputenv("WAYLAND_DISPLAY", kSocket);
            c.pid = pid;
            return;
        }
        usleep(20000);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    c.fault = "weston did not listen within 10 s: " + lastLine(log);
}

void stopCompositor()
{
    Compositor& c = compositor();
    if (c.pid) {
        kill(c.pid, SIGTERM);
        waitpid(c.pid, nullptr, 0);
    }
    if (!c.folder.isEmpty())
        QDir(c.folder).removeRecursively();
}

// A point on an item's label, in the tutorial window's coordinates.
QPoint onLabel(const CDialog& tutorial, const CTreeCtrl& tree, HTREEITEM item)
{
    const QRect rect = tree.GetItemRect(item);
    return tutorial.mapFromGlobal(tree.ClientToScreen(QPoint(rect.right() - 6, rect.center().y())));
}

} // namespace

// Two round trips to the compositor: whatever it answered to what was asked
// before has been acted on, and a breach of the protocol has ended the
// connection, so that no window can show any more.
bool compositorStillAnswers()
{
    for (int trip = 0; trip < 2; ++trip) {
        QWidget probe;
        probe.resize(20, 20);
        probe.show();
        if (!QTest::qWaitForWindowExposed(&probe))
            return false;
    }
    return true;
}

class TestWaylandEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void tutorialsRun_data();
    void tutorialsRun();
    void prefersXWhereBothAreThere();
};

void TestWaylandEndToEnd::init()
{
    if (!compositor().fault.isEmpty())
        QSKIP(qPrintable("no Wayland compositor: " + compositor().fault));
    QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
    // Qt warns when a window asks for a grab that Wayland does not give.
    QTest::failOnWarning(QRegularExpression("grab", QRegularExpression::CaseInsensitiveOption));
}

void TestWaylandEndToEnd::tutorialsRun_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("copy and paste") << 1003;
    QTest::newRow("double click") << 1005;
    QTest::newRow("drag and drop") << 1004;
}

// Each tutorial opens from the launcher and closes by Escape; in Drag and
// Drop the image of the dragged item follows the pointer inside the window.
// Asked to maximise, as Qt's own title bar asks past the window flags, a
// tutorial is back at its size once the compositor has answered.
void TestWaylandEndToEnd::tutorialsRun()
{
    QFETCH(int, button);
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    ModalOwner::setMainWindow(&launcher);
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));

    QString opened, dropped;
    bool imageInside = false, imageAtPointer = false, closed = false, keptSize = false;
    QTimer::singleShot(0, &launcher, [&] {
        auto* tutorial = qobject_cast<CDialog*>(QApplication::activeModalWidget());
        if (!tutorial || !QTest::qWaitForWindowExposed(tutorial))
            return;
        opened = tutorial->windowTitle();
        const QSize laidOut = tutorial->size();
        tutorial->windowHandle()->setWindowStates(Qt::WindowMaximized);
        keptSize = compositorStillAnswers() &&
                   tutorial->windowHandle()->windowStates() == Qt::WindowNoState &&
                   tutorial->size() == laidOut;
        if (auto* dragDrop = qobject_cast<CDragDropTutorialDlg*>(tutorial)) {
            const auto* tree =
                qobject_cast<CTreeCtrl*>(tutorial->GetDlgItem(CDragDropTutorialDlg::kTreeId));
            QWindow* window = tutorial->windowHandle();
            const HTREEITEM folder = findTreeItem(*tree, DragDrop::kDestinationLabel);
            const QPoint start = onLabel(*tutorial, *tree, dragDrop->practiceItem());
            const QPoint target = onLabel(*tutorial, *tree, folder);
            QTest::mousePress(window, Qt::LeftButton, {}, start);
            QTest::mouseMove(window, start + QPoint(QApplication::startDragDistance() + 2, 0));
            QTest::mouseMove(window, target);
            const QWidget* image = CImageList::DragWindow();
            imageInside = dragDrop->isDragging() && image && image->isVisible() &&
                          image->parentWidget() == tutorial;
            imageAtPointer = image && image->pos() == target;
            QTest::mouseRelease(window, Qt::LeftButton, {}, target);
            dropped = tutorial->GetDlgItemText(TutorialStatus::kStatusBoxId);
        }
        QTest::keyClick(tutorial, Qt::Key_Escape);
        closed = !tutorial->isVisible();
    });
    qobject_cast<QPushButton*>(launcher.GetDlgItem(button))->click();
    ModalOwner::setMainWindow(nullptr);

    QVERIFY2(!opened.isEmpty(), "the tutorial opened");
    QVERIFY(keptSize);
    QVERIFY(closed);
    if (button == 1004) {
        QVERIFY(imageInside);
        QVERIFY(imageAtPointer);
        QCOMPARE(dropped, DragDrop::messageText(DragDrop::Message::Success));
        QVERIFY(!CImageList::DragWindow());
    }
}

// Started as a user starts it, in a session that offers both Wayland and X,
// the program shows its windows on X, under the desktop id as its class.
void TestWaylandEndToEnd::prefersXWhereBothAreThere()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("no X server to prefer");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(qEnvironmentVariable("KESTRIN_BINARY"), {});
    QVERIFY(program.waitForStarted());
    const auto search = [] {
        QProcess xdotool;
        xdotool.start("xdotool",
                      {"search", "--onlyvisible", "--class", "^example\\.vellumark\\.Kestrin$"});
        xdotool.waitForFinished(5000);
        return !xdotool.readAllStandardOutput().trimmed().isEmpty();
    };
    const bool onX = QTest::qWaitFor(search, 20000);
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(5000);
    QVERIFY2(onX, qPrintable((running ? "running, " : "ended, ") +
                             QString::fromLocal8Bit(program.readAllStandardError())));
}

int main(int argc, char** argv)
{
    startCompositor();
    // Without a compositor Qt could not start on Wayland; the tests then
    // say why they are skipped.
    if (!compositor().pid)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
        QApplication app(argc, argv);
        TestWaylandEndToEnd test;
        result = QTest::qExec(&test, argc, argv);
    }
    stopCompositor();
    return result;
}

#include "tst_wayland_e2e.moc"
