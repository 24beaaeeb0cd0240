#include "qt/list_view_model.h"

#include "qt/display_text.h"
#include "qt/model_call.h"

namespace qtui {

namespace {

bool SameColumns(const std::vector<ui::ListColumn>& a, const std::vector<ui::ListColumn>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].caption != b[i].caption || a[i].alignRight != b[i].alignRight) return false;
  }
  return true;
}

}  // namespace

ListViewModel::ListViewModel(ui::ListView& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {
  shownColumns_ = list_.columns();
  shownCheckBoxes_ = list_.checkBoxes();
  shownIconNames_ = list_.iconNames();
  for (const std::string& name : shownIconNames_)
    icons_.push_back(QIcon::fromTheme(QString::fromStdString(name)));
  shownRows_ = list_.rowCount();
  connections_.push_back(
      list_.rowsInserted.connect([this](int first, int count) { onRowsInserted(first, count); }));
  connections_.push_back(
      list_.rowsRemoved.connect([this](int first, int count) { onRowsRemoved(first, count); }));
  connections_.push_back(list_.rowChanged.connect([this](int row) { onRowChanged(row); }));
  connections_.push_back(list_.rowsReset.connect([this] { onReset(); }));
  connections_.push_back(list_.changed.connect([this] { onListChanged(); }));
}

int ListViewModel::columns() const {
  return qMax(1, static_cast<int>(shownColumns_.size()));
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownRows_;
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns();
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= list_.rowCount() || index.row() >= shownRows_) return {};
  const ui::ListRow& row = list_.row(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
      if (column < row.cells.size()) return DisplayText(row.cells[column]);
      return {};
    case Qt::CheckStateRole:
      if (column == 0 && shownCheckBoxes_) return row.checked ? Qt::Checked : Qt::Unchecked;
      return {};
    case Qt::DecorationRole:
      if (column == 0 && row.imageIndex >= 0 &&
          static_cast<std::size_t>(row.imageIndex) < icons_.size()) {
        return icons_[static_cast<std::size_t>(row.imageIndex)];
      }
      return {};
    case Qt::TextAlignmentRole:
      if (column < shownColumns_.size() && shownColumns_[column].alignRight) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      }
      return {};
    default:
      return {};
  }
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0) return {};
  const auto column = static_cast<std::size_t>(section);
  if (column >= shownColumns_.size()) return {};
  if (role == Qt::DisplayRole) return DisplayText(shownColumns_[column].caption);
  if (role == Qt::TextAlignmentRole && shownColumns_[column].alignRight) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == 0 && shownCheckBoxes_) result |= Qt::ItemIsUserCheckable;
  return result;
}

bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::CheckStateRole || !index.isValid() || index.column() != 0) return false;
  const int row = index.row();
  const bool wanted = value.toInt() == Qt::Checked;
  bool done = false;
  CallModel([&] {
    if (row < list_.rowCount() && list_.checked(row) != wanted) list_.toggle(row);
    done = row < list_.rowCount() && list_.checked(row) == wanted;
  });
  return done;
}

void ListViewModel::onRowsInserted(int first, int count) {
  beginInsertRows({}, first, first + count - 1);
  shownRows_ += count;
  endInsertRows();
}

void ListViewModel::onRowsRemoved(int first, int count) {
  beginRemoveRows({}, first, first + count - 1);
  shownRows_ -= count;
  endRemoveRows();
}

void ListViewModel::onRowChanged(int row) {
  Q_EMIT dataChanged(index(row, 0), index(row, columns() - 1));
}

void ListViewModel::onReset() {
  beginResetModel();
  shownRows_ = list_.rowCount();
  endResetModel();
}

void ListViewModel::onListChanged() {
  if (!SameColumns(shownColumns_, list_.columns())) {
    beginResetModel();
    shownColumns_ = list_.columns();
    shownCheckBoxes_ = list_.checkBoxes();
    shownRows_ = list_.rowCount();
    endResetModel();
  } else {
    shownColumns_ = list_.columns();  // widths only
  }
  if (shownCheckBoxes_ != list_.checkBoxes() || shownIconNames_ != list_.iconNames()) {
    shownCheckBoxes_ = list_.checkBoxes();
    shownIconNames_ = list_.iconNames();
    icons_.clear();
    for (const std::string& name : shownIconNames_) {
      icons_.push_back(QIcon::fromTheme(QString::fromStdString(name)));
    }
    if (shownRows_ > 0) Q_EMIT dataChanged(index(0, 0), index(shownRows_ - 1, columns() - 1));
  }
}

}  // namespace qtui
