#include "qt/ClueTable.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>

#include "board/BoardColors.h"
#include "board/BoardDrawing.h"
#include "shell/ClueCommands.h"
#include "qtdraw/QtCanvas.h"
#include "qt/QtText.h"

namespace gx {

namespace {
constexpr int RowHeight = 15;
}

int ClueModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_rows_; }

int ClueModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant ClueModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  // The text column may be too narrow for a long clue: every cell of the row offers the whole clue.
  if (role == Qt::ToolTipRole) return FromCp1251(puzzle_.Clues.Cell(1, index.row()));
  if (role == Qt::EditRole) return FromCp1251(std::string(puzzle_.Clues.Clue(index.row()))).mid(1);
  if (role != Qt::DisplayRole) return {};
  return FromCp1251(puzzle_.Clues.Cell(index.column(), index.row()));
}

Qt::ItemFlags ClueModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == 1 && index.row() < puzzle_.SlotCount) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ClueModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || !on_edit) return false;
  on_edit(index.row(), value.toString());
  return true;
}

void ClueModel::Refresh() {
  const int rows = puzzle_.Clues.RowCount();
  if (rows != shown_rows_) {
    beginResetModel();
    shown_rows_ = rows;
    endResetModel();
  }
  bool changed = false;
  for (int row = 0; row < ClueList::MaxRows; ++row) {
    for (int column = 0; column < 2; ++column) {
      std::string& shown = shown_cells_[static_cast<std::size_t>(2 * row + column)];
      const std::string& now = puzzle_.Clues.Cell(column, row);
      if (shown != now) {
        shown = now;
        changed = true;
      }
    }
    // The row colours follow the slot directions.
    const bool down = ClueRowColor(puzzle_, row) == Silver;
    if (shown_down_[static_cast<std::size_t>(row)] != down) {
      shown_down_[static_cast<std::size_t>(row)] = down;
      changed = true;
    }
  }
  if (changed && rows > 0) emit dataChanged(index(0, 0), index(rows - 1, 1));
}

void ClueDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, ToQColor(ClueRowColor(puzzle_, index.row())));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  painter->setFont(font);
  painter->setPen(ToQColor(Navy));
  painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data().toString());
  if (option.state & QStyle::State_HasFocus) {
    // The current cell keeps a dotted frame, since the row colour replaces the selection colour.
    QPen pen(Qt::black);
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  painter->restore();
}

QWidget* ClueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setMaxLength(static_cast<int>(ClueCommands::MaxClueLength));
    line->setObjectName(QStringLiteral("ClueEditor"));
  }
  return editor;
}

void ClueTable::EditCurrentClue() {
  const QModelIndex clue = model_->index(puzzle_.Clues.CurrentRow(), 1);
  if (model_->flags(clue) & Qt::ItemIsEditable) {
    setCurrentIndex(clue);
    edit(clue);
  }
}

ClueTable::ClueTable(const Puzzle& puzzle, QWidget* parent)
    : QTableView(parent), puzzle_(puzzle), model_(new ClueModel(puzzle, this)) {
  setObjectName(QStringLiteral("Grid1"));
  setModel(model_);
  setItemDelegate(new ClueDelegate(puzzle, this));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(RowHeight);
  verticalHeader()->setMinimumSectionSize(RowHeight);
  setShowGrid(true);
  // A double click edits a clue; F2, the usual edit key of lists, stays the program's save key.
  setEditTriggers(QAbstractItemView::DoubleClicked);
  model_->on_edit = [this](int row, const QString& text) { emit ClueEdited(row, text); };
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex clue = model_->index(indexAt(at).row(), 1);
    if (!clue.isValid() || !(model_->flags(clue) & Qt::ItemIsEditable)) return;
    setCurrentIndex(clue);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Изменить вопрос (Shift+F2)"), this, [this, clue] { edit(clue); });
    menu.addAction(QStringLiteral("Записать в словарь"), this, [this, clue] { emit WriteToDictionary(clue.row()); });
    menu.exec(viewport()->mapToGlobal(at));
  });
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setColumnWidth(0, 20);
  setColumnWidth(1, 113);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (!showing_ && current.isValid()) emit RowChosen(current.row());
  });
  model_->Refresh();
}

void ClueTable::ShowModel() {
  showing_ = true;
  model_->Refresh();
  const int row = puzzle_.Clues.CurrentRow();
  if (currentIndex().row() != row) {
    const int column = currentIndex().isValid() ? currentIndex().column() : 1;
    setCurrentIndex(model_->index(row, column));
  }
  showing_ = false;
}

}  // namespace gx
