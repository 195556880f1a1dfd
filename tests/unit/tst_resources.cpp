#include "common/resources/Resources.h"

#include <QDirIterator>
#include <QImage>
#include <QTest>

class TestResources : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textsHaveExactSizeAndCrLfLines_data();
    void textsHaveExactSizeAndCrLfLines();
    void picturesHaveTheirPixelSizes_data();
    void picturesHaveTheirPixelSizes();
    void builtInPicturesAreTheirSources_data();
    void builtInPicturesAreTheirSources();
    void iconsAndCursor();
    void layoutsLoadWithTheirTitles_data();
    void layoutsLoadWithTheirTitles();
    void missingResourcesAreNotErrors();
};

void TestResources::textsHaveExactSizeAndCrLfLines_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("heading");
    QTest::newRow("welcome") << 151 << 868 << QByteArray();
    QTest::newRow("copy and paste") << 165 << 2570 << QByteArray("Copy and Paste Tutorial");
    QTest::newRow("drag and drop") << 166 << 873 << QByteArray("Drag and Drop Tutorial");
    QTest::newRow("double click") << 167 << 794 << QByteArray("Double Click Tutorial");
}

void TestResources::textsHaveExactSizeAndCrLfLines()
{
    QFETCH(int, id);
    QFETCH(int, size);
    QFETCH(QByteArray, heading);
    const auto text = Resources::LoadText(id);
    QVERIFY(text);
    QCOMPARE(text->size(), size);
    QVERIFY(!text->contains('\0'));
    for (qsizetype i = text->indexOf('\n'); i >= 0; i = text->indexOf('\n', i + 1))
        QVERIFY2(i > 0 && text->at(i - 1) == '\r', "every line ends with CR LF");
    const QByteArray firstLine = text->left(text->indexOf("\r\n"));
    QVERIFY(!firstLine.isEmpty());
    if (!heading.isEmpty())
        QCOMPARE(firstLine, heading);
    QVERIFY2(text->mid(firstLine.size(), 4) == "\r\n\r\n", "the heading stands alone");
    QCOMPARE(Resources::LoadTextString(id).size(), size);
}

void TestResources::picturesHaveTheirPixelSizes_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("banner") << 129 << QSize(382, 119);
    QTest::newRow("small logo") << 152 << QSize(256, 61);
    QTest::newRow("marker 2") << 153 << QSize(25, 30);
    QTest::newRow("marker 1") << 154 << QSize(22, 30);
    QTest::newRow("bullet") << 155 << QSize(9, 9);
    QTest::newRow("target") << 158 << QSize(64, 64);
    QTest::newRow("tree images") << 163 << QSize(32, 16);
    QTest::newRow("rule") << 164 << QSize(265, 7);
}

void TestResources::picturesHaveTheirPixelSizes()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    const QPixmap picture = Resources::LoadBitmap(id);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), size);
}

// The program carries its pictures as pixels made at build time; each must
// be exactly its PNG, and showing one must copy nothing.
void TestResources::builtInPicturesAreTheirSources_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("source");
    const QString res = QStringLiteral(KESTRIN_SOURCE_DIR "/res/");
    for (const QString folder : {"bitmaps", "icons", "cursors"}) {
        QDirIterator png(res + folder, {QStringLiteral("*.png")}, QDir::Files,
                         QDirIterator::Subdirectories);
        while (png.hasNext()) {
            const QString path = png.next();
            QString name = path.mid(res.size()).chopped(4);
            if (!name.startsWith(QLatin1String("icons/hicolor/")))
                QTest::newRow(qPrintable(name)) << name << path;
        }
    }
    QTest::newRow("the style's group frame")
        << "style/fusion_groupbox"
        << KESTRIN_GROUPBOX_PICTURE;
}

void TestResources::builtInPicturesAreTheirSources()
{
    QFETCH(QString, name);
    QFETCH(QString, source);
    const QImage picture = Resources::BuiltInPicture(name);
    const QImage png = QImage(source, "png").convertToFormat(picture.format());
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), png.size());
    QCOMPARE(picture, png);
    QCOMPARE(QPixmap::fromImage(picture).toImage().constBits(), picture.constBits());
}

void TestResources::iconsAndCursor()
{
    for (int id : {128, 159, 160}) {
        const QIcon icon = Resources::LoadIcon(id);
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    }
    QVERIFY(Resources::LoadIcon(128).availableSizes().contains(QSize(16, 16)));
    // Qt caches rendered icons per icon: every window that shows icon 159
    // must share one, or each opening leaves its pictures in the cache.
    QCOMPARE(Resources::LoadIcon(159).cacheKey(), Resources::LoadIcon(159).cacheKey());
    const auto cursor = Resources::LoadCursor(147);
    QVERIFY(cursor);
    QCOMPARE(cursor->pixmap().size(), QSize(32, 32));
    QCOMPARE(cursor->hotSpot(), QPoint(8, 2));
    QCOMPARE(Resources::LoadString(101), QString("&About Vellumark Kestrin..."));
}

void TestResources::layoutsLoadWithTheirTitles_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("title");
    QTest::newRow("about") << 100 << QSize(235, 66) << "About Vellumark Kestrin";
    QTest::newRow("launcher") << 102 << QSize(275, 199) << "Vellumark Kestrin";
    QTest::newRow("copy and paste") << 103 << QSize(520, 305) << "Vellumark - Copy and Paste Tutorial";
    QTest::newRow("double click") << 156 << QSize(520, 305) << "Vellumark - Double Click Tutorial";
    QTest::newRow("drag and drop") << 161 << QSize(520, 305) << "Vellumark - Drag and Drop Tutorial";
}

void TestResources::layoutsLoadWithTheirTitles()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    QFETCH(QString, title);
    const auto layout = Resources::LoadLayout(id);
    QVERIFY(layout);
    QCOMPARE(layout->size, size);
    QCOMPARE(layout->title, title);
}

void TestResources::missingResourcesAreNotErrors()
{
    QVERIFY(!Resources::LoadText(9999));
    QVERIFY(Resources::LoadBitmap(9999).isNull());
    QVERIFY(Resources::LoadIcon(9999).isNull());
    QVERIFY(!Resources::LoadCursor(9999));
    QVERIFY(Resources::LoadString(9999).isEmpty());
    QVERIFY(!Resources::LoadLayout(9999));
    QVERIFY(!parseDialogTemplate("{not json", nullptr));
    QVERIFY(!parseDialogTemplate(R"({"size":[10,10],"controls":[{"kind":"label"}]})", nullptr));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
