#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"

namespace {

// What the receiving window saw: the atom's text, or a marker for atom 0.
std::wstring g_received;
int g_messages = 0;

LRESULT CALLBACK Receiver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == platform::win32::Win32InstanceLink::kForwardMessage) {
    ++g_messages;
    wchar_t name[256] = {};
    if (wParam == 0) g_received = L"<atom 0>";
    else if (GlobalGetAtomNameW(static_cast<ATOM>(wParam), name, 256)) g_received = name;
    else g_received = L"<bad atom>";
    return 0;
  }
  if (msg == WM_COPYDATA) {
    ++g_messages;
    auto text = platform::win32::Win32InstanceLink::ForwardedCopy(lParam);
    g_received = text ? L"<copy>" + platform::win32::ToWide(*text) : L"<other copy>";
    return TRUE;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

class InstanceLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Receiver;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TZelcorLinkTest";
    RegisterClassW(&wc);
    window = CreateWindowW(L"TZelcorLinkTest", L"link", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    g_received.clear();
    g_messages = 0;
  }
  void TearDown() override { DestroyWindow(window); }
  HWND window = nullptr;
  platform::win32::Win32InstanceLink link;
};

TEST_F(InstanceLinkTest, TheAtomTextArrivesAtTheWindowOfTheClass) {
  EXPECT_TRUE(link.windowExists("TZelcorLinkTest"));
  EXPECT_FALSE(link.windowExists("TNoSuchZelcorClass"));
  const std::string text = "/PLAY?C:\\表\\曲ソ.wav";
  ASSERT_TRUE(link.forward("TZelcorLinkTest", text));
  EXPECT_EQ(platform::win32::FromWide(g_received), text);
}

TEST_F(InstanceLinkTest, TextTooLongForAnAtomArrivesAsACopyAndEmptyTextAsAtomZero) {
  ASSERT_TRUE(link.forward("TZelcorLinkTest", std::string(255, 'a')));
  EXPECT_EQ(g_received, std::wstring(255, L'a'));
  std::string files;
  for (int i = 0; i < 20; ++i) files.append("C:\\表\\曲ソ").append(std::to_string(i)).append(".wav?");
  ASSERT_TRUE(link.forward("TZelcorLinkTest", files));
  EXPECT_EQ(g_received, L"<copy>" + platform::win32::ToWide(files));
  ASSERT_TRUE(link.forward("TZelcorLinkTest", ""));
  EXPECT_EQ(g_received, L"<atom 0>");
  COPYDATASTRUCT other{7, 2, const_cast<wchar_t*>(L"x")};
  SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(g_received, L"<other copy>");
  EXPECT_EQ(g_messages, 4);
  EXPECT_FALSE(link.forward("TNoSuchZelcorClass", "x"));
}

TEST(Win32PowerTest, ShutdownPrivilegeCanBeEnabled) {
  // Only the privilege: the shutdown call itself is never made by a test.
  platform::win32::Win32Power power;
  const auto result = power.enableShutdownPrivilege();
  EXPECT_TRUE(result.ok) << result.lastError;
  EXPECT_EQ(result.lastError, 0u);
}

}  // namespace
