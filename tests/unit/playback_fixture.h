#pragma once
// Playback on a folder of tunes on the model MCI device; everything on virtual time. The
// helpers run on the bare playback form (PlaybackTest) and on the whole window
// (WindowPlaybackTest), which keeps the tests where playback meets the memory lists.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/mk.h"
#include "player_fixture.h"
#include "playback/playback.h"

// A form with just the controls playback works on, under their names in the main window.
struct PlaybackForm : ui::Form {
  // The history as the memory lists would keep it.
  struct History : playback::HistorySink {
    std::vector<std::string> kept, shown;
    void appendKept(const std::string& entry, const std::string&) override { kept.push_back(entry); }
    int keptCount() const override { return static_cast<int>(kept.size()); }
    void dropOldestKept() override { kept.erase(kept.begin()); }
    void appendShown(const std::string& entry, int) override { shown.push_back(entry); }
  };

  template <class T>
  T& make(const char* name) {
    return add<T>(this, name, 0);
  }
  PlaybackForm(ui::Application& app, core::Services& sv)
      : ui::Form(app, "ZELCOR32ZUMIK", "TZELCOR32ZUMIK"),
        MKBoxDlg1(app),
        Archives(S, sv.fs, {[&app] { app.processMessages(); }, [] { return true; },
                            [this](const std::string& t) { setCaption(t); }, [&sv] { return sv.clock.tickMs(); }}) {
    RadioGroup1.setItems({"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"});
    RadioGroup1.setItemIndex(S.settings.playMode);
    CheckBox1.setChecked(S.settings.repeat);
    StatusBar1.setPanelCount(3);
    S.ExtensionTable = {"WAV", "MID", "RMI", "AIF", "AU", "SND", "LZH", "CDA", "MP3"};
    for (int on : S.settings.kakuchoshi) {
      ExtensionBoxes.push_back(&make<ui::CheckBox>("CB"));
      ExtensionBoxes.back()->setChecked(on != 0);
    }
    S.TitlePrefix = "Zelcor32 ";
    S.IdleTitle = S.TitlePrefix + "B-G-M";
    auto& menus = mainMenu().add("ME", 0, "");
    playback::PlaybackView view{*this, Button2, Button3, Button5, Button10, ButtonWait, RadioGroup1, CheckBox1,
                                ListBox4, ListBox2, ListBox8, ListBox3, ListBox6, ListBox9, make<ui::ComboBox>("ComboBox1"),
                                TimerPlayStart, Timer2, Timer4, Timer11, Timer3,
                                TimerSEEK, Timer_MP3_Start, Timer_MP3_LOOP, addTimer("Timer_MP3_ERR"), ScrollBar1,
                                make<ui::ScrollBar>("ScrollBar_MP3"), StatusBar1, StatusBar2, PanelBar, PanelResume,
                                Panel_MP3, make<ui::Panel>("PanelCD"), ButtonStop2, ButtonResume, ButtonRsumeINI,
                                make<ui::Button>("SpinButton4Down"), make<ui::Button>("SpinButton4Up"),
                                make<ui::Button>("SpinButton5Down"), make<ui::Button>("SpinButton5Up"),
                                make<ui::Button>("SpinButton6Down"), make<ui::Button>("SpinButton6Up"),
                                make<ui::Button>("Button_MP3_STOP"), make<ui::Button>("Button_MP3_PLAY"),
                                make<ui::Label>("LabelWAVName"), make<ui::Label>("LabelWavData"),
                                menus.add("ME_kosu", 0, ""), menus.add("SAISEIBAR", 0, ""), ExtensionBoxes,
                                ListBoxCD, TimerCD, TimerCD_LOOP, make<ui::Label>("LabelCD_CLEN"),
                                make<ui::Button>("ButtonCD_PAUSE"), make<ui::Button>("ButtonCD_RESUME"),
                                make<ui::Button>("ButtonCDPOSINI"), make<ui::Button>("SpinButton1Down"),
                                make<ui::Button>("SpinButton1Up"), make<ui::Button>("SpinButton2Down"),
                                make<ui::Button>("SpinButton2Up"), make<ui::Button>("SpinButton3Down"),
                                make<ui::Button>("SpinButton3Up"), addTimer("Timer5", 100),
                                ListBoxVM, make<ui::ListBox>("ListBoxVG"), ListBoxVL};
    player_ = std::make_unique<playback::Playback>(
        view, S, sv, MKBoxDlg1, app,
        playback::PlaybackLinks{ActiveList, memoryPool, history, [this] { return memoryViewShown; },
                                [this](const std::string& t) { setCaption(t); }, {}, Archives});
    player_->restoreAtStart();
  }

  core::SharedState S;
  dialogs::TMKBoxDlg MKBoxDlg1;
  archive::ArchiveAccess Archives;
  ui::Button &Button2 = make<ui::Button>("Button2"), &Button3 = make<ui::Button>("Button3"),
             &Button5 = make<ui::Button>("Button5"), &Button10 = make<ui::Button>("Button10"),
             &ButtonWait = make<ui::Button>("ButtonWait");
  ui::RadioGroup& RadioGroup1 = make<ui::RadioGroup>("RadioGroup1");
  ui::CheckBox& CheckBox1 = make<ui::CheckBox>("CheckBox1");
  ui::ListBox &ListBox4 = make<ui::ListBox>("ListBox4"), &ListBox2 = make<ui::ListBox>("ListBox2"),
              &ListBox8 = make<ui::ListBox>("ListBox8"), &ListBox3 = make<ui::ListBox>("ListBox3"),
              &ListBox6 = make<ui::ListBox>("ListBox6"), &ListBox9 = make<ui::ListBox>("ListBox9");
  std::vector<std::string> memoryPool;
  // The intervals the main window gives its timers.
  ui::Timer &TimerPlayStart = addTimer("TimerPlayStart", 100), &Timer2 = addTimer("Timer2", 100),
            &Timer4 = addTimer("Timer4", 100), &Timer11 = addTimer("Timer11", 100), &Timer3 = addTimer("Timer3"),
            &TimerSEEK = addTimer("TimerSEEK", 100), &Timer_MP3_Start = addTimer("Timer_MP3_Start", 100),
            &Timer_MP3_LOOP = addTimer("Timer_MP3_LOOP"), &TimerCD = addTimer("TimerCD"),
            &TimerCD_LOOP = addTimer("TimerCD_LOOP");
  ui::ListBox &ListBoxCD = make<ui::ListBox>("ListBoxCD"), &ListBoxVM = make<ui::ListBox>("ListBoxVM"),
              &ListBoxVL = make<ui::ListBox>("ListBoxVL");
  ui::ScrollBar& ScrollBar1 = make<ui::ScrollBar>("ScrollBar1");
  ui::StatusBar &StatusBar1 = make<ui::StatusBar>("StatusBar1"), &StatusBar2 = make<ui::StatusBar>("StatusBar2");
  ui::Panel &PanelBar = make<ui::Panel>("PanelBar"), &PanelResume = make<ui::Panel>("PanelResume"),
            &Panel_MP3 = make<ui::Panel>("Panel_MP3");
  ui::Button &ButtonStop2 = make<ui::Button>("ButtonStop2"), &ButtonResume = make<ui::Button>("ButtonResume"),
             &ButtonRsumeINI = make<ui::Button>("ButtonRsumeINI");
  std::vector<ui::CheckBox*> ExtensionBoxes;
  ui::ItemList* ActiveList = nullptr;
  bool memoryViewShown = false;
  History history;

  playback::Playback& Player() { return *player_; }
  ui::Button& button(const char* name) { return *static_cast<ui::Button*>(findControl(name)); }
  ui::MenuItem& menu(const char* name) { return *findMenu(name); }

 private:
  std::unique_ptr<playback::Playback> player_;
};

template <class Base>
struct PlaybackHelpers : Base {
  using Base::loop;
  using Base::fs;
  using Base::mci;
  using Base::window;
  const std::string folderPath = "C:\\MUSIC";
  std::vector<std::string> messages;  // every message box shown

  auto& startPlayer() {
    auto& w = this->start();
    this->application.onModalShown = [this](ui::Form&) {
      if (auto* box = window->MKBoxDlg1.current()) messages.push_back(box->MemoMsg.caption());
    };
    return w;
  }

  // The file list shows these tunes (name, length in ms) of folderPath.
  void showFolder(const std::vector<std::pair<std::string, int>>& tunes) {
    std::vector<std::string> names;
    for (auto& [name, ms] : tunes) {
      names.push_back(name);
      fs.addFile(path(name), "RIFF");
      if (ms >= 0) mci.addTune(path(name), ms);
    }
    window->S.settings.folderPath = folderPath;
    window->ListBox4.setItems(names);
    window->ListBox4.tag = -1;
  }
  std::string path(const std::string& name) const { return folderPath + "\\" + name; }

  // Names of the tunes whose play was accepted, in order.
  std::vector<std::string> playedNames() const {
    std::vector<std::string> out;
    for (auto& p : mci.played) out.push_back(p.substr(p.rfind('\\') + 1));
    return out;
  }
  // Whether the exact MCI command was sent.
  bool sent(const std::string& command) const {
    return std::find(mci.commands.begin(), mci.commands.end(), command) != mci.commands.end();
  }
  template <class T = ui::Button>
  T& control(const char* name) {
    return *static_cast<T*>(window->findControl(name));
  }
  void mode(int index) { window->RadioGroup1.choose(index); }
  void endless(bool on) { window->CheckBox1.setChecked(on); }
  void play() { window->Button2.click(); }
  bool idle() const { return !window->S.run.PlayRunActive; }
  // Runs until the run is idle again or the limit passes; returns the time it took.
  std::uint64_t runToIdle(std::uint64_t limitMs = 600000) {
    const auto begin = loop.nowMs();
    loop.advance(50);
    while (!(idle() && !window->TimerPlayStart.enabled()) && !window->closed() && loop.nowMs() - begin < limitMs)
      loop.advance(50);
    return loop.nowMs() - begin;
  }
  // Runs until n tunes in all have been started.
  void runUntilPlayed(std::size_t n, std::uint64_t limitMs = 600000) {
    const auto begin = loop.nowMs();
    while (mci.played.size() < n && loop.nowMs() - begin < limitMs) loop.advance(10);
  }
};

// The playback form on fakes; the model device notifies it.
struct BarePlayback : PlayerTest {
  std::unique_ptr<PlaybackForm> window;
  PlaybackForm& start() {
    window = std::make_unique<PlaybackForm>(application, services);
    window->S.TempFolder = data + "LZH_TEMP\\";
    fs.addFolder(window->S.TempFolder);
    window->Archives.setLibrary(&player.archiveLibrary);
    application.mainForm = window.get();
    mci.notifyWindow = [this](unsigned flags) { window->Player().MciNotify(flags); };
    window->show();
    loop.advance(500);
    return *window;
  }
};

using PlaybackTest = PlaybackHelpers<BarePlayback>;
using WindowPlaybackTest = PlaybackHelpers<PlayerTest>;
