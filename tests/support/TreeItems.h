#pragma once

#include "common/platform/controls/CTreeCtrl.h"

#include <QString>

// The first item, in the order the tree shows them, whose label is `label`;
// 0 when there is none.
HTREEITEM findTreeItem(const CTreeCtrl& tree, const QString& label);
