#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "tests/support/TreeItems.h"
#include "tools/xinput/XInput.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <X11/Xlib.h>
// X's names for zero clash with the lesson's messages.
#undef None
#undef Success

using namespace DragDrop;

namespace {

QStringList childLabels(const CTreeCtrl& tree, HTREEITEM parent)
{
    QStringList labels;
    for (HTREEITEM item = tree.GetChildItem(parent); item != 0; item = tree.GetNextSiblingItem(item))
        labels << tree.GetItemText(item);
    return labels;
}

// Whether another client can take the pointer, which it cannot while any
// window holds a grab.
bool pointerIsFree()
{
    Display* display = XOpenDisplay(nullptr);
    const int result = XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask,
                                    GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
    XUngrabPointer(display, CurrentTime);
    XCloseDisplay(display);
    return result == GrabSuccess;
}

} // namespace

class TestDragDropEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void ruleShowsOnceAtOpening();
    void fullRunAndStartOver();
    void clickWithoutDragAsksToHoldOn();
    void otherDrops_data();
    void otherDrops();
    void dragEndsCleanly_data();
    void dragEndsCleanly();

private:
    QPoint onLabel(const QString& label) const;
    QString status() const { return m_dialog->GetDlgItemText(1009); }
    HTREEITEM item(const QString& label) const { return findTreeItem(*m_tree, label); }
    // Presses on an item and moves, button held, until the drag runs.
    void startDrag(const QString& label = "Click and Drag Me");
    // Moves during a drag and waits until the window has handled the move:
    // the server knows the pointer's place before Qt has seen the motion.
    static void dragTo(const QPoint& global);

    QElapsedTimer m_sinceOpening;
    CDragDropTutorialDlg* m_dialog = nullptr;
    CTreeCtrl* m_tree = nullptr;
};

void TestDragDropEndToEnd::init()
{
    XInput::moveTo(QPoint(5, 5));
    m_dialog = new CDragDropTutorialDlg;
    m_sinceOpening.start();
    QVERIFY(m_dialog->Create());
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog));
    m_tree = qobject_cast<CTreeCtrl*>(m_dialog->GetDlgItem(CDragDropTutorialDlg::kTreeId));
    QVERIFY(m_tree);
}

void TestDragDropEndToEnd::cleanup()
{
    XInput::release();
    delete m_dialog;
    m_dialog = nullptr;
    XInput::settle();
    // The next test's first press must not count as the second press of a
    // double click that began in this one.
    QTest::qWait(qApp->styleHints()->mouseDoubleClickInterval() + 50);
}

QPoint TestDragDropEndToEnd::onLabel(const QString& label) const
{
    const QRect rect = m_tree->GetItemRect(item(label));
    return m_tree->ClientToScreen(QPoint(rect.right() - 6, rect.center().y()));
}

void TestDragDropEndToEnd::startDrag(const QString& label)
{
    const QPoint start = onLabel(label);
    XInput::moveTo(start);
    XInput::press();
    XInput::settle();
    for (int dy = 2; dy <= 2 * QApplication::startDragDistance() && !m_dialog->isDragging(); dy += 2)
        XInput::moveTo(start + QPoint(dy, dy));
    QVERIFY(XInput::waitFor([&] { return m_dialog->isDragging(); }, 1000));
}

void TestDragDropEndToEnd::dragTo(const QPoint& global)
{
    XInput::moveTo(global);
    // The image and the mark move in the same handler, image first.
    QVERIFY(XInput::waitFor([&] { return CImageList::DragWindow()->pos() == global; }, 1000));
}

void TestDragDropEndToEnd::ruleShowsOnceAtOpening()
{
    QWidget* rule = m_dialog->GetDlgItem(1017);
    QVERIFY(XInput::waitFor([&] { return rule->isVisible(); }, 2000));
    const qint64 shown = m_sinceOpening.elapsed();
    QVERIFY(XInput::waitFor([&] { return !rule->isVisible(); }, 2000));
    const qint64 hidden = m_sinceOpening.elapsed();
    qInfo("rule shown from %lld to %lld ms after opening", shown, hidden);
    QVERIFY2(shown >= 490, qPrintable(QString::number(shown)));
    QVERIFY2(hidden - shown >= 240, qPrintable(QString::number(hidden - shown)));
    QVERIFY(!XInput::waitFor([&] { return rule->isVisible(); }, 600));
}

void TestDragDropEndToEnd::fullRunAndStartOver()
{
    QCOMPARE(status(), messageText(Message::StartPrompt));
    QCOMPARE(m_tree->GetSelectedItem(), HTREEITEM(0));
    QCOMPARE(childLabels(*m_tree, item("Source Folder")),
             (QStringList{"Click and Drag Me", "Another File"}));

    // Step 1: resting on the item is seen at the next poll.
    XInput::moveTo(onLabel("Click and Drag Me"));
    QElapsedTimer rested;
    rested.start();
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::Step1); }, 1000));
    qInfo("step 1 seen %lld ms after the cursor came to rest", rested.elapsed());
    // Within two polls: the period itself is checked on the fake clock, and a
    // busy machine may hold one tick back.
    QVERIFY2(rested.elapsed() <= 200, qPrintable(QString::number(rested.elapsed())));

    // Steps 2 and 3.
    XInput::press();
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::Step2); }, 1000));
    const QPoint start = QCursor::pos();
    for (int d = 2; !m_dialog->isDragging() && d <= 30; d += 2)
        XInput::moveTo(start + QPoint(d, d / 2));
    QVERIFY(XInput::waitFor([&] { return m_dialog->isDragging(); }, 3000));
    QCOMPARE(status(), messageText(Message::Step3));
    QCOMPARE(m_tree->GetSelectedItem(), item("Click and Drag Me"));
    QWidget* image = CImageList::DragWindow();
    QVERIFY(image && image->isVisible());
    QVERIFY(XInput::waitFor([&] { return image->pos() == QCursor::pos(); }, 1000));

    // The image follows outside the window; the highlight stays put there.
    dragTo(onLabel("Destination Folder"));
    QCOMPARE(m_tree->GetDropHilightItem(), item("Destination Folder"));
    dragTo(m_dialog->frameGeometry().bottomRight() + QPoint(20, 20));
    QCOMPARE(m_tree->GetDropHilightItem(), item("Destination Folder"));

    // Step 4: the drop.
    XInput::moveTo(onLabel("Destination Folder"));
    XInput::release();
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::Success); }, 1000));
    QVERIFY(!m_dialog->isDragging());
    QVERIFY(!CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(childLabels(*m_tree, item("Destination Folder")), QStringList{"Click and Drag Me"});
    QVERIFY(m_tree->IsExpanded(item("Destination Folder")));
    QCOMPARE(childLabels(*m_tree, item("Source Folder")), QStringList{"Another File"});
    QCOMPARE(m_tree->GetSelectedItem(), item("Click and Drag Me"));
    QCOMPARE(m_tree->GetDropHilightItem(), HTREEITEM(0));
    QVERIFY(!m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));

    // Finished: a press on an item only brings the reminder.
    QString boxText;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxText = box->text();
            box->accept();
        }
    });
    closer.start(20);
    XInput::moveTo(onLabel("Another File"));
    XInput::press();
    QVERIFY(XInput::waitFor([&] { return !boxText.isEmpty(); }, 3000));
    XInput::release();
    closer.stop();
    QCOMPARE(boxText, messageText(Message::StartOverBox));
    QCOMPARE(m_tree->GetSelectedItem(), item("Click and Drag Me"));

    // Start Over builds the tree afresh and shows the rule once.
    auto* startOver = qobject_cast<QPushButton*>(m_dialog->GetDlgItem(CDragDropTutorialDlg::kStartOverId));
    QWidget* rule = m_dialog->GetDlgItem(1017);
    XInput::click(XInput::centreOf(startOver));
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::StartPrompt); }, 1000));
    QVERIFY(!rule->isVisible());
    QCOMPARE(childLabels(*m_tree, item("Source Folder")),
             (QStringList{"Click and Drag Me", "Another File"}));
    QCOMPARE(childLabels(*m_tree, item("Destination Folder")), QStringList{});
    QCOMPARE(m_tree->GetSelectedItem(), HTREEITEM(0));
    QVERIFY(m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
    QVERIFY(XInput::waitFor([&] { return rule->isVisible(); }, 1000));
    QVERIFY(XInput::waitFor([&] { return !rule->isVisible(); }, 1000));
    QVERIFY(!XInput::waitFor([&] { return rule->isVisible(); }, 400));
}

void TestDragDropEndToEnd::clickWithoutDragAsksToHoldOn()
{
    XInput::moveTo(onLabel("Click and Drag Me"));
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::Step1); }, 1000));
    XInput::press();
    XInput::release();
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::HoldOn); }, 1000));
    QCOMPARE(m_dialog->step(), int(Hovering));
    QCOMPARE(m_tree->GetSelectedItem(), item("Click and Drag Me"));
}

void TestDragDropEndToEnd::otherDrops_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("releasedOn"); // a label, or "" for empty tree space
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("folderHolding"); // where "Click and Drag Me" ends up
    QTest::addColumn<QString>("highlighted"); // after the release

    const QString step3 = messageText(Message::Step3);
    const QString refusal = messageText(Message::Refusal);
    const QString wrong = messageText(Message::WrongItem);
    QTest::newRow("onto another folder") << "Click and Drag Me" << "Just Another Folder" << refusal << "Just Another Folder" << "";
    QTest::newRow("onto its own folder") << "Click and Drag Me" << "Source Folder" << refusal << "Source Folder" << "";
    QTest::newRow("onto a file") << "Click and Drag Me" << "Another File" << refusal << "Source Folder" << "";
    QTest::newRow("empty space after a folder") << "Click and Drag Me" << "" << step3 << "Source Folder" << "";
    QTest::newRow("the wrong item") << "Another File" << "Destination Folder" << wrong << "Source Folder" << "Destination Folder";
}

void TestDragDropEndToEnd::otherDrops()
{
    QFETCH(QString, dragged);
    QFETCH(QString, releasedOn);
    startDrag(dragged);
    // Pass over a folder first, so that a release on empty space has a
    // marked folder to ignore.
    dragTo(onLabel("Yet Another Folder"));
    QCOMPARE(m_tree->GetDropHilightItem(), item("Yet Another Folder"));
    if (releasedOn.isEmpty()) {
        const QRect last = m_tree->GetItemRect(item("Yet Another Folder"));
        dragTo(m_tree->ClientToScreen(QPoint(last.left(), last.bottom() + 20)));
        QCOMPARE(m_tree->GetDropHilightItem(), item("Yet Another Folder"));
    } else {
        dragTo(onLabel(releasedOn));
    }
    XInput::release();
    QVERIFY(XInput::waitFor([&] { return !m_dialog->isDragging(); }, 1000));
    QTEST(status(), "shown");
    QCOMPARE(m_dialog->step(), int(Finished));
    QVERIFY(!CImageList::DragWindow());
    QVERIFY(pointerIsFree());
    QVERIFY(!m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
    QFETCH(QString, folderHolding);
    QVERIFY2(childLabels(*m_tree, item(folderHolding)).contains("Click and Drag Me"),
             qPrintable(folderHolding));
    QCOMPARE(childLabels(*m_tree, item(folderHolding)).count("Click and Drag Me"), 1);
    QFETCH(QString, highlighted);
    QCOMPARE(m_tree->GetDropHilightItem(), highlighted.isEmpty() ? HTREEITEM(0) : item(highlighted));
}

void TestDragDropEndToEnd::dragEndsCleanly_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << "Escape" << true;
    QTest::newRow("Enter") << "Return" << true;
    QTest::newRow("close message") << "close message" << true;
    QTest::newRow("Start Over from the keyboard") << "Start Over" << false;
    QTest::newRow("another window takes over") << "another window" << false;
}

// Whatever ends a drag before its release leaves no image, grab or poll
// behind, and the release that follows touches nothing.
void TestDragDropEndToEnd::dragEndsCleanly()
{
    QFETCH(QString, route);
    QFETCH(bool, closes);
    startDrag();
    dragTo(onLabel("Destination Folder"));
    QVERIFY(CImageList::DragWindow());
    QVERIFY(!pointerIsFree());

    QWidget other;
    if (route == "close message") {
        XInput::requestClose(m_dialog->winId());
    } else if (route == "Start Over") {
        // The press gave the tree the focus; Start Over is next.
        XInput::keys("Tab");
        QWidget* startOver = m_dialog->GetDlgItem(CDragDropTutorialDlg::kStartOverId);
        QVERIFY(XInput::waitFor([&] { return QApplication::focusWidget() == startOver; }, 1000));
        XInput::keys("space");
    } else if (route == "another window") {
        other.setGeometry(20, 20, 100, 100);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        XInput::giveFocus(other.winId());
        QVERIFY(XInput::waitFor([&] { return other.isActiveWindow(); }, 2000));
    } else {
        XInput::keys(route);
    }
    QVERIFY(XInput::waitFor([&] { return !m_dialog->isDragging(); }, 2000));
    QCOMPARE(m_dialog->isVisible(), !closes);
    QVERIFY(!CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QVERIFY(pointerIsFree());
    if (closes)
        QVERIFY(!m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));

    const QString before = status();
    XInput::release();
    XInput::settle();
    QCOMPARE(status(), before);
    QCOMPARE(childLabels(*m_tree, item("Source Folder")),
             (QStringList{"Click and Drag Me", "Another File"}));
    QCOMPARE(childLabels(*m_tree, item("Destination Folder")), QStringList{});
    QCOMPARE(m_tree->GetDropHilightItem(), HTREEITEM(0));
    if (route == "Start Over") {
        QCOMPARE(status(), messageText(Message::StartPrompt));
        QCOMPARE(m_dialog->step(), int(AwaitHover));
        QVERIFY(m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
    }
}

QTEST_MAIN(TestDragDropEndToEnd)
#include "tst_dragdrop_e2e.moc"
