#include "app/SavesTreeModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "app/ModelBinder.h"

namespace orv5::ui {

namespace {

bool IsNumberColumn(PanelColumn column) {
  switch (column) {
    case PanelColumn::Turn:
    case PanelColumn::Score:
    case PanelColumn::PlayTime:
    case PanelColumn::Sessions:
    case PanelColumn::ReloadRecords:
    case PanelColumn::Line:
      return true;
    default:
      return false;
  }
}

}  // namespace

SavesTreeModel::SavesTreeModel(SavesPanelModel& panel, QObject* parent) : QAbstractItemModel(parent), panel_(panel) {}

void SavesTreeModel::Regroup() {
  beginResetModel();
  panel_.Regroup();
  topRows_ = panel_.TopRows();
  const std::vector<PanelRow>& rows = panel_.Rows();
  positionInParent_.assign(rows.size(), 0);
  for (size_t i = 0; i < topRows_.size(); ++i) positionInParent_[static_cast<size_t>(topRows_[i])] = static_cast<int>(i);
  for (const PanelRow& row : rows) {
    for (size_t i = 0; i < row.Children.size(); ++i) positionInParent_[static_cast<size_t>(row.Children[i])] = static_cast<int>(i);
  }
  endResetModel();
}

const PanelRow* SavesTreeModel::RowAt(const QModelIndex& index) const {
  if (!index.isValid() || index.model() != this || index.internalId() >= panel_.Rows().size()) return nullptr;
  return &panel_.Rows()[index.internalId()];
}

QModelIndex SavesTreeModel::IndexOfEntry(int entry, int column) const {
  const int row = panel_.RowOfEntry(entry);
  if (row < 0) return {};
  return createIndex(positionInParent_[static_cast<size_t>(row)], column, static_cast<quintptr>(row));
}

const std::vector<int>& SavesTreeModel::ChildrenOf(const QModelIndex& parent) const {
  const PanelRow* row = RowAt(parent);
  return row ? row->Children : topRows_;
}

QModelIndex SavesTreeModel::index(int row, int column, const QModelIndex& parent) const {
  const std::vector<int>& children = ChildrenOf(parent);
  if (row < 0 || static_cast<size_t>(row) >= children.size() || column < 0 || column >= PanelColumnCount) return {};
  return createIndex(row, column, static_cast<quintptr>(children[static_cast<size_t>(row)]));
}

QModelIndex SavesTreeModel::parent(const QModelIndex& child) const {
  const PanelRow* row = RowAt(child);
  if (!row || row->Parent < 0) return {};
  return createIndex(positionInParent_[static_cast<size_t>(row->Parent)], 0, static_cast<quintptr>(row->Parent));
}

int SavesTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  return static_cast<int>(ChildrenOf(parent).size());
}

int SavesTreeModel::columnCount(const QModelIndex&) const { return PanelColumnCount; }

QVariant SavesTreeModel::data(const QModelIndex& index, int role) const {
  const PanelRow* row = RowAt(index);
  if (!row) return {};
  const auto column = static_cast<PanelColumn>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(row->Texts[static_cast<size_t>(index.column())]);
    case Qt::ToolTipRole:
      if (column == PanelColumn::Findings && !row->FindingsTip.empty()) return ToQString(row->FindingsTip);
      return column == PanelColumn::File ? ToQString(row->Texts[0]) : QVariant();
    case Qt::ForegroundRole:
      if (column == PanelColumn::Findings && row->Marked) return QBrush(QColor(0xA0, 0x40, 0x00));
      return {};
    case Qt::FontRole:
      if (row->Entry >= 0) return {};
      {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
    case Qt::TextAlignmentRole:
      return IsNumberColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case EntryRole:
      return row->Entry;
    case FileNameRole:
      return row->Entry >= 0 ? ToQString(row->Texts[0]) : QString();
    default:
      return {};
  }
}

QVariant SavesTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= PanelColumnCount) return {};
  return ToQString(std::string(PanelColumnTitle(static_cast<PanelColumn>(section))));
}

SavesSortProxy::SavesSortProxy(QObject* parent) : QSortFilterProxyModel(parent) {
  setRecursiveFilteringEnabled(true);
  setFilterRole(SavesTreeModel::FileNameRole);
  setFilterKeyColumn(static_cast<int>(PanelColumn::File));
  setFilterCaseSensitivity(Qt::CaseInsensitive);
}

bool SavesSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
  const auto* model = qobject_cast<const SavesTreeModel*>(sourceModel());
  const PanelRow* a = model ? model->RowAt(left) : nullptr;
  const PanelRow* b = model ? model->RowAt(right) : nullptr;
  if (!a || !b) return QSortFilterProxyModel::lessThan(left, right);
  const auto column = static_cast<size_t>(left.column());
  return a->Keys[column] < b->Keys[column];
}

}  // namespace orv5::ui
