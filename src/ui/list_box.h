#pragma once
// List boxes and combo boxes: a string list with a selection and an integer Tag.
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class ItemList : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  const std::string& item(int index) const { return items_.at(index); }
  void setItems(std::vector<std::string> items);
  void add(const std::string& text);
  void insert(int index, const std::string& text);
  void remove(int index);
  void clear();
  void setItem(int index, const std::string& text);
  int indexOf(const std::string& text) const;
  // Case-insensitive (ASCII) sorted insertion, as a sorted list box keeps its items.
  bool sorted = false;

  int itemIndex() const { return itemIndex_; }
  // Out-of-range indexes clear the selection.
  void setItemIndex(int index);
  // A user's selection: selects and fires onChange then onClick.
  void userSelect(int index);
  std::function<void()> onChange;
  std::function<void()> onDoubleClick;

  // The selected entries of a multi-select list, kept in step with inserts and removals.
  // Setting itemIndex selects that entry alone.
  bool selected(int index) const;
  void setSelected(int index, bool on);
  int selCount() const;
  void selectAll();
  // A user's selection in a multi-select list: the entries chosen and the one with the focus.
  void userSelectMany(const std::vector<int>& chosen, int focused);

  // The list's own integer, used by the play lists for their current entry.
  int tag = 0;

 private:
  int sortedPosition(const std::string& text) const;
  std::vector<std::string> items_;
  std::vector<char> selected_;
  int itemIndex_ = -1;
};

class ListBox : public ItemList {
 public:
  using ItemList::ItemList;
  Kind kind() const override { return Kind::ListBox; }
  bool multiSelect = false;
  bool ownerDrawBoldSelection = false;
};

// Small pictures an owner-drawn item shows in front of its text.
enum class ItemPicture { None, RemovableDrive, FixedDrive, RemoteDrive, CdDrive, RamDrive };

class ComboBox : public ItemList {
 public:
  using ItemList::ItemList;
  Kind kind() const override { return Kind::ComboBox; }
  // Drop-down list: no free text. Otherwise the box has an edit field whose text is the
  // caption: what the user typed, or the item chosen from the list.
  bool dropDownList = true;
  const std::string& text() const { return caption(); }
  void userTyped(const std::string& t) { setCaption(t); }
  // Set before the window is made: the items are drawn with the picture it gives per index.
  std::function<ItemPicture(int index)> pictureOf;
};

}  // namespace ui
