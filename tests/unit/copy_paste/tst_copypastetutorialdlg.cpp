#include "tests/support/FakeSystemServices.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/copy_paste/CopyPasteSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTest>

using namespace CopyPasteSteps;

namespace {
const QString kSentence = QString::fromLatin1(kPracticeSentence);
const QString kInitial = QString::fromLatin1(kInitialStatus);
const QString kKeepSelecting = "You're on the right track.  Keep selecting...";

struct Window {
    FakeSystemServices fake;
    CCopyPasteTutorialDlg dialog;

    Window() { dialog.Create(); }
    QPlainTextEdit* practice() const
    {
        return qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(1007));
    }
    QPlainTextEdit* target() const { return qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(1008)); }
    QString status() const { return dialog.GetDlgItemText(1009); }
    bool ruleVisible() const { return !dialog.GetDlgItem(1017)->isHidden(); }
    void select(int start, int end)
    {
        QTextCursor cursor = practice()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        practice()->setTextCursor(cursor);
    }
    // A drag from the start of the sentence, the button still held, and the
    // tick that sees it.
    void dragFromStartTo(int end)
    {
        fake.focus = practice();
        fake.leftButtonDown = true;
        select(0, end);
        fake.advance(250);
    }
    void press(int id) { qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click(); }
};
} // namespace

class TestCopyPasteTutorialDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setUpShowsTheStartingPoint();
    void wholeRunThroughTheTicks();
    void startOverInTheMiddle();
    void busyClipboardIsLeftAlone();
    void unchangedSelectionWritesNothing();
    void modifiedTextIsReportedUntilRestored();
    void closeStopsThePollAndKeepsTheCopy();
    void selectionDrawnWithoutFocus_data();
    void selectionDrawnWithoutFocus();
    void onlyTheUsersCopyCounts_data();
    void onlyTheUsersCopyCounts();
    void keysInTheBoxes_data();
    void keysInTheBoxes();
};

void TestCopyPasteTutorialDlg::setUpShowsTheStartingPoint()
{
    FakeSystemServices fake;
    fake.clipboardText = kSentence;
    CCopyPasteTutorialDlg dialog;
    QVERIFY(dialog.Create());
    QCOMPARE(dialog.GetDlgItemText(1007), kSentence);
    QCOMPARE(dialog.GetDlgItemText(1008), QString());
    QCOMPARE(dialog.GetDlgItemText(1009), kInitial);
    QVERIFY(!dialog.GetDlgItemText(1006).isEmpty());
    QVERIFY(dialog.GetDlgItem(1017)->isHidden());
    QCOMPARE(fake.clipboardEmptied, 1);
    QCOMPARE(fake.clipboardText, QString());
    QCOMPARE(dialog.step(), 0);
    QCOMPARE(dialog.pollTimerId(), 1);
    QVERIFY(dialog.IsTimerRunning(1));
    auto* practice = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(1007));
    QVERIFY(!practice->textCursor().hasSelection());
    QCOMPARE(practice->textCursor().position(), 0);
    QCOMPARE(practice->accessibleName(), QString("Practice text"));
    QCOMPARE(dialog.GetDlgItem(1008)->accessibleName(), QString("Paste target"));
    QVERIFY(!practice->isReadOnly());
}

void TestCopyPasteTutorialDlg::wholeRunThroughTheTicks()
{
    Window w;
    w.dragFromStartTo(20);
    QCOMPARE(w.status(), kKeepSelecting);
    QVERIFY(!w.ruleVisible());

    w.select(0, 85);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 1);
    QVERIFY(w.status().startsWith("Steps 1 & 2 are Complete!"));
    QVERIFY(w.ruleVisible());
    w.fake.advance(250); // the flash: off...
    QVERIFY(!w.ruleVisible());

    w.fake.leftButtonDown = false;
    w.fake.copy(kSentence);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 2);
    QVERIFY(w.status().startsWith("Step 3 is Complete!"));

    w.fake.focus = w.target();
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 3);
    w.target()->setPlainText(kSentence);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 4);
    QVERIFY(w.status().startsWith("Congratulations!  You did it!\r\n\r\n"));
}

void TestCopyPasteTutorialDlg::startOverInTheMiddle()
{
    Window w;
    w.fake.focus = w.practice();
    w.select(0, 85);
    w.fake.advance(250);
    w.fake.copy(kSentence);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 2);
    w.target()->setPlainText("typed");
    w.fake.advance(100);

    w.press(1010);
    QCOMPARE(w.dialog.step(), 0);
    QCOMPARE(w.fake.clipboardText, QString());
    QCOMPARE(w.fake.clipboardEmptied, 2);
    QCOMPARE(w.dialog.GetDlgItemText(1008), QString());
    QCOMPARE(w.status(), kInitial);
    QVERIFY(!w.practice()->textCursor().hasSelection());
    QCOMPARE(w.practice()->textCursor().position(), 0);

    // The poll counts its period afresh from the reset.
    w.select(7, 7);
    w.fake.advance(249);
    QCOMPARE(w.status(), kInitial);
    w.fake.advance(1);
    QCOMPARE(w.status(), QString("Oops... The selected text isn't quite right.  Please start over at Step 1."));
}

void TestCopyPasteTutorialDlg::busyClipboardIsLeftAlone()
{
    Window w;
    w.fake.clipboardBusy = true;
    w.fake.clipboardText = kSentence;
    w.press(1010);
    QCOMPARE(w.fake.clipboardText, kSentence);
    QVERIFY(w.fake.messageBoxes.isEmpty());
    QCOMPARE(w.status(), kInitial);
    QCOMPARE(w.dialog.step(), 0);
}

void TestCopyPasteTutorialDlg::unchangedSelectionWritesNothing()
{
    Window w;
    w.dragFromStartTo(10);
    QCOMPARE(w.status(), kKeepSelecting);
    w.dialog.SetDlgItemText(1009, "marker");
    w.fake.advance(250);
    QCOMPARE(w.status(), QString("marker"));
    w.select(0, 11);
    w.fake.advance(250);
    QCOMPARE(w.status(), kKeepSelecting);
}

void TestCopyPasteTutorialDlg::modifiedTextIsReportedUntilRestored()
{
    Window w;
    w.fake.focus = w.practice();
    w.select(85, 85);
    w.practice()->textCursor().insertText("!");
    w.fake.advance(250);
    QVERIFY(w.status().startsWith("Oops.. The text being copied has been modified."));
    QVERIFY(!w.ruleVisible());
    w.practice()->undo();
    QCOMPARE(w.dialog.GetDlgItemText(1007), kSentence);
    w.select(0, 85);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 1);
}

void TestCopyPasteTutorialDlg::closeStopsThePollAndKeepsTheCopy()
{
    Window w;
    w.fake.focus = w.practice();
    w.select(0, 85);
    w.fake.advance(250);
    w.fake.copy(kSentence);
    w.fake.advance(1000); // past the flash
    QCOMPARE(w.fake.runningTimerCount(), 1);

    w.press(2);
    QCOMPARE(w.fake.runningTimerCount(), 0);
    QVERIFY(!w.dialog.IsTimerRunning(1));
    QCOMPARE(w.fake.clipboardText, kSentence);
    QCOMPARE(w.fake.clipboardEmptied, 1);
    QCOMPARE(w.dialog.result(), CDialog::IDCANCEL);
}

void TestCopyPasteTutorialDlg::selectionDrawnWithoutFocus_data()
{
    QTest::addColumn<QList<Qt::FocusReason>>("focusLost"); // in order
    QTest::addColumn<bool>("drawn");
    QTest::newRow("never had the focus") << QList<Qt::FocusReason>{} << false;
    QTest::newRow("its context menu is open") << QList{Qt::PopupFocusReason} << true;
    QTest::newRow("clicked elsewhere") << QList{Qt::MouseFocusReason} << false;
    QTest::newRow("another program active") << QList{Qt::ActiveWindowFocusReason} << false;
    QTest::newRow("menu closed, then left")
        << QList{Qt::PopupFocusReason, Qt::TabFocusReason} << false;
}

void TestCopyPasteTutorialDlg::selectionDrawnWithoutFocus()
{
    QFETCH(QList<Qt::FocusReason>, focusLost);
    QFETCH(bool, drawn);
    Window w;
    w.select(0, 85);
    for (Qt::FocusReason reason : focusLost) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(w.practice(), &out);
    }
    const QImage shown = w.practice()->viewport()->grab().toImage();
    const QRgb highlight = w.practice()->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    int highlighted = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            highlighted += shown.pixel(x, y) == highlight;
    QCOMPARE(highlighted > 0, drawn);
}

void TestCopyPasteTutorialDlg::onlyTheUsersCopyCounts_data()
{
    QTest::addColumn<bool>("userCopies");
    QTest::addColumn<bool>("startOver"); // after the copy, then select again
    QTest::addColumn<int>("step");
    QTest::newRow("a manager puts the sentence back") << false << false << 1;
    QTest::newRow("the user copies") << true << false << 2;
    QTest::newRow("copied, Start Over, put back") << true << true << 1;
}

void TestCopyPasteTutorialDlg::onlyTheUsersCopyCounts()
{
    QFETCH(bool, userCopies);
    QFETCH(bool, startOver);
    QFETCH(int, step);
    Window w;
    w.fake.focus = w.practice();
    // A clipboard manager restores its last text as soon as it is emptied.
    w.fake.copy(kSentence);
    w.select(0, 85);
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), 1);
    if (userCopies)
        w.fake.copy(kSentence);
    if (startOver) {
        w.press(1010);
        w.fake.copy(kSentence);
        w.select(0, 85);
        w.fake.advance(250);
    }
    w.fake.advance(250);
    QCOMPARE(w.dialog.step(), step);
}

void TestCopyPasteTutorialDlg::keysInTheBoxes_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text"); // of the box afterwards
    QTest::addColumn<bool>("closes");
    const QKeySequence paste(Qt::CTRL | Qt::Key_V);
    QTest::newRow("paste") << 1008 << paste << "pasted" << "pasted" << false;
    QTest::newRow("paste, shift+insert") << 1008 << QKeySequence(Qt::SHIFT | Qt::Key_Insert)
                                         << "pasted" << "pasted" << false;
    QTest::newRow("paste, nothing copied") << 1008 << paste << "" << "" << false;
    QTest::newRow("paste, read-only box") << 1009 << paste << "pasted" << kInitial << false;
    QTest::newRow("enter is the window's OK")
        << 1007 << QKeySequence(Qt::Key_Return) << "" << kSentence << true;
    QTest::newRow("enter on the keypad") << 1008 << QKeySequence(Qt::KeypadModifier | Qt::Key_Enter)
                                         << "" << "" << true;
}

void TestCopyPasteTutorialDlg::keysInTheBoxes()
{
    QFETCH(int, box);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(bool, closes);
    Window w;
    w.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
    w.dialog.GetDlgItem(box)->setFocus();
    w.fake.clipboardText = clipboard;
    QTest::keySequence(w.dialog.GetDlgItem(box), keys);
    QCOMPARE(w.dialog.GetDlgItemText(box), text);
    QCOMPARE(w.dialog.isVisible(), !closes);
    if (closes)
        QCOMPARE(w.dialog.result(), CDialog::IDOK);
}

QTEST_MAIN(TestCopyPasteTutorialDlg)
#include "tst_copypastetutorialdlg.moc"
