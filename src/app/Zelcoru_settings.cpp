// Settings between their stored form and the window's controls and state.
#include "app/Zelcoru.h"
#include "files/file_list.h"

namespace app {

namespace {
// Attribute bits of the boxes rd, sys, hid, arc; "nor" adds nothing.
constexpr int kAttributeBits[] = {1, 4, 2, 32, 0};

// A menu flag is restored through its own click handler so its side effects follow.
void restoreThroughClick(ui::MenuItem& item, bool stored, const std::function<void()>& click) {
  item.setChecked(!stored);
  click();
}
}  // namespace

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
  menu("SAISEIBAR").setChecked(s.saiseiBar);
  menu("MO_MP3").setChecked(s.mp3WithoutPlayer);
  S.UseMediaPlayerForMp3 = !s.mp3WithoutPlayer;
  Button13.setVisible(s.extensionBoxMode);
  Edit1.setVisible(!s.extensionBoxMode);
  Button14.setVisible(!s.extensionBoxMode);
  Edit1.setText(s.fileName);
  for (int i = 0; i < 9; ++i) ExtensionBoxes[i]->setChecked(s.kakuchoshi[i] != 0);
  applyExtensionPatterns();
  S.FolderHistoryLimit = s.folderHistoryLimit;
  menu("FOLDERHIS").setCaption(FolderHistoryCaption(s.folderHistoryLimit));
  S.FileHistoryLimit = s.fileHistoryLimit;
  menu("FILEHIS").setCaption(FileHistoryCaption(s.fileHistoryLimit));
  menu("PLZH5").setChecked(s.lzhCopy);
  menu("help3").setChecked(s.miniHelp);
  app().setShowHints(s.miniHelp);
  S.ReName = s.reName;
  S.AutoNo = s.autoNo;
  S.AutoNoDigits = s.autoNoDigits;
  S.Mp3SaveFolder = s.mp3SaveFolder;
  S.NoMemo = s.noMemo;
  S.ShowLastMp3List = s.showLastMp3List;
  menu("BackColor").setChecked(s.standardColours);
  applyColours();
  menu("RND_RESET").setChecked(s.randomReset);
  menu("AUTO_VOL").setChecked(s.autoVolume);
  menu("LZH_VOUT").setChecked(s.showExtractWindow);
  S.EndCountSet = s.endCountSet;
  menu("ME_kosu_Set").setCaption("Set " + std::to_string(s.endCountSet));
  S.EndCountChoice = s.endCountChoice;
  RefreshEndCount();
  restoreThroughClick(menu("ME_AUTO_OFF_SAVE"), s.endCloseSave, [this] { ME_AUTO_OFF_SAVEClick(); });
  restoreThroughClick(menu("ME_AUTO_OFF_WIN_SAVE"), s.endWinSave, [this] { ME_AUTO_OFF_WIN_SAVEClick(); });
  if (menu("ME_AUTO_OFF_SAVE").checked())
    restoreThroughClick(menu("ME_AUTO_OFF"), s.endClose, [this] { ME_AUTO_OFFClick(); });
  if (menu("ME_AUTO_OFF_WIN_SAVE").checked())
    restoreThroughClick(menu("ME_AUTO_OFF_WIN"), s.endWin, [this] { ME_AUTO_OFF_WINClick(); });
  menu("M_CD_NAME").setChecked(s.cdTrackNames);
  if (s.memory[0] == 0) Button9Click();
  CheckBoxGomi.setChecked(s.memory[2] != 0);
  S.TrashClearMode = s.memory[3] != 0;
  LabelGomiSASIN.setVisible(S.TrashClearMode);
  menu("K6").setChecked(s.memory[5] != 0);
  menu("SSN").setChecked(s.memory[6] != 0);
  S.FolderViewMode = s.folderViewMode == 0 ? 0 : 1;
  TreeView1.setVisible(S.FolderViewMode == 1);
  ListBox1.setVisible(S.FolderViewMode == 0);
  HeaderFolder.setSection(0, S.FolderViewMode == 1 ? "ツリー構造のフォルダー" : "普通のフォルダー");
  // A folder that cannot be opened gives way to the default one.
  S.FolderPath = Sv.fs.folderExists(s.folderPath) ? s.folderPath : S.WindowsFolder + "MEDIA";
  RadioGroup1.setItemIndex(s.saiseim[0]);
  CheckBox1.setChecked(s.saiseim[1] != 0);
  const char* playFlags[] = {"Start1", "Start2", "KC", "K7", "K8", "LZHEND1"};
  for (int i = 0; i < 6; ++i) menu(playFlags[i]).setChecked(s.saiseim[i + 2] != 0);
  menu("MS_JK").setChecked(s.scheduleTimerOn);
  Label_JK_MODE.setCaption(s.scheduleCaption);
  S.ScheduleWasRunning = s.scheduleCaption == kRunningCaption;
  S.ScheduleMode = s.scheduleMode;
  S.DailySetName = s.dailySetName;
  S.WeekdaySetIndex = s.weekdaySetIndex;
  S.WeeklySetIndex = s.weeklySetIndex;
  S.CurrentMemory = s.currentMemory;
}

Settings TZELCOR32ZUMIK::CollectSettings() {
  Settings s;
  s.windowPos = std::make_pair(bounds().left, bounds().top);
  for (int i = 0; i < 5; ++i) s.zokusei[i] = AttributeBoxes[i]->checked() ? 1 : 0;
  for (int i = 0; i < 9; ++i) s.kakuchoshi[i] = ExtensionBoxes[i]->checked() ? 1 : 0;
  s.folderViewMode = S.FolderViewMode;
  s.folderPath = S.FolderPath;
  s.extensionBoxMode = Button13.visible();
  s.fileName = Edit1.text();
  s.memory = {MemoryViewShown() ? 0 : 1, -1, CheckBoxGomi.checked() ? 1 : 0, S.TrashClearMode ? 1 : 0, 0,
              menu("K6").checked() ? 1 : 0, menu("SSN").checked() ? 1 : 0};
  s.all = CB32.checked();
  s.cdTrackNames = menu("M_CD_NAME").checked();
  s.saiseiBar = menu("SAISEIBAR").checked();
  s.saiseim = {RadioGroup1.itemIndex() < 0 ? 0 : RadioGroup1.itemIndex(), CheckBox1.checked() ? 1 : 0};
  for (const char* f : {"Start1", "Start2", "KC", "K7", "K8", "LZHEND1"}) s.saiseim.push_back(menu(f).checked() ? 1 : 0);
  s.index = {ListBox2.itemIndex(), ListBox4.itemIndex()};
  s.folderHistoryLimit = S.FolderHistoryLimit;
  s.fileHistoryLimit = S.FileHistoryLimit;
  s.miniHelp = menu("help3").checked();
  s.lzhCopy = menu("PLZH5").checked();
  s.standardColours = menu("BackColor").checked();
  s.randomReset = menu("RND_RESET").checked();
  s.autoVolume = menu("AUTO_VOL").checked();
  s.showExtractWindow = menu("LZH_VOUT").checked();
  s.reName = S.ReName;
  s.autoNo = S.AutoNo;
  s.autoNoDigits = S.AutoNoDigits;
  s.mp3SaveFolder = S.Mp3SaveFolder;
  s.noMemo = S.NoMemo;
  s.mp3WithoutPlayer = menu("MO_MP3").checked();
  // The last MP3 list reopens only after a close caused by the end of play.
  s.showLastMp3List = S.CloseAfterPlay ? S.ShowLastMp3List : 0;
  s.endCountSet = S.EndCountSet;
  s.endCountChoice = S.EndCountChoice;
  s.endWin = menu("ME_AUTO_OFF_WIN").checked();
  s.endClose = menu("ME_AUTO_OFF").checked();
  s.endWinSave = menu("ME_AUTO_OFF_WIN_SAVE").checked();
  s.endCloseSave = menu("ME_AUTO_OFF_SAVE").checked();
  s.scheduleCaption = Label_JK_MODE.caption();
  s.scheduleMode = S.ScheduleMode;
  s.dailySetName = S.DailySetName;
  s.weekdaySetIndex = S.WeekdaySetIndex;
  s.weeklySetIndex = S.WeeklySetIndex;
  s.currentMemory = S.CurrentMemory;
  s.scheduleTimerOn = menu("MS_JK").checked();
  s.extractFolder = S.ExtractFolder;
  return s;
}

}  // namespace app
