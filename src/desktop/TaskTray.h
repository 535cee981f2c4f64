#pragma once
// TTaskTray: one icon in the notification area, with the menus its clicks open. Every
// instance of the process shares one hidden window (TNotifyWindow) that hears the shell's
// callbacks and hands each to the instance whose IconID it names.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/notify_area.h"
#include "ui/form.h"

namespace desktop {

enum class MouseButton { Left, Right, Middle };

// A setter refused the value; what() is the message for the user.
struct TrayError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

constexpr std::uint32_t kTrayCallbackMessage = 0x466;
constexpr std::uint32_t kFlagMessage = 1, kFlagIcon = 2, kFlagTip = 4;

class TTaskTray {
 public:
  explicit TTaskTray(platform::NotifyArea& area);
  virtual ~TTaskTray();
  TTaskTray(const TTaskTray&) = delete;
  TTaskTray& operator=(const TTaskTray&) = delete;

  // Menus opened at the cursor on a left / right button press.
  ui::MenuItem* PopupMenuL = nullptr;
  ui::MenuItem* PopupMenuR = nullptr;
  // The form brought forward on a press and owning the menus; none: no menu opens.
  ui::Form* owner = nullptr;

  const std::string& TipString() const { return tip_; }
  void setTipString(const std::string& tip);
  std::uintptr_t Icon() const { return icon_; }
  // Takes a copy of the icon; 0 releases it and takes the icon out of the notification area.
  void setIcon(std::uintptr_t icon);
  int IconID() const { return id_; }
  void setIconID(int id);
  bool Registered() const { return registered_; }
  void setRegistered(bool on);
  bool Shown() const { return shown_; }

  std::function<void(TTaskTray&, MouseButton)> OnDblClick;
  std::function<void(TTaskTray&, int x, int y)> OnMouseMove;
  std::function<void(TTaskTray&, MouseButton, int x, int y)> OnMouseDown;
  std::function<void(TTaskTray&, MouseButton, int x, int y)> OnMouseUp;

 protected:
  virtual void removeIcon();
  virtual void addOrUpdate();
  virtual void DblClick(MouseButton b);
  virtual void MouseDown(MouseButton b, int x, int y);
  virtual void MouseMove(int x, int y);
  virtual void MouseUp(MouseButton b, int x, int y);

 private:
  friend class TNotifyWindow;
  platform::NotifyArea& area_;
  platform::NotifyIconData record_;
  std::string tip_;
  std::uintptr_t icon_ = 0;
  int id_ = 0;
  bool registered_ = false, shown_ = false, pressing_ = false;
};

}  // namespace desktop
