#include "common/TutorialStatus.h"
#include "common/resources/Resources.h"
#include "tests/support/FakeSystemServices.h"
#include "tests/support/Told.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>

namespace {

std::unique_ptr<CDialog> makeTutorial(int layoutId)
{
    switch (layoutId) {
    case CCopyPasteTutorialDlg::kLayoutId:
        return std::make_unique<CCopyPasteTutorialDlg>();
    case CDoubleClickTutorialDlg::kLayoutId:
        return std::make_unique<CDoubleClickTutorialDlg>();
    default:
        return std::make_unique<CDragDropTutorialDlg>();
    }
}

// A window with nothing but the frame, to watch the flash on its own.
class FrameDialog : public CDialog {
public:
    FrameDialog() : CDialog(CCopyPasteTutorialDlg::kLayoutId) {}
    TutorialStatus status{*this};

protected:
    void OnTimer(int id) override { status.OnTimer(id); }
};

QString ruleTimeline(FakeSystemServices& services, QWidget* rule, unsigned until)
{
    // The rule's visibility sampled every 50 ms, as a string of 1 and 0.
    QString line;
    for (unsigned t = 0; t < until; t += 50) {
        line += rule->isVisibleTo(rule->parentWidget()) ? '1' : '0';
        services.advance(50);
    }
    return line;
}

} // namespace

class TestTutorialFrame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithItsOwnTexts_data();
    void opensWithItsOwnTexts();
    void flashShowsHidesShowsHides();
    void flashingReportDuringAFlashRestartsIt();
    void reportWithoutFlashLeavesTheFlashAlone();
    void dragAndDropShowsTheRuleOnceAtOpening();
    void escapeClosesWithEveryTimerStopped_data();
    void escapeClosesWithEveryTimerStopped();
    void okPullsTheTextsAndEnds();
    void paragraphsShowWithAnEmptyLine();
    void missingOverviewLeavesTheBoxEmpty();
    void reportsAreToldOncePerNews_data();
    void reportsAreToldOncePerNews();
    void largeFontsKeepEveryControlOnTheScreen_data();
    void largeFontsKeepEveryControlOnTheScreen();
};

void TestTutorialFrame::opensWithItsOwnTexts_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("overview");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("startOver");
    QTest::newRow("copy and paste")
        << 103 << 165 << "Vellumark - Copy and Paste Tutorial"
        << "Please start the tutorial at Step 1.  As you complete the steps, this status area "
           "will track your progress.  Check back here to see how you are progressing."
        << true;
    QTest::newRow("double click") << 156 << 167 << "Vellumark - Double Click Tutorial"
                                  << "After starting the tutorial this text will be replaced "
                                     "with statistics about your progress."
                                  << false;
    QTest::newRow("drag and drop") << 161 << 166 << "Vellumark - Drag and Drop Tutorial"
                                   << "Please start at Step 1 by placing the mouse over the tree "
                                      "item labeled \"Click and Drag Me\"."
                                   << true;
}

void TestTutorialFrame::opensWithItsOwnTexts()
{
    QFETCH(int, layout);
    QFETCH(int, overview);
    QFETCH(QString, title);
    QFETCH(QString, status);
    QFETCH(bool, startOver);
    FakeSystemServices services;
    // Twice: the second opening shows no trace of the first.
    for (int opening = 0; opening < 2; ++opening) {
        auto window = makeTutorial(layout);
        QVERIFY(window->Create());
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(window->GetDlgItemText(1006), Resources::LoadTextString(overview));
        QCOMPARE(qobject_cast<QPlainTextEdit*>(window->GetDlgItem(1006))->textCursor().position(), 0);
        QCOMPARE(window->GetDlgItemText(1009), status);
        QCOMPARE(window->GetDlgItem(1006)->accessibleName(), QString("Overview"));
        QCOMPARE(window->GetDlgItem(1009)->accessibleName(), QString("Tutorial Status"));
        QCOMPARE(window->GetDlgItem(1010) != nullptr, startOver);
        QCOMPARE(window->GetDlgItemText(2), QString("Close"));
        QVERIFY(!window->GetDlgItem(1017)->isVisibleTo(window.get()));
        auto* statusBox = qobject_cast<QPlainTextEdit*>(window->GetDlgItem(1009));
        QVERIFY(statusBox->isReadOnly());
        QCOMPARE(statusBox->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        if (opening == 0)
            window->SetDlgItemText(1009, "left over from the first run");
    }
}

void TestTutorialFrame::flashShowsHidesShowsHides()
{
    FakeSystemServices services;
    FrameDialog window;
    QVERIFY(window.Create());
    QWidget* rule = window.GetDlgItem(TutorialStatus::kRuleId);
    window.status.ShowRule(false);
    window.status.Report("Step done", true);
    QCOMPARE(window.GetDlgItemText(1009), QString("Step done"));
    QCOMPARE(ruleTimeline(services, rule, 1000), QString("11111000001111100000"));
    QCOMPARE(window.status.flashTimerId(), -1);
    QCOMPARE(services.runningTimerCount(), 0);
}

void TestTutorialFrame::flashingReportDuringAFlashRestartsIt()
{
    FakeSystemServices services;
    FrameDialog window;
    QVERIFY(window.Create());
    QWidget* rule = window.GetDlgItem(TutorialStatus::kRuleId);
    window.status.Report("first", true);
    services.advance(300); // hidden, in the second quarter
    QVERIFY(!rule->isVisibleTo(&window));
    window.status.Report("second", true);
    QCOMPARE(ruleTimeline(services, rule, 1000), QString("11111000001111100000"));
    QCOMPARE(services.runningTimerCount(), 0);
}

void TestTutorialFrame::reportWithoutFlashLeavesTheFlashAlone()
{
    FakeSystemServices services;
    FrameDialog window;
    QVERIFY(window.Create());
    QWidget* rule = window.GetDlgItem(TutorialStatus::kRuleId);
    window.status.Report("first", true);
    services.advance(300);
    window.status.Report("quiet", false);
    QCOMPARE(window.GetDlgItemText(1009), QString("quiet"));
    QCOMPARE(window.status.flashTimerId(), 3);
    // Ticks of other timers do not move the flash.
    QVERIFY(!window.status.OnTimer(2));
    QVERIFY(!window.status.OnTimer(1));
    QCOMPARE(ruleTimeline(services, rule, 500), QString("0000111110"));
}

void TestTutorialFrame::dragAndDropShowsTheRuleOnceAtOpening()
{
    FakeSystemServices services;
    CDragDropTutorialDlg window;
    QVERIFY(window.Create());
    QWidget* rule = window.GetDlgItem(TutorialStatus::kRuleId);
    QCOMPARE(ruleTimeline(services, rule, 1000), QString("00000000001111100000"));
}

void TestTutorialFrame::escapeClosesWithEveryTimerStopped_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("copy and paste") << 103;
    QTest::newRow("double click") << 156;
    QTest::newRow("drag and drop") << 161;
}

void TestTutorialFrame::escapeClosesWithEveryTimerStopped()
{
    QFETCH(int, layout);
    FakeSystemServices services;
    auto window = makeTutorial(layout);
    QTimer::singleShot(0, window.get(), [&] {
        services.advance(100);
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(),
                        Qt::Key_Escape);
    });
    QCOMPARE(window->DoModal(), CDialog::IDCANCEL);
    window.reset();
    QCOMPARE(services.runningTimerCount(), 0);
}

void TestTutorialFrame::okPullsTheTextsAndEnds()
{
    FakeSystemServices services;
    CDoubleClickTutorialDlg window;
    QTimer::singleShot(0, &window, [&] {
        window.GetDlgItem(1013)->setFocus();
        QTest::keyClick(window.GetDlgItem(1013), Qt::Key_Return);
    });
    QCOMPARE(window.DoModal(), CDialog::IDOK);
}

void TestTutorialFrame::paragraphsShowWithAnEmptyLine()
{
    FakeSystemServices services;
    FrameDialog window;
    QVERIFY(window.Create());
    window.status.Report("Steps 1 & 2 are Complete!  Good Job!\r\n\r\nNow move on.", false);
    auto* box = qobject_cast<QPlainTextEdit*>(window.GetDlgItem(1009));
    QCOMPARE(box->document()->blockCount(), 3);
    QCOMPARE(box->document()->findBlockByNumber(0).text(),
             QString("Steps 1 & 2 are Complete!  Good Job!"));
    QCOMPARE(box->document()->findBlockByNumber(1).text(), QString());
    QCOMPARE(box->document()->findBlockByNumber(2).text(), QString("Now move on."));
}

void TestTutorialFrame::missingOverviewLeavesTheBoxEmpty()
{
    FakeSystemServices services;
    Resources::SetHiddenForTesting("text", 165, true);
    CCopyPasteTutorialDlg window;
    QVERIFY(window.Create());
    Resources::SetHiddenForTesting("text", 165, false);
    QCOMPARE(window.GetDlgItemText(1006), QString());
}

void TestTutorialFrame::reportsAreToldOncePerNews_data()
{
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("each new report") << QStringList{"Step 1", "Step 2"} << true
                                     << QStringList{"Step 1", "Step 2"};
    QTest::newRow("a poll writing the same report again")
        << QStringList{"Keep selecting", "Keep selecting", "Done"} << true
        << QStringList{"Keep selecting", "Done"};
    QTest::newRow("lines and paragraphs whole") << QStringList{"Good!\r\n\r\nNow Step 3."}
                                                << true << QStringList{"Good!\r\n\r\nNow Step 3."};
    QTest::newRow("a window not shown") << QStringList{"Step 1"} << false << QStringList{};
}

// Whatever has the focus, a report reaches a screen reader as a notification
// that comes into view, named with the report; the focus stays put.
void TestTutorialFrame::reportsAreToldOncePerNews()
{
    QFETCH(QStringList, reports);
    QFETCH(bool, shown);
    QFETCH(QStringList, expected);
    FakeSystemServices services;
    FrameDialog window;
    QVERIFY(window.Create());
    if (!shown)
        window.hide();
    Told told;
    QWidget* focus = QApplication::focusWidget();
    for (const QString& report : reports)
        window.status.Report(report, false);
    QCOMPARE(told.texts, expected);
    QCOMPARE(QApplication::focusWidget(), focus);
    for (auto* notification : window.findChildren<QWidget*>()) {
        if (QAccessible::queryAccessibleInterface(notification)->role() == QAccessible::Notification) {
            // Nothing to see or to hit, and never in the Tab order.
            QVERIFY(notification->size().isEmpty());
            QCOMPARE(notification->focusPolicy(), Qt::NoFocus);
        }
    }
}

void TestTutorialFrame::largeFontsKeepEveryControlOnTheScreen_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("copy and paste, 14 points") << 103 << 14;
    QTest::newRow("double click, 14 points") << 156 << 14;
    QTest::newRow("drag and drop, 14 points") << 161 << 14;
    QTest::newRow("copy and paste, 24 points") << 103 << 24;
}

void TestTutorialFrame::largeFontsKeepEveryControlOnTheScreen()
{
    QFETCH(int, layout);
    QFETCH(int, pointSize);
    FakeSystemServices services;
    const QFont before = QApplication::font();
    QFont large = before;
    large.setPointSize(pointSize);
    QApplication::setFont(large);
    auto window = makeTutorial(layout);
    QApplication::setFont(before);
    QVERIFY(window->Create());
    // The test screen, 1280 x 1024, is too small for these fonts.
    QVERIFY(window->font().pointSizeF() < pointSize);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden() && !control->isWindow())
            QVERIFY2(window->rect().contains(control->geometry()), qPrintable(control->objectName()));
    }
}

QTEST_MAIN(TestTutorialFrame)
#include "tst_tutorialframe.moc"
