#include "ui/widgets.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

ButtonLook pushedLook(Color face, Color font) {
  auto darken = [](Color c, int shift) {
    int v = static_cast<int>((c >> shift) & 0xFF) - 32;
    return static_cast<Color>(v < 0 ? 0 : v) << shift;
  };
  Color f = darken(face, 0) | darken(face, 8) | darken(face, 16);
  return ButtonLook{f, font == 0 ? 0x333333u : 0xDDDDDDu};
}

void Button::click() {
  if (!enabled()) return;
  Control::click();
  if (modalResult != 0) {
    Control* top = this;
    while (top->parent()) top = top->parent();
    if (top->kind() == Kind::Form) static_cast<Form*>(top)->setModalResult(modalResult);
  }
}

void Panel::makeSplitter(Control* neighbour, bool vertical) {
  splitterTarget_ = neighbour;
  vertical_ = vertical;
  bevel = false;
}

void Panel::makeSizeGrip() {
  grip_ = true;
  bevel = false;
}

void Panel::dragBy(int dx, int dy) {
  if (!grip_) (vertical_ ? dy : dx) = 0;
  if (onDragged) {
    onDragged(dx, dy);
    return;
  }
  const int delta = vertical_ ? dx : dy;
  Control* t = splitterTarget_;
  if (!t || delta == 0) return;
  Rect r = t->bounds();
  constexpr int kSmallest = 40;
  // The neighbour grows toward the bar: a bar left of a right-aligned panel widens it when
  // dragged left.
  switch (t->align()) {
    case Align::Right: r.width = std::max(kSmallest, r.width - delta); break;
    case Align::Left: r.width = std::max(kSmallest, r.width + delta); break;
    case Align::Bottom: r.height = std::max(kSmallest, r.height - delta); break;
    case Align::Top: r.height = std::max(kSmallest, r.height + delta); break;
    default: return;
  }
  t->setBounds(r);
  if (t->parent()) t->parent()->realign();
}

void CheckBox::setChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  notify(kChangeChecked);
}

void CheckBox::click() {
  setChecked(!checked_);
  Control::click();
}

void RadioGroup::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  notify(kChangeItems);
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  notify(kChangeSelection);
}

void RadioGroup::choose(int index) {
  setItemIndex(index);
  Control::click();
}

void Edit::setText(const std::string& t) {
  if (maxLength_ > 0 && static_cast<int>(t.size()) > maxLength_)
    setCaption(t.substr(0, maxLength_));
  else
    setCaption(t);
}

void Edit::userTyped(const std::string& t) {
  setText(t);
  if (onChange) onChange();
}

void StatusBar::setPanelCount(int n) {
  panels_.resize(n < 0 ? 0 : n);
  notify(kChangeItems);
}

void StatusBar::setPanelText(int index, const std::string& text) {
  if (index < 0) return;
  if (index >= static_cast<int>(panels_.size())) panels_.resize(index + 1);
  panels_[index].text = text;
  notify(kChangeCaption);
}

void StatusBar::setPanelWidth(int index, int width) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  panels_[index].width = width;
  notify(kChangeItems);
}

const std::string& StatusBar::panelText(int index) const {
  static const std::string empty;
  if (index < 0 || index >= static_cast<int>(panels_.size())) return empty;
  return panels_[index].text;
}

void ScrollBar::setRange(int min, int max) {
  min_ = min;
  max_ = max < min ? min : max;
  if (position_ < min_) position_ = min_;
  if (position_ > max_) position_ = max_;
  notify(kChangeState);
}

void ScrollBar::setPosition(int pos) {
  if (pos < min_) pos = min_;
  if (pos > max_) pos = max_;
  if (position_ == pos) return;
  position_ = pos;
  notify(kChangeState);
}

void ScrollBar::userMoved(int pos) {
  setPosition(pos);
  if (onChange) onChange();
}

void TreeView::setNodes(std::vector<Node> nodes, int selected) {
  nodes_ = std::move(nodes);
  selected_ = selected >= 0 && selected < static_cast<int>(nodes_.size()) ? selected : -1;
  notify(kChangeItems);
}

void TreeView::userSelect(int index) {
  if (index < 0 || index >= static_cast<int>(nodes_.size())) return;
  selected_ = index;
  if (onChange) onChange();
}

void Header::setSections(std::vector<std::string> s) {
  sections_ = std::move(s);
  notify(kChangeItems);
}

void Header::setSection(int index, const std::string& text) {
  if (index < 0) return;
  if (index >= static_cast<int>(sections_.size())) sections_.resize(index + 1);
  sections_[index] = text;
  notify(kChangeItems);
}

}  // namespace ui
