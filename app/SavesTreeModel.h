#pragma once
// The saves panel's rows as a Qt tree model: games at the top with their saves along the lines
// of play, and the group of files that are not compared. The rows themselves, their texts and
// sort keys come from views/SavesPanel; this class only presents them.
#include <QAbstractItemModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "views/SavesPanel.h"

namespace orv5::ui {

class SavesTreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  enum Role { EntryRole = Qt::UserRole + 1, FileNameRole };

  explicit SavesTreeModel(SavesPanelModel& panel, QObject* parent = nullptr);

  // Regroups the panel's entries and presents the new rows.
  void Regroup();
  const SavesPanelModel& Panel() const { return panel_; }
  // The index of an entry's row, invalid when it has none.
  QModelIndex IndexOfEntry(int entry, int column = 0) const;
  const PanelRow* RowAt(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const std::vector<int>& ChildrenOf(const QModelIndex& parent) const;

  SavesPanelModel& panel_;
  std::vector<int> topRows_;
  std::vector<int> positionInParent_;  // per row: its place among its parent's children
};

// Sorts by the panel's keys and keeps the rows whose file name holds the filter text, with
// the game rows above them.
class SavesSortProxy : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit SavesSortProxy(QObject* parent = nullptr);

 protected:
  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

}  // namespace orv5::ui
