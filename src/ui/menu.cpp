#include "ui/menu.h"

namespace ui {

MenuItem::MenuItem(MenuItem* parent, std::string name, int id, std::string caption)
    : parent_(parent), name_(std::move(name)), id_(id), caption_(std::move(caption)) {}

MenuItem& MenuItem::add(std::string name, int id, std::string caption) {
  items_.push_back(std::make_unique<MenuItem>(this, std::move(name), id, std::move(caption)));
  return *items_.back();
}

MenuItem& MenuItem::separator() { return add("", 0, "-"); }

MenuItem* MenuItem::root() {
  MenuItem* r = this;
  while (r->parent_) r = r->parent_;
  return r;
}

void MenuItem::changed() {
  if (MenuPeer* p = root()->peer_) p->itemChanged(*this);
}

void MenuItem::setCaption(const std::string& c) {
  if (caption_ == c) return;
  caption_ = c;
  changed();
}

void MenuItem::setChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  changed();
}

void MenuItem::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  changed();
}

void MenuItem::setVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  changed();
}

void MenuItem::click() {
  if (enabled_ && onClick) onClick();
}

void MenuItem::open() {
  if (onOpen) onOpen();
}

MenuItem* MenuItem::find(const std::string& name) {
  if (name_ == name) return this;
  for (auto& i : items_)
    if (MenuItem* f = i->find(name)) return f;
  return nullptr;
}

MenuItem* MenuItem::findId(int id) {
  if (id_ == id && id != 0) return this;
  for (auto& i : items_)
    if (MenuItem* f = i->findId(id)) return f;
  return nullptr;
}

}  // namespace ui
