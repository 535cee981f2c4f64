#include "tools/mp3_format_dialog.h"

#include <cstdlib>

#include "mp3/frame_tables.h"

namespace tools {

namespace {
const int kRates[] = {44100, 48000, 32000, 22050, 24000, 16000};
}

TMp3FormatBox::TMp3FormatBox(ui::Application& app)
    : ui::Form(app, "TMp3FormatBox", "TMp3FormatBox"),
      LabelName(add<ui::Label>(this, "LabelName", 100)),
      LabelRate(add<ui::Label>(this, "LabelRate", 101)),
      LabelKbps(add<ui::Label>(this, "LabelKbps", 102)),
      EditName(add<ui::Edit>(this, "EditName", 110)),
      ComboRate(add<ui::ComboBox>(this, "ComboRate", 111)),
      ComboKbps(add<ui::ComboBox>(this, "ComboKbps", 112)),
      CheckMono(add<ui::CheckBox>(this, "CheckMono", 113)),
      ButtonOk(add<ui::Button>(this, "ButtonOk", 1)),
      ButtonCancel(add<ui::Button>(this, "ButtonCancel", 2)) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption("新しいサウンド名の作成");
  LabelName.setCaption("サウンド名：");
  LabelRate.setCaption("サンプリング周波数 (Hz)：");
  LabelKbps.setCaption("ビットレート (kbit/s)：");
  CheckMono.setCaption("モノラル");
  std::vector<std::string> rates;
  for (int r : kRates) rates.push_back(std::to_string(r));
  ComboRate.setItems(rates);
  ComboRate.setItemIndex(0);
  ComboRate.onChange = [this] { fillBitRates(); };
  fillBitRates();
  ButtonOk.setCaption("登 録");
  ButtonOk.isDefault = true;
  // A format needs a name to be chosen by later.
  ButtonOk.onClick = [this] {
    if (!name().empty()) setModalResult(ui::kResultOk);
  };
  ButtonCancel.setCaption("中 止");
  ButtonCancel.isCancel = true;
  ButtonCancel.modalResult = ui::kResultAbort;
  LabelName.setBounds(10, 12, 150, 16);
  EditName.setBounds(165, 10, 140, 20);
  LabelRate.setBounds(10, 40, 150, 16);
  ComboRate.setBounds(165, 38, 80, 200);
  CheckMono.setBounds(255, 38, 80, 20);
  LabelKbps.setBounds(10, 68, 150, 16);
  ComboKbps.setBounds(165, 66, 80, 200);
  ButtonOk.setBounds(80, 100, 75, 25);
  ButtonCancel.setBounds(170, 100, 75, 25);
  const ui::Rect screen = app.screen();
  setBounds((screen.width - 350) / 2, (screen.height - 170) / 2, 350, 170);
}

void TMp3FormatBox::fillBitRates() {
  // The bit rates of the table the chosen rate belongs to, 128 kbit/s (or the nearest) chosen.
  const bool mpeg1 = format().sample_rate >= 32000;
  const int* table = zelcor::mp3::BitrateTable(mpeg1);
  std::vector<std::string> kbps;
  int chosen = 0;
  for (int i = 0; i < 14; ++i) {
    kbps.push_back(std::to_string(table[i]));
    if (table[i] <= 128) chosen = i;
  }
  ComboKbps.setItems(kbps);
  ComboKbps.setItemIndex(chosen);
}

std::string TMp3FormatBox::name() const { return EditName.text(); }

zelcor::mp3::TargetFormat TMp3FormatBox::format() const {
  zelcor::mp3::TargetFormat f;
  const int r = ComboRate.itemIndex();
  f.sample_rate = kRates[r < 0 ? 0 : r];
  const int k = ComboKbps.itemIndex();
  if (k >= 0 && k < ComboKbps.count()) f.kbps = std::atoi(ComboKbps.item(k).c_str());
  f.channels = CheckMono.checked() ? 1 : 2;
  f.mode = CheckMono.checked() ? zelcor::mp3::ChannelMode::kMono : zelcor::mp3::ChannelMode::kJointStereo;
  return f;
}

}  // namespace tools
