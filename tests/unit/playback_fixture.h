#pragma once
// A player with a folder of tunes on the model MCI device; everything on virtual time.
#include <string>
#include <utility>
#include <vector>

#include "dialogs/mk.h"
#include "player_fixture.h"

struct PlaybackTest : PlayerTest {
  const std::string folderPath = "C:\\MUSIC";
  std::vector<std::string> messages;  // every message box shown

  app::TZELCOR32ZUMIK& startPlayer() {
    app::TZELCOR32ZUMIK& w = start();
    application.onModalShown = [this](ui::Form&) {
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
