#include "common/platform/controls/CTreeCtrl.h"

#include "common/platform/controls/CImageList.h"
#include "common/platform/dialog/LayoutFit.h"

#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kHandleRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kSelectedImageRole = Qt::UserRole + 2;
constexpr int kImageSize = 16; // at the desktop's font size
constexpr int kImageGap = 3;
constexpr int kLabelMargin = 2;
// The classic look: navy with white text marks where a drop would land.
const QColor kDropHiliteColor(0, 0, 128);

// The width of a label's coloured area.
int measureLabel(const QFontMetrics& metrics, const QString& text)
{
    return metrics.horizontalAdvance(text) + 2 * kLabelMargin;
}

} // namespace

int treeImageSide(qreal fontPoints, qreal desktopPoints)
{
    return std::max(1, qRound(kImageSize * pictureScale(fontPoints, desktopPoints)));
}

int treeRowHeight(int fontHeight, int imageSide) { return std::max(imageSide, fontHeight) + 2; }

unsigned treeRowZone(const TreeRowGeometry& row, int x)
{
    if (x < row.buttonLeft)
        return TVHT_ONITEMINDENT;
    if (x < row.itemLeft)
        return row.hasButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    if (x < row.labelLeft)
        return TVHT_ONITEMICON;
    if (x < row.labelRight)
        return TVHT_ONITEMLABEL;
    return TVHT_ONITEMRIGHT;
}

unsigned treeOutsideFlags(const QSize& size, const QPoint& point)
{
    unsigned flags = 0;
    if (point.y() < 0)
        flags |= TVHT_ABOVE;
    else if (point.y() >= size.height())
        flags |= TVHT_BELOW;
    if (point.x() < 0)
        flags |= TVHT_TOLEFT;
    else if (point.x() >= size.width())
        flags |= TVHT_TORIGHT;
    return flags;
}

// Paints an item as the classic tree does: image, then the label alone on
// the selection or drop-highlight colour, so the coloured area is exactly
// the part of the row that counts as "on the item".
class CTreeItemDelegate : public QStyledItemDelegate {
public:
    explicit CTreeItemDelegate(CTreeCtrl* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QFontMetrics metrics(option.font);
        const int side = m_tree->m_imageSide;
        const int width = side + kImageGap + measureLabel(metrics, index.data().toString());
        return QSize(width, treeRowHeight(metrics.height(), side));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const TreeRowGeometry row = m_tree->rowGeometry(index);
        const QRect rect = option.rect;
        QTreeWidgetItem* item = m_tree->itemFromIndex(index);
        const QPixmap image = m_tree->imageOf(item);
        if (!image.isNull()) {
            const int side = m_tree->m_imageSide;
            painter->drawPixmap(QRect(row.itemLeft, rect.top() + (rect.height() - side) / 2, side,
                                      side),
                                image);
        }
        const QRect label(row.labelLeft, rect.top(), row.labelRight - row.labelLeft, rect.height());
        const bool dropTarget = m_tree->m_dropHilite != 0 && m_tree->handleOf(item) == m_tree->m_dropHilite;
        const bool selected = item && item->isSelected();
        const QPalette::ColorGroup group = m_tree->hasFocus() ? QPalette::Active : QPalette::Inactive;
        // The tree's own palette: the row's has its highlight blanked out.
        const QPalette& palette = m_tree->palette();
        QColor text = palette.color(group, QPalette::Text);
        if (dropTarget) {
            painter->fillRect(label, kDropHiliteColor);
            text = Qt::white;
        } else if (selected && m_tree->m_dropHilite == 0) {
            painter->fillRect(label, palette.color(group, QPalette::Highlight));
            text = palette.color(group, QPalette::HighlightedText);
        }
        painter->setPen(text);
        painter->setFont(option.font);
        painter->drawText(label.adjusted(kLabelMargin, 0, -kLabelMargin, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
        if (option.state.testFlag(QStyle::State_HasFocus) && m_tree->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(m_tree);
            focus.rect = label;
            focus.state |= QStyle::State_KeyboardFocusChange;
            focus.backgroundColor = palette.color(group, QPalette::Base);
            m_tree->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_tree);
        }
    }

private:
    CTreeCtrl* m_tree;
};

CTreeCtrl::CTreeCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setIndentation(19);
    followFont();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setExpandsOnDoubleClick(false);
    setAnimated(false);
    setUniformRowHeights(true);
    setItemDelegate(new CTreeItemDelegate(this));
    header()->setStretchLastSection(true);
}

void CTreeCtrl::SetImageList(const CImageList& images)
{
    m_images.clear();
    for (int i = 0; i < images.GetImageCount(); ++i)
        m_images << images.GetImage(i);
    viewport()->update();
}

HTREEITEM CTreeCtrl::handleOf(const QTreeWidgetItem* item) const
{
    return item ? item->data(0, kHandleRole).value<HTREEITEM>() : 0;
}

QPixmap CTreeCtrl::imageOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const int role = item->isSelected() ? kSelectedImageRole : kImageRole;
    return m_images.value(item->data(0, role).toInt());
}

HTREEITEM CTreeCtrl::InsertItem(const QString& text, int image, int selectedImage, HTREEITEM parent)
{
    QTreeWidgetItem* parentItem = nullptr;
    if (parent != 0) {
        parentItem = itemOf(parent);
        if (!parentItem)
            return 0;
    }
    auto* item = new QTreeWidgetItem(QStringList{text});
    const HTREEITEM handle = ++m_lastHandle;
    item->setData(0, kHandleRole, QVariant::fromValue(handle));
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (parentItem)
        parentItem->addChild(item);
    else
        addTopLevelItem(item);
    m_items.insert(handle, item);
    return handle;
}

void CTreeCtrl::forget(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    const HTREEITEM handle = handleOf(item);
    m_items.remove(handle);
    if (handle == m_dropHilite)
        m_dropHilite = 0;
    if (handle == m_pressItem)
        m_pressItem = 0;
}

bool CTreeCtrl::DeleteItem(HTREEITEM handle)
{
    QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return false;
    forget(item);
    delete item;
    return true;
}

void CTreeCtrl::DeleteAllItems()
{
    m_items.clear();
    m_dropHilite = 0;
    m_pressItem = 0;
    m_pressPending = false;
    clear();
}

bool CTreeCtrl::Expand(HTREEITEM handle)
{
    QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return false;
    // Also for a folder that is still empty: the children it receives later
    // show at once.
    item->setExpanded(true);
    return true;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    return item ? handleOf(item->parent()) : 0;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    return item && item->childCount() > 0 ? handleOf(item->child(0)) : 0;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM handle) const
{
    QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return 0;
    if (QTreeWidgetItem* parent = item->parent())
        return handleOf(parent->child(parent->indexOfChild(item) + 1));
    return handleOf(topLevelItem(indexOfTopLevelItem(item) + 1));
}

HTREEITEM CTreeCtrl::GetRootItem() const { return handleOf(topLevelItem(0)); }

QString CTreeCtrl::GetItemText(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    return item ? item->text(0) : QString();
}

bool CTreeCtrl::ItemHasChildren(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    return item && item->childCount() > 0;
}

bool CTreeCtrl::IsExpanded(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    return item && item->isExpanded();
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : handleOf(selected.first());
}

bool CTreeCtrl::SelectItem(HTREEITEM handle)
{
    if (handle == 0) {
        clearSelection();
        setCurrentItem(nullptr);
        return true;
    }
    QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return false;
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

bool CTreeCtrl::SelectDropTarget(HTREEITEM handle)
{
    if (handle != 0 && !itemOf(handle))
        return false;
    if (handle != m_dropHilite) {
        m_dropHilite = handle;
        viewport()->update();
    }
    return true;
}

TreeRowGeometry CTreeCtrl::rowGeometry(const QModelIndex& index) const
{
    // visualRect() starts after the indent; the expand button sits in the
    // last indent column, as the branch lines are drawn.
    const QRect item = visualRect(index);
    TreeRowGeometry row;
    row.itemLeft = item.left();
    row.buttonLeft = item.left() - indentation();
    row.hasButton = model()->hasChildren(index);
    const bool hasImage = !imageOf(itemFromIndex(index)).isNull();
    row.labelLeft = row.itemLeft + (hasImage ? m_imageSide + kImageGap : 0);
    row.labelRight = row.labelLeft + labelWidth(index.data().toString());
    return row;
}

int CTreeCtrl::labelWidth(const QString& text) const
{
    auto found = m_labelWidths.constFind(text);
    if (found == m_labelWidths.cend())
        found = m_labelWidths.insert(text, measureLabel(QFontMetrics(font()), text));
    return *found;
}

void CTreeCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_labelWidths.clear();
        followFont();
    }
    QTreeWidget::changeEvent(event);
}

void CTreeCtrl::followFont()
{
    // Where the window's font was made smaller to fit the screen, the images
    // shrink with it, so that rows as many as the layout holds still show.
    m_imageSide = treeImageSide(QFontInfo(font()).pointSizeF(),
                                QFontInfo(QApplication::font()).pointSizeF());
    setIconSize(QSize(m_imageSide, m_imageSide));
}

HTREEITEM CTreeCtrl::HitTest(const QPoint& clientPoint, unsigned* flags) const
{
    unsigned zone = treeOutsideFlags(viewport()->size(), clientPoint);
    HTREEITEM found = 0;
    if (zone == 0) {
        const QModelIndex index = indexAt(clientPoint);
        if (index.isValid()) {
            found = handleOf(itemFromIndex(index));
            zone = treeRowZone(rowGeometry(index), clientPoint.x());
        } else {
            zone = TVHT_NOWHERE;
        }
    }
    if (flags)
        *flags = zone;
    return found;
}

QPoint CTreeCtrl::ScreenToClient(const QPoint& screenPoint) const
{
    return viewport()->mapFromGlobal(screenPoint);
}

QPoint CTreeCtrl::ClientToScreen(const QPoint& clientPoint) const
{
    return viewport()->mapToGlobal(clientPoint);
}

QRect CTreeCtrl::GetItemRect(HTREEITEM handle) const
{
    QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return {};
    const QModelIndex index = indexFromItem(item);
    const QRect rect = visualRect(index);
    if (rect.isEmpty())
        return {};
    const TreeRowGeometry row = rowGeometry(index);
    return QRect(row.itemLeft, rect.top(), row.labelRight - row.itemLeft, rect.height());
}

std::unique_ptr<CImageList> CTreeCtrl::CreateDragImage(HTREEITEM handle) const
{
    const QTreeWidgetItem* item = itemOf(handle);
    if (!item)
        return nullptr;
    const QFontMetrics metrics(font());
    const QString text = item->text(0);
    const QPixmap image = m_images.value(item->data(0, kImageRole).toInt());
    const int labelLeft = image.isNull() ? 0 : m_imageSide + kImageGap;
    const QSize size(labelLeft + labelWidth(text), treeRowHeight(metrics.height(), m_imageSide));
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    if (!image.isNull())
        painter.drawPixmap(
            QRect(0, (size.height() - m_imageSide) / 2, m_imageSide, m_imageSide), image);
    const QRect label(labelLeft, 0, size.width() - labelLeft, size.height());
    painter.fillRect(label, palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(font());
    painter.drawText(label.adjusted(kLabelMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    return std::make_unique<CImageList>(QList<QPixmap>{picture});
}

void CTreeCtrl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    unsigned flags = 0;
    const QPoint point = event->position().toPoint();
    const HTREEITEM item = HitTest(point, &flags);
    m_pressPending = true;
    m_pressPoint = point;
    m_pressItem = (flags & TVHT_ONITEM) ? item : 0;
    if (flags & TVHT_ONITEMBUTTON) {
        QTreeWidgetItem* folder = itemOf(item);
        folder->setExpanded(!folder->isExpanded());
    }
}

void CTreeCtrl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!m_pressPending || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPoint).manhattanLength() <
        QApplication::startDragDistance())
        return;
    m_pressPending = false;
    if (const HTREEITEM item = m_pressItem) {
        m_pressItem = 0;
        Q_EMIT beginDrag(item, m_pressPoint);
    }
}

void CTreeCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressPending)
        return;
    m_pressPending = false;
    if (m_pressItem)
        SelectItem(m_pressItem);
    m_pressItem = 0;
    Q_EMIT clicked();
}

void CTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click opens or closes a folder; it is
    // neither a click nor the start of a drag.
    event->accept();
    m_pressPending = false;
    m_pressItem = 0;
    if (event->button() != Qt::LeftButton)
        return;
    unsigned flags = 0;
    QTreeWidgetItem* item = itemOf(HitTest(event->position().toPoint(), &flags));
    if (item && (flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)) && item->childCount() > 0)
        item->setExpanded(!item->isExpanded());
}

void CTreeCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const
{
    // The view would colour the whole row of the selected item, lines and
    // indent included; only its label is coloured, by the item delegate.
    QStyleOptionViewItem row = option;
    row.state &= ~QStyle::State_Selected;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        row.palette.setColor(group, QPalette::Highlight, row.palette.color(group, QPalette::Base));
    QTreeWidget::drawRow(painter, row, index);
}

void CTreeCtrl::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    // Dotted lines join each item to its parent and siblings; folders with
    // children carry a small plus or minus box.
    const int step = indentation();
    const int midY = rect.top() + rect.height() / 2;
    QPen dotted(palette().color(QPalette::Dark), 1, Qt::DotLine);
    painter->save();
    painter->setPen(dotted);

    int depth = 0;
    for (QModelIndex i = index.parent(); i.isValid(); i = i.parent())
        ++depth;
    auto hasNextSibling = [](const QModelIndex& i) { return i.sibling(i.row() + 1, 0).isValid(); };
    const int right = rect.left() + (depth + 1) * step;
    // Ancestors' columns: a line runs on while that ancestor has more siblings.
    int level = depth;
    for (QModelIndex ancestor = index.parent(); ancestor.isValid(); ancestor = ancestor.parent()) {
        --level;
        if (hasNextSibling(ancestor)) {
            const int x = rect.left() + level * step + step / 2;
            painter->drawLine(x, rect.top(), x, rect.bottom());
        }
    }
    // The item's own column.
    const int x = right - step + step / 2;
    const bool first = index.row() == 0 && !index.parent().isValid();
    painter->drawLine(x, first ? midY : rect.top(), x, hasNextSibling(index) ? rect.bottom() : midY);
    painter->drawLine(x, midY, right - 2, midY);
    if (model()->hasChildren(index)) {
        const QRect box(x - 4, midY - 4, 8, 8);
        painter->setPen(palette().color(QPalette::Mid));
        painter->fillRect(box, palette().color(QPalette::Base));
        painter->drawRect(box);
        painter->setPen(palette().color(QPalette::Text));
        painter->drawLine(box.left() + 2, midY, box.right() - 2, midY);
        if (!isExpanded(index))
            painter->drawLine(x, box.top() + 2, x, box.bottom() - 2);
    }
    painter->restore();
}
