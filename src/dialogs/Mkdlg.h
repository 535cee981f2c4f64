#pragma once
// TMKBoxDlg: the component every message, question and error of the player goes through.
// Up to ten boxes may be open at once (a timer can open one over another); an eleventh
// request shows nothing and returns 0.
#include <array>
#include <functional>
#include <string>

#include "dialogs/mk.h"
#include "ui/application.h"

namespace dialogs {

constexpr int kSlots = 10;

class TMKBoxDlg {
 public:
  explicit TMKBoxDlg(ui::Application& app) : app_(app) {}

  std::string Title;
  ui::Form* SourceHandle = nullptr;  // null: the main window
  bool Timer = true;
  int TimerCount = 10;
  bool ERTimer = true;
  int ERTimerCount = 10;
  std::array<bool, kSlots> B{};  // busy flags of the display slots

  // 1. Information: ＯＫ only, no countdown.
  int ShowMessage(const std::string& text);
  // 2. Yes/no question without countdown.
  int AskYesNo(const std::string& text);
  // 3. Message with countdown (Timer / TimerCount).
  int ShowTimed(const std::string& text, int defaultCode);
  // 4. Yes/no question with countdown; default 6 or 7.
  int AskYesNoTimed(const std::string& text, int defaultCode);
  // 5. Continue/abort (ＯＫ and 中 断) with the error countdown (ERTimer / ERTimerCount).
  int ShowError(const std::string& text, int defaultCode);
  // 6. Continue/abort with an explicit number of seconds.
  int ShowErrorTimed(int seconds, const std::string& text, int defaultCode);

  // Where the memo's "コピー" puts the text.
  std::function<void(const std::string&)> onCopy;
  // The box on screen in the highest busy slot (null when none): for tests and drivers.
  TMKBox* current() const { return current_; }

 private:
  int show(BoxKind kind, const std::string& text, bool countdown, int seconds, int defaultCode);
  ui::Application& app_;
  TMKBox* current_ = nullptr;
};

}  // namespace dialogs
