#include "common/platform/CImageList.h"
#include "common/platform/CTreeCtrl.h"
#include "tests/support/XInput.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace DragDrop;

namespace {

HTREEITEM findItem(const CTreeCtrl& tree, const QString& label, HTREEITEM first)
{
    for (HTREEITEM item = first; item != 0; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == label)
            return item;
        if (const HTREEITEM inner = findItem(tree, label, tree.GetChildItem(item)))
            return inner;
    }
    return 0;
}

QStringList childLabels(const CTreeCtrl& tree, HTREEITEM parent)
{
    QStringList labels;
    for (HTREEITEM item = tree.GetChildItem(parent); item != 0; item = tree.GetNextSiblingItem(item))
        labels << tree.GetItemText(item);
    return labels;
}

} // namespace

class TestDragDropEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fullRunAndStartOver();
    void clickWithoutDragAsksToHoldOn();
    void escapeDuringDragLeavesNothingBehind();

private:
    QPoint onLabel(const QString& label) const;
    QString status() const { return m_dialog->GetDlgItemText(1009); }
    HTREEITEM item(const QString& label) const { return findItem(*m_tree, label, m_tree->GetRootItem()); }
    // Presses on the practice item and moves, button held, until the drag runs.
    void startDrag();

    CDragDropTutorialDlg* m_dialog = nullptr;
    CTreeCtrl* m_tree = nullptr;
};

void TestDragDropEndToEnd::init()
{
    XInput::moveTo(QPoint(5, 5));
    m_dialog = new CDragDropTutorialDlg;
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
}

QPoint TestDragDropEndToEnd::onLabel(const QString& label) const
{
    const QRect rect = m_tree->GetItemRect(item(label));
    return m_tree->ClientToScreen(QPoint(rect.right() - 6, rect.center().y()));
}

void TestDragDropEndToEnd::startDrag()
{
    const QPoint start = onLabel("Click and Drag Me");
    XInput::moveTo(start);
    XInput::press();
    XInput::settle();
    for (int dy = 2; dy <= 2 * QApplication::startDragDistance() && !m_dialog->isDragging(); dy += 2)
        XInput::moveTo(start + QPoint(dy, dy));
    QVERIFY(m_dialog->isDragging());
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
    QVERIFY2(rested.elapsed() <= 110, qPrintable(QString::number(rested.elapsed())));

    // Steps 2 and 3.
    XInput::press();
    QVERIFY(XInput::waitFor([&] { return status() == messageText(Message::Step2); }, 1000));
    const QPoint start = QCursor::pos();
    for (int d = 2; !m_dialog->isDragging() && d <= 30; d += 2)
        XInput::moveTo(start + QPoint(d, d / 2));
    QVERIFY(m_dialog->isDragging());
    QCOMPARE(status(), messageText(Message::Step3));
    QCOMPARE(m_tree->GetSelectedItem(), item("Click and Drag Me"));
    QWidget* image = CImageList::DragWindow();
    QVERIFY(image && image->isVisible());
    QCOMPARE(image->pos(), QCursor::pos());

    // The image follows outside the window; the highlight stays put there.
    XInput::moveTo(onLabel("Destination Folder"));
    QCOMPARE(m_tree->GetDropHilightItem(), item("Destination Folder"));
    QCOMPARE(image->pos(), QCursor::pos());
    const QPoint outside = m_dialog->frameGeometry().bottomRight() + QPoint(20, 20);
    XInput::moveTo(outside);
    QVERIFY(XInput::waitFor([&] { return image->pos() == outside; }, 1000));
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

void TestDragDropEndToEnd::escapeDuringDragLeavesNothingBehind()
{
    startDrag();
    QVERIFY(CImageList::DragWindow());
    XInput::keys("Escape");
    QVERIFY(XInput::waitFor([&] { return !m_dialog->isVisible(); }, 1000));
    QVERIFY(!m_dialog->isDragging());
    QVERIFY(!CImageList::DragWindow());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QVERIFY(!m_dialog->IsTimerRunning(CDragDropTutorialDlg::kHoverTimer));
    XInput::release();
    XInput::settle();
    QCOMPARE(childLabels(*m_tree, item("Source Folder")),
             (QStringList{"Click and Drag Me", "Another File"}));
}

QTEST_MAIN(TestDragDropEndToEnd)
#include "tst_dragdrop_e2e.moc"
