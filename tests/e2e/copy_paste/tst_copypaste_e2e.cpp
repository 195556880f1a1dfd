#include "common/platform/system/SystemServices.h"
#include "tools/xinput/SelectionOwner.h"
#include "tools/xinput/XInput.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/copy_paste/CopyPasteSteps.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <unistd.h>

// Qt before Xlib, whose macros clash with Qt names.
#include <X11/Xlib.h>

using namespace CopyPasteSteps;

namespace {
const QString kSentence = QString::fromLatin1(kPracticeSentence);
const QString kInitial = QString::fromLatin1(kInitialStatus);
const QString kKeepSelecting = "You're on the right track.  Keep selecting...";
const QString kSelected = "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the "
                          "text as instructed! Now move on to Step 3.";
const QString kNotQuite =
    "Oops... The selected text isn't quite right.  Please start over at Step 1.";
const QString kUndone = "Oops!  Something went wrong.  You still need to complete Step 4.";
const QString kDone = "Congratulations!  You did it!\r\n\r\nYou successfully copied and pasted "
                      "text from one window to another!";

// The longest the window may go without answering while the clipboard is
// read; the sanitizers slow every step several times over.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kStallBound = 60;
#else
constexpr qint64 kStallBound = 20;
#endif

// The test binary doubles as "another program" that owns the clipboard.
const char kOwnerMode[] = "--own-clipboard";

// An owner written straight on X: it may answer with anything, or never.
int holdSelection(XInput::SelectionOwner::Selection selection,
                  std::optional<XInput::SelectionOwner::Reply> reply)
{
    try {
        XInput::SelectionOwner owner(selection, std::move(reply));
        std::puts("ready");
        std::fflush(stdout);
        for (;;)
            pause();
    } catch (const std::exception&) {
        return 1;
    }
}

// A window of another program that takes the keyboard focus.
int takeFocus()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 100, 100, 0, 0, 0);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    XEvent event;
    do
        XNextEvent(display, &event);
    while (event.type != MapNotify);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        XNextEvent(display, &event);
}

int holdClipboard(int argc, char** argv, const std::function<QMimeData*()>& content)
{
    QGuiApplication app(argc, argv);
    QGuiApplication::clipboard()->setMimeData(content());
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

int holdClipboardText(int argc, char** argv, const QString& text)
{
    return holdClipboard(argc, argv, [&] {
        auto* data = new QMimeData;
        data->setText(text);
        return data;
    });
}

// A clipboard manager: remembers each text copied elsewhere and either puts
// the last one back whenever the clipboard is emptied, or takes each copy
// over at once.
int manageClipboard(int argc, char** argv, bool takeOver)
{
    QGuiApplication app(argc, argv);
    QClipboard* clipboard = QGuiApplication::clipboard();
    QString last = kSentence;
    clipboard->setText(last);
    QObject::connect(clipboard, &QClipboard::changed, [&](QClipboard::Mode mode) {
        if (mode != QClipboard::Clipboard || clipboard->ownsClipboard())
            return;
        const QString now = clipboard->text();
        if (!now.isEmpty())
            last = now;
        if (now.isEmpty() || takeOver)
            clipboard->setText(last);
    });
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

const QByteArray kDraggedText = "Gr\xc3\xbc\xc3\x9f"
                                "e aus dem Browser";

int runClipboardOwner(int argc, char** argv)
{
    using Selection = XInput::SelectionOwner::Selection;
    using Reply = XInput::SelectionOwner::Reply;
    const QByteArray what = argv[2];
    if (what == "restoring manager" || what == "manager taking over")
        return manageClipboard(argc, argv, what == "manager taking over");
    if (what == "focus")
        return takeFocus();
    if (what == "hung")
        return holdSelection(Selection::Clipboard, std::nullopt);
    // As a picture put on the clipboard by a tool that answers every request
    // with it.
    if (what == "png reply")
        return holdSelection(Selection::Clipboard, Reply{"image/png", "\x89PNG\r\n\x1a\n"});
    if (what == "invalid utf-8")
        return holdSelection(Selection::Clipboard, Reply{"UTF8_STRING", "caf\xe9 \xff"});
    if (what == "primary")
        return holdSelection(Selection::Primary, Reply{"UTF8_STRING", kSentence.toUtf8()});
    if (what == "primary, hung")
        return holdSelection(Selection::Primary, std::nullopt);
    if (what == "drag")
        return holdSelection(Selection::Drag, Reply{"UTF8_STRING", kDraggedText});
    if (what == "drag, hung")
        return holdSelection(Selection::Drag, std::nullopt);
    if (what == "drag, 3 s")
        return holdSelection(Selection::Drag,
                             Reply{"UTF8_STRING", kDraggedText, std::chrono::seconds(3)});
    if (what == "huge")
        return holdClipboardText(argc, argv, QString(50 * 1024 * 1024, QChar('x')));
    if (what == "nul")
        return holdClipboardText(argc, argv, kSentence + QChar(0) + "and more");
    if (what == "image")
        return holdClipboard(argc, argv, [] {
            auto* data = new QMimeData;
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            data->setImageData(image);
            return data;
        });
    return holdClipboardText(argc, argv, QString::fromUtf8(what));
}
} // namespace

class TestCopyPasteEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void wholeTutorialWithMouseAndKeys();
    void strayClickWithButtonUp();
    void copyThroughTheContextMenu();
    void focusLeavingTheTargetUndoesStep4();
    void anotherProgramTakingTheFocusUndoesStep4();
    void startOverInTheMiddle();
    void reopeningEmptiesTheClipboard_data();
    void reopeningEmptiesTheClipboard();
    void ownerThatNeverAnswersDoesNotFreeze();
    void anotherProgramsClipboard_data();
    void anotherProgramsClipboard();
    void clipboardManager_data();
    void clipboardManager();
    void pasteNeverStalls_data();
    void pasteNeverStalls();
    void enterInThePracticeBoxIsTheOkCommand();

private:
    QPlainTextEdit* practice() const;
    QPlainTextEdit* target() const;
    QString status() const { return m_dialog->GetDlgItemText(1009); }
    // A point beside the character at `position` of the practice box.
    QPoint beside(int position, int dx) const;
    bool waitForStep(int step) { return XInput::waitFor([&] { return m_dialog->step() == step; }); }
    void selectAllInPracticeBox();
    // Steps 1 to 4: select, copy, click into the target box.
    void copyAndClickIntoTarget();
    void startOwner(const QString& what);
    // The longest time the event loop went without running, over `ms`.
    qint64 longestStall(int ms);

    std::unique_ptr<CCopyPasteTutorialDlg> m_dialog;
    std::unique_ptr<QProcess> m_owner;
};

QPlainTextEdit* TestCopyPasteEndToEnd::practice() const
{
    return qobject_cast<QPlainTextEdit*>(m_dialog->GetDlgItem(1007));
}

QPlainTextEdit* TestCopyPasteEndToEnd::target() const
{
    return qobject_cast<QPlainTextEdit*>(m_dialog->GetDlgItem(1008));
}

QPoint TestCopyPasteEndToEnd::beside(int position, int dx) const
{
    QTextCursor at(practice()->document());
    at.setPosition(position);
    return practice()->viewport()->mapToGlobal(practice()->cursorRect(at).center() +
                                               QPoint(dx, 0));
}

void TestCopyPasteEndToEnd::selectAllInPracticeBox()
{
    XInput::click(beside(10, 0));
    QVERIFY(XInput::waitFor([&] { return practice()->hasFocus(); }));
    XInput::keys("ctrl+a");
    QVERIFY(waitForStep(Selected));
}

void TestCopyPasteEndToEnd::copyAndClickIntoTarget()
{
    selectAllInPracticeBox();
    XInput::keys("ctrl+c");
    QVERIFY(waitForStep(Copied));
    XInput::click(XInput::centreOf(target()));
    QVERIFY(waitForStep(Placed));
}

void TestCopyPasteEndToEnd::startOwner(const QString& what)
{
    m_owner = std::make_unique<QProcess>();
    m_owner->start(QCoreApplication::applicationFilePath(), {kOwnerMode, what});
    QVERIFY(m_owner->waitForReadyRead(10000));
    QCOMPARE(m_owner->readLine().trimmed(), QByteArray("ready"));
}

namespace {
// Nanoseconds this thread has spent ready to run but waiting for a processor.
qint64 waitedForProcessor()
{
    std::ifstream stats("/proc/thread-self/schedstat");
    qint64 running = 0;
    qint64 waiting = 0;
    stats >> running >> waiting;
    return waiting;
}
} // namespace

qint64 TestCopyPasteEndToEnd::longestStall(int ms)
{
    // Time the machine gave to other programs is not the window's stall: on
    // a busy machine it would swamp what the window itself does.
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 lastWaited = waitedForProcessor();
    qint64 longest = 0;
    const auto measure = [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 waited = waitedForProcessor();
        longest = std::max(longest, (now - last) - (waited - lastWaited));
        last = now;
        lastWaited = waited;
    };
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    connect(&probe, &QTimer::timeout, measure);
    probe.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    measure();
    return longest / 1000000;
}

void TestCopyPasteEndToEnd::init()
{
    m_dialog = std::make_unique<CCopyPasteTutorialDlg>();
    QVERIFY(m_dialog->Create());
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestCopyPasteEndToEnd::cleanup()
{
    XInput::release(1);
    XInput::keys("Escape");
    m_dialog.reset();
    if (m_owner) {
        m_owner->kill();
        m_owner->waitForFinished();
        m_owner.reset();
    }
    XInput::settle();
}

void TestCopyPasteEndToEnd::wholeTutorialWithMouseAndKeys()
{
    QStringList written;
    auto* statusBox = qobject_cast<QPlainTextEdit*>(m_dialog->GetDlgItem(1009));
    connect(statusBox, &QPlainTextEdit::textChanged, [&] { written << status(); });

    XInput::moveTo(beside(0, -2));
    XInput::press();
    // Across the first line and on into the second.
    for (int position : {10, 35, 70}) {
        const qsizetype before = written.size();
        XInput::moveTo(beside(position, 0));
        QVERIFY(XInput::waitFor([&] { return written.size() > before; }));
        QCOMPARE(written.last(), kKeepSelecting);
    }
    XInput::moveTo(beside(85, 6));
    // Complete while the button is still held.
    QVERIFY(waitForStep(Selected));
    QCOMPARE(status(), kSelected);
    XInput::release();
    written.removeDuplicates();
    QCOMPARE(written, QStringList({kKeepSelecting, kSelected}));

    XInput::keys("ctrl+c");
    QVERIFY(waitForStep(Copied));
    QVERIFY(status().startsWith("Step 3 is Complete!"));

    XInput::click(XInput::centreOf(target()));
    QVERIFY(waitForStep(Placed));
    QVERIFY(status().startsWith("Step 4 is Complete!"));

    XInput::keys("ctrl+v");
    QVERIFY(waitForStep(Done));
    QCOMPARE(status(), kDone);
    QCOMPARE(m_dialog->GetDlgItemText(1008), kSentence);

    XInput::click(XInput::centreOf(m_dialog->GetDlgItem(CDialog::IDCANCEL)));
    QVERIFY(XInput::waitFor([&] { return !m_dialog->isVisible(); }));
    QVERIFY(!m_dialog->IsTimerRunning(CCopyPasteTutorialDlg::kPollTimer));
    QCOMPARE(systemServices().ClipboardText(), kSentence);
}

void TestCopyPasteEndToEnd::strayClickWithButtonUp()
{
    XInput::click(beside(20, 0));
    QVERIFY(XInput::waitFor([&] { return status() == kNotQuite; }));
    QCOMPARE(m_dialog->step(), int(Selecting));
}

void TestCopyPasteEndToEnd::copyThroughTheContextMenu()
{
    selectAllInPracticeBox();
    XInput::click(XInput::centreOf(practice()), 3);
    QMenu* menu = nullptr;
    QVERIFY(XInput::waitFor([&] {
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu != nullptr;
    }));
    // Reading the menu takes a novice a while; the selection still counts.
    QVERIFY(!XInput::waitFor([&] { return m_dialog->step() != Selected; }, 600));
    QAction* copy = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove('&').startsWith("Copy"))
            copy = action;
    QVERIFY(copy && copy->isEnabled());
    XInput::click(menu->mapToGlobal(menu->actionGeometry(copy).center()));
    QVERIFY(waitForStep(Copied));
}

void TestCopyPasteEndToEnd::focusLeavingTheTargetUndoesStep4()
{
    copyAndClickIntoTarget();

    XInput::click(beside(10, 0));
    QVERIFY(waitForStep(Copied));
    QCOMPARE(status(), kUndone);
    XInput::click(XInput::centreOf(target()));
    QVERIFY(waitForStep(Placed));
}

void TestCopyPasteEndToEnd::anotherProgramTakingTheFocusUndoesStep4()
{
    copyAndClickIntoTarget();

    startOwner("focus");
    QVERIFY(waitForStep(Copied));
    QCOMPARE(status(), kUndone);
    // The copy is still ours, so the tutorial waits for Step 4 again.
    QVERIFY(!XInput::waitFor([&] { return m_dialog->step() != Copied; }, 600));
}

void TestCopyPasteEndToEnd::startOverInTheMiddle()
{
    selectAllInPracticeBox();
    XInput::keys("ctrl+c");
    QVERIFY(waitForStep(Copied));
    XInput::click(XInput::centreOf(target()));
    XInput::keys("x");
    QVERIFY(waitForStep(Placed));

    XInput::click(XInput::centreOf(m_dialog->GetDlgItem(CCopyPasteTutorialDlg::kStartOverId)));
    QVERIFY(waitForStep(Selecting));
    QCOMPARE(status(), kInitial);
    QCOMPARE(m_dialog->GetDlgItemText(1008), QString());
    QCOMPARE(systemServices().ClipboardText(), QString());
    QCOMPARE(practice()->textCursor().position(), 0);
}

void TestCopyPasteEndToEnd::reopeningEmptiesTheClipboard_data()
{
    QTest::addColumn<bool>("copiedHere");
    QTest::newRow("copied in the previous run") << true;
    QTest::newRow("copied in another program") << false;
}

void TestCopyPasteEndToEnd::reopeningEmptiesTheClipboard()
{
    QFETCH(bool, copiedHere);
    if (copiedHere) {
        selectAllInPracticeBox();
        XInput::keys("ctrl+c");
        QVERIFY(waitForStep(Copied));
        XInput::keys("Escape");
        QVERIFY(XInput::waitFor([&] { return !m_dialog->isVisible(); }));
        QVERIFY(!m_dialog->IsTimerRunning(CCopyPasteTutorialDlg::kPollTimer));
        m_dialog.reset();
    } else {
        m_dialog.reset();
        startOwner(kSentence);
    }
    // Another program's text is known once its owner has answered.
    QVERIFY(XInput::waitFor([] { return systemServices().ClipboardText() == kSentence; }));

    init();
    QCOMPARE(systemServices().ClipboardText(), QString());
    selectAllInPracticeBox();
    // Step 3 waits for a copy of the user's own.
    QVERIFY(!XInput::waitFor([&] { return m_dialog->step() != Selected; }, 700));
}

void TestCopyPasteEndToEnd::ownerThatNeverAnswersDoesNotFreeze()
{
    selectAllInPracticeBox();
    startOwner("hung");
    // Covers the first unanswered request, its abandonment and the next one.
    const qint64 stall = longestStall(1600);
    qInfo("longest event-loop stall with a hung clipboard owner: %lld ms", stall);
    QVERIFY2(stall < 100, qPrintable(QString::number(stall)));
    QCOMPARE(m_dialog->step(), int(Selected));
    QCOMPARE(status(), kSelected);

    // The user's own copy takes the clipboard back and counts.
    XInput::keys("ctrl+c");
    QVERIFY(waitForStep(Copied));
}

void TestCopyPasteEndToEnd::anotherProgramsClipboard_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::newRow("the sentence") << kSentence << kSentence << int(Copied);
    QTest::newRow("the sentence, a NUL, more") << "nul" << kSentence << int(Copied);
    QTest::newRow("a picture, no text") << "image" << QString() << int(Selected);
    QTest::newRow("50 MB of text") << "huge" << QString() << int(Selected);
}

void TestCopyPasteEndToEnd::anotherProgramsClipboard()
{
    QFETCH(QString, owner);
    QFETCH(QString, text);
    QFETCH(int, step);
    selectAllInPracticeBox();
    startOwner(owner);
    const qint64 stall = longestStall(1000);
    qInfo("longest event-loop stall: %lld ms", stall);
    QVERIFY2(stall < 100, qPrintable(QString::number(stall)));
    QCOMPARE(m_dialog->step(), step);
    QCOMPARE(systemServices().ClipboardText(), text);
}

void TestCopyPasteEndToEnd::clipboardManager_data()
{
    QTest::addColumn<QString>("manager");
    QTest::newRow("puts the last text back") << "restoring manager";
    QTest::newRow("takes each copy over") << "manager taking over";
}

void TestCopyPasteEndToEnd::clipboardManager()
{
    QFETCH(QString, manager);
    m_dialog.reset();
    startOwner(manager);
    init(); // empties the clipboard; the manager may put the sentence back
    selectAllInPracticeBox();
    // Step 3 waits for a copy of the user's own.
    QVERIFY(!XInput::waitFor([&] { return m_dialog->step() != Selected; }, 700));

    XInput::keys("ctrl+c");
    QVERIFY(waitForStep(Copied));
    // Whether the manager holds the copy now or not, it is still the copy.
    QVERIFY(!XInput::waitFor([&] { return m_dialog->step() != Copied; }, 700));
    QCOMPARE(systemServices().ClipboardText(), kSentence);
}

void TestCopyPasteEndToEnd::pasteNeverStalls_data()
{
    QTest::addColumn<QString>("owner"); // empty: nothing owns the clipboard
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("pasted");
    const std::pair<const char*, const char*> owners[] = {
        {"nothing", ""}, {"a picture", "image"}, {"an owner that never answers", "hung"},
        {"50 MB of text", "huge"}};
    for (const auto& [name, owner] : owners)
        for (const char* route : {"ctrl+v", "shift+Insert", "menu"})
            for (int box : {1007, 1008})
                QTest::addRow("%s, %s, box %d", name, route, box)
                    << QString(owner) << QString(route) << box << QString();
    for (const char* route : {"ctrl+v", "menu"}) {
        // Another program's text comes the same way; what is not text, or
        // not valid text, does not.
        QTest::addRow("the sentence, %s", route)
            << kSentence << QString(route) << 1008 << kSentence;
        QTest::addRow("a picture answered as text, %s", route)
            << "png reply" << QString(route) << 1008 << QString();
        QTest::addRow("invalid UTF-8, %s", route)
            << "invalid utf-8" << QString(route) << 1008 << QString();
    }
    // Another program's selection, pasted with the middle button, and text
    // another program drags over a box and drops: inserted when its answer
    // comes in time, nothing otherwise.
    const QString dragged = QString::fromUtf8(kDraggedText);
    QTest::newRow("another program's selection, middle click")
        << "primary"
        << "middle click" << 1008 << kSentence;
    QTest::newRow("a dragging program that answers, drop") << "drag"
                                                           << "drop" << 1008 << dragged;
    QTest::newRow("the sentence dragged from the practice box")
        << QString() << "drop" << 1008 << kSentence;
    for (int box : {1007, 1008}) {
        QTest::addRow("a selection that never comes, middle click, box %d", box)
            << "primary, hung"
            << "middle click" << box << QString();
        QTest::addRow("a dragging program that never answers, drop, box %d", box)
            << "drag, hung"
            << "drop" << box << QString();
        QTest::addRow("a dragging program that answers after 3 s, drop, box %d", box)
            << "drag, 3 s"
            << "drop" << box << QString();
    }
}

void TestCopyPasteEndToEnd::pasteNeverStalls()
{
    QFETCH(QString, owner);
    QFETCH(QString, route);
    QFETCH(int, box);
    QFETCH(QString, pasted);
    auto* edit = qobject_cast<QPlainTextEdit*>(m_dialog->GetDlgItem(box));
    const QString before = m_dialog->GetDlgItemText(box);
    const QPoint centre = XInput::centreOf(edit);
    if (route != "drop") {
        XInput::click(centre);
        QVERIFY(XInput::waitFor([&] { return edit->hasFocus(); }));
    }
    if (!owner.isEmpty())
        startOwner(owner);
    // The menu shows what the clipboard held when it opened.
    if (route != "drop" && route != "middle click")
        QVERIFY(XInput::waitFor([&] { return systemServices().ClipboardText() == pasted; }));

    // Input is sent before the clock starts: a round trip to a busy X server
    // is the test's wait, not the window's. The spans cover the wait for an
    // owner that never answers, and giving it up.
    qint64 stall = 0;
    if (route == "menu") {
        XInput::click(centre, 3);
        stall = longestStall(300);
        QMenu* menu = nullptr;
        QVERIFY(XInput::waitFor([&] {
            menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu != nullptr;
        }));
        auto* paste = menu->findChild<QAction*>("edit-paste");
        QVERIFY(paste);
        QCOMPARE(paste->isEnabled(), !pasted.isEmpty());
        const QPoint item = menu->mapToGlobal(menu->actionGeometry(paste).center());
        XInput::click(item);
        stall = std::max(stall, longestStall(1300));
        XInput::keys("Escape"); // the menu stays open when Paste was disabled
    } else if (route == "drop" && owner.isEmpty()) {
        // Our own drag, away from the click that selected. Qt runs it in a
        // loop of its own, which returns only at the drop: the hand moves on
        // from a timer, which runs in that loop too.
        selectAllInPracticeBox();
        XInput::moveTo(beside(40, 0));
        XInput::press(1);
        const QList<QPoint> path{beside(46, 0), beside(52, 0), centre + QPoint(-30, 0), centre};
        qsizetype reached = 0;
        QTimer hand;
        connect(&hand, &QTimer::timeout, [&] {
            if (reached < path.size()) {
                XInput::sendMotion(path[reached++]);
                return;
            }
            hand.stop();
            XInput::release(1);
        });
        hand.start(50);
        stall = longestStall(1300);
    } else if (route == "drop") {
        // Into the box and about in it, as a hand moves, then the drop. The
        // other program holds the pointer: the button goes down and up for it.
        for (const int dx : {-30, 0, 30, 0}) {
            XInput::sendMotion(centre + QPoint(dx, 0));
            stall = std::max(stall, longestStall(150));
        }
        XInput::press(1);
        XInput::release(1);
        stall = std::max(stall, longestStall(1300));
    } else if (route == "middle click") {
        XInput::click(centre, 2);
        stall = longestStall(1300);
    } else {
        XInput::keys(route);
        stall = longestStall(1300);
    }
    qInfo("longest event-loop stall: %lld ms", stall);
    QVERIFY2(stall <= kStallBound, qPrintable(QString::number(stall)));
    XInput::waitFor([&] { return m_dialog->GetDlgItemText(box) == before + pasted; });
    QCOMPARE(m_dialog->GetDlgItemText(box), before + pasted);
    if (owner.endsWith("3 s")) { // an answer given up is not taken when it comes
        QVERIFY(!XInput::waitFor([&] { return m_dialog->GetDlgItemText(box) != before; }, 2500));
    }
}

void TestCopyPasteEndToEnd::enterInThePracticeBoxIsTheOkCommand()
{
    XInput::click(beside(10, 0));
    QVERIFY(XInput::waitFor([&] { return practice()->hasFocus(); }));
    XInput::keys("Return");
    QVERIFY(XInput::waitFor([&] { return !m_dialog->isVisible(); }));
    QCOMPARE(m_dialog->result(), int(CDialog::IDOK));
    QCOMPARE(m_dialog->GetDlgItemText(1007), kSentence);
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], kOwnerMode) == 0)
        return runClipboardOwner(argc, argv);
    QApplication app(argc, argv);
    TestCopyPasteEndToEnd test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_copypaste_e2e.moc"
