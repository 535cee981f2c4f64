#pragma once
// The small dialog of "新しいサウンド名の作成": a name, a sample rate, mono or stereo and a bit
// rate of the MPEG Layer-3 table for that rate. "登 録" writes the named format.
#include <string>

#include "mp3/target_format.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace tools {

class TMp3FormatBox : public ui::Form {
 public:
  explicit TMp3FormatBox(ui::Application& app);

  ui::Label &LabelName, &LabelRate, &LabelKbps;
  ui::Edit& EditName;
  ui::ComboBox &ComboRate, &ComboKbps;
  ui::CheckBox& CheckMono;
  ui::Button &ButtonOk, &ButtonCancel;

  std::string name() const;
  zelcor::mp3::TargetFormat format() const;

 private:
  void fillBitRates();
};

}  // namespace tools
