#pragma once
// A report-style list of rows with columns (a file list with size, kind, date and
// attributes), whole-row selection, column clicks and per-row font styles.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ListView : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::ListView; }

  struct Column {
    std::string caption;
    int width = 80;
    bool alignRight = false;
  };
  struct Row {
    std::vector<std::string> texts;  // the caption, then one text per further column
    bool italic = false;
    bool struckOut = false;
  };

  const std::vector<Column>& columns() const { return columns_; }
  void setColumns(std::vector<Column> columns);
  void setColumnCaption(int index, const std::string& caption);
  const std::vector<Row>& rows() const { return rows_; }
  int count() const { return static_cast<int>(rows_.size()); }
  void setRows(std::vector<Row> rows, int selected);
  int selected() const { return selected_; }
  // The user chose a row: selects it and fires onChange.
  void userSelect(int index);
  std::function<void()> onChange;
  // The user clicked the header of a column.
  std::function<void(int column)> onColumnClick;
  void userColumnClick(int column);
  // The selected row is drawn bold.
  bool boldSelection = true;

 private:
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  int selected_ = -1;
};

}  // namespace ui
