#include "ui/form.h"

namespace ui {

Form::Form(Application& app, std::string name, std::string windowClass)
    : Control(nullptr, std::move(name), 0), app_(app), windowClass_(std::move(windowClass)) {
  setVisible(false);
}

Form::~Form() {
  timers_.clear();
  if (realized_ && app_.backend()) app_.backend()->destroy(*this);
  // Children before the form's own peer: destroy in reverse creation order.
  while (!owned_.empty()) owned_.pop_back();
}

void Form::setAcceptFiles(bool on) {
  if (acceptFiles_ == on) return;
  acceptFiles_ = on;
  notify(kChangeState);
}

void Form::setTaskbarButton(bool on) {
  if (taskbarButton_ == on) return;
  taskbarButton_ = on;
  notify(kChangeState);
}

Timer& Form::addTimer(std::string name, unsigned interval) {
  timers_.push_back(std::make_unique<Timer>(app_, std::move(name), interval));
  return *timers_.back();
}

MenuItem& Form::addPopup(std::string name) {
  popups_.push_back(std::make_unique<MenuItem>(nullptr, std::move(name), 0, ""));
  return *popups_.back();
}

Control* Form::findControl(const std::string& name) const {
  for (auto& c : owned_)
    if (c->name() == name) return c.get();
  return nullptr;
}

Control* Form::findControlId(int id) const {
  for (auto& c : owned_)
    if (c->id() == id && id != 0) return c.get();
  return nullptr;
}

MenuItem* Form::findMenu(const std::string& name) {
  if (MenuItem* m = mainMenu_.find(name)) return m;
  for (auto& p : popups_)
    if (MenuItem* m = p->find(name)) return m;
  return nullptr;
}

MenuItem* Form::findMenuId(int id) {
  if (MenuItem* m = mainMenu_.findId(id)) return m;
  for (auto& p : popups_)
    if (MenuItem* m = p->findId(id)) return m;
  return nullptr;
}

Timer* Form::findTimer(const std::string& name) {
  for (auto& t : timers_)
    if (t->name() == name) return t.get();
  return nullptr;
}

void Form::show() {
  closed_ = false;
  if (app_.backend() && !realized_) {
    app_.backend()->realize(*this);
    realized_ = true;
  }
  setVisible(true);
  if (app_.backend()) app_.backend()->show(*this);
  if (onShow) onShow();
}

void Form::hide() {
  setVisible(false);
  if (app_.backend() && realized_) app_.backend()->hide(*this);
}

int Form::showModal() {
  modalResult_ = kResultNone;
  modal_ = true;
  if (app_.backend()) {
    if (!realized_) {
      app_.backend()->realize(*this);
      realized_ = true;
    }
    app_.backend()->beginModal(*this);
  }
  setVisible(true);
  if (app_.backend()) app_.backend()->show(*this);
  if (onShow) onShow();
  if (app_.onModalShown) app_.onModalShown(*this);
  app_.loop().runUntil([this] { return modalResult_ != kResultNone; });
  if (app_.backend()) app_.backend()->endModal(*this);
  hide();
  modal_ = false;
  return modalResult_;
}

void Form::setModalResult(int r) { modalResult_ = r; }

void Form::close() {
  bool canClose = true;
  if (onCloseQuery) onCloseQuery(canClose);
  if (!canClose) return;
  if (modal_) {
    if (modalResult_ == kResultNone) modalResult_ = kResultCancel;
    return;
  }
  if (onClose) onClose();
  closed_ = true;
  hide();
  if (app_.mainForm == this) app_.terminate();
}

}  // namespace ui
