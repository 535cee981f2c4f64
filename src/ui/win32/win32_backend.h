#pragma once
// Gives forms and their controls real windows and routes the user's input back to them.
#include <windows.h>

#include <map>
#include <vector>

#include "ui/application.h"
#include "ui/drag.h"
#include "ui/form.h"
#include "ui/win32/hints.h"
#include "ui/win32/win32_loop.h"

namespace ui::win32 {

class ControlPeer;

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(Win32Loop& loop);
  ~Win32Backend() override;
  void realize(Form& form) override;
  void show(Form& form) override;
  void hide(Form& form) override;
  void destroy(Form& form) override;
  void beginModal(Form& form) override;
  void endModal(Form& form) override;
  Rect workArea() override;
  Rect screen() override;
  void setBusyCursor(bool busy) override;
  void bringToFront(Form& form) override;
  void popupAtMouse(Form& form, MenuItem& menu, int dx, int dy) override;
  void hintsChanged() override;

  // Shows a pop-up menu at screen position (x, y); its commands go to the form.
  void popup(Form& form, MenuItem& menu, int x, int y);

  // Pixels per logical pixel (the forms are laid out at 96 dpi), and lengths both ways.
  double scale() const { return scale_; }
  int pixels(int logical) const;
  int logical(int pixels) const;
  HFONT font(bool bold) const { return bold ? boldFont_ : font_; }
  // The height of one entry of an owner-drawn list, in pixels.
  int lineHeight() const { return lineHeight_; }
  // The one mouse drag between controls.
  DragTracker& drag() { return drag_; }
  // The control whose window is being made, while it is: owner-drawn lists ask their parent
  // for their entries' height before the window is known.
  ControlPeer* creating = nullptr;

 private:
  bool preTranslate(MSG& msg);
  HFONT font_ = nullptr, boldFont_ = nullptr;
  double scale_ = 1.0;
  int lineHeight_ = 16;
  DragTracker drag_;
  bool busy_ = false;
  // Per modal form: the windows it disabled, and the window active before it.
  struct ModalScope {
    std::vector<HWND> disabled;
    HWND active = nullptr;
  };
  std::map<Form*, ModalScope> modalScopes_;
  HintTracker hints_;
};

// The form whose window (or child window) this is, if any.
Form* formOf(HWND hwnd);

}  // namespace ui::win32
