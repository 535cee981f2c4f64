#pragma once
// What list boxes and combo boxes share: a window of strings kept in step with the kit's item
// list, whole or one entry at a time, and the selection.
#include "ui/list_box.h"
#include "ui/win32/control_peer.h"

namespace ui::win32 {

class ItemListPeer : public ControlPeer {
 public:
  // The window messages of one kind of string list.
  struct Messages {
    UINT reset, add, insert, remove;
  };
  ItemListPeer(Win32Backend& b, Control& c, Messages m) : ControlPeer(b, c), list_(static_cast<ItemList&>(c)), m_(m) {}
  void itemInserted(int index) override;
  void itemDeleted(int index) override;

 protected:
  void applyCaption() override {}
  void update(unsigned what) override;
  virtual void applySelection() = 0;
  ItemList& list() const { return list_; }

 private:
  void applyItems();
  ItemList& list_;
  Messages m_;
};

}  // namespace ui::win32
