#include "qt/check_list_view.h"

#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "qt/control_link.h"
#include "qt/display_text.h"
#include "qt/model_call.h"
#include "qt/owned.h"

namespace qtui {

namespace {

// Rows with a little air between them: the lists are short and read as options.
class RoomyRows : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 5);
  }
};

void Mirror(QListWidget& view, const ui::CheckList& list) {
  QSignalBlocker block(&view);
  bool sameItems = view.count() == list.count();
  for (int i = 0; sameItems && i < list.count(); ++i) {
    sameItems = view.item(i)->text() == DisplayText(list.text(i));
  }
  if (!sameItems) {
    view.clear();
    for (int i = 0; i < list.count(); ++i) {
      auto* item = Owned<QListWidgetItem>(DisplayText(list.text(i)), &view);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
  }
  for (int i = 0; i < list.count(); ++i) {
    view.item(i)->setCheckState(list.checked(i) ? Qt::Checked : Qt::Unchecked);
  }
  if (view.currentRow() != list.selectedIndex()) view.setCurrentRow(list.selectedIndex());
}

}  // namespace

QListWidget* MakeCheckListView(ui::CheckList& list, QWidget* parent) {
  auto* view = Owned<QListWidget>(parent);
  view->setItemDelegate(Owned<RoomyRows>(view));
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  ControlLink& link = Link(*view, list, [view, &list] { Mirror(*view, list); });

  QObject::connect(view, &QListWidget::itemChanged, view,
                   [view, &link, &list](QListWidgetItem* item) {
                     QPointer<QListWidget> alive(view);
                     const int index = view->row(item);
                     const bool checked = item->checkState() == Qt::Checked;
                     CallModel([&] {
                       if (index >= 0 && index < list.count() && list.checked(index) != checked)
                         list.toggle(index);
                     });
                     // The model may have refused the change.
                     if (alive) link.apply();
                   });
  QObject::connect(view, &QListWidget::currentRowChanged, view, [view, &link, &list](int index) {
    QPointer<QListWidget> alive(view);
    CallModel([&] {
      if (index >= 0 && index < list.count()) list.select(index);
    });
    if (alive) link.apply();
  });
  return view;
}

}  // namespace qtui
