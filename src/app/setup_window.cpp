#include "app/setup_window.h"

#include "ui/form.h"
#include "ui/widgets.h"

namespace app {

int RunSetupWindow(ui::Application& app, const StartDecision& start) {
  ui::Form form(app, "BGM_SETUPFM", kSetupWindowClass);
  form.isDialog = true;
  form.setCaption("Zelcor32 B-G-M セットアップ");
  auto& text = form.add<ui::Label>(&form, "LabelInfo", 100);
  text.setCaption(start.uninstall
                      ? (start.otherInstanceRunning ? "Zelcor32 B-G-M が実行中です。\n終了してからアンインストールして下さい。"
                                                    : "アンインストールはまだ出来ません。")
                      : "設定のバージョンが、このプログラムと違います。\n"
                        "セットアップ（バージョン 20 の登録）を実行して下さい。");
  text.setBounds(16, 16, 360, 48);
  auto& close = form.add<ui::Button>(&form, "ButtonClose", 101);
  close.setCaption("閉じる");
  close.isDefault = true;
  close.isCancel = true;
  close.setBounds(300, 72, 75, 25);
  close.onClick = [&form] { form.close(); };
  form.setBounds(0, 0, 392, 110);
  ui::Rect area = app.workArea();
  form.setBounds(area.left + (area.width - 392) / 2, area.top + (area.height - 110) / 2, 392, 110);
  app.mainForm = &form;
  form.show();
  app.loop().runUntil([&app] { return app.terminated(); });
  return 0;
}

}  // namespace app
