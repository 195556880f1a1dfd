#include "common/platform/dialog/CDialog.h"
#include "common/platform/dialog/LayoutFit.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/platform/dialog/WindowPlacement.h"
#include "tests/support/FakeSystemServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTest>
#include <QTimer>
#include <QWindow>

class TestDialog : public CDialog {
public:
    using CDialog::CDialog;
    QList<int> ticks;
    QString text;

protected:
    void OnTimer(int id) override { ticks << id; }
    void DoDataExchange(CDataExchange& dx) override { DDX_Text(dx, 1009, text); }
};

class TestDialogFramework : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogUnits_data();
    void dialogUnits();
    void mulDivRoundsHalfAwayFromZero();
    void fontFitsTheRoom_data();
    void fontFitsTheRoom();
    void layoutStretchesForLongTexts_data();
    void layoutStretchesForLongTexts();
    void pushSetsTextOnlyWhenDifferentOrLong_data();
    void pushSetsTextOnlyWhenDifferentOrLong();
    void frameCentredInsideWorkArea_data();
    void frameCentredInsideWorkArea();
    void frameMeasuredOnlyWhenFinished_data();
    void frameMeasuredOnlyWhenFinished();
    void timersById();
    void missingLayoutEndsModalRunAtOnce();
    void modalRunDisablesAndRestoresOwner();
    void windowRefusesToBeMaximised();
    void editsKeepCrLfLineEnds();
};

void TestDialogFramework::dialogUnits_data()
{
    QTest::addColumn<int>("cx");
    QTest::addColumn<int>("cy");
    QTest::addColumn<QRect>("dlu");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("reference font") << 6 << 13 << QRect(7, 7, 177, 44) << QRect(11, 11, 265, 72);
    QTest::newRow("whole window") << 6 << 13 << QRect(0, 0, 520, 305) << QRect(0, 0, 780, 496);
    QTest::newRow("larger font") << 8 << 16 << QRect(0, 0, 275, 199) << QRect(0, 0, 550, 398);
    QTest::newRow("edges meet") << 7 << 15 << QRect(1, 1, 1, 1) << QRect(2, 2, 2, 2);
}

void TestDialogFramework::dialogUnits()
{
    QFETCH(int, cx);
    QFETCH(int, cy);
    QFETCH(QRect, dlu);
    QFETCH(QRect, pixels);
    QCOMPARE((DialogUnits{cx, cy}.toPixels(dlu)), pixels);
}

void TestDialogFramework::mulDivRoundsHalfAwayFromZero()
{
    QCOMPARE(mulDiv(205, 6, 4), 308);
    QCOMPARE(mulDiv(76, 13, 8), 124);
    QCOMPARE(mulDiv(-5, 3, 2), -8);
    QCOMPARE(mulDiv(4, 3, 4), 3);
}

void TestDialogFramework::fontFitsTheRoom_data()
{
    // Base units grow with the size as a common sans font's do: at 9 points
    // a 520 x 305 layout is 910 x 534 pixels.
    QTest::addColumn<QSize>("room");
    QTest::addColumn<qreal>("desktopSize");
    QTest::addColumn<qreal>("chosen");
    QTest::newRow("fits at the desktop's size") << QSize(1280, 990) << 9.0 << 9.0;
    QTest::newRow("exactly fits") << QSize(910, 534) << 9.0 << 9.0;
    QTest::newRow("one pixel too tall") << QSize(910, 533) << 9.0 << 8.5;
    QTest::newRow("150 % on 1280 x 800") << QSize(845, 507) << 9.0 << 8.5;
    QTest::newRow("too wide") << QSize(700, 990) << 9.0 << 7.0;
    QTest::newRow("14 points on 1366 x 768") << QSize(1358, 712) << 14.0 << 12.0;
    QTest::newRow("fractional desktop size fits") << QSize(1280, 990) << 9.3 << 9.3;
    QTest::newRow("fractional desktop size, too tall") << QSize(910, 540) << 9.8 << 9.5;
    QTest::newRow("nothing fits") << QSize(300, 200) << 9.0 << 6.0;
    QTest::newRow("desktop below the smallest") << QSize(300, 200) << 5.0 << 5.0;
}

void TestDialogFramework::fontFitsTheRoom()
{
    QFETCH(QSize, room);
    QFETCH(qreal, desktopSize);
    QFETCH(qreal, chosen);
    const auto unitsAt = [](qreal size) {
        return DialogUnits{qRound(size * 0.75), qRound(size * 1.5)};
    };
    QCOMPARE(fitFontSize(QSize(520, 305), room, desktopSize, 6.0, unitsAt), chosen);
}

void TestDialogFramework::layoutStretchesForLongTexts_data()
{
    // Two labels side by side in a window 300 dialog units wide, at 10 and
    // 120, each 100 wide: 150 pixels with base units of 6 x 13. A text
    // "needs" as many pixels as it has characters.
    QTest::addColumn<int>("height"); // of both labels, in dialog units
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("percent");
    QTest::newRow("both fit") << 16 << 150 << 10 << 100;
    QTest::newRow("one pixel too long") << 16 << 151 << 10 << 105;
    QTest::newRow("the second needs more") << 16 << 160 << 200 << 135;
    QTest::newRow("the first needs more") << 16 << 200 << 160 << 135;
    QTest::newRow("no screen is that wide") << 16 << 1000 << 10 << 250;
    // One-line labels run on over the empty space to their right: the first
    // up to the second (165 pixels), the second up to the window's edge (270).
    QTest::newRow("one line, runs on") << 8 << 165 << 270 << 100;
    QTest::newRow("one line, runs into the next") << 8 << 170 << 10 << 105;
    QTest::newRow("one line, runs past the edge") << 8 << 10 << 280 << 105;
}

void TestDialogFramework::layoutStretchesForLongTexts()
{
    QFETCH(int, height);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, percent);
    DialogTemplate layout;
    layout.size = QSize(300, 100);
    for (const auto& [left, length] : {std::pair{10, first}, std::pair{120, second}}) {
        ControlTemplate control;
        control.kind = QStringLiteral("label");
        control.text = QString(length, 'x');
        control.rect = QRect(left, 10, 100, height);
        layout.controls << control;
    }
    const auto fits = [](const ControlTemplate& control, const QSize& room) {
        return control.text.size() <= room.width();
    };
    QCOMPARE(widthPercentToFit(layout, DialogUnits{6, 13}, fits, 250), percent);
}

void TestDialogFramework::pushSetsTextOnlyWhenDifferentOrLong_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("resetsScroll");
    QTest::newRow("255 characters, unchanged") << 255 << false;
    QTest::newRow("256 characters, unchanged") << 256 << true;
}

void TestDialogFramework::pushSetsTextOnlyWhenDifferentOrLong()
{
    QFETCH(int, length);
    QFETCH(bool, resetsScroll);
    FakeSystemServices services;
    TestDialog dialog(103);
    QVERIFY(dialog.Create());
    auto* box = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(1009));
    QVERIFY(box);
    dialog.text = QString(length, 'x');
    dialog.UpdateData(false);
    // Move the caret: a push that really sets the text puts it back at 0.
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(10);
    box->setTextCursor(cursor);
    dialog.UpdateData(false);
    QCOMPARE(box->textCursor().position() == 0, resetsScroll);
    dialog.text = "changed";
    dialog.UpdateData(false);
    QCOMPARE(box->toPlainText(), QString("changed"));
}

void TestDialogFramework::frameCentredInsideWorkArea_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QPoint>("topLeft");
    const QRect panelled(0, 0, 1280, 994); // a bottom panel of 30 pixels
    QTest::newRow("on the work area") << QSize(788, 526) << panelled.center() << panelled
                                      << QPoint(246, 234);
    QTest::newRow("over a window") << QSize(300, 200) << QPoint(400, 300) << panelled
                                   << QPoint(251, 201);
    QTest::newRow("past the right and bottom")
        << QSize(300, 200) << QPoint(1200, 950) << panelled << QPoint(980, 794);
    QTest::newRow("past the left and top") << QSize(300, 200) << QPoint(10, 10) << panelled
                                           << QPoint(0, 0);
    QTest::newRow("work area not at the origin")
        << QSize(400, 300) << QPoint(100, 100) << QRect(64, 28, 736, 572) << QPoint(64, 28);
    QTest::newRow("taller than 800 x 600 keeps the title bar")
        << QSize(520, 640) << QPoint(400, 300) << QRect(0, 0, 800, 570) << QPoint(141, 0);
}

void TestDialogFramework::frameCentredInsideWorkArea()
{
    QFETCH(QSize, frame);
    QFETCH(QPoint, centre);
    QFETCH(QRect, workArea);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredFrame(frame, centre, workArea), QRect(topLeft, frame));
}

void TestDialogFramework::frameMeasuredOnlyWhenFinished_data()
{
    // A frame as measured from the window system (outer and inner rectangle)
    // and as published by the window manager (left, right, top, bottom).
    QTest::addColumn<QRect>("outer");
    QTest::addColumn<QRect>("inner");
    QTest::addColumn<QList<quint32>>("extents");
    QTest::addColumn<QMargins>("frame"); // null: no frame known
    const QRect client(100, 100, 400, 300);
    QTest::newRow("title bar and border") << QRect(96, 74, 408, 330) << client
                                          << QList<quint32>{4, 4, 26, 4} << QMargins(4, 26, 4, 4);
    QTest::newRow("no frame at all") << client << client << QList<quint32>{0, 0, 0, 0}
                                     << QMargins();
    QTest::newRow("frame window still 1x1")
        << QRect(100, 100, 1, 1) << client << QList<quint32>{} << QMargins();
    QTest::newRow("frame thicker than any title bar")
        << QRect(-400, -400, 1300, 1100) << client << QList<quint32>{500, 0, 0, 0}
        << QMargins();
    QTest::newRow("too few extents") << QRect(0, 0, 1, 1) << client << QList<quint32>{4, 4, 26}
                                     << QMargins();
}

void TestDialogFramework::frameMeasuredOnlyWhenFinished()
{
    QFETCH(QRect, outer);
    QFETCH(QRect, inner);
    QFETCH(QList<quint32>, extents);
    QFETCH(QMargins, frame);
    const bool known = !frame.isNull() || outer == inner;
    QCOMPARE(plausibleFrame(outer, inner).has_value(), known);
    QCOMPARE(plausibleFrame(outer, inner).value_or(QMargins()), frame);
    QCOMPARE(frameFromExtents(extents).has_value(), known);
    QCOMPARE(frameFromExtents(extents).value_or(QMargins()), frame);
}

void TestDialogFramework::timersById()
{
    FakeSystemServices services;
    TestDialog dialog(103);
    QVERIFY(dialog.Create());
    QCOMPARE(dialog.SetTimer(7, 100), 7);
    services.advance(250);
    QCOMPARE(dialog.ticks, (QList<int>{7, 7}));
    // A second start of the same id restarts its period.
    dialog.SetTimer(7, 100);
    services.advance(90);
    QCOMPARE(dialog.ticks.size(), 2);
    services.advance(10);
    QCOMPARE(dialog.ticks.size(), 3);
    QCOMPARE(services.runningTimerCount(), 1);
    dialog.KillTimer(7);
    dialog.KillTimer(7);
    dialog.KillTimer(99);
    services.advance(1000);
    QCOMPARE(dialog.ticks.size(), 3);
    QCOMPARE(services.runningTimerCount(), 0);
    // A window's timers end with it.
    {
        TestDialog other(103);
        QVERIFY(other.Create());
        other.SetTimer(1, 10);
        QCOMPARE(services.runningTimerCount(), 1);
    }
    QCOMPARE(services.runningTimerCount(), 0);
}

void TestDialogFramework::missingLayoutEndsModalRunAtOnce()
{
    CDialog dialog(4242);
    QCOMPARE(dialog.DoModal(), -1);
}

void TestDialogFramework::modalRunDisablesAndRestoresOwner()
{
    CDialog owner(102);
    QVERIFY(owner.Create());
    ModalOwner::setMainWindow(&owner);
    // The control that opens the modal window, not the first tab stop.
    QWidget* opener = owner.GetDlgItem(1005);
    opener->setFocus();
    CDialog modal(100);
    bool ownerEnabledDuringRun = true;
    bool ownerClosedDuringRun = true;
    bool modalTookTheKeyboardBack = false;
    QTimer::singleShot(0, &modal, [&] {
        ownerEnabledDuringRun = owner.isEnabled();
        // The compositor's close box on the disabled owner, then a click on it.
        QCloseEvent close;
        QApplication::sendEvent(&owner, &close);
        ownerClosedDuringRun = close.isAccepted() || !owner.isVisible();
        owner.activateWindow();
        modalTookTheKeyboardBack =
            QTest::qWaitFor([&] { return QApplication::activeWindow() == &modal; }, 2000);
        modal.EndDialog(CDialog::IDOK);
    });
    QCOMPARE(modal.DoModal(), CDialog::IDOK);
    QVERIFY(!ownerEnabledDuringRun);
    QVERIFY(!ownerClosedDuringRun);
    QVERIFY(modalTookTheKeyboardBack);
    QVERIFY(owner.isEnabled());
    QCOMPARE(owner.focusWidget(), opener);
    ModalOwner::setMainWindow(nullptr);
}

// As a decoration drawn by Qt itself asks for it, past the window flags.
void TestDialogFramework::windowRefusesToBeMaximised()
{
    CDialog dialog(102);
    QVERIFY(dialog.Create());
    const QSize laidOut = dialog.size();
    dialog.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_COMPARE(dialog.windowHandle()->windowStates(), Qt::WindowNoState);
    QCOMPARE(dialog.windowState(), Qt::WindowNoState);
    QCOMPARE(dialog.size(), laidOut);
}

void TestDialogFramework::editsKeepCrLfLineEnds()
{
    CDialog dialog(103);
    QVERIFY(dialog.Create());
    dialog.SetDlgItemText(1009, "one\r\n\r\ntwo");
    auto* box = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(1009));
    QCOMPARE(box->document()->blockCount(), 3);
    QCOMPARE(box->document()->findBlockByNumber(1).text(), QString());
    QCOMPARE(dialog.GetDlgItemText(1009), QString("one\r\n\r\ntwo"));
}

QTEST_MAIN(TestDialogFramework)
#include "tst_dialogframework.moc"
