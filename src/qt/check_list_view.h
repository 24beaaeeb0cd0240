#pragma once

#include <QListWidget>

#include "ui/check_list.h"

namespace qtui {

// A check list: items with check boxes; ticking one calls the model's toggle, choosing one its
// select.
QListWidget* MakeCheckListView(ui::CheckList& list, QWidget* parent);

}  // namespace qtui
