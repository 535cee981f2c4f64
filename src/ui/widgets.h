#pragma once
// The simple controls of the kit.
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Panel : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Panel; }
  bool bevel = true;

  // A splitter: a thin panel that, dragged and released, resizes its neighbour. Vertical bars
  // move sideways, horizontal ones up and down; a size grip moves both ways.
  void makeSplitter(Control* neighbour, bool vertical);
  void makeSizeGrip();
  bool isSplitter() const { return splitterTarget_ != nullptr || onDragged != nullptr; }
  bool verticalSplitter() const { return vertical_; }
  bool sizeGrip() const { return grip_; }
  // The drag ended (dx, dy) logical pixels from where it began (right and down positive); a
  // bar takes only the part along its own direction.
  void dragBy(int dx, int dy);
  std::function<void(int dx, int dy)> onDragged;  // instead of resizing a neighbour

 private:
  Control* splitterTarget_ = nullptr;
  bool vertical_ = true, grip_ = false;
};

class Label : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Label; }
  bool alignRight = false;
};

class Image : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Image; }
  enum class Icon { None, Information, Question, Exclamation, Trash, TrashFull };
  Icon icon() const { return icon_; }
  void setIcon(Icon i) {
    icon_ = i;
    notify(kChangeState);
  }

 private:
  Icon icon_ = Icon::None;
};

// The look of a pushed colour button: the face darkened by 32 in each of red, green and blue
// (not below 0); a black font turns dark grey, any other font light grey.
struct ButtonLook {
  Color face;
  Color font;
};
ButtonLook pushedLook(Color face, Color font);

// A push button; `isDefault` and `isCancel` answer Enter and Escape in dialogs. In a real
// window every button is the colour button: flat, in its parent's colour, and pushed in look
// while the mouse or the space bar holds it; it clicks when released over it.
class Button : public Control {
 public:
  Button(Control* parent, std::string name, int id) : Control(parent, std::move(name), id) {
    setTabStop(true);
  }
  Kind kind() const override { return Kind::Button; }
  bool isDefault = false;
  bool isCancel = false;
  int modalResult = 0;  // closes a modal form with this result when clicked
  void click() override;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::CheckBox; }
  bool checked() const { return checked_; }
  // Setting the state does not fire onClick; a user's click toggles and then fires it.
  void setChecked(bool on);
  void click() override;

 private:
  bool checked_ = false;
};

class RadioGroup : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::RadioGroup; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // A user's choice of an item: selects it and fires onClick.
  void choose(int index);
  int columns = 1;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class Edit : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Edit; }
  // The text is the caption; maxLength 0 means no limit.
  const std::string& text() const { return caption(); }
  void setText(const std::string& t);
  int maxLength() const { return maxLength_; }
  void setMaxLength(int n) { maxLength_ = n; notify(kChangeState); }
  bool readOnly = false;
  std::function<void()> onChange;
  // Text typed by the user (the peer reports it); fires onChange.
  void userTyped(const std::string& t);

 private:
  int maxLength_ = 0;
};

class Memo : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Memo; }
  bool readOnly = true;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::StatusBar; }
  struct PanelText {
    std::string text;
    int width = 100;
  };
  const std::vector<PanelText>& panels() const { return panels_; }
  void setPanelCount(int n);
  void setPanelText(int index, const std::string& text);
  void setPanelWidth(int index, int width);
  const std::string& panelText(int index) const;
  // Width of a text in the bold status font, as a hidden label would measure it.
  static int TextWidth(const std::string& text) { return static_cast<int>(text.size()) * 7; }

 private:
  std::vector<PanelText> panels_;
};

// A scroll or track bar: the play bars.
class ScrollBar : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::ScrollBar; }
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  void setRange(int min, int max);
  void setPosition(int pos);
  // The user moved the thumb; fires onChange.
  void userMoved(int pos);
  std::function<void()> onChange;

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

class Header : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::Header; }
  const std::vector<std::string>& sections() const { return sections_; }
  void setSections(std::vector<std::string> s);
  void setSection(int index, const std::string& text);

 private:
  std::vector<std::string> sections_;
};

// A folder tree, given as nodes in display order with their depth: a node's parent is the
// nearest earlier node one level up that is open.
class TreeView : public Control {
 public:
  using Control::Control;
  Kind kind() const override { return Kind::TreeView; }
  bool readOnly = true;
  struct Node {
    std::string text;
    int depth = 0;
    bool open = false;  // expanded, with its children below it
  };
  const std::vector<Node>& nodes() const { return nodes_; }
  void setNodes(std::vector<Node> nodes, int selected);
  int selected() const { return selected_; }
  // The user chose a node: selects it and fires onChange.
  void userSelect(int index);
  std::function<void()> onChange;

 private:
  std::vector<Node> nodes_;
  int selected_ = -1;
};

}  // namespace ui
