#include "dialogs/mk.h"

#include <algorithm>
#include <cstdlib>
#include <vector>


namespace dialogs {

namespace {

constexpr int kButtonW = 75, kButtonH = 25, kGap = 8, kMargin = 10;
constexpr int kCharW = 6, kLineH = 15;  // half-width character cell of the dialog font

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

// Line feeds become CR LF so the memo shows separate lines.
std::string toMemoText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

TMKBox::TMKBox(ui::Application& app, const BoxRequest& r)
    : ui::Form(app, "MKBox", "TMKBox"),
      MemoMsg(add<ui::Memo>(this, "MemoMsg", 100)),
      Image_Box(add<ui::Image>(this, "Image_Box", 101)),
      Label_TM(add<ui::Label>(this, "Label_TM", 102)),
      TMCountS(add<ui::Label>(this, "TMCountS", 103)),
      Label_Select(add<ui::Panel>(this, "Label_Select", 104)),
      Btn_OK(add<ui::Button>(this, "Btn_OK", 1)),
      Btn_Yes(add<ui::Button>(this, "Btn_Yes", 6)),
      Btn_No(add<ui::Button>(this, "Btn_No", 7)),
      Btn_Abort(add<ui::Button>(this, "Btn_Abort", 3)),
      Btn_TM_STOP(add<ui::Button>(this, "Btn_TM_STOP", 105)),
      Btn_TM_OPEN(add<ui::Button>(this, "Btn_TM_OPEN", 106)),
      Timer1(addTimer("Timer1", 1000)),
      MemoMenu(addPopup("PopupMenu1")) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption(r.caption);
  MemoMsg.setCaption(toMemoText(r.text));
  MemoMsg.popupMenu = &MemoMenu;
  MemoMenu.add("Copy1", 110, "コピー").onClick = [this] {
    if (onCopy) onCopy(MemoMsg.caption());
  };
  MemoMenu.add("Cancel1", 111, "キャンセル");
  Image_Box.setIcon(r.kind == BoxKind::Question ? ui::Image::Icon::Question : ui::Image::Icon::Information);
  Btn_OK.setCaption("ＯＫ");
  Btn_Yes.setCaption("はい");
  Btn_No.setCaption("いいえ");
  Btn_Abort.setCaption("中 断");
  Btn_TM_STOP.setCaption("一時停止");
  Btn_TM_OPEN.setCaption("ｶｳﾝﾄ再開");
  Btn_OK.modalResult = ui::kResultOk;
  Btn_Yes.modalResult = ui::kResultYes;
  Btn_No.modalResult = ui::kResultNo;
  Btn_Abort.modalResult = ui::kResultAbort;
  Btn_TM_STOP.onClick = [this] { pause(); };
  Btn_TM_OPEN.onClick = [this] { resume(); };
  Label_Select.setHint("タイムアウト、デフォルト値");
  Label_Select.bevel = false;
  TMCountS.setCaption(r.startText);
  TMCountS.setVisible(false);
  Timer1.onTimer = [this] { Timer1Timer(); };
  layout(r);
  if (r.countdown) {
    Label_TM.setCaption(r.startText + "秒");
    Timer1.setEnabled(true);
  }
}

void TMKBox::layout(const BoxRequest& r) {
  const bool question = r.kind == BoxKind::Question;
  const bool error = r.kind == BoxKind::Error;
  std::vector<std::string> lines = splitLines(r.text);
  std::size_t widest = 0;
  for (auto& l : lines) widest = std::max(widest, l.size());
  const int memoW = std::clamp(static_cast<int>(widest) * kCharW + 16, 160, 640);
  const int memoH = std::clamp(static_cast<int>(lines.size()) * kLineH + 10, 34, 420);
  Image_Box.setBounds(kMargin, kMargin, 32, 32);
  MemoMsg.setBounds(kMargin + 42, kMargin, memoW, memoH);

  // The button row, left to right.
  std::vector<ui::Control*> row;
  if (question) {
    row = {&Btn_Yes, &Btn_No};
    Btn_Yes.isDefault = true;
    Btn_No.isCancel = true;
  } else {
    row = {&Btn_OK};
    Btn_OK.isDefault = true;
    Btn_OK.isCancel = !error;
  }
  if (error) row.push_back(&Btn_Abort);
  Btn_OK.setVisible(!question);
  Btn_Yes.setVisible(question);
  Btn_No.setVisible(question);
  Btn_Abort.setVisible(error);
  if (r.countdown) {
    row.push_back(&Label_TM);
    row.push_back(&Btn_TM_STOP);
  }
  Label_TM.setVisible(r.countdown);
  Label_TM.alignRight = true;
  Btn_TM_STOP.setVisible(r.countdown);
  Btn_TM_OPEN.setVisible(false);

  int rowW = 0;
  for (auto* c : row) rowW += (c == &Label_TM ? 50 : kButtonW) + kGap;
  rowW -= kGap;
  const int clientW = std::max(MemoMsg.bounds().right() + kMargin, rowW + 2 * kMargin);
  const int rowY = std::max(MemoMsg.bounds().bottom(), Image_Box.bounds().bottom()) + 12;
  int x = (clientW - rowW) / 2;
  for (auto* c : row) {
    const int w = c == &Label_TM ? 50 : kButtonW;
    c->setBounds(x, c == &Label_TM ? rowY + 6 : rowY, w, c == &Label_TM ? 16 : kButtonH);
    x += w + kGap;
  }
  Btn_TM_OPEN.setBounds(Btn_TM_STOP.bounds());
  const int clientH = rowY + kButtonH + kMargin;

  // Centred over the source window, or in the work area; kept inside the work area.
  ui::Rect area = app().workArea();
  ui::Rect over = r.over && r.over->bounds().width > 0 ? r.over->bounds() : area;
  int left = over.left + (over.width - clientW) / 2;
  int top = over.top + (over.height - clientH) / 2;
  left = std::clamp(left, area.left, std::max(area.left, area.right() - clientW));
  top = std::clamp(top, area.top, std::max(area.top, area.bottom() - clientH));
  setBounds(left, top, clientW, clientH);
  placeMarker(r.countdown ? r.defaultCode : 0);
}

void TMKBox::placeMarker(int defaultCode) {
  ui::Control* target = nullptr;
  for (ui::Control* b : {static_cast<ui::Control*>(&Btn_OK), static_cast<ui::Control*>(&Btn_Abort),
                         static_cast<ui::Control*>(&Btn_Yes), static_cast<ui::Control*>(&Btn_No)})
    if (b->id() == defaultCode && b->visible()) target = b;
  Label_Select.setVisible(target != nullptr);
  if (!target) return;
  const ui::Rect& b = target->bounds();
  Label_Select.setBounds(b.left - 3, b.top - 3, b.width + 6, b.height + 6);
  // Red, unless the form itself is pure red.
  Label_Select.setColor(effectiveColor() == 0x0000FFu ? 0xFF0000u : 0x0000FFu);
}

void TMKBox::Timer1Timer() {
  if (!started_) {
    remaining_ = static_cast<int>(std::strtol(TMCountS.caption().c_str(), nullptr, 10));
    started_ = true;
  }
  --remaining_;
  Label_TM.setCaption(std::to_string(remaining_ < 0 ? 0 : remaining_) + "秒");
  if (remaining_ < 1) {
    Timer1.setEnabled(false);
    setModalResult(kTimedOut);
  }
}

void TMKBox::pause() {
  Timer1.setEnabled(false);
  Btn_TM_STOP.setVisible(false);
  Btn_TM_OPEN.setVisible(true);
}

void TMKBox::resume() {
  // Continue from the value on screen.
  if (started_) TMCountS.setCaption(std::to_string(remaining_));
  started_ = false;
  Btn_TM_OPEN.setVisible(false);
  Btn_TM_STOP.setVisible(true);
  Timer1.setEnabled(true);
}

}  // namespace dialogs
