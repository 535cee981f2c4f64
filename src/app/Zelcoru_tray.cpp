// Living in the notification area: entering and leaving it, the two tray menus and the tip.
#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "base/sjis.h"

namespace app {

namespace {
const ui::Rect kOffScreen{0, -40, 0, 0};
}  // namespace

#define ITEM(parent, name, caption) (parent).add(#name, ids::name, caption)

void TZELCOR32ZUMIK::buildDesktopMenus() {
  ui::MenuItem& r = addPopup("PopupMenuTR");
  ITEM(r, TR1, "再生 (&P)").onClick = [this] { Button2.click(); };
  ITEM(r, TR2, "中断 (&K)").onClick = [this] { Button5.click(); };
  ITEM(r, TRSKIP, "スキップ (&S)").onClick = [this] { Button3.click(); };
  ITEM(r, TRBS, "バック・スキップ (&B)").onClick = [this] { Button10.click(); };
  r.separator();
  const char* modes[] = {"連続 (&R)", "逆連 (&G)", "単独 (&O)", "ランダム (&D)"};
  const int modeIds[] = {ids::TRM0, ids::TRM1, ids::TRM2, ids::TRM3};
  for (int i = 0; i < 4; ++i) {
    ui::MenuItem& m = r.add("TRM" + std::to_string(i), modeIds[i], modes[i]);
    m.tag = i;
    m.onClick = [this, &m] { TRM0Click(m); };
  }
  r.separator();
  ITEM(r, P_ICON_DEL, "アイコンを消す (&I)").onClick = [this] { P_ICON_DELClick(); };
  ITEM(r, TRIconOFF, "常駐解除（元の画面に戻る） (&U)").onClick = [this] { TRIconOFFClick(); };
  ITEM(r, TROFF, "終了 (&X)").onClick = [this] { Button6Click(); };
  r.separator();
  ITEM(r, TRX, "このメニューを閉じる (&Z)");

  ui::MenuItem& l = addPopup("PopupMenuTL");
  ITEM(l, TL1, "再生開始 (&P)").onClick = [this] { Button2.click(); };
  ITEM(l, TL2, "中断 (&K)").onClick = [this] { Button5.click(); };
  l.separator();
  ITEM(l, TLX, "このメニューを閉じる (&Z)");

  menu("MSC_ST_SET").onClick = [this] { MSC_ST_SETClick(true); };
  menu("MSC_ST_DEL").onClick = [this] { MSC_ST_SETClick(false); };
  menu("MSC_DK_SET").onClick = [this] { MSC_DK_SETClick(true); };
  menu("MSC_DK_DEL").onClick = [this] { MSC_DK_SETClick(false); };
  for (const bool play : {true, false}) {
    menu(play ? "PkPLAY" : "PKANREN").onClick = [this, play] {
      std::string folder;
      const std::vector<std::string> rows = SelectedRows(folder);
      Kanren.PKANRENClick(rows, folder, play);
    };
  }
  TaskTray1.OnMouseDown = [this](desktop::TTaskTray&, desktop::MouseButton b, int, int) { TaskTray1MouseDown(b); };
  ButtonTRAY.onClick = [this] { ButtonTRAYClick(); };
  Timer_Mini.onTimer = [this] { Timer_MiniTimer(); };
}

#undef ITEM

void TZELCOR32ZUMIK::EnterTray(bool rememberBounds) {
  if (rememberBounds) TrayBounds = bounds();
  setBounds(kOffScreen);
  setTaskbarButton(false);
  // Last, so the shell counts the taskbar buttons again when it hears of the icon.
  TaskTray1.setRegistered(true);
}

void TZELCOR32ZUMIK::ButtonTRAYClick() {
  if (S.run.ShutDown) return;
  app().setBusyCursor(true);
  ButtonTRAY.setVisible(false);
  EnterTray(true);
  app().setBusyCursor(false);
}

void TZELCOR32ZUMIK::Timer_MiniTimer() {
  Timer_Mini.setEnabled(false);
  EnterTray(false);  // the bounds were taken when start-up chose the tray
  PanelOPEN.setVisible(false);
}

void TZELCOR32ZUMIK::TRIconOFFClick() {
  if (S.run.ShutDown) return;
  setBounds(TrayBounds);
  setTaskbarButton(true);
  ButtonTRAY.setVisible(true);
  TaskTray1.setRegistered(false);
}

void TZELCOR32ZUMIK::P_ICON_DELClick() {
  // Showing the taskbar state anew clears a button the taskbar kept by mistake.
  const bool on = taskbarButton();
  setTaskbarButton(!on);
  setTaskbarButton(on);
}

void TZELCOR32ZUMIK::TRM0Click(ui::MenuItem& item) {
  RadioGroup1.choose(-1);
  RadioGroup1.choose(item.tag);
}

void TZELCOR32ZUMIK::TaskTray1MouseDown(desktop::MouseButton button) {
  // The tray component keeps a second press out until this one's menu has closed.
  if (button == desktop::MouseButton::Middle) return;
  app().processMessages();
  app().setBusyCursor(true);
  const bool left = button == desktop::MouseButton::Left;
  PopupMenuTrayPopup(left);
  app().setBusyCursor(false);
  app().popupAtMouse(*this, left ? *findMenu("PopupMenuTL") : *findMenu("PopupMenuTR"), 0, 0);
}

std::string TZELCOR32ZUMIK::TrayPlayCaption(const std::string& head, const std::string& version) {
  int v = 255;
  try {
    std::size_t used = 0;
    v = std::stoi(version, &used);
    if (used != version.size()) v = 255;
  } catch (const std::exception&) {
    v = 255;
  }
  const std::string number = v == 255 ? "?.?" : std::to_string(v / 10) + "．" + std::to_string(v % 10);
  return head + "　－　（Zelcor32 V" + number + "） (&P)";
}

void TZELCOR32ZUMIK::PopupMenuTrayPopup(bool left) {
  const bool playing = S.run.PlayRunActive;
  ui::MenuItem& play = menu(left ? "TL1" : "TR1");
  ui::MenuItem& stop = menu(left ? "TL2" : "TR2");
  if (!left)
    for (int i = 0; i < 4; ++i) menu(("TRM" + std::to_string(i)).c_str()).setChecked(RadioGroup1.itemIndex() == i);
  stop.setCaption(std::string("中断　－　") + (playing ? "(再生中) (&K)" : "(停止中) (&K)"));
  play.setChecked(playing);
  stop.setChecked(!playing);
  const std::string version =
      Sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "Version").value_or("255");
  play.setCaption(TrayPlayCaption(left ? "再生開始" : "再生", version));
}

void TZELCOR32ZUMIK::SetTitle(const std::string& title) {
  setCaption(title);
  app().setTitle(title);
  if (!S.run.ShutDown) TaskTray1.setTipString(base::CutToBytes(title, 63));
}

}  // namespace app
