// Each lesson completed in another language with real input: the trackers
// follow the translated practice texts, and the status speaks the language.
#include "common/TutorialStatus.h"
#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/resources/Translations.h"
#include "tests/support/RedSquare.h"
#include "tests/support/TreeItems.h"
#include "tools/xinput/XInput.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/copy_paste/CopyPasteSteps.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/double_click/DoubleClickLogic.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStyleHints>
#include <QTest>
#include <QTextBlock>

namespace {

QString status(const CDialog& dialog) {
    return dialog.GetDlgItemText(TutorialStatus::kStatusBoxId);
}

// A status message as the language shows it; never the English one.
QString translated(const char* context, const char* english) {
    const QString text = QCoreApplication::translate(context, english);
    return text == QLatin1String(english) ? QString() : text;
}

// Where a character of a plain text box is drawn, in its viewport.
int xOf(QPlainTextEdit* box, const QTextBlock& block, int position) {
    QTextCursor at(block);
    at.setPosition(block.position() + position);
    return box->cursorRect(at).x();
}

} // namespace

class TestLanguagesEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void copyAndPaste_data();
    void copyAndPaste();
    void dragAndDrop_data() { copyAndPaste_data(); }
    void dragAndDrop();
    void doubleClick_data() { copyAndPaste_data(); }
    void doubleClick();
};

void TestLanguagesEndToEnd::init() {
    QFETCH(QString, language);
    Translations::Install({language});
    QCOMPARE(Translations::Language(), language);
    XInput::moveTo(QPoint(5, 5));
}

void TestLanguagesEndToEnd::cleanup() {
    XInput::release();
    Translations::Install({QStringLiteral("en-US")});
    XInput::settle();
    // No click of one test may pair with the first of the next.
    QTest::qWait(qApp->styleHints()->mouseDoubleClickInterval() + 100);
}

void TestLanguagesEndToEnd::copyAndPaste_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de";
    QTest::newRow("French") << "fr";
}

void TestLanguagesEndToEnd::copyAndPaste() {
    using namespace CopyPasteSteps;
    CCopyPasteTutorialDlg dialog;
    QVERIFY(dialog.Create());
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* practice =
        qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(CCopyPasteTutorialDlg::kPracticeBoxId));
    auto* target =
        qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(CCopyPasteTutorialDlg::kTargetBoxId));
    const QString sentence = PracticeSentence();
    QCOMPARE(practice->toPlainText(), sentence);
    const auto beside = [&](int position, int dx) {
        QTextCursor at(practice->document());
        at.setPosition(position);
        return practice->viewport()->mapToGlobal(practice->cursorRect(at).center() + QPoint(dx, 0));
    };

    // Selected with the mouse, from just left of the first letter to just
    // past the last, through the middle of the sentence.
    XInput::moveTo(beside(0, -2));
    XInput::press();
    XInput::moveTo(beside(sentence.size() / 2, 0));
    XInput::moveTo(beside(sentence.size(), 6));
    const QString selected = translated(
        "CopyPasteSteps", "Steps 1 & 2 are Complete!  Good Job!\r\n\r\nYou have selected the text "
                          "as instructed! Now move on to Step 3.");
    QVERIFY(!selected.isEmpty());
    QVERIFY2(XInput::waitFor([&] { return status(dialog) == selected; }),
             qPrintable(status(dialog)));
    XInput::release();

    XInput::keys("ctrl+c");
    XInput::click(XInput::centreOf(target));
    QVERIFY(XInput::waitFor([&] { return target->hasFocus(); }));
    XInput::keys("ctrl+v");
    const QString done = translated(
        "CopyPasteSteps", "Congratulations!  You did it!\r\n\r\nYou successfully copied and pasted "
                          "text from one window to another!");
    QVERIFY(!done.isEmpty());
    QVERIFY2(XInput::waitFor([&] { return status(dialog) == done; }), qPrintable(status(dialog)));
    QCOMPARE(target->toPlainText(), sentence);
}

void TestLanguagesEndToEnd::dragAndDrop() {
    using namespace DragDrop;
    CDragDropTutorialDlg dialog;
    QVERIFY(dialog.Create());
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* tree = qobject_cast<CTreeCtrl*>(dialog.GetDlgItem(CDragDropTutorialDlg::kTreeId));
    const auto onLabel = [&](const char* english) {
        const QRect rect = tree->GetItemRect(findTreeItem(*tree, Label(english)));
        return tree->ClientToScreen(QPoint(rect.right() - 6, rect.center().y()));
    };
    const QString step1 = messageText(Message::Step1);
    QVERIFY(step1 != QLatin1String("Great!\r\n\r\nYou got Step 1.  You have got the mouse over the "
                                   "right tree item!  Please move on to Step 2."));

    XInput::moveTo(onLabel(kPracticeLabel));
    QVERIFY2(XInput::waitFor([&] { return status(dialog) == step1; }), qPrintable(status(dialog)));
    XInput::press();
    QVERIFY(XInput::waitFor([&] { return status(dialog) == messageText(Message::Step2); }));
    const QPoint start = QCursor::pos();
    for (int d = 2; !dialog.isDragging() && d <= 30; d += 2)
        XInput::moveTo(start + QPoint(d, d / 2));
    QVERIFY(XInput::waitFor([&] { return dialog.isDragging(); }));
    QCOMPARE(status(dialog), messageText(Message::Step3));
    const QPoint destination = onLabel(kDestinationLabel);
    XInput::moveTo(destination);
    QVERIFY(XInput::waitFor([&] { return CImageList::DragWindow()->pos() == destination; }));
    XInput::release();
    QVERIFY2(XInput::waitFor([&] { return status(dialog) == messageText(Message::Success); }),
             qPrintable(status(dialog)));
}

void TestLanguagesEndToEnd::doubleClick() {
    using namespace DoubleClick;
    CDoubleClickTutorialDlg dialog;
    QVERIFY(dialog.Create());
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    XInput::settle();
    const QPoint centre = dialog.mapToGlobal(drawnRedSquare(dialog).center());
    const QString success = Translated(kSuccessMessage);
    QVERIFY(success != kSuccessMessage);

    XInput::click(centre);
    XInput::click(centre);
    const auto feedback = [&] {
        return dialog.GetDlgItemText(CDoubleClickTutorialDlg::kFeedbackId);
    };
    QVERIFY2(XInput::waitFor([&] { return feedback() == success; }), qPrintable(feedback()));
    QTest::qWait(qApp->styleHints()->mouseDoubleClickInterval() + 100);
    XInput::click(centre);
    QVERIFY(XInput::waitFor([&] { return feedback() == Translated(kFirstClickMessage); }));
    QVERIFY(XInput::waitFor([&] { return status(dialog) == StatisticsText(1, 0, 0, 1); }, 5000));

    // The names, their colons and the figures each start in one column.
    auto* box = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(TutorialStatus::kStatusBoxId));
    QList<int> colons, figures;
    for (QTextBlock line = box->document()->begin(); line.isValid(); line = line.next()) {
        const int colon = line.text().indexOf(':');
        QVERIFY(colon > 0);
        colons << xOf(box, line, colon);
        figures << xOf(box, line, colon + 2);
    }
    QCOMPARE(colons.size(), 5);
    for (qsizetype i = 1; i < colons.size(); ++i) {
        QCOMPARE(colons[i], colons[0]);
        QCOMPARE(figures[i], figures[0]);
    }
}

QTEST_MAIN(TestLanguagesEndToEnd)
#include "tst_languages_e2e.moc"
