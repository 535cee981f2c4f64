#include "desktop/TaskTray.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace desktop {

// The process-wide part: the identifier list and the hidden window's listener.
class TNotifyWindow : public platform::NotifyListener {
 public:
  static TNotifyWindow& instance() {
    static TNotifyWindow w;
    return w;
  }
  std::vector<std::pair<int, TTaskTray*>> ids;

  TTaskTray* find(int id) {
    auto it = std::find_if(ids.begin(), ids.end(), [id](auto& row) { return row.first == id; });
    return it == ids.end() ? nullptr : it->second;
  }

  void iconMessage(std::uint32_t id, std::uint32_t mouseMessage, int x, int y) override {
    TTaskTray* t = find(static_cast<int>(id));
    if (!t) return;
    switch (mouseMessage) {
      case 0x200: t->MouseMove(x, y); break;
      case 0x201: t->MouseDown(MouseButton::Left, x, y); break;
      case 0x202: t->MouseUp(MouseButton::Left, x, y); break;
      case 0x203: t->DblClick(MouseButton::Left); break;
      case 0x204: t->MouseDown(MouseButton::Right, x, y); break;
      case 0x205: t->MouseUp(MouseButton::Right, x, y); break;
      case 0x206: t->DblClick(MouseButton::Right); break;
      case 0x207: t->MouseDown(MouseButton::Middle, x, y); break;
      case 0x208: t->MouseUp(MouseButton::Middle, x, y); break;
      default: break;
    }
  }

  // A restarted shell has forgotten every icon: add the registered ones again.
  void taskbarCreated() override {
    for (auto& [id, t] : ids) {
      t->shown_ = false;
      t->addOrUpdate();
    }
  }
};

TTaskTray::TTaskTray(platform::NotifyArea& area) : area_(area) {
  auto& ids = TNotifyWindow::instance().ids;
  id_ = ids.empty() ? 1 : ids.back().first + 1;
  ids.emplace_back(id_, this);
}

TTaskTray::~TTaskTray() {
  removeIcon();
  area_.destroyIcon(icon_);
  auto& ids = TNotifyWindow::instance().ids;
  std::erase_if(ids, [this](auto& row) { return row.second == this; });
}

void TTaskTray::addOrUpdate() {
  if (!registered_) return;
  if (!record_.window) {
    record_.window = area_.notifyWindow(kTrayCallbackMessage, TNotifyWindow::instance());
    record_.callbackMessage = kTrayCallbackMessage;
  }
  record_.id = static_cast<std::uint32_t>(id_);
  record_.flags = kFlagMessage | kFlagIcon | (tip_.empty() ? 0 : kFlagTip);
  record_.icon = icon_;
  record_.tip = tip_;
  area_.notify(shown_ ? platform::NotifyOp::Modify : platform::NotifyOp::Add, record_);
  shown_ = true;
}

void TTaskTray::removeIcon() {
  if (shown_) area_.notify(platform::NotifyOp::Delete, record_);
  shown_ = false;
  registered_ = false;
}

void TTaskTray::setIconID(int id) {
  if (id < 1) throw TrayError("0以下は指定できません");
  auto& list = TNotifyWindow::instance();
  if (list.find(id)) throw TrayError("同じアイコン識別子が有ります");
  const bool wasRegistered = registered_;
  removeIcon();
  registered_ = wasRegistered;
  for (auto& row : list.ids)
    if (row.second == this) row.first = id;
  id_ = id;
  addOrUpdate();
}

void TTaskTray::setRegistered(bool on) {
  if (!on) {
    removeIcon();
    return;
  }
  if (!icon_) throw TrayError("アイコンが指定されていません");
  registered_ = true;
  addOrUpdate();
}

void TTaskTray::setTipString(const std::string& tip) {
  if (tip == tip_) return;
  tip_ = tip;
  addOrUpdate();
}

void TTaskTray::setIcon(std::uintptr_t icon) {
  area_.destroyIcon(icon_);
  icon_ = area_.copyIcon(icon);
  if (icon_) addOrUpdate();
  else removeIcon();
}

void TTaskTray::DblClick(MouseButton b) {
  if (OnDblClick) OnDblClick(*this, b);
}

void TTaskTray::MouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, x, y);
}

void TTaskTray::MouseUp(MouseButton b, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, b, x, y);
}

void TTaskTray::MouseDown(MouseButton b, int x, int y) {
  // A press that arrives while an earlier one is still being handled (its menu prepared or
  // open) would stack a second menu on the first.
  if (pressing_) return;
  pressing_ = true;
  if (owner) {
    if (owner->app().backend()) owner->app().backend()->bringToFront(*owner);
    owner->app().processMessages();
  }
  if (OnMouseDown) OnMouseDown(*this, b, x, y);
  ui::MenuItem* menu = b == MouseButton::Left ? PopupMenuL : b == MouseButton::Right ? PopupMenuR : nullptr;
  if (menu && owner) owner->app().popupAtMouse(*owner, *menu, 0, 0);
  pressing_ = false;
}

}  // namespace desktop
