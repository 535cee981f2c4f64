#include "ui/list_box.h"

#include <algorithm>
#include <cctype>

namespace ui {

namespace {
int compareNoCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    int ca = std::toupper(static_cast<unsigned char>(a[i]));
    int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
}  // namespace

int ItemList::sortedPosition(const std::string& text) const {
  auto it = std::upper_bound(items_.begin(), items_.end(), text,
                             [](const std::string& x, const std::string& y) {
                               return compareNoCase(x, y) < 0;
                             });
  return static_cast<int>(it - items_.begin());
}

void ItemList::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (sorted)
    std::stable_sort(items_.begin(), items_.end(), [](const std::string& x, const std::string& y) {
      return compareNoCase(x, y) < 0;
    });
  selected_.assign(items_.size(), 0);
  itemIndex_ = -1;
  notify(kChangeItems);
}

void ItemList::add(const std::string& text) {
  insert(sorted ? sortedPosition(text) : count(), text);
}

void ItemList::insert(int index, const std::string& text) {
  if (index < 0 || index > count()) index = count();
  items_.insert(items_.begin() + index, text);
  selected_.insert(selected_.begin() + index, 0);
  if (itemIndex_ >= index) ++itemIndex_;
  if (peer()) peer()->itemInserted(index);
}

void ItemList::remove(int index) {
  if (index < 0 || index >= count()) return;
  items_.erase(items_.begin() + index);
  selected_.erase(selected_.begin() + index);
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  if (peer()) peer()->itemDeleted(index);
}

void ItemList::clear() {
  if (items_.empty() && itemIndex_ == -1) return;
  items_.clear();
  selected_.clear();
  itemIndex_ = -1;
  notify(kChangeItems);
}

void ItemList::setItem(int index, const std::string& text) {
  if (index < 0 || index >= count()) return;
  const int selected = itemIndex_;
  items_[index] = text;
  if (peer()) {
    peer()->itemDeleted(index);
    peer()->itemInserted(index);
  }
  itemIndex_ = selected;
  notify(kChangeSelection);
}

int ItemList::indexOf(const std::string& text) const {
  for (int i = 0; i < count(); ++i)
    if (compareNoCase(items_[i], text) == 0) return i;
  return -1;
}

void ItemList::setItemIndex(int index) {
  if (index < 0 || index >= count()) index = -1;
  itemIndex_ = index;
  selected_.assign(items_.size(), 0);
  if (index >= 0) selected_[index] = 1;
  notify(kChangeSelection);
}

bool ItemList::selected(int index) const {
  return index >= 0 && index < count() && selected_[index] != 0;
}

void ItemList::setSelected(int index, bool on) {
  if (index < 0 || index >= count()) return;
  selected_[index] = on ? 1 : 0;
  notify(kChangeSelection);
}

int ItemList::selCount() const {
  int n = 0;
  for (char s : selected_) n += s;
  return n;
}

void ItemList::selectAll() {
  selected_.assign(items_.size(), 1);
  notify(kChangeSelection);
}

void ItemList::userSelectMany(const std::vector<int>& chosen, int focused) {
  selected_.assign(items_.size(), 0);
  for (int i : chosen)
    if (i >= 0 && i < count()) selected_[i] = 1;
  itemIndex_ = focused >= 0 && focused < count() ? focused : -1;
  notify(kChangeSelection);
  if (onChange) onChange();
  Control::click();
}

void ItemList::userSelect(int index) {
  setItemIndex(index);
  if (onChange) onChange();
  Control::click();
}

}  // namespace ui
