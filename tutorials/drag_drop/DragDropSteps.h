#pragma once

#include <QString>

#include <functional>

// The decisions of the Drag and Drop tutorial, apart from any window: which
// state follows which event and what the status box then says, and how a
// drop is judged.
namespace DragDrop {

enum DragDropStep {
    AwaitHover = 0, // waiting for the mouse to rest on the practice item
    Hovering = 1, // the mouse is on the practice item
    Pressed = 2, // the left button went down on the practice item
    Dragging = 3, // the practice item is being dragged
    Finished = 4, // only Start Over begins a new run
};

enum class Message {
    None,
    StartPrompt,
    Step1,
    Step2,
    HoldOn,
    Step3,
    WrongItem,
    Success,
    Refusal,
    StartOverBox, // shown in a message box, not in the status box
};

QString messageText(Message message);

// The tree's item names, in English; Label() gives the one shown.
extern const char kPracticeLabel[];
extern const char kDestinationLabel[];
extern const char kSourceFolderLabel[];
extern const char kAnotherFileLabel[];
extern const char kJustAnotherFolderLabel[];
extern const char kYetAnotherFolderLabel[];
QString Label(const char* english);

struct Transition {
    int next;
    Message shown;
};

Transition onHoverTick(int step, bool onPracticeItem);
// A left press anywhere in the window; `consumed` says that the press must
// not reach the control under it.
struct PressAnswer {
    Transition transition;
    bool consumed;
};
PressAnswer onLeftPress(int step, bool inPracticeRow, bool inAnyRow);
Transition onTreeClick(int step, bool inPracticeRow);
// Only items below the top level can be dragged; top-level folders are
// refused before this is asked.
Transition onBeginDrag(const QString& label);

// The tree as the drop rules see it; item 0 is no item.
struct TreeView {
    std::function<quint64(quint64)> parentOf;
    std::function<QString(quint64)> labelOf;
};

enum class DropOutcome {
    Ignored, // a drag of the wrong item ends; its message stays
    Silent, // released away from every item: nothing moves, nothing is said
    Refused, // nothing moves
    MovedElsewhere, // moved into a folder that is not the destination
    MovedToDestination,
};

struct DropDecision {
    DropOutcome outcome;
    quint64 folder; // the folder that receives the item; 0 when nothing moves
};

// Judges the release that ends a drag. `dropTarget` is the item last marked
// during the drag (0: none); `releaseItem` the item whose image or label is
// under the release point (0: none).
DropDecision judgeDrop(int step, quint64 dragItem, quint64 dropTarget, quint64 releaseItem,
                       const TreeView& tree);

Message messageFor(DropOutcome outcome);

} // namespace DragDrop
