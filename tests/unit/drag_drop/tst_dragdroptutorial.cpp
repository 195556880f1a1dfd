#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "tests/support/FakeSystemServices.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace DragDrop;

// The window as a whole, offscreen: the tree it builds, the poll and the
// press filter at the fake cursor, and drags that end before their release.
class TestDragDropTutorial : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensWithThePracticeTree();
    void hoverPoll_data();
    void hoverPoll();
    void pressWhenFinished_data();
    void pressWhenFinished();
    void doubleClick_data();
    void doubleClick();
    void topLevelFolderIsNotDragged();
    void dragEndedEarly_data();
    void dragEndedEarly();
    void closingStopsThePoll_data();
    void closingStopsThePoll();

private:
    HTREEITEM item(const QString& label) const;
    QStringList childLabels(HTREEITEM parent) const;
    QString status() const { return m_window->GetDlgItemText(1009); }
    // A point of the tree by item and zone: "label", "image", "indent",
    // "button", "right", or "below" the last item; in window coordinates.
    QPoint at(const QString& label, const QString& zone) const;
    void moveTo(const QPoint& windowPoint);
    void press(const QPoint& windowPoint);
    void release(const QPoint& windowPoint);
    void dragPracticeItemTo(const QString& label);

    std::unique_ptr<FakeSystemServices> m_services;
    std::unique_ptr<CDragDropTutorialDlg> m_window;
    CTreeCtrl* m_tree = nullptr;
};

void TestDragDropTutorial::init()
{
    m_services = std::make_unique<FakeSystemServices>();
    m_window = std::make_unique<CDragDropTutorialDlg>();
    QVERIFY(m_window->Create());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_tree = qobject_cast<CTreeCtrl*>(m_window->GetDlgItem(CDragDropTutorialDlg::kTreeId));
    QVERIFY(m_tree);
}

void TestDragDropTutorial::cleanup()
{
    m_window.reset();
    QCOMPARE(m_services->runningTimerCount(), 0);
    QVERIFY(!CImageList::DragWindow());
    m_services.reset();
}

HTREEITEM TestDragDropTutorial::item(const QString& label) const
{
    QList<HTREEITEM> pending{m_tree->GetRootItem()};
    while (!pending.isEmpty()) {
        for (HTREEITEM i = pending.takeFirst(); i != 0; i = m_tree->GetNextSiblingItem(i)) {
            if (m_tree->GetItemText(i) == label)
                return i;
            pending << m_tree->GetChildItem(i);
        }
    }
    return 0;
}

QStringList TestDragDropTutorial::childLabels(HTREEITEM parent) const
{
    QStringList labels;
    HTREEITEM i = parent ? m_tree->GetChildItem(parent) : m_tree->GetRootItem();
    for (; i != 0; i = m_tree->GetNextSiblingItem(i))
        labels << m_tree->GetItemText(i);
    return labels;
}

QPoint TestDragDropTutorial::at(const QString& label, const QString& zone) const
{
    const QRect rect = m_tree->GetItemRect(item(label));
    const int y = rect.center().y();
    QPoint client;
    if (zone == "label")
        client = QPoint(rect.right() - 3, y);
    else if (zone == "image")
        client = QPoint(rect.left() + 8, y);
    else if (zone == "indent")
        client = QPoint(rect.left() - m_tree->indentation() - 4, y);
    else if (zone == "button")
        client = QPoint(rect.left() - m_tree->indentation() / 2, y);
    else if (zone == "right")
        client = QPoint(rect.right() + 15, y);
    else
        client = QPoint(rect.left() + 8, m_tree->viewport()->height() - 4);
    return m_window->mapFromGlobal(m_tree->ClientToScreen(client));
}

void TestDragDropTutorial::moveTo(const QPoint& windowPoint)
{
    m_services->cursorPos = m_window->mapToGlobal(windowPoint);
    QTest::mouseMove(m_window->windowHandle(), windowPoint);
}

void TestDragDropTutorial::press(const QPoint& windowPoint)
{
    m_services->cursorPos = m_window->mapToGlobal(windowPoint);
    QTest::mousePress(m_window->windowHandle(), Qt::LeftButton, {}, windowPoint);
}

void TestDragDropTutorial::release(const QPoint& windowPoint)
{
    m_services->cursorPos = m_window->mapToGlobal(windowPoint);
    QTest::mouseRelease(m_window->windowHandle(), Qt::LeftButton, {}, windowPoint);
}

void TestDragDropTutorial::dragPracticeItemTo(const QString& label)
{
    const QPoint start = at("Click and Drag Me", "label");
    press(start);
    moveTo(start + QPoint(QApplication::startDragDistance() + 2, 0));
    QVERIFY(m_window->isDragging());
    moveTo(at(label, "label"));
    QCOMPARE(m_tree->GetDropHilightItem(), item(label));
}

void TestDragDropTutorial::opensWithThePracticeTree()
{
    QCOMPARE(childLabels(0), (QStringList{"Source Folder", "Just Another Folder",
                                          "Destination Folder", "Yet Another Folder"}));
    QCOMPARE(childLabels(item("Source Folder")), (QStringList{"Click and Drag Me", "Another File"}));
    QVERIFY(m_tree->IsExpanded(item("Source Folder")));
    QCOMPARE(m_window->practiceItem(), item("Click and Drag Me"));
    QCOMPARE(m_tree->GetSelectedItem(), HTREEITEM(0));
    QCOMPARE(m_tree->accessibleName(), QString("Practice folders"));
    QCOMPARE(status(), messageText(Message::StartPrompt));
    QCOMPARE(m_window->step(), int(AwaitHover));
    QVERIFY(m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
}

void TestDragDropTutorial::hoverPoll_data()
{
    // Where the pointer goes before each tick's moment, 100 ms apart: a zone
    // of "Click and Drag Me" (a move there), "rest" (no event at all), "out"
    // (it leaves the window), "enter label" (it comes back in over the
    // label) or "collapse" (it rests while "Source Folder" closes). The poll
    // stops after a tick that found the pointer resting and starts again at
    // the next event, so each step must still change within one period.
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<int>("step");
    QTest::addColumn<Message>("shown");
    QTest::addColumn<int>("asked"); // times the cursor position was asked for
    QTest::addColumn<bool>("polling"); // the poll still runs at the end
    using L = QStringList;
    QTest::newRow("rests on the label") << L{"label", "rest"} << int(Hovering) << Message::Step1 << 1 << false;
    QTest::newRow("rests on the image") << L{"image", "rest"} << int(Hovering) << Message::Step1 << 1 << false;
    QTest::newRow("right of the label only") << L{"right", "rest"} << int(AwaitHover) << Message::StartPrompt << 1 << false;
    QTest::newRow("indent only") << L{"indent", "rest"} << int(AwaitHover) << Message::StartPrompt << 1 << false;
    QTest::newRow("label, then right of it") << L{"label", "right"} << int(AwaitHover) << Message::StartPrompt << 2 << true;
    QTest::newRow("right of it, then label") << L{"right", "label"} << int(Hovering) << Message::Step1 << 2 << true;
    QTest::newRow("label, then out of the window") << L{"label", "out"} << int(AwaitHover) << Message::StartPrompt << 2 << true;
    QTest::newRow("out, then back in on the label") << L{"out", "enter label"} << int(Hovering) << Message::Step1 << 2 << true;
    QTest::newRow("out, resting there") << L{"out", "rest"} << int(AwaitHover) << Message::StartPrompt << 1 << false;
    QTest::newRow("long rest on the label, then out") << L{"label", "rest", "rest", "rest", "out"} << int(AwaitHover) << Message::StartPrompt << 2 << true;
    QTest::newRow("long rest outside, then in on the label") << L{"out", "rest", "rest", "rest", "enter label"} << int(Hovering) << Message::Step1 << 2 << true;
    QTest::newRow("long rest right of it, then label") << L{"right", "rest", "rest", "label"} << int(Hovering) << Message::Step1 << 2 << true;
    QTest::newRow("long rest on the label, then right") << L{"label", "rest", "rest", "right", "rest"} << int(AwaitHover) << Message::StartPrompt << 2 << false;
    QTest::newRow("resting on the label as its folder closes") << L{"label", "rest", "rest", "collapse"} << int(AwaitHover) << Message::StartPrompt << 1 << false;
}

void TestDragDropTutorial::hoverPoll()
{
    QFETCH(QStringList, moves);
    const auto put = [this](const QString& where) {
        QWindow* window = m_window->windowHandle();
        if (where == "out") {
            m_services->cursorPos = m_window->frameGeometry().topLeft() - QPoint(40, 40);
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(window, &leave);
        } else if (where == "enter label") {
            const QPoint local = at("Click and Drag Me", "label");
            m_services->cursorPos = m_window->mapToGlobal(local);
            QEnterEvent enter(local, local, m_services->cursorPos);
            QCoreApplication::sendEvent(window, &enter);
        } else if (where == "collapse") {
            m_tree->collapseAll();
            QCoreApplication::processEvents(); // the tree repaints
        } else if (where != "rest") {
            moveTo(at("Click and Drag Me", where));
        }
    };
    m_services->cursorAsked = 0;
    // The poll looks at where the cursor is when it runs, not where it was.
    for (const QString& where : std::as_const(moves)) {
        put(where);
        m_services->advance(100);
    }
    QTEST(m_window->step(), "step");
    QFETCH(Message, shown);
    QCOMPARE(status(), messageText(shown));
    QTEST(m_services->cursorAsked, "asked");
    QTEST(m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer), "polling");
}

void TestDragDropTutorial::pressWhenFinished_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("boxShown");
    QTest::newRow("label") << "Another File" << "label" << true;
    QTest::newRow("image") << "Yet Another Folder" << "image" << true;
    QTest::newRow("indent") << "Another File" << "indent" << true;
    QTest::newRow("expand button") << "Source Folder" << "button" << true;
    QTest::newRow("right of a label") << "Just Another Folder" << "right" << true;
    QTest::newRow("below the items") << "Yet Another Folder" << "below" << false;
}

void TestDragDropTutorial::pressWhenFinished()
{
    QFETCH(QString, label);
    QFETCH(QString, zone);
    QFETCH(bool, boxShown);
    dragPracticeItemTo("Destination Folder");
    // A screen reader whose focused item dies presents the whole window
    // again: the focus must be on the new row before the old one goes.
    QString currentWhenOldRowGoes;
    connect(m_tree->model(), &QAbstractItemModel::rowsAboutToBeRemoved, this, [this, &currentWhenOldRowGoes] {
        const QTreeWidgetItem* current = m_tree->currentItem();
        currentWhenOldRowGoes = current && current->parent()
                                    ? current->parent()->text(0) + "/" + current->text(0)
                                    : QString();
    });
    release(at("Destination Folder", "label"));
    QCOMPARE(currentWhenOldRowGoes, QString("Destination Folder/Click and Drag Me"));
    QCOMPARE(status(), messageText(Message::Success));
    const HTREEITEM moved = item("Click and Drag Me");
    QCOMPARE(m_tree->GetSelectedItem(), moved);

    press(at(label, zone));
    release(at(label, zone));
    QCOMPARE(m_services->messageBoxes.size(), qsizetype(boxShown));
    if (boxShown) {
        const FakeSystemServices::Message& box = m_services->messageBoxes.first();
        QCOMPARE(box.text, messageText(Message::StartOverBox));
        QCOMPARE(box.owner.data(), m_window.get());
        QCOMPARE(box.icon, SystemServices::MessageIcon::Exclamation);
    }
    // The tree never saw the press: nothing selected, opened or closed.
    QCOMPARE(m_tree->GetSelectedItem(), moved);
    QVERIFY(m_tree->IsExpanded(item("Source Folder")));
    QCOMPARE(m_window->step(), int(Finished));
    QCOMPARE(status(), messageText(Message::Success));
}

void TestDragDropTutorial::doubleClick_data()
{
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("step");
    QTest::addColumn<Message>("shown");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("sourceExpanded");
    // The first press and release are a click without a drag; the second
    // press must not take the lesson on to step 2 again.
    QTest::newRow("on the practice item") << false << "Click and Drag Me" << int(Hovering) << Message::HoldOn << 0 << true;
    QTest::newRow("on a folder") << false << "Source Folder" << int(AwaitHover) << Message::StartPrompt << 0 << false;
    QTest::newRow("on a folder when finished") << true << "Source Folder" << int(Finished) << Message::Success << 1 << true;
}

void TestDragDropTutorial::doubleClick()
{
    QFETCH(bool, finished);
    QFETCH(QString, label);
    if (finished) {
        dragPracticeItemTo("Destination Folder");
        release(at("Destination Folder", "label"));
    } else {
        m_services->cursorPos = m_window->mapToGlobal(at("Click and Drag Me", "label"));
        m_services->advance(100);
        QCOMPARE(m_window->step(), int(Hovering));
    }
    const QPoint point = at(label, "label");
    m_services->cursorPos = m_window->mapToGlobal(point);
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, point);
    QTEST(m_window->step(), "step");
    QFETCH(Message, shown);
    QCOMPARE(status(), messageText(shown));
    QTEST(int(m_services->messageBoxes.size()), "boxes");
    QTEST(m_tree->IsExpanded(item("Source Folder")), "sourceExpanded");
}

void TestDragDropTutorial::topLevelFolderIsNotDragged()
{
    const QPoint start = at("Just Another Folder", "label");
    press(start);
    moveTo(start + QPoint(QApplication::startDragDistance() + 2, 0));
    moveTo(at("Destination Folder", "label"));
    QVERIFY(!m_window->isDragging());
    QVERIFY(!CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(m_tree->GetDropHilightItem(), HTREEITEM(0));
    release(at("Destination Folder", "label"));
    QCOMPARE(m_window->step(), int(AwaitHover));
    QCOMPARE(childLabels(item("Destination Folder")), QStringList{});
}

void TestDragDropTutorial::dragEndedEarly_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Start Over") << "Start Over" << false;
    QTest::newRow("another window activated") << "deactivated" << false;
    QTest::newRow("Escape") << "Escape" << true;
    QTest::newRow("Enter") << "Enter" << true;
}

// A drag that ends before its release ends without a drop, and the release
// that comes later touches nothing, not even a tree built afresh meanwhile.
void TestDragDropTutorial::dragEndedEarly()
{
    QFETCH(QString, how);
    QFETCH(bool, closes);
    dragPracticeItemTo("Destination Folder");
    QVERIFY(CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), m_window.get());

    QWidget other;
    if (how == "Start Over") {
        qobject_cast<QPushButton*>(m_window->GetDlgItem(CDragDropTutorialDlg::kStartOverId))->click();
    } else if (how == "deactivated") {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else {
        QTest::keyClick(m_tree, how == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
    }
    QVERIFY(!m_window->isDragging());
    QVERIFY(!CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer), how == "Start Over");
    QCOMPARE(m_tree->GetDropHilightItem(), HTREEITEM(0));

    const QString before = status();
    if (!closes)
        release(at("Destination Folder", "label"));
    QCOMPARE(status(), before);
    QCOMPARE(childLabels(item("Destination Folder")), QStringList{});
    QCOMPARE(childLabels(item("Source Folder")), (QStringList{"Click and Drag Me", "Another File"}));
    QCOMPARE(m_window->step(), how == "Start Over" ? int(AwaitHover) : int(Finished));
}

void TestDragDropTutorial::closingStopsThePoll_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("resting"); // the poll has stopped for a resting pointer
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("Escape, pointer resting") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter, pointer resting") << int(Qt::Key_Return) << true;
}

void TestDragDropTutorial::closingStopsThePoll()
{
    QFETCH(int, key);
    QFETCH(bool, resting);
    if (resting) {
        moveTo(at("Click and Drag Me", "label"));
        m_services->advance(200);
        QVERIFY(!m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
    }
    QTest::keyClick(m_tree, Qt::Key(key));
    QVERIFY(!m_window->isVisible());
    // Nor does anything the hidden window still hears start it again.
    QTest::mouseMove(m_window->windowHandle(), QPoint(5, 5));
    QCoreApplication::processEvents();
    QVERIFY(!m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
}

QTEST_MAIN(TestDragDropTutorial)
#include "tst_dragdroptutorial.moc"
