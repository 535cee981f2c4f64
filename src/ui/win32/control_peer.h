#pragma once
// The window of one control. What every kind shares lives here (placing, showing, enabling,
// caption, font, colours); each kind of control has its own peer class in a file of its own
// with its window class, its property updates, the notifications it sends and its drawing.
#include <windows.h>

#include <memory>

#include "ui/control.h"

namespace ui {
class Form;
}

namespace ui::win32 {

class Win32Backend;

// The system window class and styles a kind of control is made with.
struct WindowKind {
  const wchar_t* cls;
  DWORD style;
  DWORD exStyle;
};

class ControlPeer : public Peer {
 public:
  ControlPeer(Win32Backend& backend, Control& control);
  ~ControlPeer() override;
  // Makes the window under parent and brings every property of the control into it.
  HWND create(HWND parent);
  void changed(unsigned what) final;

  HWND hwnd() const { return hwnd_; }
  Control& control() const { return control_; }
  Win32Backend& backend() const { return backend_; }
  // True while the peer itself writes to the window, so the echo is not taken as input.
  bool writing() const { return writing_; }
  HBRUSH backgroundBrush();
  // The colour the control paints behind its content.
  virtual Color background() const { return control_.effectiveColor(); }
  // Panels hold windows of further controls.
  virtual bool holdsControls() const { return false; }

  // What the window reports to its parent: a WM_COMMAND code (from its own window or, for
  // controls made of several windows, from the child `from`), a WM_NOTIFY, a track move.
  virtual void command(int code, HWND from) {}
  virtual bool notify(const NMHDR& hdr, LRESULT& result) { return false; }
  virtual void scrolled() {}
  // Owner drawing: the height of an entry, and one entry or the whole control drawn.
  virtual int itemHeight() const { return 0; }
  virtual bool draw(const DRAWITEMSTRUCT& d) { return false; }
  // The colours handed to the control's window when it paints (WM_CTLCOLOR...).
  virtual LRESULT colors(HDC dc);
  // The same for a window inside the control that is no control of its own (0: the default).
  virtual LRESULT childColors(HDC dc) { return 0; }
  // Messages to the control's own window when it is one of the player's classes.
  virtual bool ownMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) { return false; }
  // The entry at client point pt, for drags between lists (-1: none).
  virtual int itemAt(POINT pt) const { return -1; }

 protected:
  virtual WindowKind windowKind() const = 0;
  // Right after the window exists, before the control's properties are applied.
  virtual void created() {}
  // Whether the mouse over the window is watched for drags, releases and menus.
  virtual bool watchesMouse() const { return control_.popupMenu != nullptr; }
  virtual void applyBounds();
  virtual void applyVisible();
  virtual void applyEnabled();
  virtual void applyCaption();
  // The changes only some kinds have: items, selection, check, state, hint.
  virtual void update(unsigned what) {}
  // The window's height for the control's height (a combo box also holds its drop-down).
  virtual int windowHeight() const;
  int pixels(int logical) const;
  // A field (list, edit, combo box, tree) of its parent's colour takes the system window colour.
  Color fieldBackground() const;
  // Runs a write to the window, so its echo is not taken as the user's input.
  template <class Write>
  void writeWindow(Write write) {
    const bool was = writing_;
    writing_ = true;
    write();
    writing_ = was;
  }
  void setFont(HWND window, bool bold, bool redraw = false) const;

 private:
  void apply(unsigned what);
  Win32Backend& backend_;
  Control& control_;
  HWND hwnd_ = nullptr;
  bool writing_ = false;
  HBRUSH brush_ = nullptr;
  Color brushColor_ = 0;
};

// Makes the peer of one control and its window (and, for containers, nothing more: the caller
// recurses).
HWND createControlWindow(Win32Backend& backend, Control& control, HWND parent);

// The kit control a window stands for and its peer (nullptr for windows that are not controls).
Control* ControlOfWindow(HWND hwnd);
ControlPeer* PeerOfWindow(HWND hwnd);

// A kit colour as the system's own value.
COLORREF colorRef(Color c);

}  // namespace ui::win32
