#include "tutorials/drag_drop/DragDropSteps.h"

#include <QCoreApplication>

namespace DragDrop {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("DragDrop", text); }
} // namespace

const char kPracticeLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Click and Drag Me");
const char kDestinationLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Destination Folder");
const char kSourceFolderLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Source Folder");
const char kAnotherFileLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Another File");
const char kJustAnotherFolderLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Just Another Folder");
const char kYetAnotherFolderLabel[] = QT_TRANSLATE_NOOP("DragDrop", "Yet Another Folder");

QString Label(const char* english) { return tr(english); }

QString messageText(Message message)
{
    switch (message) {
    case Message::None:
        return {};
    case Message::StartPrompt:
        return tr("Please start at Step 1 by placing the mouse over the tree item "
                              "labeled \"Click and Drag Me\".");
    case Message::Step1:
        return tr("Great!\r\n\r\nYou got Step 1.  You have got the mouse over the right "
                              "tree item!  Please move on to Step 2.");
    case Message::Step2:
        return tr("Great!\r\n\r\nYou got Step 2.  You clicked the right tree item!  "
                              "Please continue to Step 3.");
    case Message::HoldOn:
        return tr("Oops... You clicked on the correct tree item, but you need to "
                              "continue to hold the mouse down to complete Step 2.  Please try "
                              "again.");
    case Message::Step3:
        return tr("Super!\r\n\r\nYou got Step 3.  You are dragging the tree item!  Now "
                              "just keep dragging until the cursor is over the \"Destination "
                              "Folder\".");
    case Message::WrongItem:
        return tr("Oops!\r\n\r\nYou are dragging the wrong item.  Please press the "
                              "\"Start Over\" button.");
    case Message::Success:
        return tr("Congratulations!  You got it!\r\n\r\nIf you would like to try again, "
                              "please press the \"Start Over\" button.");
    case Message::Refusal:
        return tr("Sorry.  You didn't drop onto the correct tree item.  Please press "
                              "the \"Start Over\" button to try again.");
    case Message::StartOverBox:
        return tr("Please press the \"Start Over\" button to begin the tutorial again.");
    }
    return {};
}

Transition onHoverTick(int step, bool onPracticeItem)
{
    if (step == AwaitHover && onPracticeItem)
        return {Hovering, Message::Step1};
    if (step == Hovering && !onPracticeItem)
        return {AwaitHover, Message::StartPrompt};
    return {step, Message::None};
}

PressAnswer onLeftPress(int step, bool inPracticeRow, bool inAnyRow)
{
    if (step == Hovering && inPracticeRow)
        return {{Pressed, Message::Step2}, false};
    if (step == Finished && inAnyRow)
        return {{Finished, Message::StartOverBox}, true};
    return {{step, Message::None}, false};
}

Transition onTreeClick(int step, bool inPracticeRow)
{
    if (step >= Finished)
        return {step, Message::None};
    return inPracticeRow ? Transition{Hovering, Message::HoldOn}
                         : Transition{AwaitHover, Message::StartPrompt};
}

Transition onBeginDrag(const QString& label)
{
    return label == Label(kPracticeLabel) ? Transition{Dragging, Message::Step3}
                                                  : Transition{Finished, Message::WrongItem};
}

DropDecision judgeDrop(int step, quint64 dragItem, quint64 dropTarget, quint64 releaseItem,
                       const TreeView& tree)
{
    if (step == Finished)
        return {DropOutcome::Ignored, 0};
    if (dragItem == dropTarget)
        return {DropOutcome::Refused, 0};
    if (releaseItem == 0)
        return {DropOutcome::Silent, 0};
    if (tree.parentOf(releaseItem) != 0)
        return {DropOutcome::Refused, 0};
    // A release on a folder before any move marked one: the folder under
    // the cursor is the one the user chose.
    const quint64 folder = dropTarget != 0 ? dropTarget : releaseItem;
    for (quint64 item = tree.parentOf(folder); item != 0; item = tree.parentOf(item)) {
        if (item == dragItem)
            return {DropOutcome::Refused, 0};
    }
    return {tree.labelOf(folder) == Label(kDestinationLabel) ? DropOutcome::MovedToDestination
                                                                    : DropOutcome::MovedElsewhere,
            folder};
}

Message messageFor(DropOutcome outcome)
{
    switch (outcome) {
    case DropOutcome::Refused:
    case DropOutcome::MovedElsewhere:
        return Message::Refusal;
    case DropOutcome::MovedToDestination:
        return Message::Success;
    case DropOutcome::Ignored:
    case DropOutcome::Silent:
        return Message::None;
    }
    return Message::None;
}

} // namespace DragDrop
