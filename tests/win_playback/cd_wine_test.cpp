// A CD track starting in the real window, on the model cdaudio device: the status bar's
// end-time panel holds the longest time in the bar's own font, and the play bar and the CD
// panel start where the folder panel ends.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/Zelcoru.h"
#include "fakes/fake_mci.h"
#include "hosted_player.h"
#include "playback/playback.h"
#include "temp_folder.h"
#include "ui/win32/control_peer.h"

namespace {

HWND WindowOf(ui::Control& c) { return static_cast<ui::win32::ControlPeer*>(c.peer())->hwnd(); }

RECT RectIn(HWND h, HWND parent) {
  RECT r;
  GetWindowRect(h, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(WineCdTest, AStartingTrackFitsTheEndTimePanelAndAlignsTheBars) {
  wintest::TempFolder temp{"zelcor_cd"};
  ui::HeadlessLoop deviceTime;  // the model disc stands still: only the start is looked at
  fakes::FakeMci mci{deviceTime};
  fakes::FakeCdAudio::Disc disc;
  disc.tracks = {{150, 180 * 75}};
  mci.cd.insert('E', disc);
  wintest::HostedPlayer host{temp.path(), mci};
  ASSERT_TRUE(host.start());
  auto& w = *host.window;
  w.Player().w.ListBoxCD.setItems({"E:"});
  w.S.run.PlayFile = "E:\\track01.cda";
  ASSERT_TRUE(w.Player().cd.Route("*", ""));
  host.runFor(3000, [&] { return w.PanelCD.visible(); });
  ASSERT_TRUE(w.PanelCD.visible());

  HWND bar = WindowOf(w.StatusBar1);
  int right[3] = {};
  ASSERT_EQ(SendMessageW(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(right)), 3);
  HDC dc = GetDC(bar);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc, L" 88:88:88", 9, &text);
  SelectObject(dc, old);
  ReleaseDC(bar, dc);
  EXPECT_GE(right[1] - right[0], text.cx + 10) << "the end time " << text.cx << " px wide";

  HWND parent = GetParent(bar);
  const LONG edge = RectIn(bar, parent).left + right[0];
  for (ui::Control* panel : {static_cast<ui::Control*>(&w.PanelCD), static_cast<ui::Control*>(&w.PanelBar)})
    EXPECT_EQ(RectIn(WindowOf(*panel), parent).left, edge) << panel->name();
  w.close();
  host.runFor(3000, [&] { return w.closed(); });
}

}  // namespace
