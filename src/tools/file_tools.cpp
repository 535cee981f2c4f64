#include "tools/file_tools.h"

#include <cctype>

#include "base/buffered_copy.h"
#include "base/format.h"
#include "base/path.h"
#include "base/sjis.h"
#include "tools/report.h"

namespace tools {

namespace {
const char kMissing[] = "このファイルは、存在しません・・・";
const char kNotDeleted[] = "このファイルは、削除出来ませんでした・・・";
const char kEntryNotDeleted[] = "LZH内のこのファイルは、削除出来ませんでした・・・";
const char kStopButton[] = "中断ボタンが押されました。\n";
const char kKana[] = "半角カナ全角変換";
// One minute of CD-quality sound: 44100 samples a second, 2 bytes, 2 channels.
constexpr double kBytesPerMinute = 44100.0 * 2 * 2 * 60;

// The full-width forms of the half-width bytes 0xA0 to 0xDF, two Shift-JIS bytes each, written
// as bytes so that the table is the same whatever execution charset builds it.
const char kFullWidth[] =
    "\x81\x40\x81\x42\x81\x75\x81\x76\x81\x41\x81\x45\x83\x92\x83\x40\x83\x42\x83\x44\x83\x46\x83\x48\x83\x83\x83\x85\x83\x87\x83\x62"  // 　。「」、・ヲァィゥェォャュョッ
    "\x81\x5B\x83\x41\x83\x43\x83\x45\x83\x47\x83\x49\x83\x4A\x83\x4C\x83\x4E\x83\x50\x83\x52\x83\x54\x83\x56\x83\x58\x83\x5A\x83\x5C"  // ーアイウエオカキクケコサシスセソ
    "\x83\x5E\x83\x60\x83\x63\x83\x65\x83\x67\x83\x69\x83\x6A\x83\x6B\x83\x6C\x83\x6D\x83\x6E\x83\x71\x83\x74\x83\x77\x83\x7A\x83\x7D"  // タチツテトナニヌネノハヒフヘホマ
    "\x83\x7E\x83\x80\x83\x81\x83\x82\x83\x84\x83\x86\x83\x88\x83\x89\x83\x8A\x83\x8B\x83\x8C\x83\x8D\x83\x8F\x83\x93\x81\x4A\x81\x4B";  // ミムメモヤユヨラリルレロワン゛゜
static_assert(sizeof(kFullWidth) == 64 * 2 + 1, "one full-width character for each of 0xA0..0xDF");

std::string Rule(int n) { return std::string(n, '-'); }

// Size and time of a file as the overwrite question shows them.
std::string Describe(const platform::FileEntry& e, platform::Clock& clock) {
  return std::to_string(e.size) + base::FormatDateTime(base::kDisplayDatePattern, clock.localFromFileTime(e.lastWrite));
}
}  // namespace

ResolvedRow ResolveRow(const std::string& row, const std::string& folder) {
  ResolvedRow r;
  if (!folder.empty()) {
    r.path = base::AddTrailingSlash(folder) + row;
  } else if (!row.empty() && row[0] == '>') {
    // The disc identity follows the track path after a "/" (a drive root holds none before it).
    const std::string track = row.substr(1);
    r.path = track.substr(0, track.find('/', 2));
  } else if (!row.empty() && row[0] == '/') {
    const std::size_t cut = row.find('/', 1);
    r.archive = row.substr(1, cut == std::string::npos ? std::string::npos : cut - 1);
    if (cut != std::string::npos) r.entry = row.substr(cut + 1);
    r.path = r.archive;
  } else {
    r.path = row;
  }
  return r;
}

std::string FullWidthKana(const std::string& text, int& count) {
  std::string out;
  out.reserve(text.size() * 2);
  count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (base::IsLeadByte(c) && i + 1 < text.size()) {
      out += text[i];
      out += text[++i];
      continue;
    }
    if (c < 0xA0 || c > 0xDF) {
      out += text[i];
      continue;
    }
    const std::size_t at = (c - 0xA0) * 2;
    unsigned code = static_cast<unsigned char>(kFullWidth[at]) << 8 | static_cast<unsigned char>(kFullWidth[at + 1]);
    const unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    const bool haGyo = c >= 0xCA && c <= 0xCE;  // ﾊ..ﾎ take both marks
    if (next == 0xDE && ((c >= 0xB6 && c <= 0xC4) || haGyo)) {
      code += 1;
      ++i;
    } else if (next == 0xDF && haGyo) {
      code += 2;
      ++i;
    }
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
    ++count;
  }
  return out;
}

std::string DriveSpaceLine(char letter, const std::optional<platform::Drives::Space>& space) {
  const std::string drive(1, letter);
  if (!space) return " " + drive + ": ﾃﾞｨｽｸがありません・・・";
  return " " + drive + ":" + base::FormatNumber(static_cast<double>(space->free), 15, 0) + " Bytes  " +
         base::FormatNumber(static_cast<double>(space->total), 15, 0) + " Bytes  " +
         base::FormatNumber(static_cast<double>(space->free) / kBytesPerMinute, 5, 0) + "分/ " +
         base::FormatNumber(static_cast<double>(space->total) / kBytesPerMinute, 5, 0) + "分";
}

FileTools::FileTools(FileToolsView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
                     ui::Application& app, FileToolsLinks links, ArchiveEntryOps archive)
    : ReNameBoxDlg1(app, services.fs),
      v_(view),
      S(state),
      Sv(services),
      box_(box),
      app_(app),
      links_(std::move(links)),
      archive_(std::move(archive)) {}

FileTools::Group FileTools::activeGroup() {
  ui::ItemList* a = links_.activeList ? links_.activeList() : nullptr;
  if (!a || a == &v_.ListBox4) return {&v_.ListBox4, nullptr, nullptr, &v_.ListBox4, true};
  if (a == &v_.ListBox2 || a == &v_.ListBox8) return {&v_.ListBox2, &v_.ListBox8, &v_.ListBoxVM, a, false};
  const bool names = a == &v_.ListBox9;
  return {&v_.ListBox6, &v_.ListBox9, &v_.ListBoxVG, names ? &v_.ListBox9 : &v_.ListBox6, false};
}

ResolvedRow FileTools::resolve(const Group& g, int i) {
  return ResolveRow(g.rows->item(i), g.fileList && links_.listedFolder ? links_.listedFolder() : std::string());
}

bool FileTools::extractEntry(ResolvedRow& r) {
  if (!archive_.extract(r.archive, r.entry, S.PopFolder)) return false;
  r.path = S.PopFolder + r.entry;
  return true;
}

void FileTools::eachSelected(const Group& g, const std::function<Next(int row)>& step) {
  std::vector<int> chosen;
  for (int i = 0; i < g.shown->count(); ++i)
    if (g.shown->selected(i)) chosen.push_back(i);
  S.run.BusyBatch = true;
  app_.setBusyCursor(true);
  int removed = 0;
  for (int i : chosen) {
    app_.processMessages();
    if (S.run.CloseRequested) break;
    const Next next = step(i - removed);
    if (next == Next::Removed) ++removed;
    if (next == Next::End || S.run.StopRequested) break;
  }
  app_.setBusyCursor(false);
  S.run.BusyBatch = false;
}

void FileTools::removeRow(const Group& g, int i) {
  g.rows->remove(i);
  if (g.names && g.names != g.rows && S.settings.namesOnly && i < g.names->count()) g.names->remove(i);
  if (g.values && i < g.values->count()) g.values->remove(i);
}

void FileTools::setRow(const Group& g, int i, const std::string& row, const std::string& name) {
  g.rows->setItem(i, row);
  if (g.names && S.settings.namesOnly && i < g.names->count()) g.names->setItem(i, name);
}

bool FileTools::goOn(const std::string& text) {
  if (box_.ShowError(text, ui::kResultOk) != ui::kResultAbort) return true;
  Sv.shell.beepExclamation();
  return false;
}

void FileTools::sayStopped(const std::string& what) {
  if (S.run.StopRequested) box_.ShowTimed(std::string(kStopButton) + what + "を強制終了します。", ui::kResultOk);
}

// --- rename ---

void FileTools::PRENAMEClick(bool inArchive) {
  const Group g = activeGroup();
  S.run.StopRequested = false;
  TReNameBoxDlg& dlg = ReNameBoxDlg1;
  dlg.Auto_Name = S.settings.reName;
  dlg.Auto_No = S.settings.autoNo;
  dlg.Auto_No_KETA = S.settings.autoNoDigits;
  int count = 0;
  eachSelected(g, [&](int i) {
    dlg.NewName.clear();
    ResolvedRow r = resolve(g, i);
    const bool entry = inArchive && !r.archive.empty();
    if (entry && !extractEntry(r)) return Next::Go;
    const Next next = renameOne(g, i, r, entry, count);
    if (entry) {
      // The extracted copy goes, under whichever name the dialog left it.
      Sv.fs.removeFile(r.path);
      if (!dlg.NewName.empty()) Sv.fs.removeFile(dlg.NewName);
    }
    return next;
  });
  S.settings.reName = dlg.Auto_Name;
  S.settings.autoNo = dlg.Auto_No;
  S.settings.autoNoDigits = dlg.Auto_No_KETA;
  sayStopped("リネーム");
  box_.ShowTimed(std::to_string(count) + "個のファイルをリネームしました。", ui::kResultOk);
}

FileTools::Next FileTools::renameOne(const Group& g, int i, const ResolvedRow& r, bool entry, int& count) {
  if (!Sv.fs.fileExists(r.path)) return goOn(r.path + "\n" + kMissing) ? Next::Go : Next::End;
  TReNameBoxDlg& dlg = ReNameBoxDlg1;
  dlg.LZH = entry ? r.archive : std::string();
  dlg.StandardColor = S.settings.standardColours;
  dlg.Title = "一括リネーム（選択のみ）";
  const int result = dlg.Execute(r.path);
  std::string renamed = result == ui::kResultOk ? dlg.NewName : std::string();
  const std::string name = base::ExtractFileName(renamed);
  // The entry is renamed inside its archive from the renamed copy.
  if (entry && !renamed.empty() && !archive_.rename(r.archive, r.entry, name)) renamed.clear();
  if (!renamed.empty()) {
    ++count;
    if (g.fileList)
      setRow(g, i, name, name);
    else if (entry)
      setRow(g, i, "/" + r.archive + "/" + name, "/" + base::ExtractFileName(r.archive) + "/" + name);
    else if (!r.archive.empty())
      // The archive file was renamed whole: the row keeps naming its entry inside it.
      setRow(g, i, "/" + renamed + "/" + r.entry, "/" + name + "/" + r.entry);
    else
      setRow(g, i, renamed, name);
  } else if (result == ui::kResultOk && !goOn(r.path + "\nリネームに失敗しました・・・")) {
    return Next::End;
  } else if (result == ui::kResultAbort) {
    S.run.StopRequested = true;
  }
  app_.processMessages();
  return Next::Go;
}

// --- copy, move, delete ---

void FileTools::PCOPYClick(bool move, bool inArchive) {
  const std::string mode = move ? "移動" : "コピー";
  std::string& remembered = move ? MoveFolder : CopyFolder;
  const auto chosen = links_.chooseFolder ? links_.chooseFolder(mode + "先、", remembered) : std::nullopt;
  if (!chosen || chosen->empty()) {
    Sv.shell.beepExclamation();
    box_.ShowTimed(mode + "先、フォルダー選択を、\n中止しました・・・", ui::kResultOk);
    return;
  }
  remembered = base::StripTrailingSlash(*chosen);
  const std::string target = remembered;
  const Group g = activeGroup();
  S.run.StopRequested = false;
  int count = 0;
  eachSelected(g, [&](int i) {
    ResolvedRow r = resolve(g, i);
    const bool entry = inArchive && !r.archive.empty();
    if (entry && !extractEntry(r)) return Next::Go;
    const Next next = copyOne(g, i, r, entry, move, mode, target, count);
    if (entry) Sv.fs.removeFile(r.path);  // the extracted copy, where a move has not taken it
    return next;
  });
  if (move && count > 0 && links_.listChanged) links_.listChanged(g.fileList);
  sayStopped(mode);
  box_.ShowTimed(std::to_string(count) + "個のファイルを" + mode + "しました。", ui::kResultOk);
}

FileTools::Next FileTools::copyOne(const Group& g, int i, const ResolvedRow& r, bool entry, bool move,
                                   const std::string& mode, const std::string& target, int& count) {
  const auto source = Sv.fs.stat(r.path);
  if (!source || (source->attributes & platform::kAttrDirectory))
    return goOn(r.path + "\n" + kMissing) ? Next::Go : Next::End;
  if (base::UpperCase(base::StripTrailingSlash(base::ExtractFilePath(r.path))) == base::UpperCase(target))
    return Next::Go;
  const std::string name = base::ExtractFileName(r.path);
  const std::string to = base::AddTrailingSlash(target) + name;
  if (const auto old = Sv.fs.stat(to)) {
    // Unattended, nothing is overwritten: the countdown answers No.
    const std::string question = to + "\n旧：" + Describe(*old, Sv.clock) + "\n新：" + Describe(*source, Sv.clock) +
                                 "\n：同名ファイルが存在します。\n" + mode + "しますか？？";
    if (box_.AskYesNoTimed(question, ui::kResultNo) != ui::kResultYes) return Next::Go;
  }
  if (!base::CopyFileBuffered(Sv.fs, r.path, to).empty())
    return goOn(r.path + "\nこのファイルの" + mode + "に、失敗しました・・・") ? Next::Go : Next::End;
  ++count;
  Next next = Next::Go;
  // The source goes only now that its copy is whole.
  if (move && Sv.fs.removeFile(r.path)) {
    if (entry && !archive_.remove(r.archive, r.entry) && !goOn(entryRow(r) + "\n" + kEntryNotDeleted))
      next = Next::End;
    if (g.fileList) {
      removeRow(g, i);
      return Next::Removed;
    }
  } else if (move && !goOn(r.path + "\n" + kNotDeleted)) {
    next = Next::End;
  }
  if (!g.fileList) {
    if (r.archive.empty() || entry)
      setRow(g, i, to, name);
    else
      setRow(g, i, "/" + to + "/" + r.entry, "/" + name + "/" + r.entry);
  }
  return next;
}

void FileTools::PKILLClick(bool inArchive) {
  // Unattended, nothing is deleted: the countdown answers No.
  if (box_.AskYesNoTimed("実際に削除では、実際にﾃﾞｨｽｸからﾌｧｲﾙを削除します。\n"
                         "選択されているﾌｧｲﾙを削除してもよろしいですか？？？",
                         ui::kResultNo) != ui::kResultYes) {
    box_.ShowTimed("削除を中止しました・・・", ui::kResultOk);
    return;
  }
  const Group g = activeGroup();
  S.run.StopRequested = false;
  int files = 0, entries = 0;
  eachSelected(g, [&](int i) {
    const ResolvedRow r = resolve(g, i);
    if (inArchive && !r.archive.empty()) {
      // Only the entry goes; the archive file stays.
      if (!archive_.remove(r.archive, r.entry))
        return goOn(entryRow(r) + "\n" + kEntryNotDeleted) ? Next::Go : Next::End;
      ++entries;
      removeRow(g, i);
      return Next::Removed;
    }
    if (!Sv.fs.fileExists(r.path)) return goOn(r.path + "\n" + kMissing) ? Next::Go : Next::End;
    if (!Sv.fs.removeFile(r.path)) return goOn(r.path + "\n" + kNotDeleted) ? Next::Go : Next::End;
    ++files;
    removeRow(g, i);
    return Next::Removed;
  });
  if (files + entries > 0 && links_.listChanged) links_.listChanged(g.fileList);
  sayStopped("削除");
  box_.ShowTimed(std::to_string(files) + "個のファイルを削除しました。\n\nlzh内ファイルは、" + std::to_string(entries) +
                     "個、削除しました。",
                 ui::kResultOk);
}

void FileTools::PSAKUJOClick() {
  ui::ItemList* a = links_.activeList ? links_.activeList() : nullptr;
  if (links_.cutSelected) links_.cutSelected(a == &v_.ListBox2 || a == &v_.ListBox8);
}

// --- text tools ---

void FileTools::PTEXTClick() {
  const Group g = activeGroup();
  S.run.StopRequested = false;
  auto ask = [this](const std::string& text) {
    if (!goOn(text)) S.run.StopRequested = true;
  };
  eachSelected(g, [&](int i) {
    const ResolvedRow r = resolve(g, i);
    if (!Sv.fs.fileExists(r.path)) return Next::Go;
    if (!Sv.fs.setCurrentFolder(base::StripTrailingSlash(base::ExtractFilePath(r.path)))) {
      ask(r.path + "\nﾃｷｽﾄ表示ｴﾗｰ：ﾌｫﾙﾀﾞｰが存在しません・・・");
      return Next::Go;
    }
    const bool help = base::UpperCase(base::ExtractFileExt(r.path)) == ".HLP";
    if (!Sv.shell.run(help ? "winhlp32.exe " + r.path : NotepadCommand(r.path)))
      ask(r.path + "\nﾃｷｽﾄ表示ｴﾗｰ：ﾃｷｽﾄ／HELP表示に失敗しました・・・");
    return Next::Go;
  });
  sayStopped("ﾃｷｽﾄ表示");
}

std::vector<std::string> FileTools::kanaReport(const std::string& path, const std::string& bytes) {
  int converted = 0;
  const std::string text = FullWidthKana(bytes, converted);
  const auto entry = Sv.fs.stat(path).value_or(platform::FileEntry{});
  std::vector<std::string> lines = {
      std::string(kKana) + "表示　ﾃﾞｰﾀ作成日時：" + base::FormatDateTime("yy/mm/dd ddd hh:mm:ss ", Sv.clock.now()),
      "ﾌｧｲﾙ名　　: " + path,
      "ﾌｧｲﾙ日付　:" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.localFromFileTime(entry.lastWrite)) +
          base::AttributeChars(entry.attributes),
      "元の総ﾊﾞｲﾄ数　: " + base::FormatNumber(static_cast<double>(bytes.size()), 7, 0) + " Bytes",
      "全角変換個数　: " + std::to_string(converted) + "個",
      Rule(68)};
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void FileTools::PKANAClick() {
  const Group g = activeGroup();
  if (g.shown->selCount() == 0) {
    box_.ShowTimed(std::string(kKana) + "ｴﾗｰ：ファイルが選択されていません・・・", ui::kResultOk);
    return;
  }
  S.run.StopRequested = false;
  int files = 0;
  eachSelected(g, [&](int i) {
    const ResolvedRow r = resolve(g, i);
    const auto bytes = Sv.fs.readAll(r.path);
    if (!bytes) return Next::Go;
    if (ShowTextReport(Sv.fs, Sv.shell, S.DataFolder, "KANA$$$$.TXT", kanaReport(r.path, *bytes)))
      ++files;
    else if (!goOn(r.path + "\n" + kKana + "ｴﾗｰ：" + kKana + "表示に失敗しました・・・"))
      S.run.StopRequested = true;
    return Next::Go;
  });
  sayStopped(kKana);
  box_.ShowTimed(std::string(kKana) + "\n" + std::to_string(files) + "個のファイルを変換しました。", ui::kResultOk);
}

void FileTools::P_FILE_SZClick(bool all) {
  const Group g = activeGroup();
  if (all) g.shown->selectAll();
  S.run.StopRequested = false;
  unsigned long long total = 0;
  int count = 0, missing = 0;
  eachSelected(g, [&](int i) {
    const auto entry = Sv.fs.stat(resolve(g, i).path);
    if (entry && !(entry->attributes & platform::kAttrDirectory)) {
      total += entry->size;
      ++count;
    } else {
      ++missing;
    }
    return Next::Go;
  });
  sayStopped("ファイルサイズ表示");
  if (count == 0) {
    box_.ShowTimed("ファイルサイズ表示エラー：ファイルがありません・・・", ui::kResultOk);
    return;
  }
  std::string text = "ファイル数：" + std::to_string(count) + "個\n総サイズ：" +
                     base::FormatNumber(static_cast<double>(total), 3, 0) + " Bytes.";
  if (missing > 0) text += "\n\n存在しなかったファイル数：" + std::to_string(missing) + "個";
  box_.ShowTimed(text, ui::kResultOk);
}

void FileTools::PAKIClick() {
  std::vector<std::string> lines = {
      "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧　　" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.now()), "",
      "ﾄﾞﾗｲﾌﾞ名:　空きサイズ　　　　　最大サイズ       44100/ 16/ ｽﾃﾚｵ(固定)", Rule(65)};
  for (int i = 0; i < v_.ComboBox2.count(); ++i) {
    app_.processMessages();
    if (S.run.CloseRequested) return;
    const std::string& item = v_.ComboBox2.item(i);
    if (item.empty()) continue;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(item[0])));
    lines.push_back(DriveSpaceLine(letter, Sv.drives.space(letter)));
  }
  lines.push_back(Rule(65));
  if (!ShowTextReport(Sv.fs, Sv.shell, S.DataFolder, "DrV$$$$$.TXT", lines))
    box_.ShowTimed("ﾄﾞﾗｲﾌﾞ空き表示：ｴﾗｰ一覧が表示出来ませんでした・・・", ui::kResultOk);
}

}  // namespace tools
