#include "dialogs/TmSET.h"

#include <algorithm>

namespace dialogs {

int SpinValue(int value, int step) { return std::clamp(value + step, 0, kNumberMax); }

int AcceptedValue(int value, int minCount) { return value != 0 && value < minCount ? minCount : value; }

TTMSETBox::TTMSETBox(ui::Application& app, const NumberRequest& r)
    : ui::Form(app, "TMSETBox", "TTMSETBox"),
      LMsg0(add<ui::Label>(this, "LMsg0", 100)),
      LMsg1(add<ui::Label>(this, "LMsg1", 101)),
      LMsg2(add<ui::Label>(this, "LMsg2", 102)),
      Label2(add<ui::Label>(this, "Label2", 103)),
      SpinButton1Up(add<ui::Button>(this, "SpinButton1Up", 110)),
      SpinButton1Down(add<ui::Button>(this, "SpinButton1Down", 111)),
      SpinButton2Up(add<ui::Button>(this, "SpinButton2Up", 112)),
      SpinButton2Down(add<ui::Button>(this, "SpinButton2Down", 113)),
      SpinButton3Up(add<ui::Button>(this, "SpinButton3Up", 114)),
      SpinButton3Down(add<ui::Button>(this, "SpinButton3Down", 115)),
      Button1(add<ui::Button>(this, "Button1", 1)),
      Button4(add<ui::Button>(this, "Button4", 2)),
      value_(std::clamp(r.value, 0, kNumberMax)),
      minCount_(r.minCount),
      title_(r.title),
      confirm_(app) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption(r.title.empty() ? app.title() : r.title);
  LMsg0.setCaption(r.msg0);
  LMsg1.setCaption(r.msg1.empty() ? std::string("ファイルタイマーの設定：") : r.msg1);
  LMsg2.setCaption(r.msg2);
  unit_ = r.msg0.empty() ? std::string("個") : r.hms;
  Label2.alignRight = true;
  const int widths[] = {1, 10, 60};
  const char* hints[] = {"１", "１０", "６０"};
  ui::Button* ups[] = {&SpinButton1Up, &SpinButton2Up, &SpinButton3Up};
  ui::Button* downs[] = {&SpinButton1Down, &SpinButton2Down, &SpinButton3Down};
  for (int i = 0; i < 3; ++i) {
    const int step = widths[i];
    ups[i]->setCaption("▲");
    downs[i]->setCaption("▼");
    ups[i]->setHint(hints[i]);
    downs[i]->setHint(hints[i]);
    ups[i]->onClick = [this, step] { Spin(step); };
    downs[i]->onClick = [this, step] { Spin(-step); };
    ups[i]->setBounds(150 + i * 28, 40, 24, 14);
    downs[i]->setBounds(150 + i * 28, 55, 24, 14);
  }
  Button1.setCaption("設 定");
  Button1.isDefault = true;
  Button1.onClick = [this] { Button1Click(); };
  Button4.setCaption("中 止");
  Button4.isCancel = true;
  Button4.modalResult = ui::kResultAbort;
  // Geometry: the form widens to fit the first line.
  LMsg0.setBounds(10, 6, static_cast<int>(r.msg0.size()) * 7, 15);
  LMsg1.setBounds(10, 22, 200, 15);
  LMsg2.setBounds(10, 74, 200, 15);
  Label2.setBounds(10, 46, 130, 18);
  Button1.setBounds(40, 96, 75, 25);
  Button4.setBounds(125, 96, 75, 25);
  const int width = std::max(250, LMsg0.bounds().left + LMsg0.bounds().width + 10);
  ui::Rect place{0, 0, width, 160};
  const ui::Rect screen = app.screen();
  const ui::Rect owner = r.over ? r.over->bounds() : screen;
  place.left = owner.left + (owner.width - place.width) / 2;
  place.top = owner.top + (owner.height - place.height) / 2;
  place.left = std::max(screen.left, std::min(place.left, screen.right() - place.width));
  place.top = std::max(screen.top, std::min(place.top, screen.bottom() - place.height));
  setBounds(place);
  showValue();
  confirm_.SourceHandle = this;
}

void TTMSETBox::showValue() { Label2.setCaption(std::to_string(value_) + unit_); }

void TTMSETBox::Spin(int step) {
  value_ = SpinValue(value_, step);
  showValue();
}

void TTMSETBox::Button1Click() {
  value_ = AcceptedValue(value_, minCount_);
  showValue();
  confirm_.Title = caption();
  const int answer = confirm_.AskYesNo(title_ + "を、\n" + std::to_string(value_) + unit_ + "に、設定します");
  if (answer == ui::kResultYes) setModalResult(ui::kResultOk);
}

}  // namespace dialogs
