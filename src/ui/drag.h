#pragma once
// Dragging with the mouse between controls, in the kit's own terms: the window binding
// reports the press, every move and the release together with the control under the mouse
// and the entry there; the tracker decides when a press becomes a drag, asks the control
// under the mouse whether it takes the drop, and drops. Only one drag runs at a time.
#include "ui/control.h"

namespace ui {

// What the mouse pointer shows while the button is down.
enum class DragCursor { Normal, Accept, Refuse };

class DragTracker {
 public:
  // The mouse must move more than this many pixels along either axis before a press
  // becomes a drag, so that a shaky click stays a click.
  DragTracker(int thresholdX, int thresholdY) : thresholdX_(thresholdX), thresholdY_(thresholdY) {}

  // The left button went down on source at `at` (screen pixels), over entry item (-1 for
  // none). True when this may become a drag: source is an enabled drag source and, for a
  // list, the entry is selected (a press elsewhere in a list selects, as usual).
  bool press(Control& source, Point at, int item);
  // The mouse moved to `at`, over control `over` (nullptr: none of ours), above entry item.
  DragCursor move(Point at, Control* over, int item);
  // The button came up there. A drag drops on `over` when it takes it. True when a drag had
  // begun; false when the press stayed a click.
  bool release(Point at, Control* over, int item);
  // Escape, or the mouse taken away by the system: no drop.
  void cancel();

  bool pressed() const { return source_ != nullptr; }
  bool dragging() const { return dragging_; }

 private:
  static bool accepts(Control* over, Control& source, int item);
  int thresholdX_, thresholdY_;
  Control* source_ = nullptr;
  Point start_;
  bool dragging_ = false;
};

}  // namespace ui
