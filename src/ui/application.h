#pragma once
// The application object: its loop, its title and hints, the main form, and the backend
// that gives forms real windows (none when headless).
#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"
#include "ui/event_loop.h"

namespace ui {

class Form;
class MenuItem;

// Creates and drives real windows for forms; the Win32 binding implements it.
class Backend {
 public:
  virtual ~Backend() = default;
  // Creates the window of the form and of every control in it.
  virtual void realize(Form& form) = 0;
  virtual void show(Form& form) = 0;
  virtual void hide(Form& form) = 0;
  virtual void destroy(Form& form) = 0;
  // Disables the other windows of the application while a modal form is up.
  virtual void beginModal(Form& form) = 0;
  virtual void endModal(Form& form) = 0;
  virtual Rect workArea() = 0;
  virtual Rect screen() = 0;
  virtual void setBusyCursor(bool busy) = 0;
  virtual void bringToFront(Form& form) = 0;
  // Opens a pop-up menu of the form at the mouse pointer moved by (dx, dy) logical pixels;
  // the chosen item's onClick runs afterwards.
  virtual void popupAtMouse(Form& form, MenuItem& menu, int dx, int dy) = 0;
  // The application's hints were switched on or off.
  virtual void hintsChanged() = 0;
};

class Application {
 public:
  explicit Application(EventLoop& loop, Backend* backend = nullptr) : loop_(loop), backend_(backend) {}

  EventLoop& loop() { return loop_; }
  Backend* backend() { return backend_; }

  const std::string& title() const { return title_; }
  void setTitle(const std::string& t) { title_ = t; }
  std::string hintText;
  // Pop-up hints of every window, switched at once.
  bool showHints() const { return showHints_; }
  void setShowHints(bool on) {
    showHints_ = on;
    if (backend_) backend_->hintsChanged();
  }

  Form* mainForm = nullptr;
  void processMessages() { loop_.processMessages(); }
  // Ends the main loop once the main form has closed.
  void terminate() { terminated_ = true; }
  bool terminated() const { return terminated_; }

  // Headless: called when a modal form is shown, so a test can answer it.
  std::function<void(Form&)> onModalShown;

  Rect workArea() const { return backend_ ? backend_->workArea() : headlessWorkArea; }
  Rect screen() const { return backend_ ? backend_->screen() : headlessWorkArea; }
  Rect headlessWorkArea{0, 0, 1024, 738};

  void setBusyCursor(bool busy) {
    busyCursor_ = busy;
    if (backend_) backend_->setBusyCursor(busy);
  }
  bool busyCursor() const { return busyCursor_; }
  // Headless there is no mouse: the menu just stays open for a test to choose from.
  void popupAtMouse(Form& form, MenuItem& menu, int dx, int dy) {
    if (backend_) backend_->popupAtMouse(form, menu, dx, dy);
    else if (onPopup) onPopup(form, menu);
  }
  // Headless: called when a pop-up menu opens, so a test sees which one.
  std::function<void(Form&, MenuItem&)> onPopup;

 private:
  EventLoop& loop_;
  Backend* backend_;
  bool showHints_ = true;
  std::string title_;
  bool terminated_ = false;
  bool busyCursor_ = false;
};

}  // namespace ui
