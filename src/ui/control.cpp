#include "ui/control.h"

#include <algorithm>

namespace ui {

Control::Control(Control* parent, std::string name, int id)
    : parent_(parent), name_(std::move(name)), id_(id) {
  if (parent_) parent_->children_.push_back(this);
}

Control::~Control() {
  peer_.reset();
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::notify(unsigned what) {
  if (peer_) peer_->changed(what);
}

void Control::setPeer(std::unique_ptr<Peer> p) { peer_ = std::move(p); }

void Control::setCaption(const std::string& text) {
  if (caption_ == text) return;
  caption_ = text;
  notify(kChangeCaption);
}

void Control::setHint(const std::string& text) {
  hint_ = text;
  notify(kChangeHint);
}

void Control::setVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  notify(kChangeVisible);
  if (parent_ && align_ != Align::None) parent_->realign();
}

bool Control::showing() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  notify(kChangeEnabled);
}

void Control::setBounds(Rect r) {
  if (bounds_ == r) return;
  const bool resized = r.width != bounds_.width || r.height != bounds_.height;
  bounds_ = r;
  notify(kChangeBounds);
  if (resized) {
    realign();
    if (onResize) onResize();
  }
}

void Control::setAlign(Align a) {
  align_ = a;
  if (parent_) parent_->realign();
}

void Control::setColor(Color c) {
  if (color_ == c) return;
  color_ = c;
  notify(kChangeColor);
}

void Control::setFont(Color fontColor, bool bold) {
  if (fontColor_ == fontColor && fontBold_ == bold) return;
  fontColor_ = fontColor;
  fontBold_ = bold;
  notify(kChangeFont);
}

Color Control::effectiveColor() const {
  for (const Control* c = this; c; c = c->parent_)
    if (c->color_ != kParentColor) return c->color_;
  return kButtonFaceColor;
}

void Control::click() {
  if (onClick) onClick();
}

void Control::placeAfter(Control* sibling) {
  if (!parent_ || !sibling || sibling->parent_ != parent_) return;
  auto& v = parent_->children_;
  v.erase(std::remove(v.begin(), v.end(), this), v.end());
  v.insert(std::find(v.begin(), v.end(), sibling) + 1, this);
  parent_->realign();
}

void Control::realign() {
  Rect area{0, 0, bounds_.width, bounds_.height};
  // Edges first, the client area last, as a form aligns its panels.
  for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client})
  for (Control* c : children_) {
    if (!c->visible_ || c->align_ != pass) continue;
    Rect r = c->bounds_;
    switch (c->align_) {
      case Align::Top:
        r = {area.left, area.top, area.width, r.height};
        area.top += r.height;
        area.height -= r.height;
        break;
      case Align::Bottom:
        r = {area.left, area.bottom() - r.height, area.width, r.height};
        area.height -= r.height;
        break;
      case Align::Left:
        r = {area.left, area.top, r.width, area.height};
        area.left += r.width;
        area.width -= r.width;
        break;
      case Align::Right:
        r = {area.right() - r.width, area.top, r.width, area.height};
        area.width -= r.width;
        break;
      case Align::Client:
        r = area;
        break;
      case Align::None:
        break;
    }
    r.width = std::max(r.width, 0);
    r.height = std::max(r.height, 0);
    area.width = std::max(area.width, 0);
    area.height = std::max(area.height, 0);
    c->setBounds(r);
  }
}

}  // namespace ui
