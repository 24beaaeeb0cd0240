#include "qt/list_view_widget.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <memory>

#include "qt/control_link.h"
#include "qt/list_view_model.h"
#include "qt/model_call.h"
#include "qt/owned.h"
#include "qt/popup_menu_view.h"

namespace qtui {

namespace {

struct SyncState {
  bool mirroring = false;
  std::vector<int> widths;
};

void Mirror(QTreeView& view, const ui::ListView& list, SyncState& state) {
  state.mirroring = true;
  view.setHeaderHidden(list.viewStyle() != ui::ListViewStyle::Report);
  std::vector<int> widths;
  for (const ui::ListColumn& column : list.columns()) widths.push_back(column.width);
  if (widths != state.widths) {
    state.widths = widths;
    for (std::size_t i = 0; i < widths.size(); ++i) {
      view.setColumnWidth(static_cast<int>(i), widths[i]);
    }
  }
  const QModelIndex current = view.currentIndex();
  const int selected = list.selectedIndex();
  if (selected < 0) {
    if (current.isValid()) view.selectionModel()->clear();
  } else if (!current.isValid() || current.row() != selected) {
    view.selectionModel()->setCurrentIndex(
        view.model()->index(selected, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  state.mirroring = false;
}

}  // namespace

QTreeView* MakeListViewWidget(ui::ListView& list, QWidget* parent) {
  auto* view = Owned<QTreeView>(parent);
  auto* model = Owned<ListViewModel>(list, view);
  view->setModel(model);
  view->setUniformRowHeights(true);
  view->setRootIsDecorated(false);
  view->setItemsExpandable(false);
  view->setAllColumnsShowFocus(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->header()->setStretchLastSection(true);

  auto state = std::make_shared<SyncState>();
  ControlLink& link = Link(*view, list, [view, &list, state] { Mirror(*view, list, *state); });
  // A reset forgets the current row; the model's selection stays.
  QObject::connect(model, &QAbstractItemModel::modelReset, view, [&link] { link.apply(); });

  QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                   [view, &link, &list, state](const QModelIndex& current) {
                     if (state->mirroring) return;
                     QPointer<QTreeView> alive(view);
                     const int row = current.isValid() ? current.row() : -1;
                     CallModel([&] {
                       if (row < list.rowCount() && row != list.selectedIndex()) list.select(row);
                     });
                     if (alive) link.apply();
                   });
  QObject::connect(view, &QTreeView::doubleClicked, view, [&list](const QModelIndex& index) {
    if (index.isValid()) CallModel([&] { list.activate(index.row()); });
  });
  if (list.contextMenu != nullptr) {
    Owned<PopupMenuView>(*list.contextMenu, view);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(view, &QWidget::customContextMenuRequested, view,
                     [view, &list](const QPoint& at) {
                       const QModelIndex index = view->indexAt(at);
                       CallModel([&] { list.openContextMenu(index.isValid() ? index.row() : -1); });
                     });
  }
  return view;
}

}  // namespace qtui
