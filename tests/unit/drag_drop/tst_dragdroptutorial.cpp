#include "common/platform/CImageList.h"
#include "common/platform/CTreeCtrl.h"
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
    // Where the pointer goes before each of two ticks: a zone of "Click and
    // Drag Me" (a move there), "rest" (no event at all), "out" (it leaves the
    // window) or "enter label" (it comes back in over the label).
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("step");
    QTest::addColumn<Message>("shown");
    QTest::addColumn<int>("asked"); // times the cursor position was asked for
    QTest::newRow("rests on the label") << "label" << "rest" << int(Hovering) << Message::Step1 << 1;
    QTest::newRow("rests on the image") << "image" << "rest" << int(Hovering) << Message::Step1 << 1;
    QTest::newRow("right of the label only") << "right" << "rest" << int(AwaitHover) << Message::StartPrompt << 1;
    QTest::newRow("indent only") << "indent" << "rest" << int(AwaitHover) << Message::StartPrompt << 1;
    QTest::newRow("label, then right of it") << "label" << "right" << int(AwaitHover) << Message::StartPrompt << 2;
    QTest::newRow("right of it, then label") << "right" << "label" << int(Hovering) << Message::Step1 << 2;
    QTest::newRow("label, then out of the window") << "label" << "out" << int(AwaitHover) << Message::StartPrompt << 2;
    QTest::newRow("out, then back in on the label") << "out" << "enter label" << int(Hovering) << Message::Step1 << 2;
    QTest::newRow("out, resting there") << "out" << "rest" << int(AwaitHover) << Message::StartPrompt << 1;
}

void TestDragDropTutorial::hoverPoll()
{
    QFETCH(QString, first);
    QFETCH(QString, then);
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
        } else if (where != "rest") {
            moveTo(at("Click and Drag Me", where));
        }
    };
    m_services->cursorAsked = 0;
    put(first);
    m_services->advance(100);
    // The poll looks at where the cursor is when it runs, not where it was.
    put(then);
    m_services->advance(100);
    QTEST(m_window->step(), "step");
    QFETCH(Message, shown);
    QCOMPARE(status(), messageText(shown));
    QTEST(m_services->cursorAsked, "asked");
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
    release(at("Destination Folder", "label"));
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
        QApplication::setActiveWindow(m_window.get());
        other.show();
        QApplication::setActiveWindow(&other);
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
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestDragDropTutorial::closingStopsThePoll()
{
    QFETCH(int, key);
    QTest::keyClick(m_tree, Qt::Key(key));
    QVERIFY(!m_window->isVisible());
    QVERIFY(!m_window->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
}

QTEST_MAIN(TestDragDropTutorial)
#include "tst_dragdroptutorial.moc"
