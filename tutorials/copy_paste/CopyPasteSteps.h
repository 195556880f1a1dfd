#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// What the Copy and Paste tutorial decides on each poll tick, apart from the
// window: from the state and what can be seen of the two boxes, the focus,
// the mouse and the clipboard, the next state and the report.
namespace CopyPasteSteps {

inline constexpr char kPracticeSentence[] = QT_TRANSLATE_NOOP(
    "CopyPasteSteps",
    "Here is the text that you will select for your tutorial on cut/copy/paste - stop here");
inline constexpr char kInitialStatus[] = QT_TRANSLATE_NOOP(
    "CopyPasteSteps",
    "Please start the tutorial at Step 1.  As you complete the steps, this status area will "
    "track your progress.  Check back here to see how you are progressing.");

// In the user's language: the sentence is what the user selects and copies,
// so every check compares against the translated one.
QString PracticeSentence();
QString InitialStatus();

enum Step { NotStarted = -1, Selecting = 0, Selected = 1, Copied = 2, Placed = 3, Done = 4 };

// The left button, the clipboard and the target box are asked for only when
// the state needs them: reading the clipboard means a conversation with
// whichever program owns it.
struct Observation {
    QString practiceText;
    int selStart = 0;
    int selEnd = 0;
    int lastSelStart = 0; // the selection the previous tick saw
    int lastSelEnd = 0;
    bool focusInPractice = false;
    bool focusInTarget = false;
    std::function<bool()> leftButtonDown;
    std::function<QString()> clipboardText;
    std::function<QString()> targetText;
};

struct Outcome {
    int nextStep;
    QString message; // null: the status box is left as it is
    bool flash = false;
    // False when the practice text was altered: the selection is not looked
    // at and the previous one stays remembered.
    bool selectionSeen = true;
};

Outcome Decide(int step, const Observation& seen);

} // namespace CopyPasteSteps
