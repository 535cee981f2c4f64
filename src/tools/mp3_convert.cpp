#include "tools/mp3_convert.h"

#include "base/format.h"
#include "base/path.h"
#include "base/sjis.h"
#include "tools/mp3_format_dialog.h"
#include "tools/mp3_formats.h"
#include "tools/mp3_record.h"
#include "tools/report.h"

namespace tools {

namespace {

using zelcor::mp3::ConversionResult;

constexpr std::size_t kWriteBlock = 64 * 1024;

// The per-file contract on the worker: the source WAV in, the temporary file out (removed
// again when it could not be written whole), the sizes and the outcome.
ConversionResult ConvertToTemporary(platform::FileSystem& fs, const std::string& source, const std::string& temp,
                                    const zelcor::mp3::TargetFormat& format, const zelcor::mp3::Progress& progress) {
  ConversionResult r;
  const std::optional<platform::FileEntry> entry = fs.stat(source);
  std::unique_ptr<platform::OpenFile> in = entry ? fs.openRead(source) : nullptr;
  if (!in) {
    r.error = "cannot read " + source;
    return r;
  }
  r.source_bytes = entry->size;
  std::unique_ptr<platform::OpenFile> out = fs.create(temp);
  if (!out) {
    r.error = "cannot write " + temp;
    return r;
  }
  // The encoder hands over one frame (about 400 bytes) at a time: written as they come, each
  // would cost a system call of its own.
  std::string pending;
  const auto flush = [&] {
    const bool written = pending.empty() || out->write(pending.data(), pending.size());
    pending.clear();
    return written;
  };
  r.error = zelcor::mp3::EncodeWavStream(
      [&in](uint8_t* buffer, std::size_t bytes) { return in->read(buffer, bytes); }, r.source_bytes, format,
      [&](const uint8_t* data, std::size_t bytes) {
        r.output_bytes += bytes;
        pending.append(reinterpret_cast<const char*>(data), bytes);
        return pending.size() < kWriteBlock || flush();
      },
      progress);
  if (r.error.empty() && !flush()) r.error = "cannot write " + temp;
  out.reset();
  if (!r.error.empty()) {
    fs.removeFile(temp);
    r.output_bytes = 0;
    return r;
  }
  r.ok = true;
  return r;
}

}  // namespace

Mp3Conversion::Mp3Conversion(ui::Timer& poll, core::SharedState& state, core::Services& services,
                             dialogs::TMKBoxDlg& box)
    : poll_(poll), s_(state), sv_(services), box_(box) {
  poll_.setInterval(200);
  poll_.onTimer = [this] { pollTick(); };
}

Mp3Conversion::~Mp3Conversion() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

void Mp3Conversion::saveAtClose() {
  if (Record.empty()) return;
  WriteReport(sv_.fs, sv_.shell, s_.DataFolder, kMp3RecordFile, RecordReport(Record, sv_.clock.now()), false);
  Record.clear();
}

void Mp3Conversion::tell(const std::string& text, int seconds) {
  if (box_.ShowErrorTimed(seconds, text, 1) == 3) s_.run.StopRequested = true;
}

void Mp3Conversion::Convert(const std::vector<std::string>& rows, const std::string& folderPrefix) {
  if (running_) {
    tell("MP3変換を実行中です・・・\nすべて終了させて下さい☆☆☆", 100);
    return;
  }
  if (rows.empty()) {
    tell("変換エラー：ファイルがありません・・・", 5);
    return;
  }
  const std::string folder = s_.settings.mp3SaveFolder;
  if (folder.empty() || folder == core::kNoFolder || !sv_.fs.folderExists(base::StripTrailingSlash(folder))) {
    tell("MP3セーブ先フォルダーが、ありません・・・\nMP3セーブ先フォルダーを登録して下さい☆☆☆", 5);
    return;
  }
  running_ = true;
  s_.run.BusyBatch = true;
  s_.run.StopRequested = false;
  rows_ = rows;
  prefix_ = base::AddTrailingSlash(folderPrefix);
  next_ = 0;
  converted_ = 0;
  fileLoop();
}

void Mp3Conversion::fileLoop() {
  for (;;) {
    if (!extracted_.empty()) sv_.fs.removeFile(extracted_);
    extracted_.clear();
    if (s_.run.CloseRequested) return endBatch();
    if (s_.run.StopRequested) {
      tell("中断ボタンが押されました。\n変換を強制終了します。", 5);
      endBatch();
      return ShowRecord(true);
    }
    if (next_ >= rows_.size()) {
      if (converted_ == 0)
        tell("MP3変換エラー：\nWAVファイルが選択されていません・・・\n又は、変換対象WAVファイルが有りませんでした・・・", 5);
      endBatch();
      if (s_.settings.endClose && closeWindow) return closeWindow();
      return ShowRecord(true);
    }
    const std::string row = rows_[next_++];
    if (row.empty() || row[0] == '>') continue;  // a CD track is no WAV file
    const bool inArchive = row[0] == '/';
    std::string path = inArchive ? row : row.find('\\') == std::string::npos ? prefix_ + row : row;
    if (base::UpperCase(base::ExtractFileExt(path)) != ".WAV") continue;
    // An archive entry is converted from its copy in LZH_POPM, removed again after the file.
    if (inArchive) path = extracted_ = extractEntry ? extractEntry(row) : "";
    if (path.empty() || !sv_.fs.fileExists(path)) continue;
    if (startFile(path)) return;
  }
}

bool Mp3Conversion::startFile(const std::string& source) {
  const std::string folder = base::AddTrailingSlash(s_.settings.mp3SaveFolder);
  temp_ = folder + kMp3TempName;
  final_ = folder + base::ExtractFileName(source);
  source_ = source;
  if (sv_.fs.fileExists(temp_)) sv_.fs.removeFile(temp_);
  if (base::UpperCase(source) == base::UpperCase(final_)) {
    tell("元ファイルとは、別のフォルダーを指定して下さい・・・\n" + source, 5);
    return false;
  }
  if (sv_.fs.fileExists(final_)) {
    tell("登録先に、同名ファイルが存在するので、飛ばします・・・\n" + final_, 3);
    return false;
  }
  const std::optional<zelcor::mp3::TargetFormat> format = ReadFormat(sv_.reg, DefaultFormatName(sv_.reg));
  if (!format) {
    tell("サウンド名が、ありません・・・\nまず、サウンド名ょ登録して下さい☆☆☆", 5);
    return false;
  }
  done_ = false;
  cancel_ = false;
  permille_ = 0;
  worker_ = std::thread([this, format = *format, source = source_, temp = temp_] {
    // A file too large for the memory at hand fails like any other, without ending the player.
    try {
      result_ = ConvertToTemporary(sv_.fs, source, temp, format, [this](int permille) {
        permille_ = permille;
        return !cancel_;
      });
    } catch (const std::exception& e) {
      sv_.fs.removeFile(temp);
      result_ = {};
      result_.error = e.what();
    }
    done_ = true;
  });
  pollTick();
  poll_.setEnabled(true);
  return true;
}

void Mp3Conversion::pollTick() {
  if (s_.run.StopRequested || s_.run.CloseRequested) cancel_ = true;
  if (!done_) {
    if (setTitle)
      setTitle(s_.TitlePrefix + base::ExtractFileName(source_) + " (変換中) " + std::to_string(permille_ / 10) + "%");
    return;
  }
  poll_.setEnabled(false);
  worker_.join();
  finishFile();
}

void Mp3Conversion::finishFile() {
  const ConversionResult r = result_;
  if (r.ok && sv_.fs.rename(temp_, final_)) {
    ++converted_;
    Record.push_back(RecordLine(r.source_bytes, r.output_bytes, final_, sv_.clock.now()));
    tell("圧縮率：" + RatioText(r.source_bytes, r.output_bytes) + "\n" + final_ + "\n" + "への変換に成功しました☆☆☆", 3);
  } else {
    sv_.fs.removeFile(temp_);
    if (r.ok)
      tell(temp_ + "\n" + final_ + "\n" + "リネームに失敗しました・・・", 5);
    else if (r.error != zelcor::mp3::kStopped)
      tell("変換に、失敗しました・・・\n" + source_, 5);
  }
  fileLoop();
}

void Mp3Conversion::endBatch() {
  running_ = false;
  s_.run.BusyBatch = false;
  if (setTitle) setTitle("");
}

void Mp3Conversion::ShowRecord(bool automatic) {
  if (Record.empty()) return;
  const bool open = !(automatic && s_.settings.noMemo);
  if (WriteReport(sv_.fs, sv_.shell, s_.DataFolder, kMp3RecordFile, RecordReport(Record, sv_.clock.now()), open))
    RecordShown = true;
}

void Mp3Conversion::ClearRecord() {
  if (box_.AskYesNo("MP3変換記録削除：\nMP3変換記録を削除してよろしいですか？？？") != 6) {
    box_.ShowError("MP3変換記録削除を中止しました。", 1);
    return;
  }
  ShowRecord(false);
  Record.clear();
}

void Mp3Conversion::ShowLastRecord() {
  if (sv_.fs.fileExists(s_.DataFolder + kMp3RecordFile)) OpenReport(sv_.fs, sv_.shell, s_.DataFolder, kMp3RecordFile);
}

void Mp3Conversion::ChooseFormat(dialogs::TSNBoxDlg& input) {
  input.Title = "サウンド名の登録";
  input.SN = FormatNames(sv_.reg);
  input.SNText = DefaultFormatName(sv_.reg);
  if (input.Execute("変換サウンド名") != 1) return;
  const std::string name = input.SNText;
  if (!name.empty() && ReadFormat(sv_.reg, name) && SetDefaultFormat(sv_.reg, name))
    box_.ShowMessage(name + "\n" + "次回のMP3変換から、この設定値が使われます☆☆☆");
  else
    box_.ShowMessage(name + "\n" + "この変換サウンド名は、登録されていません・・・");
}

void Mp3Conversion::CreateFormat(ui::Application& app) {
  TMp3FormatBox form(app);
  if (form.showModal() != ui::kResultOk) return;
  const zelcor::mp3::TargetFormat format = form.format();
  if (zelcor::mp3::CheckConfig(format.ToConfig()).empty() && WriteFormat(sv_.reg, form.name(), format))
    box_.ShowMessage(form.name() + "\n" + "新しいサウンド名を作成しました☆☆☆");
  else
    box_.ShowMessage(form.name() + "\n" + "サウンド名の作成に、失敗しました・・・");
}

std::string Mp3Conversion::FormatCaption() { return "変換サウンド名 ； " + DefaultFormatName(sv_.reg) + " (&H)"; }

}  // namespace tools
