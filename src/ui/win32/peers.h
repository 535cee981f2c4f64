#pragma once
// Window peers of the controls.
#include <windows.h>

#include <memory>

#include "ui/control.h"
#include "ui/menu.h"

namespace ui {
class Form;
}

namespace ui::win32 {

class Win32Backend;

class ControlPeer : public Peer {
 public:
  ControlPeer(Win32Backend& backend, Control& control, HWND hwnd);
  ~ControlPeer() override;
  void changed(unsigned what) override;
  void itemInserted(int index) override;
  void itemDeleted(int index) override;
  HWND hwnd() const { return hwnd_; }
  // True while the peer itself writes to the window, so the echo is not taken as input.
  bool writing() const { return writing_; }
  HBRUSH backgroundBrush();

 private:
  void applyBounds();
  void applyCaption();
  void applyItems();
  void applySelection();
  void applyState();
  Win32Backend& backend_;
  Control& control_;
  HWND hwnd_;
  bool writing_ = false;
  HBRUSH brush_ = nullptr;
  unsigned brushColor_ = 0;
};

// The kit control a window stands for (nullptr for windows that are not controls).
Control* ControlOfWindow(HWND hwnd);

// The background colour a control paints (lists, edits and combo boxes of the parent's colour
// take the system window colour), and a kit colour as the system's own value.
Color paintedBackground(const Control& c);
COLORREF colorRef(Color c);

// Draws one entry of an owner-drawn list (false when the item is not a list's).
bool drawListItem(Win32Backend& backend, const DRAWITEMSTRUCT& d);
// Owner-drawn combo box items: the picture the combo gives for the item, then its text
// (false when the item is not a combo box's).
int comboItemHeight(Win32Backend& backend);
bool drawComboItem(Win32Backend& backend, const DRAWITEMSTRUCT& d);

// Draws a colour button, pushed or not (false when the item is not a button's).
bool drawColorButton(Win32Backend& backend, const DRAWITEMSTRUCT& d);

// Creates the window of one control (and, for containers, nothing more: the caller recurses).
HWND createControlWindow(Win32Backend& backend, Control& control, HWND parent);

// Builds a menu bar or pop-up from an item tree and keeps it in step with the items.
class MenuBinding : public MenuPeer {
 public:
  MenuBinding(MenuItem& root, bool bar, HWND owner);
  ~MenuBinding() override;
  void itemChanged(MenuItem& item) override;
  HMENU handle() const { return menu_; }

 private:
  void rebuild();
  MenuItem& root_;
  bool bar_;
  HWND owner_;
  HMENU menu_ = nullptr;
};

}  // namespace ui::win32
