#include "tutorials/drag_drop/DragDropSteps.h"

#include <QHash>
#include <QTest>

using namespace DragDrop;

Q_DECLARE_METATYPE(DragDrop::Message)
Q_DECLARE_METATYPE(DragDrop::DropOutcome)

namespace {

// The practice tree as built, by handle.
enum Item : quint64 { Source = 1, Practice, Another, Just, Destination, Yet };

const QHash<quint64, quint64> kParents{{Practice, Source}, {Another, Source}};
const QHash<quint64, QString> kLabels{{Source, "Source Folder"},
                                      {Practice, "Click and Drag Me"},
                                      {Another, "Another File"},
                                      {Just, "Just Another Folder"},
                                      {Destination, "Destination Folder"},
                                      {Yet, "Yet Another Folder"}};

TreeView practiceTree()
{
    return {[](quint64 i) { return kParents.value(i); }, [](quint64 i) { return kLabels.value(i); }};
}

} // namespace

class TestDragDropSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void events_data();
    void events();
    void drop_data();
    void drop();
    void messagesAreExact();
};

// One row per event of the state table: "hover", "press", "click" or "drag".
void TestDragDropSteps::events_data()
{
    QTest::addColumn<QString>("event");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("onPractice"); // image/label for hover, row otherwise
    QTest::addColumn<bool>("inAnyRow");
    QTest::addColumn<int>("next");
    QTest::addColumn<Message>("shown");
    QTest::addColumn<bool>("consumed");

    QTest::newRow("hover arrives") << "hover" << int(AwaitHover) << true << true << int(Hovering) << Message::Step1 << false;
    QTest::newRow("hover elsewhere") << "hover" << int(AwaitHover) << false << true << int(AwaitHover) << Message::None << false;
    QTest::newRow("hover stays") << "hover" << int(Hovering) << true << true << int(Hovering) << Message::None << false;
    QTest::newRow("hover leaves") << "hover" << int(Hovering) << false << false << int(AwaitHover) << Message::StartPrompt << false;
    QTest::newRow("hover while pressed") << "hover" << int(Pressed) << false << false << int(Pressed) << Message::None << false;
    QTest::newRow("hover while dragging") << "hover" << int(Dragging) << true << true << int(Dragging) << Message::None << false;
    QTest::newRow("hover when finished") << "hover" << int(Finished) << true << true << int(Finished) << Message::None << false;

    QTest::newRow("press on practice") << "press" << int(Hovering) << true << true << int(Pressed) << Message::Step2 << false;
    QTest::newRow("press on another item") << "press" << int(Hovering) << false << true << int(Hovering) << Message::None << false;
    QTest::newRow("press before hover") << "press" << int(AwaitHover) << true << true << int(AwaitHover) << Message::None << false;
    QTest::newRow("press on item when finished") << "press" << int(Finished) << false << true << int(Finished) << Message::StartOverBox << true;
    QTest::newRow("press off items when finished") << "press" << int(Finished) << false << false << int(Finished) << Message::None << false;

    QTest::newRow("click on practice") << "click" << int(Pressed) << true << true << int(Hovering) << Message::HoldOn << false;
    QTest::newRow("click on practice, hovering") << "click" << int(Hovering) << true << true << int(Hovering) << Message::HoldOn << false;
    QTest::newRow("click elsewhere") << "click" << int(Hovering) << false << true << int(AwaitHover) << Message::StartPrompt << false;
    QTest::newRow("click elsewhere again") << "click" << int(AwaitHover) << false << false << int(AwaitHover) << Message::StartPrompt << false;
    QTest::newRow("click when finished") << "click" << int(Finished) << true << true << int(Finished) << Message::None << false;

    QTest::newRow("drag practice") << "drag" << int(Pressed) << true << true << int(Dragging) << Message::Step3 << false;
    QTest::newRow("drag practice unannounced") << "drag" << int(AwaitHover) << true << true << int(Dragging) << Message::Step3 << false;
    QTest::newRow("drag wrong item") << "drag" << int(Hovering) << false << true << int(Finished) << Message::WrongItem << false;
}

void TestDragDropSteps::events()
{
    QFETCH(QString, event);
    QFETCH(int, step);
    QFETCH(bool, onPractice);
    QFETCH(bool, inAnyRow);
    Transition t{};
    bool consumed = false;
    if (event == "hover") {
        t = onHoverTick(step, onPractice);
    } else if (event == "press") {
        const PressAnswer answer = onLeftPress(step, onPractice, inAnyRow);
        t = answer.transition;
        consumed = answer.consumed;
    } else if (event == "click") {
        t = onTreeClick(step, onPractice);
    } else {
        t = onBeginDrag(onPractice ? "Click and Drag Me" : "Another File");
    }
    QTEST(t.next, "next");
    QTEST(t.shown, "shown");
    QTEST(consumed, "consumed");
}

void TestDragDropSteps::drop_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<quint64>("dragItem");
    QTest::addColumn<quint64>("dropTarget");
    QTest::addColumn<quint64>("releaseItem");
    QTest::addColumn<DropOutcome>("outcome");
    QTest::addColumn<quint64>("folder");
    QTest::addColumn<Message>("shown");

    QTest::newRow("onto the destination") << int(Dragging) << quint64(Practice) << quint64(Destination) << quint64(Destination) << DropOutcome::MovedToDestination << quint64(Destination) << Message::Success;
    QTest::newRow("onto another folder") << int(Dragging) << quint64(Practice) << quint64(Just) << quint64(Just) << DropOutcome::MovedElsewhere << quint64(Just) << Message::Refusal;
    QTest::newRow("onto its own folder") << int(Dragging) << quint64(Practice) << quint64(Source) << quint64(Source) << DropOutcome::MovedElsewhere << quint64(Source) << Message::Refusal;
    QTest::newRow("onto another file") << int(Dragging) << quint64(Practice) << quint64(Another) << quint64(Another) << DropOutcome::Refused << quint64(0) << Message::Refusal;
    QTest::newRow("onto itself") << int(Dragging) << quint64(Practice) << quint64(Practice) << quint64(Practice) << DropOutcome::Refused << quint64(0) << Message::Refusal;
    QTest::newRow("itself last, empty space") << int(Dragging) << quint64(Practice) << quint64(Practice) << quint64(0) << DropOutcome::Refused << quint64(0) << Message::Refusal;
    QTest::newRow("folder last, empty space") << int(Dragging) << quint64(Practice) << quint64(Yet) << quint64(0) << DropOutcome::Silent << quint64(0) << Message::None;
    QTest::newRow("nothing marked, empty space") << int(Dragging) << quint64(Practice) << quint64(0) << quint64(0) << DropOutcome::Silent << quint64(0) << Message::None;
    QTest::newRow("nothing marked, on a folder") << int(Dragging) << quint64(Practice) << quint64(0) << quint64(Destination) << DropOutcome::MovedToDestination << quint64(Destination) << Message::Success;
    QTest::newRow("nothing marked, on a file") << int(Dragging) << quint64(Practice) << quint64(0) << quint64(Another) << DropOutcome::Refused << quint64(0) << Message::Refusal;
    QTest::newRow("wrong item dragged") << int(Finished) << quint64(Another) << quint64(Destination) << quint64(Destination) << DropOutcome::Ignored << quint64(0) << Message::None;
    QTest::newRow("a folder into its own child") << int(Dragging) << quint64(Source) << quint64(Practice) << quint64(Destination) << DropOutcome::Refused << quint64(0) << Message::Refusal;
}

void TestDragDropSteps::drop()
{
    QFETCH(int, step);
    QFETCH(quint64, dragItem);
    QFETCH(quint64, dropTarget);
    QFETCH(quint64, releaseItem);
    QFETCH(DropOutcome, outcome);
    const DropDecision decision = judgeDrop(step, dragItem, dropTarget, releaseItem, practiceTree());
    QCOMPARE(decision.outcome, outcome);
    QTEST(decision.folder, "folder");
    QTEST(messageFor(decision.outcome), "shown");
}

void TestDragDropSteps::messagesAreExact()
{
    QCOMPARE(messageText(Message::Step1),
             QString("Great!\r\n\r\nYou got Step 1.  You have got the mouse over the right tree item!  "
                     "Please move on to Step 2."));
    QCOMPARE(messageText(Message::Success).toUtf8().size(), 102);
    QCOMPARE(messageText(Message::StartOverBox),
             QString("Please press the \"Start Over\" button to begin the tutorial again."));
}

QTEST_MAIN(TestDragDropSteps)
#include "tst_dragdropsteps.moc"
