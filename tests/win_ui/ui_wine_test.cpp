// Controls of the kit in real windows: the colour button's look under the mouse, the trash
// pictures, a splitter dragged with the mouse, and a modal form over two others.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "canvas.h"
#include "ui/form.h"
#include "ui/widgets.h"
#include "ui/win32/control_peer.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_loop.h"

namespace {

class WineUi : public ::testing::Test {
 protected:
  HWND windowOf(ui::Control& c) { return static_cast<ui::win32::ControlPeer*>(c.peer())->hwnd(); }
  void send(ui::Control& c, UINT msg, int x, int y) {
    SendMessageW(windowOf(c), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  // What the window paints, pixel by pixel (0x00BBGGRR), drawn as it draws itself on screen.
  std::vector<COLORREF> paint(HWND hwnd, int w, int h) {
    wintest::Canvas c(w, h);
    RECT all{0, 0, w, h};
    FillRect(c.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(c.dc), PRF_CLIENT);
    std::vector<COLORREF> px;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) px.push_back(GetPixel(c.dc, x, y));
    return px;
  }

  ui::win32::Win32Loop loop;
  ui::win32::Win32Backend backend{loop};
  ui::Application app{loop, &backend};
  ui::Form form{app, "UiTest", "ZelcorUiTest"};
};

TEST_F(WineUi, ColourButtonLooksPushedWhileHeldAndClicksOnlyWhenReleasedOverIt) {
  auto& panel = form.add<ui::Panel>(&form, "Panel", 10);
  panel.setBounds(0, 0, 200, 100);
  panel.setColor(0x80A0C0);
  auto& button = form.add<ui::Button>(&panel, "Button", 11);
  button.setBounds(10, 10, 75, 25);
  button.setCaption("OK");
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  form.setBounds(0, 0, 200, 100);
  form.show();
  RECT rc;
  GetClientRect(windowOf(button), &rc);
  // A spot of the face clear of the caption, the bevel and the focus frame, pushed or not.
  const int at = (rc.bottom / 2) * rc.right + 2;
  EXPECT_EQ(paint(windowOf(button), rc.right, rc.bottom)[at], 0x80A0C0u) << "not the parent's colour";

  send(button, WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(paint(windowOf(button), rc.right, rc.bottom)[at], ui::pushedLook(0x80A0C0, 0).face) << "not darker";
  send(button, WM_LBUTTONUP, rc.right + 20, 5);  // released beside it
  EXPECT_EQ(paint(windowOf(button), rc.right, rc.bottom)[at], 0x80A0C0u);
  EXPECT_EQ(clicks, 0);

  send(button, WM_LBUTTONDOWN, 5, 5);
  send(button, WM_LBUTTONUP, 6, 6);
  EXPECT_EQ(clicks, 1);
}

TEST_F(WineUi, TrashIconShowsAnotherPictureWhenItHoldsEntries) {
  auto& trash = form.add<ui::Image>(&form, "Image1", 10);
  trash.setBounds(0, 0, 48, 48);
  trash.setIcon(ui::Image::Icon::Trash);
  form.setBounds(0, 0, 100, 100);
  form.show();
  auto picture = [&] {
    RECT rc;
    GetClientRect(windowOf(trash), &rc);
    return paint(windowOf(trash), rc.right, rc.bottom);
  };
  const auto empty = picture();
  trash.setIcon(ui::Image::Icon::TrashFull);
  const auto full = picture();
  ASSERT_EQ(empty.size(), full.size());
  int differing = 0;
  for (size_t i = 0; i < empty.size(); ++i) differing += empty[i] != full[i];
  EXPECT_GT(differing, 60);
}

TEST_F(WineUi, SplittersAndSizeGripsFollowTheMouse) {
  auto& side = form.add<ui::Panel>(&form, "Side", 10);
  side.setBounds(0, 0, 100, 100);
  side.setAlign(ui::Align::Right);
  auto& bar = form.add<ui::Panel>(&form, "Bar", 11);
  bar.makeSplitter(&side, true);
  bar.setBounds(0, 0, 4, 10);
  bar.setAlign(ui::Align::Right);
  auto& grip = form.add<ui::Panel>(&form, "Grip", 12);
  grip.makeSizeGrip();
  grip.setBounds(10, 10, 6, 6);
  int gripX = 0, gripY = 0;
  grip.onDragged = [&](int dx, int dy) { gripX = dx, gripY = dy; };
  form.setBounds(0, 0, 300, 200);
  form.show();
  const double px = backend.scale();
  send(bar, WM_LBUTTONDOWN, 1, 5);
  send(bar, WM_LBUTTONUP, static_cast<int>(1 - 30 * px), static_cast<int>(5 + 40 * px));  // 30 left, 40 down
  EXPECT_EQ(side.bounds().width, 130);
  send(grip, WM_LBUTTONDOWN, 2, 2);
  send(grip, WM_LBUTTONUP, static_cast<int>(2 + 20 * px), static_cast<int>(2 + 15 * px));
  EXPECT_EQ(gripX, 20);
  EXPECT_EQ(gripY, 15);
}

// A question over the folder chooser: the chooser and the main window both stay out of reach
// until the question is answered, and both come back afterwards.
TEST_F(WineUi, AModalFormDisablesEveryOtherShownWindowUntilItCloses) {
  app.mainForm = &form;
  form.show();
  ui::Form chooser{app, "Chooser", "ZelcorUiTestChooser"}, question{app, "Question", "ZelcorUiTestQuestion"};
  chooser.show();
  loop.processMessages();
  auto hwnd = [](ui::Form& f) { return reinterpret_cast<HWND>(f.handle); };
  bool mainEnabled = true, chooserEnabled = true, questionEnabled = false;
  app.onModalShown = [&](ui::Form& f) {
    mainEnabled = IsWindowEnabled(hwnd(form));
    chooserEnabled = IsWindowEnabled(hwnd(chooser));
    questionEnabled = IsWindowEnabled(hwnd(f));
    f.setModalResult(ui::kResultOk);
  };
  EXPECT_EQ(question.showModal(), ui::kResultOk);
  EXPECT_FALSE(mainEnabled);
  EXPECT_FALSE(chooserEnabled);
  EXPECT_TRUE(questionEnabled);
  EXPECT_TRUE(IsWindowEnabled(hwnd(form)) && IsWindowEnabled(hwnd(chooser)));
}

}  // namespace
