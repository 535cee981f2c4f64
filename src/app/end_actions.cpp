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
  if (S.settings.endCountChoice == 0) {
    S.run.EndCountLeft = 0;
    caption = "終了曲数 再生モードに従う(&P)";
  } else if (S.settings.endCountChoice >= 1 && S.settings.endCountChoice <= 10) {
    S.run.EndCountLeft = S.settings.endCountChoice;
    caption = "終了曲数 " + std::to_string(S.settings.endCountChoice) + " 曲(&P)";
  } else {
    S.run.EndCountLeft = S.settings.endCountSet;
    caption = "終了曲数 Set " + std::to_string(S.settings.endCountSet) + " 曲(&P)";
  }
  menu("ME_kosu").setCaption(caption);
}

void TZELCOR32ZUMIK::ME_kosu0Click(ui::MenuItem& item) {
  S.settings.endCountChoice = item.tag;
  RefreshEndCount();
}

bool TZELCOR32ZUMIK::AskCount(int& value, const std::string& prompt, const std::string& title) {
  if (S.run.MenuBusy) return false;
  S.run.MenuBusy = true;
  TmSETBoxDlg1.Msg0.clear();
  TmSETBoxDlg1.Msg1 = prompt;
  TmSETBoxDlg1.Msg2.clear();
  TmSETBoxDlg1.TCount = value;
  const bool accepted = TmSETBoxDlg1.Execute(title) == ui::kResultOk;
  S.run.MenuBusy = false;
  if (accepted)
    value = TmSETBoxDlg1.TCount;
  else
    MKBoxDlg1.ShowTimed("中止しました。", 1);
  return accepted;
}

void TZELCOR32ZUMIK::ME_kosu_Set_EditClick() {
  int count = S.settings.endCountSet;
  TmSETBoxDlg1.MinCount = 0;
  if (!AskCount(count, "Set 曲数：", "Set 曲数設定")) return;
  S.settings.endCountSet = count;
  menu("ME_kosu_Set").setCaption("Set " + std::to_string(count));
  S.settings.endCountChoice = 11;
  RefreshEndCount();
}

void TZELCOR32ZUMIK::FOLDERHISClick() {
  int limit = S.settings.folderHistoryLimit;
  if (!AskCount(limit, "ﾌｫﾙﾀﾞｰﾋｽﾄﾘｰ登録個数：", "ﾌｫﾙﾀﾞｰﾋｽﾄﾘｰ")) return;
  S.settings.folderHistoryLimit = limit;
  menu("FOLDERHIS").setCaption(FolderHistoryCaption(limit));
}

void TZELCOR32ZUMIK::FILEHISClick() {
  int limit = S.settings.fileHistoryLimit;
  if (!AskCount(limit, "ﾌｧｲﾙﾋｽﾄﾘｰ登録個数：", "ﾌｧｲﾙﾋｽﾄﾘｰ")) return;
  S.settings.fileHistoryLimit = limit;
  menu("FILEHIS").setCaption(FileHistoryCaption(limit));
}

void TZELCOR32ZUMIK::ME_AUTO_OFFClick() {
  flip(menu("ME_AUTO_OFF"));
  CheckBox1.setEnabled(!S.settings.endClose);
  if (S.settings.endClose) {
    RadioGroup1.setColor(S.settings.endWin ? kRed : kMagenta);
    RadioGroup1.setFont(kWhite, false);
  } else {
    setFlag("ME_AUTO_OFF_WIN", false);
    RadioGroup1.setColor(ui::kParentColor);
    RadioGroup1.setFont(0, false);
  }
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_WINClick() {
  flip(menu("ME_AUTO_OFF_WIN"));
  if (S.settings.endWin) {
    setFlag("ME_AUTO_OFF", false);
    ME_AUTO_OFFClick();
  } else if (S.settings.endClose) {
    RadioGroup1.setColor(kMagenta);
    RadioGroup1.setFont(kWhite, false);
  }
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_SAVEClick() {
  flip(menu("ME_AUTO_OFF_SAVE"));
  CheckBox1.setEnabled(!S.settings.endCloseSave);
  if (!S.settings.endCloseSave) setFlag("ME_AUTO_OFF_WIN_SAVE", false);
}

void TZELCOR32ZUMIK::ME_AUTO_OFF_WIN_SAVEClick() {
  flip(menu("ME_AUTO_OFF_WIN_SAVE"));
  if (S.settings.endWinSave) {
    setFlag("ME_AUTO_OFF_SAVE", false);
    ME_AUTO_OFF_SAVEClick();
  }
}

}  // namespace app
