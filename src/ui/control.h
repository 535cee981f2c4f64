#pragma once
// The component kit: a control keeps its state here; a peer (a real window under Win32)
// mirrors it. Without a peer the same control runs headless, which is how tests drive it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class MenuItem;

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0, y = 0;
};

// Colours are 0x00BBGGRR; kParentColor means "take the parent's colour".
using Color = std::uint32_t;
constexpr Color kParentColor = 0xFF000000u;
constexpr Color kWindowColor = 0xFF000001u;  // the system window background
constexpr Color kButtonFaceColor = 0xFF000002u;

enum class Align { None, Top, Bottom, Left, Right, Client };

// What changed, told to the peer so it updates only that.
enum Change : unsigned {
  kChangeBounds = 1u << 0,
  kChangeVisible = 1u << 1,
  kChangeEnabled = 1u << 2,
  kChangeCaption = 1u << 3,
  kChangeColor = 1u << 4,
  kChangeFont = 1u << 5,
  kChangeItems = 1u << 6,
  kChangeSelection = 1u << 7,
  kChangeChecked = 1u << 8,
  kChangeHint = 1u << 9,
  kChangeState = 1u << 10,
};

enum class Kind {
  Form, Panel, Button, Label, CheckBox, RadioGroup, ListBox, ComboBox, Edit, Memo,
  StatusBar, ScrollBar, Header, TreeView, Image, ListView
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void changed(unsigned what) = 0;
  // Single-item edits of a list, so a long list is not rebuilt for each one.
  virtual void itemInserted(int index) { changed(kChangeItems); }
  virtual void itemDeleted(int index) { changed(kChangeItems); }
};

class Control {
 public:
  Control(Control* parent, std::string name, int id);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  virtual Kind kind() const = 0;
  const std::string& name() const { return name_; }
  int id() const { return id_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& text);
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& text);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  // Visible itself and every parent up to the form.
  bool showing() const;
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  const Rect& bounds() const { return bounds_; }
  void setBounds(Rect r);
  void setBounds(int left, int top, int width, int height) { setBounds(Rect{left, top, width, height}); }
  Align align() const { return align_; }
  void setAlign(Align a);
  Color color() const { return color_; }
  void setColor(Color c);
  Color fontColor() const { return fontColor_; }
  bool fontBold() const { return fontBold_; }
  void setFont(Color fontColor, bool bold);
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool on) { tabStop_ = on; }
  // The colour actually painted: kParentColor resolved up the chain.
  Color effectiveColor() const;

  // A user's click (or the program acting as one).
  std::function<void()> onClick;
  virtual void click();
  std::function<void()> onResize;
  // The pop-up menu shown on a right click over this control (not owned).
  MenuItem* popupMenu = nullptr;
  std::function<void()> onRightButtonUp;

  // Drag and drop between controls (see ui/drag.h): a drag source starts a drag when the
  // mouse is pressed on it (on a selected entry of a list) and moved away. While the mouse
  // is over this control, above entry `item` (-1 for none), onDragOver answers whether a drop
  // from source would be taken; onDragDrop is the drop itself.
  bool dragSource = false;
  std::function<bool(Control& source, int item)> onDragOver;
  std::function<void(Control& source, int item)> onDragDrop;

  // Lays out the aligned children inside the client area, in creation order, like a form does.
  void realign();
  // Moves this control right after sibling in its parent's order (alignment follows it).
  void placeAfter(Control* sibling);

  Peer* peer() const { return peer_.get(); }
  void setPeer(std::unique_ptr<Peer> p);

 protected:
  void notify(unsigned what);

 private:
  Control* parent_;
  std::string name_;
  int id_;
  std::vector<Control*> children_;
  std::string caption_, hint_;
  bool visible_ = true, enabled_ = true, tabStop_ = false;
  Rect bounds_;
  Align align_ = Align::None;
  Color color_ = kParentColor, fontColor_ = 0;
  bool fontBold_ = false;
  std::unique_ptr<Peer> peer_;
};

}  // namespace ui
