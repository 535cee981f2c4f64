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

bool TZELCOR32ZUMIK::AskCount(int& value, const std::string& prompt, const std::string& title) {
  if (S.MenuBusy) return false;
  S.MenuBusy = true;
  TmSETBoxDlg1.Msg0.clear();
  TmSETBoxDlg1.Msg1 = prompt;
  TmSETBoxDlg1.Msg2.clear();
  TmSETBoxDlg1.TCount = value;
  const bool accepted = TmSETBoxDlg1.Execute(title) == ui::kResultOk;
  S.MenuBusy = false;
  if (accepted)
    value = TmSETBoxDlg1.TCount;
  else
    MKBoxDlg1.ShowTimed("中止しました。", 1);
  return accepted;
}

void TZELCOR32ZUMIK::ME_kosu_Set_EditClick() {
  int count = S.EndCountSet;
  TmSETBoxDlg1.MinCount = 0;
  if (!AskCount(count, "Set 曲数：", "Set 曲数設定")) return;
  S.EndCountSet = count;
  menu("ME_kosu_Set").setCaption("Set " + std::to_string(count));
  S.EndCountChoice = 11;
  RefreshEndCount();
}

void TZELCOR32ZUMIK::FOLDERHISClick() {
  int limit = S.FolderHistoryLimit;
  if (!AskCount(limit, "ﾌｫﾙﾀﾞｰﾋｽﾄﾘｰ登録個数：", "ﾌｫﾙﾀﾞｰﾋｽﾄﾘｰ")) return;
  S.FolderHistoryLimit = limit;
  menu("FOLDERHIS").setCaption(FolderHistoryCaption(limit));
}

void TZELCOR32ZUMIK::FILEHISClick() {
  int limit = S.FileHistoryLimit;
  if (!AskCount(limit, "ﾌｧｲﾙﾋｽﾄﾘｰ登録個数：", "ﾌｧｲﾙﾋｽﾄﾘｰ")) return;
  S.FileHistoryLimit = limit;
  menu("FILEHIS").setCaption(FileHistoryCaption(limit));
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
