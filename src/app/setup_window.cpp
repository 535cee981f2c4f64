#include "app/setup_window.h"

#include <string>

#include "core/control_ids.h"
#include "core/settings.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace app {

SetupOutcome RunSetupWindow(ui::Application& app, const StartDecision& start, platform::Registry& reg) {
  constexpr int kWidth = 392, kHeight = 110;
  ui::Form form(app, "BGM_SETUPFM", kSetupWindowClass);
  form.isDialog = true;
  form.setCaption("Zelcor32 B-G-M セットアップ");
  auto& text = form.add<ui::Label>(&form, "LabelInfo", setup_ids::LabelInfo);
  const std::string version = std::to_string(core::kBuildVersion);
  text.setCaption(start.uninstall
                      ? (start.otherInstanceRunning ? "Zelcor32 B-G-M が実行中です。\n終了してからアンインストールして下さい。"
                                                    : "アンインストールはまだ出来ません。")
                      : "設定のバージョンが、このプログラムと違います。\n"
                        "「登録して起動」で、バージョン " + version + " を登録してプレーヤーを起動します。");
  text.setBounds(16, 16, 360, 48);
  auto& close = form.add<ui::Button>(&form, "ButtonClose", setup_ids::ButtonClose);
  close.setCaption("閉じる");
  close.isCancel = true;
  close.setBounds(300, 72, 75, 25);
  close.onClick = [&form] { form.close(); };
  // Without this a user whose version was deleted could not start the player at all.
  bool startPlayer = false;
  if (!start.uninstall) {
    auto& go = form.add<ui::Button>(&form, "ButtonStart", setup_ids::ButtonStart);
    go.setCaption("登録して起動");
    go.isDefault = true;
    go.setBounds(196, 72, 96, 25);
    go.onClick = [&] {
      startPlayer = reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "Version", version);
      if (startPlayer) form.hide();
      else text.setCaption("バージョンを登録出来ませんでした・・・");
    };
  } else {
    close.isDefault = true;
  }
  const ui::Rect area = app.workArea();
  form.setBounds(area.left + (area.width - kWidth) / 2, area.top + (area.height - kHeight) / 2, kWidth, kHeight);
  app.mainForm = &form;
  form.show();
  app.loop().runUntil([&] { return app.terminated() || startPlayer; });
  app.mainForm = nullptr;
  return startPlayer ? SetupOutcome::StartPlayer : SetupOutcome::Closed;
}

}  // namespace app
