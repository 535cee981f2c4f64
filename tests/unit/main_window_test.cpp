#include "player_fixture.h"
#include "memory/trash.h"

namespace {

using testing_support::after;

TEST_F(PlayerTest, StartUpFinishesAfterTimer1AndShowsTheIdleTitle) {
  auto& w = start();
  EXPECT_EQ(w.S.run.InitDone, 99);
  EXPECT_EQ(w.caption(), "Zelcor32 B-G-M");
  EXPECT_FALSE(w.PanelOPEN.visible());
  EXPECT_TRUE(w.menu("MHelp0").enabled());
  EXPECT_TRUE(w.acceptFiles());
  EXPECT_TRUE(fs.folderExists(data + "LZH_TEMP"));
  EXPECT_TRUE(fs.folderExists(data + "LZH_POPM"));
  EXPECT_EQ(get("OLD_M"), "OK");
  EXPECT_EQ(w.S.ActivePatterns, "*.WAV;*.MID;*.RMI;*.AIF;*.AU;*.SND;*.CDA;*.MP3;");
  EXPECT_EQ(w.S.AttributeMask, 1 + 32);
}

TEST_F(PlayerTest, StoredGarbageTakesDefaultsOnScreen) {
  set("KAKUCHOSHI", "1,1,1");
  set("FOLDERHIS", "0");
  set("FILEHIS", "7");
  set("CPATH", "Q:\\NO\\SUCH\\DRIVE");
  set("End_Kosu_index", "15");
  set("End_Kosu_Set", "12");
  auto& w = start();
  EXPECT_EQ(w.menu("FOLDERHIS").caption(), "フォルダーヒストリーの設定　ＯＦＦ (&H)");
  EXPECT_EQ(w.menu("FILEHIS").caption(), "ファイルヒストリーの設定　7個 (&F)");
  EXPECT_EQ(w.S.settings.folderPath, "C:\\WINDOWS\\MEDIA");
  for (auto* cb : w.ExtensionBoxes) EXPECT_EQ(cb->checked(), cb->caption() != "LZH") << cb->caption();
  // Choice 15 behaves as the "Set" choice.
  EXPECT_EQ(w.menu("ME_kosu").caption(), "終了曲数 Set 12 曲(&P)");
  // A history limit of 0 leaves the folder history untouched.
  EXPECT_EQ(w.ListBoxKaKo.count(), 0);
}

TEST_F(PlayerTest, FolderHistoryPutsTheOpenFolderOnTop) {
  fs.addFolder("C:\\MUSIC");
  set("CPATH", "C:\\MUSIC");
  set("FOLDERHIS", "3");
  fs.addFile(data + "ZeLC32FH.LIS", "C:\\A\r\nC:\\MUSIC\r\nC:\\B\r\nC:\\C\r\n");
  auto& w = start();
  EXPECT_EQ(w.ListBoxKaKo.items(), (std::vector<std::string>{"C:\\MUSIC", "C:\\A", "C:\\B"}));
  EXPECT_EQ(w.LabelKaKo.caption(), "3ｺ");
}

TEST_F(PlayerTest, IndexBeyondTheListLeavesItUnselected) {
  auto& w = start();
  w.ListBox4.setItems({"a.wav", "b.wav"});
  for (auto [stored, shown] : {std::pair{2, -1}, std::pair{1, 1}, std::pair{-1, -1}}) {
    app::TZELCOR32ZUMIK::RestoreSelection(w.ListBox4, stored);
    EXPECT_EQ(w.ListBox4.itemIndex(), shown) << stored;
  }
}

TEST_F(PlayerTest, ClosingWritesEverySettingAndTheLists) {
  auto& w = start();
  w.RadioGroup1.choose(3);
  w.CheckBox1.click();  // endless off
  w.ExtensionBoxes[6]->click();  // LZH on
  w.menu("Start1").click();
  w.S.DriveLastFolders = {"C:\\MUSIC"};
  fs.addFile(data + "LZH_TEMP\\x.wav", "x");
  w.close();
  EXPECT_TRUE(w.closed());
  EXPECT_EQ(get("SAISEIM"), "3,0,1,0,0,1,1,0");
  EXPECT_EQ(get("KAKUCHOSHI"), "1,1,1,1,1,1,1,1,1");
  EXPECT_EQ(*fs.contents(data + "ZeLC32CD.LIS"), "C:\\MUSIC\r\n");
  EXPECT_TRUE(fs.fileExists(data + "ZeLC32FH.LIS"));
  EXPECT_FALSE(fs.fileExists(data + "LZH_TEMP\\x.wav"));
  EXPECT_TRUE(fs.folderExists(data + "LZH_TEMP"));
  EXPECT_TRUE(w.S.run.ShutDown);
  EXPECT_TRUE(power.exitCalls.empty());
}

TEST_F(PlayerTest, ClosingWhileBusyOnlyBeeps) {
  auto& w = start();
  w.S.run.BusyArchive = true;
  w.close();
  EXPECT_FALSE(w.closed());
  EXPECT_EQ(shell.beeps, 1);
  EXPECT_EQ(get("SAISEIM"), "<missing>");
  EXPECT_FALSE(w.S.run.ClosingGuard);
  w.S.run.BusyArchive = false;
  w.close();
  EXPECT_TRUE(w.closed());
}

TEST_F(AnsweringPlayerTest, ClosingBeforeStartUpFinishedSavesNothing) {
  window = std::make_unique<app::TZELCOR32ZUMIK>(application, services, data, std::vector<std::string>{});
  application.mainForm = window.get();
  window->onCloseQuery = [this](bool& can) { window->FormCloseQuery(can); };
  window->FormCreate();
  window->close();
  EXPECT_TRUE(window->closed());
  EXPECT_EQ(messages, std::vector<std::string>{"初期化エラー：メモリーが確保できませんでした。\n強制終了します。"});
  EXPECT_EQ(get("SAISEIM"), "<missing>");
}

TEST_F(AnsweringPlayerTest, AFailedSettingsWriteIsReportedAndClosingGoesOn) {
  auto& w = start();
  reg.failWrites(true);
  w.close();
  EXPECT_TRUE(w.closed());
  EXPECT_EQ(messages, std::vector<std::string>{"データ格納処理に失敗しました・・・"});
}

TEST_F(PlayerTest, EndActionRestoreFollowsTheSaveOptions) {
  set("EndClose_SAVE", "1");
  set("EndClose", "1");
  set("EndWin", "1");  // EndWin_SAVE off: not restored
  auto& w = start();
  EXPECT_TRUE(w.menu("ME_AUTO_OFF").checked());
  EXPECT_FALSE(w.menu("ME_AUTO_OFF_WIN").checked());
  EXPECT_FALSE(w.CheckBox1.enabled());
  EXPECT_EQ(w.RadioGroup1.color(), 0xFF00FFu);
}

TEST_F(PlayerTest, EndActionMenusKeepEachOtherConsistent) {
  auto& w = start();
  w.menu("ME_AUTO_OFF_WIN").click();
  EXPECT_TRUE(w.menu("ME_AUTO_OFF").checked());
  EXPECT_EQ(w.RadioGroup1.color(), 0x0000FFu);
  EXPECT_EQ(w.RadioGroup1.fontColor(), 0xFFFFFFu);
  w.menu("ME_AUTO_OFF").click();
  EXPECT_FALSE(w.menu("ME_AUTO_OFF_WIN").checked());
  EXPECT_TRUE(w.CheckBox1.enabled());
  w.menu("ME_AUTO_OFF_WIN_SAVE").click();
  EXPECT_TRUE(w.menu("ME_AUTO_OFF_SAVE").checked());
  w.menu("ME_AUTO_OFF_SAVE").click();
  EXPECT_FALSE(w.menu("ME_AUTO_OFF_WIN_SAVE").checked());
  w.menu("ME_kosu3").click();
  EXPECT_EQ(w.S.run.EndCountLeft, 3);
  EXPECT_EQ(w.menu("ME_kosu").caption(), "終了曲数 3 曲(&P)");
}

TEST_F(PlayerTest, CommandLineSwitchesAndFilesAtStart) {
  fs.addFile("C:\\MUSIC\\曲.wav", "RIFF");
  auto& w = start({"-c", "C:\\MUSIC\\曲.wav"});
  EXPECT_TRUE(w.menu("ME_AUTO_OFF").checked());
  EXPECT_TRUE(w.MemoryViewShown());
  ASSERT_EQ(w.ListBox2.count(), 1);
  EXPECT_EQ(w.ListBox2.item(0), "C:\\MUSIC\\曲.wav");
  EXPECT_EQ(w.ListBox2.itemIndex(), 0);
  EXPECT_EQ(w.RadioGroup1.itemIndex(), 0);
}

TEST_F(PlayerTest, ForwardedCloseSwitchEndsTicked) {
  auto& w = start();
  w.menu("ME_AUTO_OFF").click();  // already ticked: a forwarded /C keeps it ticked
  w.ForwardedCommandLine("/CLOSE");
  EXPECT_TRUE(w.menu("ME_AUTO_OFF").checked());
  w.ForwardedCommandLine(std::string(255, 'x'));  // garbage: nothing happens
  w.ForwardedCommandLine("");
  EXPECT_TRUE(w.menu("ME_AUTO_OFF").checked());
}

TEST_F(PlayerTest, DroppedPathsGoToTheMemoryListAndOddOnesAreIgnored) {
  auto& w = start();
  // Only drive paths of 7 to 300 characters: no network, relative, too short or empty ones.
  std::vector<std::string> drops{"C:\\" + std::string(400, 'a') + ".wav", "relative.wav", "\\\\server\\x.wav",
                                 "C:\\ab", "", "C:\\d\\one.wav"};
  w.FormDropFiles(drops);
  EXPECT_EQ(w.ListBox2.items(), (std::vector<std::string>{"C:\\d\\one.wav"}));
}

TEST_F(AnsweringPlayerTest, ShutdownRefusedShowsTheRightText) {
  auto& w = start();
  power.exitResult = {false, 5};
  w.S.run.CloseAfterPlay = true;
  w.menu("ME_AUTO_OFF_WIN").click();
  w.close();
  EXPECT_EQ(power.exitCalls, (std::vector<std::uint32_t>{8}));
  EXPECT_EQ(messages, std::vector<std::string>{"シャットダウン失敗\nシャットダウンの権限がありません"});
  EXPECT_TRUE(w.closed());
  EXPECT_EQ(get("EndWin"), "1");
}

TEST_F(PlayerTest, MissingExtractFolderOpensTheFolderDialogAtStart) {
  reg.deleteValue(platform::Hive::CurrentUser, core::kSettingsKey, "TEMPLZH");
  std::string defaultShown;
  application.onModalShown = [&](ui::Form& f) {
    if (f.windowClass() == "TDIR2SETForm") {
      auto& d = static_cast<app::TDIR2SETForm&>(f);
      defaultShown = d.Edit1.text();
      loop.post([&d] { d.ButtonSet.click(); });  // the default folder
    } else if (auto& box = static_cast<dialogs::TMKBox&>(f); box.Btn_OK.visible()) {
      box.Btn_OK.click();
    }  // the creation question is left to its countdown, whose default is Yes
  };
  auto& w = start();
  EXPECT_EQ(defaultShown, "C:\\ZUMIKT32\\TMPLZH32");
  EXPECT_TRUE(fs.folderExists("C:\\ZUMIKT32\\TMPLZH32"));
  EXPECT_EQ(w.S.settings.extractFolder, "C:\\ZUMIKT32\\TMPLZH32\\");
}

TEST_F(PlayerTest, ResizeKeepsTheCommandStripAtTheBottom) {
  auto& w = start();
  for (auto [width, height] : {std::pair{900, 700}, std::pair{500, 300}}) {
    w.setBounds(w.bounds().left, w.bounds().top, width, height);
    EXPECT_EQ(w.PanelCommand.bounds().bottom(), height);
    EXPECT_EQ(w.PanelCommand.bounds().width, width);
    // The command strip's splitter bar lies between it and the lists.
    EXPECT_EQ(w.PanelFF.bounds().bottom(), w.findControl("PanelCMV")->bounds().top);
    EXPECT_EQ(w.findControl("PanelCMV")->bounds().bottom(), w.PanelCommand.bounds().top);
    EXPECT_EQ(w.StatusBar1.bounds().width, width);
  }
}

TEST_F(PlayerTest, SplittersAndSizeGripsResizeTheRegionBesideThem) {
  auto& w = start();
  auto drag = [&](const char* name, int dx, int dy) {
    auto* h = static_cast<ui::Panel*>(w.findControl(name));
    ASSERT_TRUE(h && h->isSplitter() && h->showing()) << name;
    h->dragBy(dx, dy);
  };
  w.ButtonKZON.click();
  auto* bar = w.findControl("PanelKZV");
  const int before = w.PanelKZ.bounds().width;
  EXPECT_EQ(bar->bounds().right(), w.PanelKZ.bounds().left);  // the bar sits on the panel's left edge
  drag("PanelKZV", -30, 0);  // dragged left: the right-hand panel widens
  EXPECT_EQ(w.PanelKZ.bounds().width, before + 30);
  EXPECT_EQ(w.PanelFF.bounds().right(), bar->bounds().left);
  drag("PanelKZV", 10000, 0);  // never below a usable width
  EXPECT_EQ(w.PanelKZ.bounds().width, 40);
  w.Button1.click();
  EXPECT_FALSE(bar->visible());

  // The folder column moves with the bar of either row; a bar moves along its own direction only.
  const int listLeft = w.ListBox4.bounds().left;
  drag("PanelFFV", 50, 999);
  drag("PanelFFVU", -20, 0);
  EXPECT_EQ(w.ListBox4.bounds().left, listLeft + 30);
  EXPECT_EQ(w.TreeView1.bounds().right() + 6, w.ListBox4.bounds().left);

  // The command strip gives whole rows to the lists, never its buttons.
  drag("PanelCMV", 0, 40);
  EXPECT_EQ(w.PanelCommand.bounds().height, 64);
  EXPECT_EQ(w.PanelFF.bounds().bottom() + 4, w.PanelCommand.bounds().top);
  drag("PanelCMV", 0, 1000);
  EXPECT_EQ(w.PanelCommand.bounds().height, 34);
  drag("PanelCMV", 0, -1000);
  EXPECT_EQ(w.PanelCommand.bounds().height, 116);

  // Memory view: the folder panel's share, the trash column and the memory selector.
  w.Button9.click();
  const int folderHeight = w.PanelFF.bounds().height;
  drag("PanelFFH", 0, 30);
  EXPECT_NEAR(w.PanelFF.bounds().height, folderHeight + 30, 1);
  w.setBounds(0, 0, 720, 580);  // the share holds when the window grows
  EXPECT_GT(w.PanelFF.bounds().height, folderHeight + 30);
  const ui::Rect list = w.ListBox2.bounds(), icon = w.TrashBin->Image1.bounds();
  drag("PanelMMV", -40, 0);
  EXPECT_EQ(w.ListBox2.bounds().width, list.width - 40);
  EXPECT_EQ(w.TrashBin->Image1.bounds().left, icon.left - 20);
  const ui::Rect selector = w.ComboBox1.bounds(), close = w.Button11.bounds();
  drag("PanelMMVU", -50, 0);
  EXPECT_EQ(w.ComboBox1.bounds().width, selector.width - 50);
  EXPECT_EQ(w.Button11.bounds().left, close.left - 50);

  // The folder history and the trash float at the top right; each handle moves the edges it
  // touches.
  w.ButtonKaka.click();
  w.TrashBin->Image1.onRightButtonUp();
  struct Step {
    const char* handle;
    int dx, dy;
    ui::Rect change;  // left, top, width, height
  };
  for (auto [panel, names] : {std::pair{&w.PanelKaKo, "KK"}, std::pair{&w.PanelGomi, "GM"}}) {
    EXPECT_EQ(panel->bounds().right(), w.PanelMemory.bounds().right());
    EXPECT_EQ(panel->bounds().top, 30);
    for (const Step& s : {Step{"V", -30, 9, {-30, 0, 30, 0}}, Step{"H", 9, -50, {0, 0, 0, -50}},
                          Step{"VSZ", -10, -20, {-10, 0, 10, -20}}, Step{"HSZ", -10, 30, {-10, 30, 10, -30}}}) {
      const ui::Rect b = panel->bounds();
      drag(("Panel" + std::string(names) + s.handle).c_str(), s.dx, s.dy);
      const ui::Rect a = panel->bounds();
      EXPECT_EQ((ui::Rect{a.left - b.left, a.top - b.top, a.width - b.width, a.height - b.height}), s.change)
          << names << s.handle;
    }
  }
}

}  // namespace
