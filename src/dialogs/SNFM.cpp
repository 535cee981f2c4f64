#include "dialogs/SNFM.h"

#include <algorithm>

#include "dialogs/placement.h"

namespace dialogs {

void MoveToTop(std::vector<std::string>& history, const std::string& text) {
  history.erase(std::remove(history.begin(), history.end(), text), history.end());
  history.insert(history.begin(), text);
}

TSNBox::TSNBox(ui::Application& app, const LineRequest& r)
    : ui::Form(app, "SNBox", "TSNBox"),
      Msg(add<ui::Label>(this, "Msg", 100)),
      Edit1(add<ui::Edit>(this, "Edit1", 101)),
      Button1(add<ui::Button>(this, "Button1", 1)),
      Button2(add<ui::Button>(this, "Button2", 2)),
      Button3(add<ui::Button>(this, "Button3", 102)),
      Panel1(add<ui::Panel>(this, "Panel1", 103)),
      ComboBox1(add<ui::ComboBox>(&Panel1, "ComboBox1", 104)),
      Button4(add<ui::Button>(&Panel1, "Button4", 105)) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption(r.caption);
  PaintLikeMainWindow(*this);
  const ui::Color field = r.standardColor ? ui::kWindowColor : ui::kParentColor;
  Edit1.setColor(field);
  ComboBox1.setColor(field);
  Msg.setCaption(r.prompt + "：");
  Edit1.setText(r.text);
  Button1.setCaption("登録");
  Button1.isDefault = true;
  Button1.onClick = [this] { Button1Click(); };
  Button2.setCaption("中止");
  Button2.isCancel = true;
  Button2.modalResult = ui::kResultAbort;
  Button3.setCaption("H");
  Button3.setHint("ヒストリーの表示");
  Button3.onClick = [this] { Panel1.setVisible(true); };
  Button4.setCaption("off");
  Button4.setHint("ヒストリーを選択せずに閉じる");
  Button4.onClick = [this] { Panel1.setVisible(false); };
  ComboBox1.setHint("ヒストリーの選択");
  ComboBox1.onClick = [this] { ComboBox1Change(); };
  std::vector<std::string> history = r.history;
  if (!r.text.empty()) MoveToTop(history, r.text);
  ComboBox1.setItems(std::move(history));
  if (ComboBox1.count() > 0) ComboBox1.setItemIndex(0);
  Panel1.setVisible(false);

  Msg.setBounds(10, 8, 330, 16);
  Edit1.setBounds(10, 28, 300, 22);
  Button3.setBounds(314, 28, 26, 22);
  Panel1.setBounds(0, 26, 350, 26);
  ComboBox1.setBounds(10, 2, 270, 22);
  Button4.setBounds(284, 2, 56, 22);
  Button1.setBounds(90, 60, 80, 25);
  Button2.setBounds(180, 60, 80, 25);
  setBounds(CentredOver(app, r.over, 350, 95));
}

void TSNBox::Button1Click() {
  if (!Edit1.text().empty()) setModalResult(ui::kResultOk);
}

void TSNBox::ComboBox1Change() {
  const int i = ComboBox1.itemIndex();
  if (i < 0) return;
  const std::string chosen = ComboBox1.item(i);
  std::vector<std::string> history = ComboBox1.items();
  MoveToTop(history, chosen);
  ComboBox1.setItems(std::move(history));
  ComboBox1.setItemIndex(0);
  Edit1.setText(chosen);
  Panel1.setVisible(false);
}

}  // namespace dialogs
