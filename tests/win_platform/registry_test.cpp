#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/registry_win32.h"

namespace {

using platform::Hive;

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    key = "Software\\ZelcorTest\\登録" + std::to_string(GetCurrentProcessId());
    reg.deleteKey(Hive::CurrentUser, key, true);
  }
  void TearDown() override {
    EXPECT_TRUE(reg.deleteKey(Hive::CurrentUser, key, true));
    // Only when empty: tests in other processes may be using their own keys below it.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZelcorTest");
  }
  platform::win32::Win32Registry reg;
  std::string key;
};

TEST_F(Win32RegistryTest, JapaneseStringRoundTripCreatesTheKey) {
  EXPECT_FALSE(reg.keyExists(Hive::CurrentUser, key));
  EXPECT_FALSE(reg.readString(Hive::CurrentUser, key, "JK").has_value());
  const std::string value = "実行中 C:\\表\\ソフト能\\";
  ASSERT_TRUE(reg.writeString(Hive::CurrentUser, key, "JK", value));
  EXPECT_TRUE(reg.keyExists(Hive::CurrentUser, key));
  EXPECT_EQ(reg.readString(Hive::CurrentUser, key, "jk"), value);
  ASSERT_TRUE(reg.writeString(Hive::CurrentUser, key, "Empty", ""));
  EXPECT_EQ(reg.readString(Hive::CurrentUser, key, "Empty"), "");
}

TEST_F(Win32RegistryTest, SixtyFourKilobyteValueReadsBackWhole) {
  std::string big;
  while (big.size() < 65536) big += "表示ABC,";
  ASSERT_TRUE(reg.writeString(Hive::CurrentUser, key, "KAKUCHOSHI", big));
  EXPECT_EQ(reg.readString(Hive::CurrentUser, key, "KAKUCHOSHI"), big);
}

TEST_F(Win32RegistryTest, BinaryValuesKeepTheirTypeAndLimit) {
  const std::vector<std::uint8_t> bytes = {0x55, 0x00, 0x02, 0xFF};
  ASSERT_TRUE(reg.writeBinary(Hive::CurrentUser, key, "MP3_ZUMIK", bytes));
  EXPECT_EQ(reg.readBinary(Hive::CurrentUser, key, "MP3_ZUMIK", 500), bytes);
  EXPECT_FALSE(reg.readBinary(Hive::CurrentUser, key, "MP3_ZUMIK", 3).has_value());
  EXPECT_FALSE(reg.readString(Hive::CurrentUser, key, "MP3_ZUMIK").has_value());
  ASSERT_TRUE(reg.writeBinary(Hive::CurrentUser, key, "声の録音", bytes));
  std::vector<std::string> names = reg.valueNames(Hive::CurrentUser, key);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"MP3_ZUMIK", "声の録音"}));
  EXPECT_TRUE(reg.deleteValue(Hive::CurrentUser, key, "MP3_ZUMIK"));
  EXPECT_FALSE(reg.readBinary(Hive::CurrentUser, key, "MP3_ZUMIK", 500).has_value());
  EXPECT_TRUE(reg.valueNames(Hive::CurrentUser, key + "\\missing").empty());
}

}  // namespace
