#pragma once
// Shared helpers of the headless tests.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/mk.h"
#include "ui/headless_loop.h"

namespace testing_support {

// Runs fn once, ms of virtual time from now.
inline void after(ui::HeadlessLoop& loop, unsigned ms, std::function<void()> fn) {
  auto id = std::make_shared<int>(0);
  *id = loop.startTimer(ms, [&loop, id, fn] {
    loop.stopTimer(*id);
    fn();
  });
}

// Answers each message box at once: its text goes to messages (line ends as LF, as the memo
// shows them as CR LF), a question gets Yes while answerYes holds, any other box OK. Other
// modal forms go to onOtherForm when one is given.
inline void AnswerBoxesAtOnce(ui::Application& app, std::vector<std::string>& messages, const bool& answerYes,
                              std::function<void(ui::Form&)> onOtherForm = {}) {
  app.onModalShown = [&messages, &answerYes, onOtherForm](ui::Form& f) {
    if (onOtherForm && f.windowClass() != "TMKBox") return onOtherForm(f);
    auto& box = static_cast<dialogs::TMKBox&>(f);
    std::string text = box.MemoMsg.caption();
    std::erase(text, '\r');
    messages.push_back(text);
    if (box.Btn_Yes.visible())
      (answerYes ? box.Btn_Yes : box.Btn_No).click();
    else
      box.Btn_OK.click();
  };
}

}  // namespace testing_support
