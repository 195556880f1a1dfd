#include "tests/support/TreeItems.h"

namespace {
HTREEITEM findFrom(const CTreeCtrl& tree, const QString& label, HTREEITEM first)
{
    for (HTREEITEM item = first; item != 0; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == label)
            return item;
        if (const HTREEITEM inner = findFrom(tree, label, tree.GetChildItem(item)))
            return inner;
    }
    return 0;
}
} // namespace

HTREEITEM findTreeItem(const CTreeCtrl& tree, const QString& label)
{
    return findFrom(tree, label, tree.GetRootItem());
}
