#pragma once
// TTMSETBox: the number box form. Three message lines, the value with its unit, spin buttons
// of 1, 10 and 60 (each an up and a down button), "設 定" with a confirmation and "中 止".
#include <string>

#include "dialogs/Mkdlg.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace dialogs {

inline constexpr int kNumberMax = 32700;

struct NumberRequest {
  std::string msg0, msg1, msg2;
  int minCount = 0;
  int value = 0;
  std::string title;  // caption and the subject of the confirmation
  std::string hms = "秒";
  ui::Form* over = nullptr;
};

// value + step clamped to 0..32,700.
int SpinValue(int value, int step);
// 0 stays 0 (off); otherwise at least minCount.
int AcceptedValue(int value, int minCount);

class TTMSETBox : public ui::Form {
 public:
  TTMSETBox(ui::Application& app, const NumberRequest& request);

  ui::Label &LMsg0, &LMsg1, &LMsg2, &Label2;
  ui::Button &SpinButton1Up, &SpinButton1Down, &SpinButton2Up, &SpinButton2Down, &SpinButton3Up,
      &SpinButton3Down;
  ui::Button &Button1, &Button4;

  int value() const { return value_; }
  const std::string& unit() const { return unit_; }
  void Spin(int step);
  void Button1Click();

 private:
  void showValue();
  int value_;
  int minCount_;
  std::string unit_, title_;
  TMKBoxDlg confirm_;
};

}  // namespace dialogs
