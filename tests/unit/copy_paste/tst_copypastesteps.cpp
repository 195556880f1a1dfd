#include "tutorials/copy_paste/CopyPasteSteps.h"

#include <QTest>

using namespace CopyPasteSteps;

namespace {
const QString kSentence = QString::fromLatin1(kPracticeSentence);
const QString kNone;
const QString kWaiting = "Waiting for tutorial to start.";
const QString kModified =
    "Oops.. The text being copied has been modified.  This is not consistent with the expected "
    "results of the tutorial.  Please press the \"Start Over\" button.";
const QString kSelected = "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the "
                          "text as instructed! Now move on to Step 3.";
const QString kInactive =
    "Oops... Something isn't quite right.  You had previously selected the text properly, but "
    "now the text window is not active so you will not be able to copy from it.  Please start "
    "over from Step 1.";
const QString kNotQuite =
    "Oops... The selected text isn't quite right.  Please start over at Step 1.";
const QString kBadStart = "Oops... The starting position of the selected text isn't right.  "
                          "Please start over at Step 1.";
const QString kKeepGoing = "You're on the right track.  Keep selecting...";
const QString kCopied = "Step 3 is Complete!  Good Job!\r\n\r\nYou have copied the text as "
                        "instructed!  Now move on to Step 4.";
const QString kAgain = "Oops!  Something went wrong.  You need to select the text again.  "
                       "Please start over at Step 1.";
const QString kPlaced = "Step 4 is Complete!  Good Job!\r\n\r\nYou have positioned the "
                        "insertion pointer to the right text box!  Now move on to Step 5.";
const QString kUndone = "Oops!  Something went wrong.  You still need to complete Step 4.";
const QString kDone = "Congratulations!  You did it!\r\n\r\nYou successfully copied and pasted "
                      "text from one window to another!";
} // namespace

class TestCopyPasteSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decide_data();
    void decide();
};

void TestCopyPasteSteps::decide_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("practice");
    QTest::addColumn<QList<int>>("selection"); // start, end, previous start, previous end
    QTest::addColumn<QString>("focus");        // "P", "T" or "" for another program
    QTest::addColumn<bool>("button");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("next");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("flash");
    QTest::addColumn<QString>("reads"); // b: button, c: clipboard, t: target box

    const QString s = kSentence;
    using L = QList<int>;
    // Selecting.
    QTest::newRow("0 whole with focus") << 0 << s << L{0, 85, 0, 40} << "P" << true << s << s << 1 << kSelected << true << "";
    QTest::newRow("0 whole, button up") << 0 << s << L{0, 85, 0, 85} << "P" << false << kNone << kNone << 1 << kSelected << true << "";
    QTest::newRow("0 whole, focus in target") << 0 << s << L{0, 85, 0, 85} << "T" << false << kNone << kNone << 0 << kInactive << true << "";
    QTest::newRow("0 whole, other program") << 0 << s << L{0, 85, 0, 85} << "" << false << kNone << kNone << 0 << kInactive << true << "";
    QTest::newRow("0 caret at start") << 0 << s << L{0, 0, 5, 5} << "P" << false << kNone << kNone << 0 << kNone << false << "";
    QTest::newRow("0 stray click, button up") << 0 << s << L{12, 12, 12, 12} << "P" << false << kNone << kNone << 0 << kNotQuite << true << "b";
    QTest::newRow("0 short of the end, released") << 0 << s << L{0, 80, 0, 80} << "P" << false << kNone << kNone << 0 << kNotQuite << true << "b";
    QTest::newRow("0 held, not moved") << 0 << s << L{0, 30, 0, 30} << "P" << true << kNone << kNone << 0 << kNone << false << "b";
    QTest::newRow("0 held, bad start not moved") << 0 << s << L{9, 30, 9, 30} << "P" << true << kNone << kNone << 0 << kNone << false << "b";
    QTest::newRow("0 held, growing") << 0 << s << L{0, 31, 0, 30} << "P" << true << kNone << kNone << 0 << kKeepGoing << false << "b";
    QTest::newRow("0 held, first move") << 0 << s << L{0, 3, 0, 0} << "P" << true << kNone << kNone << 0 << kKeepGoing << false << "b";
    QTest::newRow("0 held, start moved off 0") << 0 << s << L{2, 30, 0, 30} << "P" << true << kNone << kNone << 0 << kBadStart << true << "b";
    QTest::newRow("0 dragging backwards") << 0 << s << L{40, 85, 50, 85} << "P" << true << kNone << kNone << 0 << kBadStart << true << "b";
    QTest::newRow("0 whole after a backward drag") << 0 << s << L{0, 85, 3, 85} << "P" << true << kNone << kNone << 1 << kSelected << true << "";
    // Selected: the clipboard first.
    QTest::newRow("1 copied") << 1 << s << L{0, 85, 0, 85} << "P" << false << s << kNone << 2 << kCopied << true << "c";
    QTest::newRow("1 copied, focus already gone") << 1 << s << L{0, 85, 0, 85} << "" << false << s << kNone << 2 << kCopied << true << "c";
    QTest::newRow("1 copied, selection already lost") << 1 << s << L{4, 4, 0, 85} << "T" << false << s << kNone << 2 << kCopied << true << "c";
    QTest::newRow("1 waiting for the copy") << 1 << s << L{0, 85, 0, 85} << "P" << true << kNone << kNone << 1 << kNone << false << "c";
    QTest::newRow("1 clipboard holds more") << 1 << s << L{0, 85, 0, 85} << "P" << false << QString(s + "\n") << kNone << 1 << kNone << false << "c";
    QTest::newRow("1 clipboard other case") << 1 << s << L{0, 85, 0, 85} << "P" << false << s.toUpper() << kNone << 1 << kNone << false << "c";
    QTest::newRow("1 selection changed") << 1 << s << L{0, 84, 0, 85} << "P" << false << kNone << kNone << 0 << kAgain << true << "c";
    QTest::newRow("1 selection start moved") << 1 << s << L{1, 85, 0, 85} << "P" << false << kNone << kNone << 0 << kAgain << true << "c";
    QTest::newRow("1 clicked into target uncopied") << 1 << s << L{0, 85, 0, 85} << "T" << false << kNone << kNone << 0 << kAgain << true << "c";
    QTest::newRow("1 other program") << 1 << s << L{0, 85, 0, 85} << "" << false << kNone << kNone << 0 << kAgain << true << "c";
    // Copied: the focus first, the clipboard only while the focus is elsewhere.
    QTest::newRow("2 clicked into target") << 2 << s << L{0, 85, 0, 85} << "T" << false << kNone << kNone << 3 << kPlaced << true << "";
    QTest::newRow("2 still in practice box") << 2 << s << L{0, 85, 0, 85} << "P" << false << s << kNone << 2 << kNone << false << "c";
    QTest::newRow("2 other program, copy kept") << 2 << s << L{0, 85, 0, 85} << "" << false << s << kNone << 2 << kNone << false << "c";
    QTest::newRow("2 clipboard replaced") << 2 << s << L{0, 85, 0, 85} << "P" << false << "other" << kNone << 0 << kAgain << true << "c";
    QTest::newRow("2 clipboard unreadable") << 2 << s << L{0, 85, 0, 85} << "" << false << kNone << kNone << 0 << kAgain << true << "c";
    // Placed: the target box only while it has the focus.
    QTest::newRow("3 pasted") << 3 << s << L{0, 85, 0, 85} << "T" << false << s << s << 4 << kDone << true << "t";
    QTest::newRow("3 not pasted yet") << 3 << s << L{0, 85, 0, 85} << "T" << false << s << kNone << 3 << kNone << false << "t";
    QTest::newRow("3 pasted twice") << 3 << s << L{0, 85, 0, 85} << "T" << false << s << QString(s + s) << 3 << kNone << false << "t";
    QTest::newRow("3 focus back in practice") << 3 << s << L{0, 85, 0, 85} << "P" << false << s << s << 2 << kUndone << true << "";
    QTest::newRow("3 other program") << 3 << s << L{0, 85, 0, 85} << "" << false << s << s << 2 << kUndone << true << "";
    // Done, the modified text, not started.
    QTest::newRow("4 stays done") << 4 << s << L{3, 9, 0, 85} << "" << true << kNone << kNone << 4 << kNone << false << "";
    QTest::newRow("4 text modified") << 4 << QString(s + "x") << L{0, 0, 0, 0} << "P" << false << kNone << kNone << 4 << kModified << false << "";
    QTest::newRow("0 text modified") << 0 << QString("Here") << L{1, 1, 0, 0} << "P" << false << kNone << kNone << 0 << kModified << false << "";
    QTest::newRow("2 text modified") << 2 << s.toLower() << L{0, 85, 0, 85} << "T" << false << kNone << kNone << 2 << kModified << false << "";
    QTest::newRow("0 line break typed in") << 0 << QString(s).insert(40, "\r\n") << L{0, 87, 0, 0} << "P" << true << kNone << kNone << 0 << kModified << false << "";
    QTest::newRow("not started") << -1 << s << L{0, 85, 0, 0} << "P" << true << s << s << -1 << kWaiting << false << "";
}

void TestCopyPasteSteps::decide()
{
    QFETCH(int, step);
    QFETCH(QString, practice);
    QFETCH(QList<int>, selection);
    QFETCH(QString, focus);
    QFETCH(bool, button);
    QFETCH(QString, clipboard);
    QFETCH(QString, target);
    QFETCH(int, next);
    QFETCH(QString, message);
    QFETCH(bool, flash);
    QFETCH(QString, reads);

    QString read;
    Observation seen;
    seen.practiceText = practice;
    seen.selStart = selection[0];
    seen.selEnd = selection[1];
    seen.lastSelStart = selection[2];
    seen.lastSelEnd = selection[3];
    seen.focusInPractice = focus == "P";
    seen.focusInTarget = focus == "T";
    seen.leftButtonDown = [&] { read += 'b'; return button; };
    seen.clipboardText = [&] { read += 'c'; return clipboard; };
    seen.targetText = [&] { read += 't'; return target; };

    const Outcome outcome = Decide(step, seen);
    QCOMPARE(outcome.nextStep, next);
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.message.isNull(), message.isNull());
    QCOMPARE(outcome.flash, flash);
    QCOMPARE(read, reads);
    // The selection counts as seen once the text is the sentence.
    QCOMPARE(outcome.selectionSeen, step >= 0 && practice == kSentence);
}

QTEST_MAIN(TestCopyPasteSteps)
#include "tst_copypastesteps.moc"
