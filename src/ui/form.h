#pragma once
// A top-level window: it owns its controls, menus and timers, and can be shown modally.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace ui {

constexpr int kResultNone = 0;
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultAbort = 3;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

class Form : public Control {
 public:
  Form(Application& app, std::string name, std::string windowClass);
  ~Form() override;
  Kind kind() const override { return Kind::Form; }
  Application& app() { return app_; }
  const std::string& windowClass() const { return windowClass_; }

  // Controls belong to the form; parent is the form or one of its panels.
  template <class T>
  T& add(Control* parent, std::string name, int id) {
    auto c = std::make_unique<T>(parent ? parent : this, std::move(name), id);
    T& ref = *c;
    owned_.push_back(std::move(c));
    return ref;
  }
  Timer& addTimer(std::string name, unsigned interval = 1000);
  MenuItem& mainMenu() { return mainMenu_; }
  MenuItem& addPopup(std::string name);
  const std::vector<std::unique_ptr<MenuItem>>& popups() const { return popups_; }

  Control* findControl(const std::string& name) const;
  Control* findControlId(int id) const;
  MenuItem* findMenu(const std::string& name);
  MenuItem* findMenuId(int id);
  Timer* findTimer(const std::string& name);

  // Window life.
  void show();
  void hide();
  int showModal();
  bool isModal() const { return modal_; }
  // Asks the form to close: onCloseQuery may refuse; a modal form then ends with Cancel.
  void close();
  bool closed() const { return closed_; }
  int modalResult() const { return modalResult_; }
  void setModalResult(int r);
  std::function<void(bool& canClose)> onCloseQuery;
  std::function<void()> onClose;
  std::function<void()> onShow;

  bool alwaysOnTop = false;
  // A dialog frame (fixed size, no minimise box) instead of a main window's.
  bool isDialog = false;
  // Raw window messages the form wants first (forwarded command lines, MCI notifications);
  // true when handled, with the result in `result`.
  std::function<bool(unsigned msg, std::uintptr_t wp, std::intptr_t lp, std::intptr_t& result)> onMessage;
  // Whether files dropped from the shell are taken; reaches the window at once.
  bool acceptFiles() const { return acceptFiles_; }
  void setAcceptFiles(bool on);
  std::function<void(const std::vector<std::string>&)> onDropFiles;
  // Whether the window has a button on the taskbar; reaches the window at once, keeping its
  // client size.
  bool taskbarButton() const { return taskbarButton_; }
  void setTaskbarButton(bool on);
  // Native handle of the realised window (0 headless); set by the backend.
  std::uintptr_t handle = 0;
  std::string iconResource;

 private:
  Application& app_;
  std::string windowClass_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<std::unique_ptr<Timer>> timers_;
  MenuItem mainMenu_{nullptr, "MainMenu", 0, ""};
  std::vector<std::unique_ptr<MenuItem>> popups_;
  bool modal_ = false, closed_ = false, realized_ = false, acceptFiles_ = false,
       taskbarButton_ = true;
  int modalResult_ = kResultNone;
};

}  // namespace ui
