// Every language the program ships: complete, true to the English in what
// the program relies on, naming the screen's things as the screen does, and
// fitting every window.
#include "app/CAboutBoxDlg.h"
#include "app/CLauncherDlg.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/ModalOwner.h"
#include "common/resources/Resources.h"
#include "common/resources/Translations.h"
#include "tests/support/FakeSystemServices.h"
#include "tutorials/copy_paste/CCopyPasteTutorialDlg.h"
#include "tutorials/copy_paste/CopyPasteSteps.h"
#include "tutorials/double_click/CDoubleClickTutorialDlg.h"
#include "tutorials/double_click/DoubleClickLogic.h"
#include "tutorials/drag_drop/CDragDropTutorialDlg.h"
#include "tutorials/drag_drop/DragDropSteps.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// An element's text; lupdate writes a carriage return as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value("value").toString().toUShort(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

QList<Message> readTs(const QString& path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message{context, {}, {}, true};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = readText(xml);
                } else if (xml.name() == QLatin1String("translation")) {
                    message.finished = xml.attributes().value("type").isEmpty();
                    message.translation = readText(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    return messages;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// A keyboard accelerator: a single & before a letter, as in "&Close".
int accelerators(const QString& text) {
    return text.count(QRegularExpression(QStringLiteral("&(?=\\w)")));
}

int bareLineFeeds(const QString& text) {
    return text.count('\n') - text.count(QLatin1String("\r\n"));
}

// How each language writes what it quotes, and whether it types two spaces
// after a full stop as the English does. A language the program ships
// without a row here fails the tests.
struct Typography {
    QString open;
    QString close;
    bool twoSpaces = false;
};

Typography typography(const QString& language) {
    static const QMap<QString, Typography> table{
        {"en", {"\"", "\"", true}},
        {Translations::kPseudoLanguage, {"\"", "\"", true}},
        {"de", {QStringLiteral("\u201E"), QStringLiteral("\u201C")}},
        {"es", {QStringLiteral("\u00AB"), QStringLiteral("\u00BB")}},
        {"fr", {QStringLiteral("\u00AB\u202F"), QStringLiteral("\u202F\u00BB")}},
        {"it", {QStringLiteral("\u00AB"), QStringLiteral("\u00BB")}},
        {"nl", {QStringLiteral("\u201C"), QStringLiteral("\u201D")}},
        {"pl", {QStringLiteral("\u201E"), QStringLiteral("\u201D")}},
        {"pt_BR", {QStringLiteral("\u201C"), QStringLiteral("\u201D")}},
    };
    return table.value(language);
}

QString quoted(const QString& language, const QString& text) {
    const Typography marks = typography(language);
    return marks.open + text + marks.close;
}

// The things on the screen that messages and long texts name in quotes,
// with how the program translates each.
struct ScreenName {
    const char* english;
    std::function<QString()> shown;
};

QList<ScreenName> screenNames() {
    return {{"Start Over", [] { return Resources::LayoutText("Start Over"); }},
            {"Show Me", [] { return Resources::LayoutText("Show Me"); }},
            {"Click and Drag Me", [] { return DragDrop::Label(DragDrop::kPracticeLabel); }},
            {"Destination Folder", [] { return DragDrop::Label(DragDrop::kDestinationLabel); }}};
}

// What is wrong with `translated`, in `language`, as the counterpart of
// `english`, in how it quotes: the names of things on the screen as the
// screen shows them, in the language's own marks, as many quotes as the
// English has, and no spaces doubled the English way.
QStringList misquoted(const QString& language, const QString& english, const QString& translated) {
    QStringList faults;
    for (const ScreenName& name : screenNames()) {
        const QString quotedEnglish = quoted("en", QString::fromLatin1(name.english));
        const QString quotedHere = quoted(language, name.shown());
        if (english.contains(quotedEnglish) && !translated.contains(quotedHere))
            faults << QStringLiteral("names %1 but not %2").arg(quotedEnglish, quotedHere);
    }
    const Typography marks = typography(language);
    const int pairs = int(english.count('"') / 2);
    if (translated.count(marks.open) != pairs || translated.count(marks.close) != pairs)
        faults << QStringLiteral("%1 quotes, not in %2 %3").arg(pairs).arg(marks.open, marks.close);
    if (marks.open != QLatin1String("\"") && translated.contains('"'))
        faults << QStringLiteral("a straight quotation mark");
    if (!marks.twoSpaces && translated.contains(QLatin1String("  ")))
        faults << QStringLiteral("two spaces in a row");
    return faults;
}

std::unique_ptr<CDialog> window(const QString& which) {
    if (which == QLatin1String("launcher"))
        return std::make_unique<CLauncherDlg>();
    if (which == QLatin1String("about"))
        return std::make_unique<CAboutBoxDlg>();
    if (which == QLatin1String("copy and paste"))
        return std::make_unique<CCopyPasteTutorialDlg>();
    if (which == QLatin1String("drag and drop"))
        return std::make_unique<CDragDropTutorialDlg>();
    return std::make_unique<CDoubleClickTutorialDlg>();
}

// The room a control's text needs, and the room it has, in pixels.
QStringList crampedTexts(const QWidget* control) {
    QStringList faults;
    const QFontMetrics metrics(control->font());
    const auto check = [&](const QString& text, int needed, int has) {
        if (needed > has)
            faults << QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(needed).arg(has);
    };
    if (const auto* label = qobject_cast<const QLabel*>(control);
        label && label->pixmap().isNull() && !label->text().isEmpty()) {
        if (!label->wordWrap())
            check(label->text(), metrics.horizontalAdvance(label->text()), label->width());
        else
            check(label->text(), label->heightForWidth(label->width()), label->height());
    } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyle* style = button->style();
        check(button->text(),
              metrics.horizontalAdvance(QString(button->text()).remove('&')) +
                  style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                  2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button),
              button->width());
        check(button->text(), metrics.height(), button->height());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        check(box->text(), box->sizeHint().width(), box->width());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        check(group->title(), metrics.horizontalAdvance(group->title()), group->width());
    }
    return faults;
}

bool showsText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->pixmap().isNull() && !label->text().isEmpty();
    return qobject_cast<const QPushButton*>(control) || qobject_cast<const QCheckBox*>(control) ||
           qobject_cast<const QPlainTextEdit*>(control);
}

QStringList languagesWithPseudo() {
    return Translations::Available() << Translations::kPseudoLanguage;
}

// The test's two screens: the end-to-end tests' 1280 x 1024 and a small
// 1024 x 768 one. Which of them the platform calls primary varies between
// Qt versions, so windows are opened on one by name.
QScreen* screenOfSize(const QSize& size) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->size() == size)
            return screen;
    }
    return nullptr;
}

// A window opened over a main window on `screen`, as the launcher's
// tutorials are: its font and stretch follow that screen's work area.
std::unique_ptr<CDialog> openOn(QScreen* screen, const QString& which) {
    QWidget desktop;
    desktop.setScreen(screen);
    desktop.setGeometry(QRect(screen->geometry().topLeft(), QSize(100, 100)));
    ModalOwner::setMainWindow(&desktop);
    auto dialog = window(which);
    const bool created = dialog->Create();
    ModalOwner::setMainWindow(nullptr);
    if (!created)
        return nullptr;
    return dialog;
}

// On a 1024 x 768 screen the window must keep the desktop's font and its
// width and show every row of its tree: a window that does not fit there
// shrinks its font until the tree needs a scroll bar.
void shownOnASmallScreen(QScreen* small, const QString& which, int width) {
    const auto dialog = openOn(small, which);
    QVERIFY(dialog);
    QCOMPARE(dialog->screen(), small);
    QCOMPARE(QFontInfo(dialog->font()).pointSizeF(), QFontInfo(QApplication::font()).pointSizeF());
    QCOMPARE(dialog->width(), width);
    auto* tree = dialog->findChild<CTreeCtrl*>();
    if (!tree)
        return;
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    int rows = 0;
    for (QModelIndex row = tree->model()->index(0, 0); row.isValid(); row = tree->indexBelow(row)) {
        ++rows;
        QVERIFY2(tree->viewport()->rect().contains(tree->visualRect(row)),
                 qPrintable(row.data().toString()));
    }
    QCOMPARE(rows, 6);
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void choosesTheDesktopsLanguage_data();
    void choosesTheDesktopsLanguage();
    void everyTextTranslatedFaithfully_data();
    void everyTextTranslatedFaithfully();
    void longTextsInEveryLanguage_data();
    void longTextsInEveryLanguage();
    void qtsOwnTextsComeWithTheLanguage();
    void everyWindowFitsItsTexts_data();
    void everyWindowFitsItsTexts();
    void lessonsWorkWithTheTranslatedPracticeTexts_data();
    void lessonsWorkWithTheTranslatedPracticeTexts();

private:
    FakeSystemServices m_services;
    const QFont m_desktopFont = QApplication::font();
};

void TestTranslations::cleanup() {
    Translations::Install({QStringLiteral("en-US")});
    QApplication::setFont(m_desktopFont);
}

void TestTranslations::choosesTheDesktopsLanguage_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("German of Germany") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("German of Austria") << QStringList{"de-AT", "de"} << "de";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR", "pt-Latn-BR", "pt"} << "pt_BR";
    QTest::newRow("French of Canada") << QStringList{"fr-CA", "fr"} << "fr";
    QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "";
    QTest::newRow("no language set") << QStringList{"C"} << "";
    QTest::newRow("untranslated, then Dutch") << QStringList{"sv-SE", "sv", "nl"} << "nl";
    QTest::newRow("untranslated only") << QStringList{"sv-SE", "sv"} << "";
    QTest::newRow("pseudo-language") << QStringList{"en-XA", "en-US"} << "en_XA";
}

void TestTranslations::choosesTheDesktopsLanguage() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    Translations::Install(uiLanguages);
    QCOMPARE(Translations::Language(), language);
    const QString close = Resources::LayoutText("Close");
    QCOMPARE(close == QLatin1String("Close"), language.isEmpty());
}

void TestTranslations::everyTextTranslatedFaithfully_data() {
    QTest::addColumn<QString>("language");
    const QStringList available = Translations::Available();
    QVERIFY(available.size() >= 6);
    for (const QString& language : available)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextTranslatedFaithfully() {
    QFETCH(QString, language);
    const QList<Message> messages =
        readTs(QStringLiteral(KESTRIN_SOURCE_DIR "/translations/kestrin_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());
    QVERIFY2(!typography(language).open.isEmpty(), "the language's quotation marks are not known");
    Translations::Install({language});

    QStringList faults;
    const auto fault = [&faults](const Message& m, const QString& what) {
        faults << QStringLiteral("%1 \"%2\": %3").arg(m.context, m.source.left(40), what);
    };
    for (const Message& m : messages) {
        if (!m.finished || m.translation.isEmpty()) {
            fault(m, QStringLiteral("not translated"));
            continue;
        }
        if (placeholders(m.translation) != placeholders(m.source))
            fault(m, QStringLiteral("placeholders differ"));
        if (m.translation.count(QLatin1String("\r\n")) != m.source.count(QLatin1String("\r\n")) ||
            bareLineFeeds(m.translation) != bareLineFeeds(m.source))
            fault(m, QStringLiteral("line breaks differ"));
        if (accelerators(m.source) != accelerators(m.translation))
            fault(m, QStringLiteral("keyboard accelerator lost"));
        if (m.source.endsWith(QLatin1String(":\t")) &&
            !QRegularExpression(QStringLiteral("^[^\t]+\t:\t$")).match(m.translation).hasMatch())
            fault(m, QStringLiteral("a statistics name needs one tab each side of its colon"));
        for (const QString& wrong : misquoted(language, m.source, m.translation))
            fault(m, wrong);
        // Text boxes give a no-break space back as a plain space, so a status
        // with one would never read as the message the window put there.
        if (m.translation.contains(QChar::Nbsp))
            fault(m, QStringLiteral("no-break space (U+00A0); use U+202F"));
    }

    // The steps point at the first and last letters of the sentence to select.
    const QString sentence = CopyPasteSteps::PracticeSentence();
    QVERIFY(sentence != QLatin1String(CopyPasteSteps::kPracticeSentence));
    QVERIFY2(!sentence.contains('\n') && sentence.front().isUpper() && sentence.back().isLetter(),
             qPrintable(sentence));
    const QString firstStep = Resources::LayoutText(
        "Put the mouse pointer just to the left of the capital \"H\" in the box below (marked "
        "\"#1\"), then press the left mouse button and hold it down.");
    const QString secondStep = Resources::LayoutText(
        "Keep holding the button and drag the mouse to the right and down until the pointer is "
        "just past the lowercase \"e\" of \"stop here\" (marked \"#2\"), then let go.  This is "
        "called \"Selecting Text\".");
    if (!firstStep.contains(quoted(language, sentence.front())))
        faults << QStringLiteral("Step 1 does not name the sentence's first letter");
    if (!secondStep.contains(quoted(language, sentence.back())))
        faults << QStringLiteral("Step 2 does not name the sentence's last letter");

    // The banner's line under the name is in the language too.
    const QImage banner = Resources::LoadBitmap(129).toImage();
    Translations::Install({QStringLiteral("en-US")});
    const QImage english = Resources::LoadBitmap(129).toImage();
    QCOMPARE(banner.size(), english.size());
    if (banner == english)
        faults << QStringLiteral("the banner is the English one");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestTranslations::longTextsInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("id");
    for (const QString& language : Translations::Available()) {
        for (int id : {151, 165, 166, 167})
            QTest::addRow("%s %d", qPrintable(language), id) << language << id;
    }
}

void TestTranslations::longTextsInEveryLanguage() {
    QFETCH(QString, language);
    QFETCH(int, id);
    const QString english = Resources::LoadTextString(id);
    Translations::Install({language});
    const QString text = Resources::LoadTextString(id);
    QVERIFY(text != english);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QVERIFY(!text.contains(QChar::Nbsp));
    QCOMPARE(text.count(QLatin1String("\r\n")), english.count(QLatin1String("\r\n")));
    QCOMPARE(bareLineFeeds(text), 0);
    QVERIFY2(text.indexOf(QLatin1String("\r\n\r\n")) == text.indexOf(QLatin1String("\r\n")),
             "the heading stands alone");
    const QStringList faults = misquoted(language, english, text);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    // The English bytes stay as they are.
    QCOMPARE(Resources::LoadText(id)->size(), english.size());
}

void TestTranslations::qtsOwnTextsComeWithTheLanguage() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + QStringLiteral("/qtbase_de.qm")))
        QSKIP("Qt's German translation is not installed");
    Translations::Install({QStringLiteral("de-DE")});
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    Translations::Install({QStringLiteral("en-US")});
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
}

void TestTranslations::everyWindowFitsItsTexts_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("which");
    // How much wider than the English a window may grow, in per cent: a
    // tenth, which a 1024 x 768 screen still holds at the desktop's font.
    // The pseudo-language is longer on purpose and may shrink there.
    QTest::addColumn<int>("widest");
    // Texts and the window's own measure, its dialog units, grow differently
    // from one font to the next: Debian's default desktop font and the one
    // many desktops choose instead.
    for (const char* font : {"DejaVu Sans", "Noto Sans"}) {
        for (const QString& language : QStringList{"en"} + languagesWithPseudo()) {
            const int widest = language == QLatin1String(Translations::kPseudoLanguage) ? 0 : 110;
            for (const char* which :
                 {"launcher", "about", "copy and paste", "drag and drop", "double click"})
                QTest::addRow("%s, %s %s", font, qPrintable(language), which)
                    << font << language << which << widest;
        }
    }
}

void TestTranslations::everyWindowFitsItsTexts() {
    QFETCH(QString, font);
    QFETCH(QString, language);
    QFETCH(QString, which);
    QFETCH(int, widest);
    if (!QFontDatabase::hasFamily(font))
        QSKIP("the font is not installed");
    QApplication::setFont(QFont(font, 9));
    QScreen* large = screenOfSize({1280, 1024});
    QScreen* small = screenOfSize({1024, 768});
    QVERIFY2(large && small, "the test runs with a 1280 x 1024 and a 1024 x 768 screen");
    Translations::Install({QStringLiteral("en")});
    const auto english = openOn(large, which);
    QVERIFY(english);
    Translations::Install({language});
    const auto dialog = openOn(large, which);
    QVERIFY(dialog);
    const QRect screen = large->availableGeometry();
    QVERIFY(dialog->width() <= screen.width() && dialog->height() <= screen.height());
    if (widest > 0) {
        QVERIFY2(dialog->width() * 100 <= english->width() * widest,
                 qPrintable(QStringLiteral("%1 px against the English %2 px")
                                .arg(dialog->width())
                                .arg(english->width())));
        QCOMPARE(dialog->font(), english->font());
        shownOnASmallScreen(small, which, dialog->width());
        if (QTest::currentTestFailed())
            return;
    }

    QStringList faults;
    const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isHidden())
            continue;
        faults << crampedTexts(control);
        if (!dialog->rect().contains(control->geometry()))
            faults << QStringLiteral("%1 \"%2\" reaches past the window (%3 > %4)")
                          .arg(control->objectName(), control->accessibleName())
                          .arg(control->geometry().right())
                          .arg(dialog->width());
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const QWidget* a = controls[i];
            const QWidget* b = controls[j];
            if (showsText(a) && showsText(b) && !a->isHidden() && !b->isHidden() &&
                a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(a->objectName(), b->objectName());
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestTranslations::lessonsWorkWithTheTranslatedPracticeTexts_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : languagesWithPseudo())
        QTest::newRow(qPrintable(language)) << language;
}

// The trackers compare what the user did with the texts shown, in whatever
// language they are shown.
void TestTranslations::lessonsWorkWithTheTranslatedPracticeTexts() {
    QFETCH(QString, language);
    Translations::Install({language});
    using namespace CopyPasteSteps;
    QString sentence = PracticeSentence();
    Observation seen;
    seen.practiceText = sentence;
    seen.selEnd = sentence.size();
    seen.focusInPractice = true;
    seen.leftButtonDown = [] { return false; };
    seen.clipboardText = [&] { return sentence; };
    seen.targetText = [&] { return sentence; };
    QCOMPARE(Decide(Selecting, seen).nextStep, int(Selected));
    QCOMPARE(Decide(Selected, seen).nextStep, int(Copied));
    seen.focusInTarget = true;
    seen.focusInPractice = false;
    QCOMPARE(Decide(Placed, seen).nextStep, int(Done));
    seen.practiceText = QString::fromLatin1(kPracticeSentence);
    // The pseudo-language pads a button's text but not the same words quoted.
    if (language != QLatin1String(Translations::kPseudoLanguage))
        QVERIFY(Decide(Selecting, seen)
                    .message.contains(quoted(language, Resources::LayoutText("Start Over"))));

    // Figures and the per cent sign are written as the language writes them.
    const QString statistics = DoubleClick::StatisticsText(1, 0, 0, 2);
    QString share = QLocale(language).toString(33.33, 'f', 2);
    if (language != QLatin1String(Translations::kPseudoLanguage)) {
        const bool spaced = QStringList{"de", "es", "fr"}.contains(language);
        share = QStringLiteral(" (%1%2%)").arg(share, spaced ? QString(QChar(0x202F)) : QString());
    }
    QVERIFY2(statistics.contains(share), qPrintable(statistics));

    const QString practiceItem = DragDrop::Label(DragDrop::kPracticeLabel);
    QCOMPARE(DragDrop::onBeginDrag(practiceItem).next, int(DragDrop::Dragging));
    QCOMPARE(DragDrop::onBeginDrag(QStringLiteral("Click and Drag Me")).next == DragDrop::Dragging,
             practiceItem == QLatin1String("Click and Drag Me"));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
