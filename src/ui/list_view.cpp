#include "ui/list_view.h"

namespace ui {

void ListView::setColumns(std::vector<Column> columns) {
  columns_ = std::move(columns);
  notify(kChangeState);
}

void ListView::setColumnCaption(int index, const std::string& caption) {
  if (index < 0 || index >= static_cast<int>(columns_.size())) return;
  columns_[index].caption = caption;
  notify(kChangeState);
}

void ListView::setRows(std::vector<Row> rows, int selected) {
  rows_ = std::move(rows);
  selected_ = selected >= 0 && selected < count() ? selected : -1;
  notify(kChangeItems);
}

void ListView::userSelect(int index) {
  selected_ = index >= 0 && index < count() ? index : -1;
  notify(kChangeSelection);
  if (onChange) onChange();
}

void ListView::userColumnClick(int column) {
  if (onColumnClick) onColumnClick(column);
}

}  // namespace ui
