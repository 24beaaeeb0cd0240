#pragma once

#include <QTreeWidget>

#include "ui/tree_view.h"

namespace qtui {

// A tree view, always expanded; a click on a node calls the model's click, and the selected
// node is the model's.
QTreeWidget* MakeTreeViewWidget(ui::TreeView& tree, QWidget* parent);

}  // namespace qtui
