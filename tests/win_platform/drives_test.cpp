#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "platform/win32/drives_win32.h"

namespace {

using platform::DriveType;

TEST(Win32DrivesTest, DriveCIsFixedReadyAndLabelledWithoutLeavingTheErrorModeChanged) {
  platform::win32::Win32Drives drives;
  const UINT errorMode = GetErrorMode();
  const auto all = drives.list();
  ASSERT_FALSE(all.empty());
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](auto& a, auto& b) { return a.letter < b.letter; }));
  const auto c = std::find_if(all.begin(), all.end(), [](auto& d) { return d.letter == 'C'; });
  ASSERT_NE(c, all.end());
  EXPECT_EQ(c->type, DriveType::Fixed);
  EXPECT_TRUE(drives.isReady('C'));
  EXPECT_TRUE(drives.isReady('c'));
  EXPECT_TRUE(drives.volumeLabel('C').has_value());
  EXPECT_EQ(GetErrorMode(), errorMode);
}

TEST(Win32DrivesTest, UnusedLetterIsNeitherReadyNorLabelled) {
  platform::win32::Win32Drives drives;
  const auto all = drives.list();
  char unused = 0;
  for (char l = 'Z'; l >= 'D' && !unused; --l)
    if (std::none_of(all.begin(), all.end(), [l](auto& d) { return d.letter == l; })) unused = l;
  ASSERT_NE(unused, 0) << "every letter is in use";
  EXPECT_FALSE(drives.isReady(unused));
  EXPECT_FALSE(drives.volumeLabel(unused).has_value());
}

}  // namespace
