#pragma once
// TMKBox: the message box window. Text, icon, buttons, and a countdown that answers for the
// user when nobody does, so unattended play never stalls on a dialog.
#include <string>

#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace dialogs {

// What a countdown that runs out ends the box with; the caller's default replaces it.
constexpr int kTimedOut = 11;

enum class BoxKind { Message, Question, Error };

struct BoxRequest {
  BoxKind kind = BoxKind::Message;
  std::string text;
  std::string caption;
  bool countdown = false;
  std::string startText;  // decimal seconds, at most 10 characters
  int defaultCode = 1;
  ui::Form* over = nullptr;  // window to centre over (null: the screen's work area)
};

class TMKBox : public ui::Form {
 public:
  TMKBox(ui::Application& app, const BoxRequest& request);

  ui::Memo& MemoMsg;
  ui::Image& Image_Box;
  ui::Label& Label_TM;
  ui::Label& TMCountS;
  ui::Panel& Label_Select;
  ui::Button& Btn_OK;
  ui::Button& Btn_Yes;
  ui::Button& Btn_No;
  ui::Button& Btn_Abort;
  ui::Button& Btn_TM_STOP;
  ui::Button& Btn_TM_OPEN;
  ui::Timer& Timer1;
  ui::MenuItem& MemoMenu;

  // Seconds left as shown; -1 before the first tick.
  int remaining() const { return remaining_; }
  std::function<void(const std::string&)> onCopy;

 private:
  void layout(const BoxRequest& r);
  void placeMarker(int defaultCode);
  void Timer1Timer();
  void pause();
  void resume();
  int remaining_ = -1;
  bool started_ = false;
};

}  // namespace dialogs
