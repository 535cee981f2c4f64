#include "core/settings.h"

#include <functional>

#include "base/comma_list.h"
#include "base/path.h"
#include "base/sjis.h"

namespace core {

const char kSettingsKey[] = "Software\\ZUMIK SOFT32\\ZELCOR32";
const char kStoppedCaption[] = "停止中";
const char kRunningCaption[] = "実行中";
const char kWaitingCaption[] = "待機中";
const char kNoFolder[] = "@@@@@\\";

namespace {

using platform::Hive;

class Reader {
 public:
  explicit Reader(platform::Registry& reg) : reg_(reg) {}
  // The stored text, or nothing when missing or empty.
  std::optional<std::string> text(const char* name) {
    auto v = reg_.readString(Hive::CurrentUser, kSettingsKey, name);
    if (!v || v->empty()) return std::nullopt;
    return v;
  }
  void number(const char* name, int& out) {
    if (auto t = text(name))
      if (auto n = base::StrToInt(*t)) out = *n;
  }
  void flag(const char* name, bool& out) {
    int n = out ? 1 : 0;
    number(name, n);
    out = n != 0;
  }
  void list(const char* name, std::vector<int>& out) {
    if (auto t = text(name))
      if (auto l = base::ParseCommaList(*t, out.size())) out = *l;
  }
  void string(const char* name, std::string& out) {
    if (auto t = text(name)) out = *t;
  }

 private:
  platform::Registry& reg_;
};

void clampOr(int& value, int lo, int hi, int fallback) {
  if (value < lo || value > hi) value = fallback;
}

std::string flagText(bool b) { return b ? "1" : "0"; }

}  // namespace

Settings ReadSettings(platform::Registry& reg, const std::string& windowsFolder) {
  Settings s;
  s.folderPath = windowsFolder + "MEDIA";
  Reader r(reg);
  if (auto fp = r.text("FP"))
    if (auto l = base::ParseCommaList(*fp, 2)) s.windowPos = std::make_pair((*l)[0], (*l)[1]);
  r.list("ZOKUSEI", s.zokusei);
  r.flag("ALL", s.all);
  r.flag("SAISEIBAR", s.saiseiBar);
  r.flag("MP3", s.mp3WithoutPlayer);
  r.flag("FILESHITEI", s.extensionBoxMode);
  r.string("FILENAME", s.fileName);
  s.fileName = base::CutToBytes(s.fileName, 254);
  r.list("KAKUCHOSHI", s.kakuchoshi);
  r.number("FOLDERHIS", s.folderHistoryLimit);
  r.number("FILEHIS", s.fileHistoryLimit);
  // A history cannot keep a negative number of entries.
  clampOr(s.folderHistoryLimit, 0, 32700, 16);
  clampOr(s.fileHistoryLimit, 0, 32700, 16);
  r.flag("LZHCOPY", s.lzhCopy);
  r.flag("minihelp", s.miniHelp);
  r.string("ReName", s.reName);
  r.number("Auto_No", s.autoNo);
  r.number("Auto_No_KETA", s.autoNoDigits);
  r.string("SND_DIR", s.mp3SaveFolder);
  r.flag("No_Memo", s.noMemo);
  r.number("REC_TXT", s.showLastMp3List);
  r.flag("BackColor", s.standardColours);
  r.flag("RND_RESET", s.randomReset);
  r.flag("LZH_VOUT", s.showExtractWindow);
  r.number("End_Kosu_Set", s.endCountSet);
  clampOr(s.endCountSet, 0, 32700, 20);
  r.number("End_Kosu_index", s.endCountChoice);
  r.flag("EndClose_SAVE", s.endCloseSave);
  r.flag("EndWin_SAVE", s.endWinSave);
  if (s.endCloseSave) r.flag("EndClose", s.endClose);
  if (s.endWinSave) r.flag("EndWin", s.endWin);
  r.flag("CD_NAME", s.cdTrackNames);
  std::vector<int> memory{1, 1, 0, 1, 0, 1, 1};
  r.list("MEMORY", memory);
  s.fileListView = memory[0] != 0;
  s.trashShown = memory[2] != 0;
  s.trashClearMode = memory[3] != 0;
  s.showHiddenFolders = memory[5] != 0;
  s.namesOnly = memory[6] != 0;
  r.number("DirNo", s.folderViewMode);
  r.string("CPATH", s.folderPath);
  std::vector<int> saiseim{0, 1, 0, 0, 0, 1, 1, 0};
  r.list("SAISEIM", saiseim);
  s.playMode = saiseim[0];
  clampOr(s.playMode, 0, 3, 0);
  bool* const playFlags[] = {&s.repeat,          &s.playAtStart,     &s.startInTray,    &s.followExtensionsInPlay,
                             &s.extractMusicOnly, &s.deleteExtracted, &s.stopAtArchiveEnd};
  for (int i = 0; i < 7; ++i) *playFlags[i] = saiseim[i + 1] != 0;
  r.flag("MS_JK", s.scheduleTimerOn);
  r.string("JK", s.scheduleCaption);
  // A runner that was waiting at close resumes as well as one that was playing.
  if (s.scheduleCaption != kRunningCaption && s.scheduleCaption != kWaitingCaption) s.scheduleCaption = kStoppedCaption;
  if (s.scheduleTimerOn) s.scheduleCaption = kRunningCaption;
  r.number("TM_Mode", s.scheduleMode);
  clampOr(s.scheduleMode, 0, 2, 0);
  r.string("TDAY_S", s.dailySetName);
  r.number("TM_F_Index", s.weekdaySetIndex);
  clampOr(s.weekdaySetIndex, 0, 2, 0);
  r.number("TWEK_Index", s.weeklySetIndex);
  clampOr(s.weeklySetIndex, 0, 6, 0);
  r.string("M_Fn", s.currentMemory);
  r.list("INDEX", s.index);
  return s;
}

std::vector<std::pair<std::string, std::string>> StoredSettingTexts(const Settings& s) {
  const std::pair<int, int> pos = s.windowPos.value_or(std::make_pair(0, 0));
  return {
      {"FP", std::to_string(pos.first) + "," + std::to_string(pos.second)},
      {"ZOKUSEI", base::JoinCommaList(s.zokusei)},
      {"KAKUCHOSHI", base::JoinCommaList(s.kakuchoshi)},
      {"DirNo", std::to_string(s.folderViewMode)},
      {"CPATH", s.folderPath},
      {"FILESHITEI", flagText(s.extensionBoxMode)},
      {"FILENAME", s.fileName},
      {"MEMORY", base::JoinCommaList({s.fileListView, -1, s.trashShown, s.trashClearMode, 0, s.showHiddenFolders,
                                       s.namesOnly})},
      {"ALL", flagText(s.all)},
      {"CD_NAME", flagText(s.cdTrackNames)},
      {"SAISEIBAR", flagText(s.saiseiBar)},
      {"SAISEIM", base::JoinCommaList({s.playMode, s.repeat, s.playAtStart, s.startInTray, s.followExtensionsInPlay,
                                        s.extractMusicOnly, s.deleteExtracted, s.stopAtArchiveEnd})},
      {"INDEX", base::JoinCommaList(s.index)},
      {"FOLDERHIS", std::to_string(s.folderHistoryLimit)},
      {"FILEHIS", std::to_string(s.fileHistoryLimit)},
      {"minihelp", flagText(s.miniHelp)},
      {"LZHCOPY", flagText(s.lzhCopy)},
      {"BackColor", flagText(s.standardColours)},
      {"RND_RESET", flagText(s.randomReset)},
      {"AUTO_VOL", flagText(s.autoVolume)},
      {"LZH_VOUT", flagText(s.showExtractWindow)},
      {"ReName", s.reName},
      {"Auto_No", std::to_string(s.autoNo)},
      {"Auto_No_KETA", std::to_string(s.autoNoDigits)},
      {"SND_DIR", s.mp3SaveFolder},
      {"No_Memo", flagText(s.noMemo)},
      {"MP3", flagText(s.mp3WithoutPlayer)},
      {"REC_TXT", std::to_string(s.showLastMp3List)},
      {"End_Kosu_Set", std::to_string(s.endCountSet)},
      {"End_Kosu_index", std::to_string(s.endCountChoice)},
      {"EndWin", flagText(s.endWin)},
      {"EndClose", flagText(s.endClose)},
      {"EndWin_SAVE", flagText(s.endWinSave)},
      {"EndClose_SAVE", flagText(s.endCloseSave)},
      {"JK", s.scheduleCaption},
      {"TM_Mode", std::to_string(s.scheduleMode)},
      {"TDAY_S", s.dailySetName},
      {"TM_F_Index", std::to_string(s.weekdaySetIndex)},
      {"TWEK_Index", std::to_string(s.weeklySetIndex)},
      {"M_Fn", s.currentMemory},
      {"MS_JK", flagText(s.scheduleTimerOn)},
  };
}

bool WriteSettings(platform::Registry& reg, const Settings& s) {
  const std::string extract = base::StripTrailingSlash(s.extractFolder);
  for (auto& [name, value] : StoredSettingTexts(s))
    if (!reg.writeString(Hive::CurrentUser, kSettingsKey, name, value)) return false;
  // An extraction folder that was never chosen keeps what the registry holds.
  if (extract != "@@@@@" && !extract.empty())
    if (!reg.writeString(Hive::CurrentUser, kSettingsKey, "TEMPLZH", extract)) return false;
  return true;
}

int StoredVersion(platform::Registry& reg) {
  auto v = reg.readString(Hive::CurrentUser, kSettingsKey, "Version");
  if (!v || v->empty()) return 255;
  return base::StrToInt(*v).value_or(255);
}

}  // namespace core
