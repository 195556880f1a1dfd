#include "tutorials/copy_paste/CopyPasteSteps.h"

namespace CopyPasteSteps {

namespace {
const char kWaiting[] = "Waiting for tutorial to start.";
const char kTextModified[] =
    "Oops.. The text being copied has been modified.  This is not consistent with the expected "
    "results of the tutorial.  Please press the \"Start Over\" button.";
const char kSelected[] = "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the text "
                         "as instructed! Now move on to Step 3.";
const char kSelectedButInactive[] =
    "Oops... Something isn't quite right.  You had previously selected the text properly, but "
    "now the text window is not active so you will not be able to copy from it.  Please start "
    "over from Step 1.";
const char kSelectionWrong[] =
    "Oops... The selected text isn't quite right.  Please start over at Step 1.";
const char kStartWrong[] =
    "Oops... The starting position of the selected text isn't right.  Please start over at "
    "Step 1.";
const char kKeepSelecting[] = "You're on the right track.  Keep selecting...";
const char kCopied[] = "Step 3 is Complete!  Good Job!\r\n\r\nYou have copied the text as "
                       "instructed!  Now move on to Step 4.";
const char kSelectAgain[] = "Oops!  Something went wrong.  You need to select the text again.  "
                            "Please start over at Step 1.";
const char kPlaced[] = "Step 4 is Complete!  Good Job!\r\n\r\nYou have positioned the insertion "
                       "pointer to the right text box!  Now move on to Step 5.";
const char kStep4Undone[] = "Oops!  Something went wrong.  You still need to complete Step 4.";
const char kDone[] = "Congratulations!  You did it!\r\n\r\nYou successfully copied and pasted "
                     "text from one window to another!";

Outcome stay(int step) { return {step, QString(), false}; }
Outcome go(int step, const char* message, bool flash)
{
    return {step, QString::fromLatin1(message), flash};
}

Outcome selecting(const Observation& seen)
{
    const bool whole = seen.selStart == 0 && seen.selEnd == kSentenceLength;
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

Outcome Decide(int step, const Observation& seen)
{
    if (step < 0)
        return {step, QString::fromLatin1(kWaiting), false, false};
    // Compared as Latin-1 in place: this runs four times a second.
    const QLatin1String sentence(kPracticeSentence);
    if (seen.practiceText != sentence)
        return {step, QString::fromLatin1(kTextModified), false, false};

    switch (step) {
    case Selecting:
        return selecting(seen);
    case Selected:
        if (seen.clipboardText() == sentence)
            return go(Copied, kCopied, true);
        if (seen.selStart != 0 || seen.selEnd != kSentenceLength || !seen.focusInPractice)
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
