// Settings between their stored form and the window's controls and state.
#include <stdexcept>

#include "app/Zelcoru.h"
#include "files/file_list.h"

namespace app {

namespace {
// Attribute bits of the boxes rd, sys, hid, arc; "nor" adds nothing.
constexpr int kAttributeBits[] = {1, 4, 2, 32, 0};

// Each menu check mark and the setting it shows.
struct MenuFlag {
  const char* menu;
  bool Settings::*flag;
};
constexpr MenuFlag kMenuFlags[] = {
    {"SAISEIBAR", &Settings::saiseiBar},         {"MO_MP3", &Settings::mp3WithoutPlayer},
    {"PLZH5", &Settings::lzhCopy},               {"help3", &Settings::miniHelp},
    {"BackColor", &Settings::standardColours},   {"RND_RESET", &Settings::randomReset},
    {"AUTO_VOL", &Settings::autoVolume},         {"LZH_VOUT", &Settings::showExtractWindow},
    {"ME_AUTO_OFF", &Settings::endClose},        {"ME_AUTO_OFF_WIN", &Settings::endWin},
    {"ME_AUTO_OFF_SAVE", &Settings::endCloseSave}, {"ME_AUTO_OFF_WIN_SAVE", &Settings::endWinSave},
    {"M_CD_NAME", &Settings::cdTrackNames},      {"K6", &Settings::showHiddenFolders},
    {"SSN", &Settings::namesOnly},               {"Start1", &Settings::playAtStart},
    {"Start2", &Settings::startInTray},          {"KC", &Settings::followExtensionsInPlay},
    {"K7", &Settings::extractMusicOnly},         {"K8", &Settings::deleteExtracted},
    {"LZHEND1", &Settings::stopAtArchiveEnd},    {"MS_JK", &Settings::scheduleTimerOn},
    {"MP3_No_Memo", &Settings::noMemo},
};

// A menu flag is restored through its own click handler so its side effects follow.
void restoreThroughClick(bool& flag, bool stored, const std::function<void()>& click) {
  flag = !stored;
  click();
}
}  // namespace

bool& TZELCOR32ZUMIK::flagOf(const std::string& menuName) {
  for (const MenuFlag& f : kMenuFlags)
    if (menuName == f.menu) return S.settings.*f.flag;
  throw std::logic_error("no setting behind menu " + menuName);
}

void TZELCOR32ZUMIK::setFlag(const char* menuName, bool on) { menu(menuName).setChecked(flagOf(menuName) = on); }

void TZELCOR32ZUMIK::flip(ui::MenuItem& item) { item.setChecked(flagOf(item.name()) = !flagOf(item.name())); }

void TZELCOR32ZUMIK::drawMenuChecks() {
  for (const MenuFlag& f : kMenuFlags) menu(f.menu).setChecked(S.settings.*f.flag);
}

std::string TZELCOR32ZUMIK::FolderHistoryCaption(int limit) {
  return limit == 0 ? "フォルダーヒストリーの設定　ＯＦＦ (&H)"
                    : "フォルダーヒストリーの設定　" + std::to_string(limit) + "個 (&H)";
}

std::string TZELCOR32ZUMIK::FileHistoryCaption(int limit) {
  return limit == 0 ? "ファイルヒストリーの設定　ＯＦＦ (&F)"
                    : "ファイルヒストリーの設定　" + std::to_string(limit) + "個 (&F)";
}

void TZELCOR32ZUMIK::RestoreSelection(ui::ItemList& list, int index) {
  list.setItemIndex(index >= 0 && index < list.count() ? index : -1);
}

void TZELCOR32ZUMIK::applyExtensionPatterns() {
  S.ExtensionPatterns.clear();
  for (std::size_t i = 0; i < ExtensionBoxes.size() && i < S.ExtensionTable.size(); ++i)
    if (ExtensionBoxes[i]->checked()) S.ExtensionPatterns += "*." + S.ExtensionTable[i] + ";";
  if (Button13.visible()) {
    S.ActivePatterns = CB32.checked() ? "*.*" : S.ExtensionPatterns;
    Files->ShowAllColours(CB32.checked());
  } else {
    S.ActivePatterns = Edit1.text();
  }
}

void TZELCOR32ZUMIK::ApplySettings(const Settings& s) {
  S.AttributeMask = 0;
  for (int i = 0; i < 5; ++i) {
    AttributeBoxes[i]->setChecked(s.zokusei[i] != 0);
    if (s.zokusei[i] != 0) S.AttributeMask += kAttributeBits[i];
  }
  CB32.setChecked(s.all);
  // The flags shown only as check marks come over as they are; the ones with side effects
  // below are restored through their handlers.
  for (const MenuFlag& f : kMenuFlags) S.settings.*f.flag = s.*f.flag;
  drawMenuChecks();
  Button13.setVisible(s.extensionBoxMode);
  Edit1.setVisible(!s.extensionBoxMode);
  Button14.setVisible(!s.extensionBoxMode);
  Edit1.setText(s.fileName);
  for (int i = 0; i < 9; ++i) ExtensionBoxes[i]->setChecked(s.kakuchoshi[i] != 0);
  applyExtensionPatterns();
  S.settings.folderHistoryLimit = s.folderHistoryLimit;
  menu("FOLDERHIS").setCaption(FolderHistoryCaption(s.folderHistoryLimit));
  S.settings.fileHistoryLimit = s.fileHistoryLimit;
  menu("FILEHIS").setCaption(FileHistoryCaption(s.fileHistoryLimit));
  app().setShowHints(s.miniHelp);
  S.settings.reName = s.reName;
  S.settings.autoNo = s.autoNo;
  S.settings.autoNoDigits = s.autoNoDigits;
  S.settings.mp3SaveFolder = s.mp3SaveFolder;
  S.settings.noMemo = s.noMemo;
  S.settings.showLastMp3List = s.showLastMp3List;
  applyColours();
  S.settings.endCountSet = s.endCountSet;
  menu("ME_kosu_Set").setCaption("Set " + std::to_string(s.endCountSet));
  S.settings.endCountChoice = s.endCountChoice;
  RefreshEndCount();
  S.settings.endClose = S.settings.endWin = false;
  restoreThroughClick(S.settings.endCloseSave, s.endCloseSave, [this] { ME_AUTO_OFF_SAVEClick(); });
  restoreThroughClick(S.settings.endWinSave, s.endWinSave, [this] { ME_AUTO_OFF_WIN_SAVEClick(); });
  if (S.settings.endCloseSave) restoreThroughClick(S.settings.endClose, s.endClose, [this] { ME_AUTO_OFFClick(); });
  if (S.settings.endWinSave) restoreThroughClick(S.settings.endWin, s.endWin, [this] { ME_AUTO_OFF_WINClick(); });
  drawMenuChecks();
  if (!s.fileListView) Button9Click();
  CheckBoxGomi.setChecked(s.trashShown);
  S.settings.trashClearMode = s.trashClearMode;
  LabelGomiSASIN.setVisible(S.settings.trashClearMode);
  S.settings.folderViewMode = s.folderViewMode == 0 ? 0 : 1;
  TreeView1.setVisible(S.settings.folderViewMode == 1);
  ListBox1.setVisible(S.settings.folderViewMode == 0);
  HeaderFolder.setSection(0, S.settings.folderViewMode == 1 ? "ツリー構造のフォルダー" : "普通のフォルダー");
  // A folder that cannot be opened gives way to the default one.
  S.settings.folderPath = Sv.fs.folderExists(s.folderPath) ? s.folderPath : S.WindowsFolder + "MEDIA";
  RadioGroup1.setItemIndex(s.playMode);
  CheckBox1.setChecked(s.repeat);
  Label_JK_MODE.setCaption(s.scheduleCaption);
  S.ScheduleWasRunning = s.scheduleCaption != core::kStoppedCaption;
  S.settings.scheduleMode = s.scheduleMode;
  S.settings.dailySetName = s.dailySetName;
  S.settings.weekdaySetIndex = s.weekdaySetIndex;
  S.settings.weeklySetIndex = s.weeklySetIndex;
  S.settings.currentMemory = s.currentMemory;
}

Settings TZELCOR32ZUMIK::CollectSettings() {
  // The settings held here, with what the controls hold brought in.
  Settings s = S.settings;
  s.windowPos = std::make_pair(bounds().left, bounds().top);
  for (int i = 0; i < 5; ++i) s.zokusei[i] = AttributeBoxes[i]->checked() ? 1 : 0;
  for (int i = 0; i < 9; ++i) s.kakuchoshi[i] = ExtensionBoxes[i]->checked() ? 1 : 0;
  s.extensionBoxMode = Button13.visible();
  s.fileName = Edit1.text();
  s.fileListView = !MemoryViewShown();
  s.trashShown = CheckBoxGomi.checked();
  s.all = CB32.checked();
  s.playMode = RadioGroup1.itemIndex() < 0 ? 0 : RadioGroup1.itemIndex();
  s.repeat = CheckBox1.checked();
  s.index = {ListBox2.itemIndex(), ListBox4.itemIndex()};
  // The last MP3 list reopens only after a close caused by the end of play.
  if (!S.run.CloseAfterPlay) s.showLastMp3List = 0;
  s.scheduleCaption = Label_JK_MODE.caption();
  return s;
}

}  // namespace app
