#include "common/platform/controls/CImageList.h"
#include "common/platform/controls/CTreeCtrl.h"
#include "common/platform/dialog/DialogTemplate.h"

#include <QSignalSpy>
#include <QApplication>
#include <QTest>

class TestTreeCtrl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowZone_data();
    void rowZone();
    void outsideFlags_data();
    void outsideFlags();
    void everyRowShowsInTheFittedFont_data();
    void everyRowShowsInTheFittedFont();
    void hitTestOnRealRows_data();
    void hitTestOnRealRows();
    void handlesAreNeverReused();
    void dropHighlightIsApartFromSelection();
    void dragImageHoldsImageAndLabel();
};

void TestTreeCtrl::rowZone_data()
{
    QTest::addColumn<bool>("hasButton");
    QTest::addColumn<int>("x");
    QTest::addColumn<unsigned>("zone");
    // indent 0..18, button column 19..37, image 38..56, label 57..119
    QTest::newRow("indent") << true << 5 << unsigned(TVHT_ONITEMINDENT);
    QTest::newRow("button") << true << 19 << unsigned(TVHT_ONITEMBUTTON);
    QTest::newRow("button column, no children") << false << 30 << unsigned(TVHT_ONITEMINDENT);
    QTest::newRow("image") << true << 38 << unsigned(TVHT_ONITEMICON);
    QTest::newRow("gap before label") << false << 56 << unsigned(TVHT_ONITEMICON);
    QTest::newRow("label start") << false << 57 << unsigned(TVHT_ONITEMLABEL);
    QTest::newRow("label end") << false << 119 << unsigned(TVHT_ONITEMLABEL);
    QTest::newRow("right of label") << false << 120 << unsigned(TVHT_ONITEMRIGHT);
}

void TestTreeCtrl::rowZone()
{
    QFETCH(bool, hasButton);
    QFETCH(int, x);
    const TreeRowGeometry row{19, 38, 57, 120, hasButton};
    QTEST(treeRowZone(row, x), "zone");
}

void TestTreeCtrl::outsideFlags_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<unsigned>("flags");
    QTest::newRow("inside") << QPoint(0, 0) << 0u;
    QTest::newRow("above") << QPoint(10, -1) << unsigned(TVHT_ABOVE);
    QTest::newRow("below") << QPoint(10, 50) << unsigned(TVHT_BELOW);
    QTest::newRow("left") << QPoint(-1, 10) << unsigned(TVHT_TOLEFT);
    QTest::newRow("right, above") << QPoint(100, -5) << unsigned(TVHT_TORIGHT | TVHT_ABOVE);
}

void TestTreeCtrl::outsideFlags()
{
    QFETCH(QPoint, point);
    QTEST(treeOutsideFlags(QSize(100, 50), point), "flags");
}

void TestTreeCtrl::everyRowShowsInTheFittedFont_data()
{
    // The desktop's font, the one the window's fit ended with, and the side
    // of the images that follows. Under scaling the fit takes the font down
    // as far as the screen needs, to 6.5 points at most.
    QTest::addColumn<qreal>("desktop");
    QTest::addColumn<qreal>("fitted");
    QTest::addColumn<int>("imageSide");
    QTest::newRow("100 %") << 9.0 << 9.0 << 16;
    QTest::newRow("150 %, half a point smaller") << 9.0 << 8.5 << 15;
    QTest::newRow("150 % on 1280 x 800") << 9.0 << 7.0 << 12;
    QTest::newRow("200 %, the smallest font") << 9.0 << 6.5 << 12;
    QTest::newRow("14 points") << 14.0 << 14.0 << 16;
    QTest::newRow("14 points on 1366 x 768") << 14.0 << 12.0 << 14;
}

// The practice tree: 80 dialog units tall, six rows, whatever the font.
void TestTreeCtrl::everyRowShowsInTheFittedFont()
{
    QFETCH(qreal, desktop);
    QFETCH(qreal, fitted);
    QFETCH(int, imageSide);
    QCOMPARE(treeImageSide(fitted, desktop), imageSide);
    const QFont before = QApplication::font();
    QFont desktopFont = before;
    desktopFont.setPointSizeF(desktop);
    QApplication::setFont(desktopFont);
    QWidget window;
    QFont windowFont = desktopFont;
    windowFont.setPointSizeF(fitted);
    window.setFont(windowFont);
    CImageList images;
    QVERIFY(images.LoadBitmap(163, 16, QColor(255, 0, 255)));
    auto* tree = new CTreeCtrl(&window);
    tree->SetImageList(images);
    tree->setGeometry(DialogUnits::fromFont(windowFont).toPixels(QRect(0, 0, 311, 80)));
    const HTREEITEM source = tree->InsertItem("Source Folder", 0, 0);
    tree->InsertItem("Click and Drag Me", 1, 1, source);
    tree->InsertItem("Another File", 1, 1, source);
    tree->Expand(source);
    tree->InsertItem("Just Another Folder", 0, 0);
    tree->InsertItem("Destination Folder", 0, 0);
    const HTREEITEM last = tree->InsertItem("Yet Another Folder", 0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setFont(before);
    const QRect lastRow = tree->GetItemRect(last);
    QVERIFY(!lastRow.isEmpty());
    QVERIFY2(lastRow.bottom() < tree->viewport()->height(),
             qPrintable(QString("row ends at %1 of %2").arg(lastRow.bottom()).arg(tree->viewport()->height())));
}

void TestTreeCtrl::hitTestOnRealRows_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("onFolder"); // the folder's row, else its child's
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<bool>("findsItem");
    QTest::addColumn<bool>("enlarged"); // the font grows after a first hit test
    QTest::newRow("folder label") << "label" << true << unsigned(TVHT_ONITEMLABEL) << true << false;
    QTest::newRow("folder image") << "image" << true << unsigned(TVHT_ONITEMICON) << true << false;
    QTest::newRow("folder button") << "button" << true << unsigned(TVHT_ONITEMBUTTON) << true << false;
    QTest::newRow("child indent") << "indent" << false << unsigned(TVHT_ONITEMINDENT) << true << false;
    QTest::newRow("child right of label") << "right" << false << unsigned(TVHT_ONITEMRIGHT) << true << false;
    QTest::newRow("empty space") << "below" << true << unsigned(TVHT_NOWHERE) << false << false;
    QTest::newRow("outside") << "outside" << true << unsigned(TVHT_BELOW) << false << false;
    QTest::newRow("label end") << "label end" << false << unsigned(TVHT_ONITEMLABEL) << true << false;
    QTest::newRow("label end, larger font") << "label end" << false << unsigned(TVHT_ONITEMLABEL) << true << true;
    QTest::newRow("past the label, larger font") << "past label" << true << unsigned(TVHT_ONITEMRIGHT) << true << true;
}

void TestTreeCtrl::hitTestOnRealRows()
{
    QFETCH(QString, where);
    QFETCH(bool, onFolder);
    CImageList images;
    QVERIFY(images.LoadBitmap(163, 16, QColor(255, 0, 255)));
    QCOMPARE(images.GetImageCount(), 2);
    CTreeCtrl tree;
    tree.resize(300, 150);
    tree.SetImageList(images);
    const HTREEITEM folder = tree.InsertItem("Folder", 0, 0);
    const HTREEITEM child = tree.InsertItem("Child", 1, 1, folder);
    tree.Expand(folder);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));

    const HTREEITEM item = onFolder ? folder : child;
    QFETCH(bool, enlarged);
    if (enlarged) {
        tree.HitTest(tree.GetItemRect(item).center()); // labels measured in the old font
        QFont font = tree.font();
        font.setPointSizeF(font.pointSizeF() * 2);
        tree.setFont(font);
        tree.doItemsLayout();
    }
    const QRect rect = tree.GetItemRect(item); // image and label
    QVERIFY(!rect.isEmpty());
    const int y = rect.center().y();
    QPoint point;
    if (where == "label")
        point = QPoint(rect.right() - 2, y);
    else if (where == "image")
        point = QPoint(rect.left() + 8, y);
    else if (where == "button")
        point = QPoint(rect.left() - tree.indentation() / 2, y);
    else if (where == "indent")
        point = QPoint(rect.left() - tree.indentation() - 4, y);
    else if (where == "right")
        point = QPoint(rect.right() + 10, y);
    else if (where == "label end" || where == "past label") {
        // Measured here, in the tree's font of the moment: the label's
        // coloured area is its text plus a margin of 2 on each side.
        const int end = rect.left() + 16 + 3 + tree.fontMetrics().horizontalAdvance(
                                                      tree.GetItemText(item)) + 4;
        point = QPoint(where == "label end" ? end - 1 : end, y);
    } else if (where == "below")
        point = QPoint(rect.left() + 8, tree.viewport()->height() - 3);
    else
        point = QPoint(rect.left() + 8, tree.viewport()->height() + 5);
    unsigned flags = 0;
    const HTREEITEM found = tree.HitTest(point, &flags);
    QTEST(flags, "flags");
    QFETCH(bool, findsItem);
    QCOMPARE(found, findsItem ? item : HTREEITEM(0));
}

void TestTreeCtrl::handlesAreNeverReused()
{
    CTreeCtrl tree;
    const HTREEITEM first = tree.InsertItem("A", 0, 0);
    const HTREEITEM child = tree.InsertItem("B", 1, 1, first);
    tree.DeleteAllItems();
    const HTREEITEM again = tree.InsertItem("A", 0, 0);
    QVERIFY(again != first && again != child);
    QVERIFY(!tree.ItemExists(first));
    QCOMPARE(tree.GetItemText(child), QString());
    QCOMPARE(tree.InsertItem("C", 1, 1, child), HTREEITEM(0));
    QVERIFY(!tree.DeleteItem(child));
    // Deleting a folder forgets its children too.
    const HTREEITEM inner = tree.InsertItem("D", 1, 1, again);
    QVERIFY(tree.DeleteItem(again));
    QVERIFY(!tree.ItemExists(inner));
    QCOMPARE(tree.topLevelItemCount(), 0);
}

void TestTreeCtrl::dropHighlightIsApartFromSelection()
{
    CTreeCtrl tree;
    const HTREEITEM a = tree.InsertItem("A", 0, 0);
    const HTREEITEM b = tree.InsertItem("B", 0, 0);
    QVERIFY(tree.SelectItem(a));
    QVERIFY(tree.SelectDropTarget(b));
    QCOMPARE(tree.GetSelectedItem(), a);
    QCOMPARE(tree.GetDropHilightItem(), b);
    tree.DeleteItem(b);
    QCOMPARE(tree.GetDropHilightItem(), HTREEITEM(0));
    QVERIFY(!tree.SelectDropTarget(b));
    QVERIFY(tree.SelectItem(0));
    QCOMPARE(tree.GetSelectedItem(), HTREEITEM(0));
}

void TestTreeCtrl::dragImageHoldsImageAndLabel()
{
    CImageList images;
    QVERIFY(images.LoadBitmap(163, 16, QColor(255, 0, 255)));
    CTreeCtrl tree;
    tree.SetImageList(images);
    const HTREEITEM item = tree.InsertItem("Click and Drag Me", 1, 1);
    const std::unique_ptr<CImageList> drag = tree.CreateDragImage(item);
    QVERIFY(drag);
    QCOMPARE(drag->GetImageCount(), 1);
    const QSize size = drag->GetImage(0).deviceIndependentSize().toSize();
    QVERIFY(size.width() > 16 + tree.fontMetrics().horizontalAdvance("Click and Drag Me"));
    QVERIFY(size.height() >= 16);
    QVERIFY(!tree.CreateDragImage(item + 1));
    // The magenta background of the images is see-through.
    QCOMPARE(images.GetImage(0).toImage().pixelColor(0, 0).alpha(), 0);
}

QTEST_MAIN(TestTreeCtrl)
#include "tst_treectrl.moc"
