#include "app/CLauncherDlg.h"
#include "common/CWebLinkStatic.h"
#include "common/WebSite.h"
#include "common/platform/dialog/CWinApp.h"
#include "tests/support/FakeSystemServices.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace {

const QString kAddress = QStringLiteral("https://www.vellumark.example/");
const QColor kLinkColor(0, 0, 238);
const QColor kVisitedColor(85, 26, 139);
// Link colours of a dark palette.
const QColor kPaletteLink(120, 180, 255);
const QColor kPaletteVisited(200, 150, 255);

QLabel* launcherLink(CLauncherDlg& launcher)
{
    return qobject_cast<QLabel*>(launcher.GetDlgItem(CLauncherDlg::kWebLinkId));
}

// How many rows of the image hold `color` across at least half its width
// (an underline), and how many pixels hold it at all, give or take the
// smoothing of the glyphs' edges.
std::pair<int, int> countColor(const QImage& image, const QColor& color)
{
    int rows = 0;
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        int inRow = 0;
        for (int x = 0; x < image.width(); ++x)
        {
            const QColor pixel = image.pixelColor(x, y);
            inRow += qAbs(pixel.red() - color.red()) + qAbs(pixel.green() - color.green()) +
                         qAbs(pixel.blue() - color.blue()) <
                     60;
        }
        pixels += inRow;
        rows += inRow >= image.width() / 2;
    }
    return {rows, pixels};
}

} // namespace

class TestWebLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitsTheRectangleToTheText_data();
    void fitsTheRectangleToTheText();
    void fitsTheLabelToItsText_data();
    void fitsTheLabelToItsText();
    void attachTakesTargetAndTextFromEachOther_data();
    void attachTakesTargetAndTextFromEachOther();
    void launcherLinkShowsTheHostAndTipsTheAddress();
    void failureTexts_data();
    void failureTexts();
    void clicksOpenTheTargetAndSetTheVisitedLook_data();
    void clicksOpenTheTargetAndSetTheVisitedLook();
    void theResultMayComeLater_data();
    void theResultMayComeLater();
    void onlyAWholeLeftClickOpens_data();
    void onlyAWholeLeftClickOpens();
    void keyboardAndScreenReaderReachTheLink();
    void contrastRatio_data();
    void contrastRatio();
    void readableOnEveryPalette_data();
    void readableOnEveryPalette();
    void drawsInTheLinkColoursOnTheWindow_data();
    void drawsInTheLinkColoursOnTheWindow();
};

void TestWebLink::fitsTheRectangleToTheText_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QSize>("text");
    QTest::addColumn<unsigned>("style");
    QTest::addColumn<QRect>("fitted");
    // Rectangles as left, top, right, bottom (exclusive), as the classic API
    // gives them.
    const auto edges = [](int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); };
    QTest::newRow("left keeps left and top") << edges(10, 20, 110, 30) << QSize(60, 13) << 0u
                                             << edges(10, 20, 70, 33);
    QTest::newRow("centred, wider than the text")
        << edges(0, 0, 71, 13) << QSize(60, 13) << CStatic::SS_CENTER << edges(5, 0, 66, 13);
    QTest::newRow("centred, narrower than the text")
        << edges(0, 0, 53, 13) << QSize(60, 13) << CStatic::SS_CENTER << edges(-3, 0, 56, 13);
    QTest::newRow("right keeps right") << edges(10, 20, 110, 30) << QSize(60, 13)
                                       << CStatic::SS_RIGHT << edges(50, 20, 110, 33);
    QTest::newRow("centre bit wins over right bit")
        << edges(0, 0, 71, 13) << QSize(60, 13) << (CStatic::SS_CENTER | CStatic::SS_RIGHT)
        << edges(5, 0, 66, 13);
    QTest::newRow("centred vertically, taller box")
        << edges(0, 10, 60, 30) << QSize(60, 13) << CStatic::SS_CENTERIMAGE
        << edges(0, 13, 60, 27);
    QTest::newRow("centred vertically, lower box moves out")
        << edges(0, 10, 60, 18) << QSize(60, 13) << CStatic::SS_CENTERIMAGE
        << edges(0, 8, 60, 20);
    QTest::newRow("the notify bit changes nothing")
        << edges(10, 20, 110, 30) << QSize(60, 13) << CStatic::SS_NOTIFY << edges(10, 20, 70, 33);
}

void TestWebLink::fitsTheRectangleToTheText()
{
    QFETCH(QRect, rect);
    QFETCH(QSize, text);
    QFETCH(unsigned, style);
    QFETCH(QRect, fitted);
    QCOMPARE(CWebLinkStatic::FitRectToText(rect, text, style), fitted);
}

void TestWebLink::fitsTheLabelToItsText_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("keptEdge"); // x of the edge that must not move
    QTest::newRow("left") << int(Qt::AlignLeft) << 20;
    QTest::newRow("right") << int(Qt::AlignRight) << 420;
}

void TestWebLink::fitsTheLabelToItsText()
{
    QFETCH(int, alignment);
    QFETCH(int, keptEdge);
    QWidget window;
    auto* label = new QLabel("www.vellumark.example", &window);
    label->setAlignment(Qt::Alignment(alignment) | Qt::AlignTop);
    label->setGeometry(20, 30, 400, 50);
    CWebLinkStatic link;
    QVERIFY(link.SubclassWindow(label));
    const QFontMetrics metrics = label->fontMetrics();
    QCOMPARE(label->size(), QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
    QCOMPARE(label->y(), 30);
    QCOMPARE(alignment == Qt::AlignLeft ? label->x() : label->x() + label->width(), keptEdge);
    // The tool answers where the label stood once fitted.
    QCOMPARE(link.tip()->rect, label->rect());
}

void TestWebLink::attachTakesTargetAndTextFromEachOther_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("targetBefore");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("target");
    QTest::newRow("target from the text") << "abc" << "" << "abc" << "abc";
    QTest::newRow("text from the target") << "" << kAddress << kAddress << kAddress;
    QTest::newRow("both kept") << "host" << kAddress << "host" << kAddress;
}

void TestWebLink::attachTakesTargetAndTextFromEachOther()
{
    QFETCH(QString, text);
    QFETCH(QString, targetBefore);
    QFETCH(QString, shownText);
    QFETCH(QString, target);
    QWidget window;
    auto* label = new QLabel(text, &window);
    CWebLinkStatic link;
    if (!targetBefore.isEmpty())
        link.SetLinkTarget(targetBefore);
    QVERIFY(link.SubclassWindow(label));
    QCOMPARE(label->text(), shownText);
    QCOMPARE(link.target(), target);
    QCOMPARE(link.tip()->text, target);
    QVERIFY(link.GetStyle() & CStatic::SS_NOTIFY);
    // A second attachment to another label is refused; the first stays.
    QLabel other("other", &window);
    QVERIFY(!link.SubclassWindow(&other));
    QCOMPARE(link.label(), label);
}

void TestWebLink::launcherLinkShowsTheHostAndTipsTheAddress()
{
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    QLabel* label = launcherLink(launcher);
    QCOMPARE(label->text(), QString("www.vellumark.example"));
    QCOMPARE(launcher.webLink().target(), kAddress);
    QCOMPARE(launcher.webLink().tip()->text, kAddress);
    QCOMPARE(launcher.webLink().tip()->rect, label->rect());
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(label->cursor().hotSpot(), QPoint(8, 2));
    QVERIFY(!launcher.webLink().visited());
    QCOMPARE(launcher.webLink().textColor(), kLinkColor);
}

void TestWebLink::failureTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, int code, const QString& reason) {
        QTest::newRow(name) << code << QStringLiteral("Unable to open hyperlink:\n\n") + reason;
    };
    row("26 keeps its trailing space", 26, "A sharing violation occurred. ");
    row("1 is unknown", 1, "Unknown Error (1) occurred.");
    row("negative", -5, "Unknown Error (-5) occurred.");
    row("0", 0, "The operating system is out\nof memory or resources.");
    row("2", 2, "The specified file was not found.");
    row("3", 3, "The specified path was not found.");
    row("5", 5, "The operating system denied\naccess to the specified file.");
    row("8", 8, "There was not enough memory to complete the operation.");
    row("11", 11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    row("27", 27, "The filename association is\nincomplete or invalid.");
    row("28", 28, "The DDE transaction could not\nbe completed because the request timed out.");
    row("29", 29, "The DDE transaction failed.");
    row("30", 30,
        "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
        "processed.");
    row("31", 31, "There is no application associated\nwith the given filename extension.");
    row("32", 32, "The specified dynamic-link library was not found.");
}

void TestWebLink::failureTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    services.openResult = code;
    QTest::mouseClick(launcherLink(launcher), Qt::LeftButton);
    QCOMPARE(services.openedAddresses, QStringList{kAddress});
    QCOMPARE(services.messageBoxes.size(), 1);
    const auto& box = services.messageBoxes.first();
    QCOMPARE(box.text, text);
    QCOMPARE(box.caption, CWinApp::title());
    QCOMPARE(box.icon, SystemServices::MessageIcon::Exclamation);
    QCOMPARE(box.owner.data(), &launcher);
}

void TestWebLink::clicksOpenTheTargetAndSetTheVisitedLook_data()
{
    // One click per result; after each the visited flag and the colour that
    // a repaint shows.
    QTest::addColumn<QList<int>>("results");
    QTest::addColumn<QList<bool>>("visited");
    QTest::addColumn<int>("messageBoxes");
    QTest::newRow("33 is success") << QList<int>{33} << QList<bool>{true} << 0;
    QTest::newRow("32 is failure") << QList<int>{32} << QList<bool>{false} << 1;
    QTest::newRow("success after failure")
        << QList<int>{31, 42} << QList<bool>{false, true} << 1;
    QTest::newRow("failure after success clears the flag")
        << QList<int>{33, 2, 33} << QList<bool>{true, false, true} << 1;
}

void TestWebLink::clicksOpenTheTargetAndSetTheVisitedLook()
{
    QFETCH(QList<int>, results);
    QFETCH(QList<bool>, visited);
    QFETCH(int, messageBoxes);
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    for (qsizetype i = 0; i < results.size(); ++i) {
        services.openResult = results[i];
        QTest::mouseClick(launcherLink(launcher), Qt::LeftButton);
        QCOMPARE(launcher.webLink().visited(), visited[i]);
        QCOMPARE(launcher.webLink().textColor(), visited[i] ? kVisitedColor : kLinkColor);
    }
    QCOMPARE(services.openedAddresses.size(), results.size());
    QCOMPARE(services.messageBoxes.size(), messageBoxes);
}

void TestWebLink::theResultMayComeLater_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("closeFirst"); // the launcher is gone before the result
    QTest::addColumn<bool>("visited");
    QTest::addColumn<int>("messageBoxes");
    QTest::newRow("success") << 33 << false << true << 0;
    QTest::newRow("failure") << 31 << false << false << 1;
    QTest::newRow("success after the launcher closed") << 33 << true << false << 0;
    QTest::newRow("failure after the launcher closed") << 31 << true << false << 0;
}

void TestWebLink::theResultMayComeLater()
{
    QFETCH(int, result);
    QFETCH(bool, closeFirst);
    QFETCH(bool, visited);
    QFETCH(int, messageBoxes);
    FakeSystemServices services;
    services.openAnswersLater = true;
    auto launcher = std::make_unique<CLauncherDlg>();
    QVERIFY(launcher->Create());
    QLabel* label = launcherLink(*launcher);
    const CWebLinkStatic& link = launcher->webLink();
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->cursor().shape(), Qt::BusyCursor);
    // A second click while the first waits starts nothing.
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(services.openedAddresses, QStringList{kAddress});
    QVERIFY(!link.visited());
    QVERIFY(services.messageBoxes.isEmpty());
    if (closeFirst)
        launcher.reset();
    services.answerOpen(result);
    QCOMPARE(services.messageBoxes.size(), messageBoxes);
    if (closeFirst)
        return;
    QCOMPARE(link.visited(), visited);
    QCOMPARE(label->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(services.openedAddresses.size(), 2);
}

void TestWebLink::onlyAWholeLeftClickOpens_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("opened");
    QTest::newRow("left click") << "left" << 1;
    QTest::newRow("right click") << "right" << 0;
    QTest::newRow("released outside") << "drag out" << 0;
    QTest::newRow("pressed outside") << "drag in" << 0;
    QTest::newRow("double click opens once") << "double" << 1;
    QTest::newRow("Enter with the focus") << "Enter" << 1;
    QTest::newRow("Space with the focus") << "Space" << 1;
    QTest::newRow("another key") << "A" << 0;
}

void TestWebLink::onlyAWholeLeftClickOpens()
{
    QFETCH(QString, gesture);
    QFETCH(int, opened);
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    QLabel* label = launcherLink(launcher);
    const QPoint inside = label->rect().center();
    const QPoint outside(label->width() + 20, inside.y());
    if (gesture == "left") {
        QTest::mouseClick(label, Qt::LeftButton);
    } else if (gesture == "right") {
        QTest::mouseClick(label, Qt::RightButton);
    } else if (gesture == "drag out") {
        QTest::mousePress(label, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(label, Qt::LeftButton, {}, outside);
    } else if (gesture == "drag in") {
        QTest::mousePress(&launcher, Qt::LeftButton, {}, label->geometry().topLeft() - QPoint(9, 9));
        QTest::mouseRelease(label, Qt::LeftButton, {}, inside);
    } else if (gesture == "Enter" || gesture == "Space" || gesture == "A") {
        label->setFocus();
        QTest::keyClick(label, QKeySequence::fromString(gesture)[0].key());
    } else {
        // As the window system delivers a double click: press, release,
        // double click, release.
        QTest::mouseClick(label, Qt::LeftButton, {}, inside);
        QTest::mouseDClick(label, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(label, Qt::LeftButton, {}, inside);
    }
    QCOMPARE(services.openedAddresses.size(), opened);
    // Enter on the link is no command to the window.
    QVERIFY(launcher.isVisible());
}

// Tab comes to the link after every button; a screen reader names it by its
// address, and the focus shows as a rectangle around it.
void TestWebLink::keyboardAndScreenReaderReachTheLink()
{
    FakeSystemServices services;
    CLauncherDlg launcher;
    QVERIFY(launcher.Create());
    launcher.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&launcher));
    QLabel* label = launcherLink(launcher);
    QStringList order;
    QWidget* w = launcher.GetDlgItem(1003);
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != launcher.GetDlgItem(1003) && order.size() < 20);
    QCOMPARE(order, (QStringList{"control1003", "control1004", "control1005", "control1002",
                                 "control2", "control1000"}));
    QCOMPARE(label->accessibleName(), QString::fromLatin1(kMakerWebSiteAddress));
    // Heard as a link that a screen reader can press.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(heard->role(), QAccessible::Link);
    QCOMPARE(heard->text(QAccessible::Name), QString::fromLatin1(kMakerWebSiteAddress));
    QVERIFY(heard->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(!heard->state().traversed);
    heard->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(services.openedAddresses, QStringList{QString::fromLatin1(kMakerWebSiteAddress)});
    QVERIFY(heard->state().traversed);
    const QImage unfocused = label->grab().toImage();
    launcher.GetDlgItem(CDialog::IDCANCEL)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(label->hasFocus());
    QVERIFY(label->grab().toImage() != unfocused);
}

void TestWebLink::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("either order") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("same colour") << kLinkColor << kLinkColor << 1.0;
    QTest::newRow("link on a light window") << kLinkColor << QColor(240, 240, 240) << 8.246;
    QTest::newRow("link on a dark window") << kLinkColor << QColor(45, 45, 45) << 1.465;
    QTest::newRow("visited on a dark window") << kVisitedColor << QColor(45, 45, 45) << 1.251;
    QTest::newRow("mid grey on white, just short of 4.5")
        << QColor(119, 119, 119) << QColor(Qt::white) << 4.478;
}

void TestWebLink::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY(qAbs(CWebLinkStatic::ContrastRatio(a, b) - ratio) < 0.001);
}

void TestWebLink::readableOnEveryPalette_data()
{
    // The link's own colour, the palette's, the window's background, and
    // which of them must be drawn: the own colour, the palette's, or the own
    // hue made lighter or darker.
    QTest::addColumn<QColor>("own");
    QTest::addColumn<QColor>("palette");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QString>("drawn");
    const QColor fusion(239, 239, 239), darker(35, 35, 35), adwaitaDark(53, 53, 53);
    QTest::newRow("light, link") << kLinkColor << QColor(0, 0, 255) << fusion << "own";
    QTest::newRow("light, visited") << kVisitedColor << QColor(255, 0, 255) << fusion << "own";
    QTest::newRow("darker theme, link")
        << kLinkColor << QColor(0x09, 0x86, 0xd3) << darker << "adjusted";
    QTest::newRow("darker theme, visited")
        << kVisitedColor << QColor(0xa7, 0x0b, 0x06) << darker << "adjusted";
    QTest::newRow("dark GTK theme, link")
        << kLinkColor << QColor(0x35, 0x84, 0xe4) << adwaitaDark << "adjusted";
    QTest::newRow("dark GTK theme, visited")
        << kVisitedColor << QColor(0x91, 0x41, 0xac) << adwaitaDark << "adjusted";
    QTest::newRow("dark palette with light link colours")
        << kLinkColor << kPaletteLink << QColor(32, 32, 32) << "palette";
    QTest::newRow("high contrast, black, link")
        << kLinkColor << QColor(Qt::yellow) << QColor(Qt::black) << "palette";
    QTest::newRow("high contrast, black, visited")
        << kVisitedColor << QColor(Qt::magenta) << QColor(Qt::black) << "palette";
    QTest::newRow("high contrast, black, no link colours")
        << kVisitedColor << kVisitedColor << QColor(Qt::black) << "adjusted";
    QTest::newRow("high contrast, white") << kLinkColor << QColor(Qt::blue) << QColor(Qt::white)
                                          << "own";
    QTest::newRow("mid grey, darkened") << kLinkColor << QColor(0, 0, 255) << QColor(119, 119, 119)
                                        << "adjusted";
    QTest::newRow("light link colours on a light window")
        << QColor(120, 180, 255) << QColor(150, 200, 255) << fusion << "adjusted";
}

void TestWebLink::readableOnEveryPalette()
{
    QFETCH(QColor, own);
    QFETCH(QColor, palette);
    QFETCH(QColor, background);
    QFETCH(QString, drawn);
    const QColor color = CWebLinkStatic::ReadableColor(own, palette, background);
    QVERIFY2(CWebLinkStatic::ContrastRatio(color, background) >= 4.5,
             qPrintable(color.name()));
    if (drawn == "own") {
        QCOMPARE(color, own);
    } else if (drawn == "palette") {
        QCOMPARE(color, palette);
    } else {
        QVERIFY(color != own && color != palette);
        QVERIFY2(qAbs(color.hslHue() - own.hslHue()) <= 3, qPrintable(color.name()));
        // No more changed than reading well needs.
        QVERIFY2(CWebLinkStatic::ContrastRatio(color, background) < 5.0,
                 qPrintable(color.name()));
    }
}

void TestWebLink::drawsInTheLinkColoursOnTheWindow_data()
{
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("visited");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<QColor>("absent");
    const QColor light(Qt::yellow);
    QTest::newRow("link, underlined") << true << false << light << kLinkColor << kVisitedColor;
    QTest::newRow("visited, underlined") << true << true << light << kVisitedColor << kLinkColor;
    QTest::newRow("link, plain") << false << false << light << kLinkColor << kVisitedColor;
    QTest::newRow("visited, plain") << false << true << light << kVisitedColor << kLinkColor;
    // Where the link's own colours would hardly show, the palette's take over.
    const QColor dark(32, 32, 32);
    QTest::newRow("link on dark") << true << false << dark << kPaletteLink << kLinkColor;
    QTest::newRow("visited on dark") << true << true << dark << kPaletteVisited << kVisitedColor;
    QTest::newRow("link on black") << false << false << QColor(Qt::black) << kPaletteLink
                                   << kLinkColor;
}

void TestWebLink::drawsInTheLinkColoursOnTheWindow()
{
    QFETCH(bool, underline);
    QFETCH(bool, visited);
    QFETCH(QColor, background);
    QFETCH(QColor, shown);
    QFETCH(QColor, absent);
    QWidget window;
    QPalette windowColours = window.palette();
    windowColours.setColor(QPalette::Window, background);
    windowColours.setColor(QPalette::Link, kPaletteLink);
    windowColours.setColor(QPalette::LinkVisited, kPaletteVisited);
    window.setPalette(windowColours);
    auto* label = new QLabel("www.vellumark.example", &window);
    // A label that painted its own background would show this.
    QPalette labelColours = label->palette();
    labelColours.setColor(QPalette::Window, Qt::red);
    label->setPalette(labelColours);
    label->move(10, 10);
    CWebLinkStatic link;
    QVERIFY(link.SubclassWindow(label));
    link.SetUnderlineLook(underline);
    link.SetVisitedLook(visited);
    window.show();
    const QImage image = window.grab(label->geometry()).toImage();
    const auto [rows, pixels] = countColor(image, shown);
    QVERIFY(pixels > 20);
    QCOMPARE(countColor(image, absent).second, 0);
    QCOMPARE(rows > 0, underline);
    // No background of its own: the window's colour shows through.
    QCOMPARE(image.pixelColor(image.width() - 1, 0), background);
}

QTEST_MAIN(TestWebLink)
#include "tst_weblink.moc"
