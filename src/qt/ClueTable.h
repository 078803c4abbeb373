#pragma once
// The clue list Grid1: a two-column view over the puzzle's clue list, across rows white and down
// rows silver, text in navy. Row changes by the user are reported; the program's own changes of
// the current row are shown without being reported back.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <string>
#include <vector>

#include "core/Puzzle.h"

namespace gx {

class ClueModel : public QAbstractTableModel {
 public:
  explicit ClueModel(const Puzzle& puzzle, QObject* parent = nullptr) : QAbstractTableModel(parent), puzzle_(puzzle) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The clue of a slot's row is edited in place; what the user keeps goes to the core.
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  std::function<void(int row, const QString& text)> on_edit;
  // Tells the view what changed in the clue list since the last call.
  void Refresh();

 private:
  const Puzzle& puzzle_;
  int shown_rows_ = ClueList::MaxRows;
  std::vector<std::string> shown_cells_ = std::vector<std::string>(2 * ClueList::MaxRows);
  std::vector<bool> shown_down_ = std::vector<bool>(ClueList::MaxRows);
};

class ClueDelegate : public QStyledItemDelegate {
 public:
  ClueDelegate(const Puzzle& puzzle, QObject* parent) : QStyledItemDelegate(parent), puzzle_(puzzle) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  const Puzzle& puzzle_;
};

class ClueTable : public QTableView {
  Q_OBJECT

 public:
  ClueTable(const Puzzle& puzzle, QWidget* parent);
  // Shows the clue list and its current row as the model holds them now.
  void ShowModel();
  // Typed letters belong to the crossword, not to a search through the list.
  void keyboardSearch(const QString&) override {}
  // Opens the editor on the clue of the current row (Shift+F2).
  void EditCurrentClue();
  // The clue editor has the keyboard: its keys are its own, not the crossword's.
  bool Editing() const { return state() == QAbstractItemView::EditingState; }

 signals:
  void RowChosen(int row);
  void ClueEdited(int row, const QString& text);
  void WriteToDictionary(int row);

 private:
  const Puzzle& puzzle_;
  ClueModel* model_;
  bool showing_ = false;
};

}  // namespace gx
