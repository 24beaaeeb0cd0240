#include "qt/tree_view_widget.h"

#include <QApplication>
#include <QHeaderView>
#include <QPointer>
#include <QSignalBlocker>
#include <vector>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

namespace {

constexpr int kIndexRole = Qt::UserRole + 1;

std::vector<QTreeWidgetItem*> Items(QTreeWidget& view) {
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(&view); *it; ++it) items.push_back(*it);
  return items;
}

void Mirror(QTreeWidget& view, const ui::TreeView& tree) {
  QSignalBlocker block(&view);
  std::vector<QTreeWidgetItem*> items = Items(view);
  bool same = static_cast<int>(items.size()) == tree.count();
  for (int i = 0; same && i < tree.count(); ++i) {
    same = items[static_cast<std::size_t>(i)]->text(0) ==
           DisplayText(tree.nodes()[static_cast<std::size_t>(i)].text);
  }
  if (!same) {
    view.clear();
    items.clear();
    for (int i = 0; i < tree.count(); ++i) {
      const ui::TreeView::Node& node = tree.nodes()[static_cast<std::size_t>(i)];
      QTreeWidgetItem* item =
          node.parent < 0 ? Owned<QTreeWidgetItem>(&view)
                          : Owned<QTreeWidgetItem>(items[static_cast<std::size_t>(node.parent)]);
      item->setText(0, DisplayText(node.text));
      item->setData(0, kIndexRole, i);
      items.push_back(item);
    }
    view.expandAll();
  }
  const int selected = tree.selectedIndex();
  QTreeWidgetItem* wanted = selected >= 0 ? items[static_cast<std::size_t>(selected)] : nullptr;
  if (view.currentItem() != wanted) view.setCurrentItem(wanted);
  if (!wanted) view.clearSelection();
}

int IndexOf(const QTreeWidgetItem* item) {
  return item ? item->data(0, kIndexRole).toInt() : -1;
}

}  // namespace

QTreeWidget* MakeTreeViewWidget(ui::TreeView& tree, QWidget* parent) {
  auto* view = Owned<QTreeWidget>(parent);
  view->setHeaderHidden(true);
  view->setColumnCount(1);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  ControlLink& link = Link(*view, tree, [view, &tree] { Mirror(*view, tree); });

  auto click = [view, &link, &tree](QTreeWidgetItem* item) {
    const int index = IndexOf(item);
    if (index < 0) return;
    QPointer<QTreeWidget> alive(view);
    CallModel([&] { tree.click(index); });
    if (alive) link.apply();
  };
  QObject::connect(view, &QTreeWidget::itemClicked, view, click);
  // The keyboard moves the selection without a click; a mouse press is followed by its click.
  QObject::connect(view, &QTreeWidget::currentItemChanged, view, [click](QTreeWidgetItem* current) {
    if (QApplication::mouseButtons() == Qt::NoButton) click(current);
  });
  return view;
}

}  // namespace qtui
