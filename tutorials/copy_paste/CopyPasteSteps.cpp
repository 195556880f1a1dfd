#include "tutorials/copy_paste/CopyPasteSteps.h"

#include <QCoreApplication>

namespace CopyPasteSteps {

namespace {
const char* const kWaiting = QT_TRANSLATE_NOOP("CopyPasteSteps", "Waiting for tutorial to start.");
const char* const kTextModified = QT_TRANSLATE_NOOP(
    "CopyPasteSteps",
    "Oops.. The text being copied has been modified.  This is not consistent with the expected "
    "results of the tutorial.  Please press the \"Start Over\" button.");
const char* const kSelected = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the text "
                      "as instructed! Now move on to Step 3.");
const char* const kSelectedButInactive = QT_TRANSLATE_NOOP(
    "CopyPasteSteps",
    "Oops... Something isn't quite right.  You had previously selected the text properly, but "
    "now the text window is not active so you will not be able to copy from it.  Please start "
    "over from Step 1.");
const char* const kSelectionWrong = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Oops... The selected text isn't quite right.  Please start over at Step 1.");
const char* const kStartWrong = QT_TRANSLATE_NOOP(
    "CopyPasteSteps",
    "Oops... The starting position of the selected text isn't right.  Please start over at "
    "Step 1.");
const char* const kKeepSelecting =
    QT_TRANSLATE_NOOP("CopyPasteSteps", "You're on the right track.  Keep selecting...");
const char* const kCopied = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Step 3 is Complete!  Good Job!\r\n\r\nYou have copied the text as "
                      "instructed!  Now move on to Step 4.");
const char* const kSelectAgain = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Oops!  Something went wrong.  You need to select the text again.  "
                      "Please start over at Step 1.");
const char* const kPlaced = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Step 4 is Complete!  Good Job!\r\n\r\nYou have positioned the insertion "
                      "pointer to the right text box!  Now move on to Step 5.");
const char* const kStep4Undone = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Oops!  Something went wrong.  You still need to complete Step 4.");
const char* const kDone = QT_TRANSLATE_NOOP(
    "CopyPasteSteps", "Congratulations!  You did it!\r\n\r\nYou successfully copied and pasted "
                      "text from one window to another!");

QString tr(const char* text) {
    return QCoreApplication::translate("CopyPasteSteps", text);
}

Outcome stay(int step) {
    return {step, QString(), false};
}
Outcome go(int step, const char* message, bool flash) {
    return {step, tr(message), flash};
}

Outcome selecting(const Observation& seen, int sentenceLength) {
    const bool whole = seen.selStart == 0 && seen.selEnd == sentenceLength;
    if (whole)
        return seen.focusInPractice ? go(Selected, kSelected, true)
                                    : go(Selecting, kSelectedButInactive, true);
    if (seen.selStart == 0 && seen.selEnd == 0)
        return stay(Selecting);
    if (!seen.leftButtonDown())
        return go(Selecting, kSelectionWrong, true);
    if (seen.selStart == seen.lastSelStart && seen.selEnd == seen.lastSelEnd)
        return stay(Selecting);
    if (seen.selStart != 0)
        return go(Selecting, kStartWrong, true);
    return go(Selecting, kKeepSelecting, false);
}
} // namespace

QString PracticeSentence() {
    return tr(kPracticeSentence);
}

QString InitialStatus() {
    return tr(kInitialStatus);
}

Outcome Decide(int step, const Observation& seen) {
    if (step < 0)
        return {step, tr(kWaiting), false, false};
    const QString sentence = PracticeSentence();
    if (seen.practiceText != sentence)
        return {step, tr(kTextModified), false, false};

    switch (step) {
    case Selecting:
        return selecting(seen, sentence.size());
    case Selected:
        if (seen.clipboardText() == sentence)
            return go(Copied, kCopied, true);
        if (seen.selStart != 0 || seen.selEnd != sentence.size() || !seen.focusInPractice)
            return go(Selecting, kSelectAgain, true);
        return stay(Selected);
    case Copied:
        if (seen.focusInTarget)
            return go(Placed, kPlaced, true);
        if (seen.clipboardText() != sentence)
            return go(Selecting, kSelectAgain, true);
        return stay(Copied);
    case Placed:
        if (!seen.focusInTarget)
            return go(Copied, kStep4Undone, true);
        if (seen.targetText() == sentence)
            return go(Done, kDone, true);
        return stay(Placed);
    default:
        return stay(step);
    }
}

} // namespace CopyPasteSteps
