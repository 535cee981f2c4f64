#pragma once
// Menus: a tree of items; the owner's peer mirrors captions, checks and enabled states.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class MenuItem;

class MenuPeer {
 public:
  virtual ~MenuPeer() = default;
  virtual void itemChanged(MenuItem& item) = 0;
};

class MenuItem {
 public:
  MenuItem(MenuItem* parent, std::string name, int id, std::string caption);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& name() const { return name_; }
  int id() const { return id_; }
  MenuItem* parent() const { return parent_; }
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
  // A new sub-item; an empty caption of "-" makes a separator.
  MenuItem& add(std::string name, int id, std::string caption);
  MenuItem& separator();
  bool isSeparator() const { return caption_ == "-"; }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  bool checked() const { return checked_; }
  void setChecked(bool on);
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  int tag = 0;
  std::string hint;

  std::function<void()> onClick;
  // Menu items do not toggle themselves: the handler decides.
  void click();
  // The item's submenu is about to show: captions, checks and enabled states that follow
  // outside state catch up here (a change of visibility would rebuild the shown menu).
  std::function<void()> onOpen;
  void open();

  MenuItem* find(const std::string& name);
  MenuItem* findId(int id);
  void setPeer(MenuPeer* p) { root()->peer_ = p; }

 private:
  MenuItem* root();
  void changed();
  MenuItem* parent_;
  std::string name_;
  int id_;
  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true;
  std::vector<std::unique_ptr<MenuItem>> items_;
  MenuPeer* peer_ = nullptr;
};

}  // namespace ui
