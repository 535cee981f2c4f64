// The end-of-play menu: the end count and the two end actions with their save options.
#include "app/Zelcoru.h"

namespace app {

namespace {
constexpr ui::Color kRed = 0x0000FF;
constexpr ui::Color kMagenta = 0xFF00FF;
constexpr ui::Color kWhite = 0xFFFFFF;
}  // namespace

void TZELCOR32ZUMIK::RefreshEndCount() {
  std::string caption;
  if (S.EndCountChoice == 0) {
    S.EndCountLeft = 0;
    caption = "終了曲数 再生モードに従う(&P)";
  } else if (S.EndCountChoice >= 1 && S.EndCountChoice <= 10) {
    S.EndCountLeft = S.EndCountChoice;
    caption = "終了曲数 " + std::to_string(S.EndCountChoice) + " 曲(&P)";
  } else {
    S.EndCountLeft = S.EndCountSet;
    caption = "終了曲数 Set " + std::to_string(S.EndCountSet) + " 曲(&P)";
  }
  menu("ME_kosu").setCaption(caption);
}

void TZELCOR32ZUMIK::ME_kosu0Click(ui::MenuItem& item) {
  S.EndCountChoice = item.tag;
  RefreshEndCount();
}

void TZELCOR32ZUMIK::ME_AUTO_OFFClick() {
  ui::MenuItem& off = menu("ME_AUTO_OFF");
  off.setChecked(!off.checked());
  CheckBox1.setEnabled(!off.checked());
  if (off.checked()) {
    RadioGroup1.setColor(menu("ME_AUTO_OFF_WIN").checked() ? kRed : kMagenta);
    RadioGroup1.setFont(kWhite, false);
  } else {
    menu("ME_AUTO_OFF_WIN").setChecked(false);
    RadioGroup1.setColor(ui::kParentColor);
    RadioGroup1.setFont(0, false);
  }
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_WINClick() {
  ui::MenuItem& win = menu("ME_AUTO_OFF_WIN");
  win.setChecked(!win.checked());
  if (win.checked()) {
    menu("ME_AUTO_OFF").setChecked(false);
    ME_AUTO_OFFClick();
  } else if (menu("ME_AUTO_OFF").checked()) {
    RadioGroup1.setColor(kMagenta);
    RadioGroup1.setFont(kWhite, false);
  }
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_SAVEClick() {
  ui::MenuItem& save = menu("ME_AUTO_OFF_SAVE");
  save.setChecked(!save.checked());
  CheckBox1.setEnabled(!save.checked());
  if (!save.checked()) menu("ME_AUTO_OFF_WIN_SAVE").setChecked(false);
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_WIN_SAVEClick() {
  ui::MenuItem& save = menu("ME_AUTO_OFF_WIN_SAVE");
  save.setChecked(!save.checked());
  if (save.checked()) {
    menu("ME_AUTO_OFF_SAVE").setChecked(false);
    ME_AUTO_OFF_SAVEClick();
  }
}

}  // namespace app
