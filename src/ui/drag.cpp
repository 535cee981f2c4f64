#include "ui/drag.h"

#include <cstdlib>

#include "ui/list_box.h"

namespace ui {

bool DragTracker::press(Control& source, Point at, int item) {
  cancel();
  if (!source.dragSource || !source.enabled()) return false;
  if (source.kind() == Kind::ListBox && !static_cast<ItemList&>(source).selected(item)) return false;
  source_ = &source;
  start_ = at;
  return true;
}

bool DragTracker::accepts(Control* over, Control& source, int item) {
  return over && over->enabled() && over->onDragOver && over->onDragOver(source, item);
}

DragCursor DragTracker::move(Point at, Control* over, int item) {
  if (!source_) return DragCursor::Normal;
  if (!dragging_) {
    if (std::abs(at.x - start_.x) <= thresholdX_ && std::abs(at.y - start_.y) <= thresholdY_)
      return DragCursor::Normal;
    dragging_ = true;
  }
  return accepts(over, *source_, item) ? DragCursor::Accept : DragCursor::Refuse;
}

bool DragTracker::release(Point at, Control* over, int item) {
  if (!source_) return false;
  // The release may come without a move to its place: it counts as one.
  const bool taken = move(at, over, item) == DragCursor::Accept;
  Control* source = source_;
  const bool dragged = dragging_;
  cancel();
  if (taken && over->onDragDrop) over->onDragDrop(*source, item);
  return dragged;
}

void DragTracker::cancel() {
  source_ = nullptr;
  dragging_ = false;
}

}  // namespace ui
