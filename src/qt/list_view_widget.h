#pragma once

#include <QTreeView>

#include "ui/list_view.h"

namespace qtui {

// A list view in a flat tree view over a ListViewModel: check boxes call the model's toggle,
// choosing a row its select, a double-click its activate.
QTreeView* MakeListViewWidget(ui::ListView& list, QWidget* parent);

}  // namespace qtui
