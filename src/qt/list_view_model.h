#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "ui/list_view.h"
#include "ui/signal.h"

namespace qtui {

// A Qt item model over a list view of the widget model. It holds no rows of its own: every
// question goes to the list, and the list's row announcements become Qt's, so a million rows
// cost nothing until they are shown.
class ListViewModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ListViewModel(ui::ListView& list, QObject* parent = nullptr);

  ui::ListView& list() const { return list_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A check mark set from the view is the user clicking the row's box.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  // The list's announcements come after the change; Qt hears of it in the same order.
  void onRowsInserted(int first, int count);
  void onRowsRemoved(int first, int count);
  void onRowChanged(int row);
  void onReset();
  // Columns, check boxes and icons.
  void onListChanged();
  int columns() const;

  ui::ListView& list_;
  std::vector<ui::ListColumn> shownColumns_;
  bool shownCheckBoxes_ = false;
  std::vector<std::string> shownIconNames_;
  std::vector<QIcon> icons_;
  int shownRows_ = 0;
  std::vector<ui::Connection> connections_;
};

}  // namespace qtui
