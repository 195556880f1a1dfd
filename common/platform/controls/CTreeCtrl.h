#pragma once

#include <QHash>
#include <QTreeWidget>

#include <memory>

class CImageList;

// An item's handle: stable until the item is deleted and never reused, so a
// handle kept across a rebuild of the tree finds nothing instead of a
// stranger. 0 is no item (and, as a parent, the top level).
using HTREEITEM = quint64;

// Where a point lies relative to the tree's items.
enum TreeHitFlags : unsigned {
    TVHT_NOWHERE = 0x0001, // inside the tree, below the last item
    TVHT_ONITEMICON = 0x0002,
    TVHT_ONITEMLABEL = 0x0004,
    TVHT_ONITEMINDENT = 0x0008,
    TVHT_ONITEMBUTTON = 0x0010,
    TVHT_ONITEMRIGHT = 0x0020,
    TVHT_ONITEMSTATEICON = 0x0040,
    TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON,
    TVHT_ABOVE = 0x0100,
    TVHT_BELOW = 0x0200,
    TVHT_TORIGHT = 0x0400,
    TVHT_TOLEFT = 0x0800,
};

// The horizontal layout of one row: the indent column that holds the expand
// button, the start of the item (its image, if any), and its label.
struct TreeRowGeometry {
    int buttonLeft = 0;
    int itemLeft = 0;
    int labelLeft = 0;
    int labelRight = 0; // exclusive
    bool hasButton = false;
};

// The side of an item's image in a tree whose font is `fontPoints` where the
// desktop's is `desktopPoints`: its own 16 pixels, less where the font is
// smaller than the desktop's.
int treeImageSide(qreal fontPoints, qreal desktopPoints);
// A row's height: the taller of its image and its text, and a pixel above
// and below.
int treeRowHeight(int fontHeight, int imageSide);

// The zone of a point at `x` in a row.
unsigned treeRowZone(const TreeRowGeometry& row, int x);
// The flags of a point outside the tree's client area of `size`; 0 inside.
unsigned treeOutsideFlags(const QSize& size, const QPoint& point);

// The tree view of the classic common controls: items addressed by handles,
// a hit test that tells an item's image and label from the rest of its row,
// a drop highlight distinct from the selection, and its own drag detection.
// Coordinates called "client" are the item area's (inside the border).
class CTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CTreeCtrl(QWidget* parent = nullptr);

    // The images that items name by index; the tree keeps no copy of the list
    // object, only its images.
    void SetImageList(const CImageList& images);

    // Appends an item as the last child of `parent` (0: the top level).
    HTREEITEM InsertItem(const QString& text, int image, int selectedImage, HTREEITEM parent = 0);
    // Deletes an item with its subtree; false when the handle names nothing.
    bool DeleteItem(HTREEITEM item);
    void DeleteAllItems();
    bool Expand(HTREEITEM item);

    bool ItemExists(HTREEITEM item) const { return m_items.contains(item); }
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetRootItem() const;
    QString GetItemText(HTREEITEM item) const;
    bool ItemHasChildren(HTREEITEM item) const;
    bool IsExpanded(HTREEITEM item) const;

    HTREEITEM GetSelectedItem() const;
    // Selects the item and brings it into view; 0 clears the selection.
    bool SelectItem(HTREEITEM item);
    // Marks the item as the target of a drop; 0 clears the mark.
    bool SelectDropTarget(HTREEITEM item);
    HTREEITEM GetDropHilightItem() const { return m_dropHilite; }

    HTREEITEM HitTest(const QPoint& clientPoint, unsigned* flags = nullptr) const;
    QPoint ScreenToClient(const QPoint& screenPoint) const;
    QPoint ClientToScreen(const QPoint& clientPoint) const;
    // The rectangle of the item's image and label in client coordinates;
    // empty when the item is not shown.
    QRect GetItemRect(HTREEITEM item) const;

    // The item's image and label side by side, as it follows the cursor in a
    // drag; null when the handle names nothing.
    std::unique_ptr<CImageList> CreateDragImage(HTREEITEM item) const;

Q_SIGNALS:
    // The left button went down on an item's image or label and the mouse
    // moved the system's drag distance with it held; `point` is where the
    // button went down, in client coordinates.
    void beginDrag(HTREEITEM item, const QPoint& point);
    // A press and release of the left button on the tree that did not
    // become a drag.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    void changeEvent(QEvent* event) override;

private:
    friend class CTreeItemDelegate;

    QTreeWidgetItem* itemOf(HTREEITEM handle) const { return m_items.value(handle); }
    HTREEITEM handleOf(const QTreeWidgetItem* item) const;
    void forget(QTreeWidgetItem* item);
    TreeRowGeometry rowGeometry(const QModelIndex& index) const;
    QPixmap imageOf(const QTreeWidgetItem* item) const;
    // The label's coloured width in the tree's font, measured once per text:
    // the hover poll hit-tests ten times a second.
    int labelWidth(const QString& text) const;

    void followFont();

    QList<QPixmap> m_images;
    int m_imageSide = 16;
    mutable QHash<QString, int> m_labelWidths;
    QHash<HTREEITEM, QTreeWidgetItem*> m_items;
    HTREEITEM m_lastHandle = 0;
    HTREEITEM m_dropHilite = 0;
    // The press that may still become a drag or a click.
    bool m_pressPending = false;
    HTREEITEM m_pressItem = 0;
    QPoint m_pressPoint;
};
