#include "dialogs/Mkdlg.h"

namespace dialogs {

int TMKBoxDlg::ShowMessage(const std::string& text) { return show(BoxKind::Message, text, false, 0, 1); }

int TMKBoxDlg::AskYesNo(const std::string& text) { return show(BoxKind::Question, text, false, 0, 7); }

int TMKBoxDlg::ShowTimed(const std::string& text, int defaultCode) {
  return show(BoxKind::Message, text, Timer, TimerCount, defaultCode);
}

int TMKBoxDlg::AskYesNoTimed(const std::string& text, int defaultCode) {
  return show(BoxKind::Question, text, Timer, TimerCount, defaultCode);
}

int TMKBoxDlg::ShowError(const std::string& text, int defaultCode) {
  return show(BoxKind::Error, text, ERTimer, ERTimerCount, defaultCode);
}

int TMKBoxDlg::ShowErrorTimed(int seconds, const std::string& text, int defaultCode) {
  return show(BoxKind::Error, text, ERTimer, seconds, defaultCode);
}

int TMKBoxDlg::show(BoxKind kind, const std::string& text, bool countdown, int seconds, int defaultCode) {
  int slot = -1;
  for (int i = 0; i < kSlots; ++i)
    if (!B[i]) {
      slot = i;
      break;
    }
  if (slot < 0) return 0;
  B[slot] = true;

  BoxRequest r;
  r.kind = kind;
  r.text = text;
  r.caption = Title.empty() ? app_.title() : Title;
  r.countdown = countdown;
  r.startText = std::to_string(seconds).substr(0, 10);
  r.defaultCode = defaultCode;
  r.over = SourceHandle ? SourceHandle : app_.mainForm;

  TMKBox* outer = current_;
  int code = 0;
  {
    TMKBox box(app_, r);
    box.onCopy = onCopy;
    current_ = &box;
    code = box.showModal();
  }
  current_ = outer;
  B[slot] = false;
  return code == kTimedOut ? defaultCode : code;
}

}  // namespace dialogs
