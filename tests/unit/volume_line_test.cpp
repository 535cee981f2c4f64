#include "memory/volume_line.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace memory {
namespace {

using Values = std::vector<std::string>;

TEST(ArchiveVolumeLine, PacksAndReadsBackInEntryOrder) {
  const Values v = {"80,80", "", "100,60"};
  const std::string line = PackArchiveVolumes(v);
  EXPECT_EQ(line, "/80,80//100,60/");
  EXPECT_EQ(UnpackArchiveVolumes(line, 3), v);
  // The archive changed since: the values are padded or cut to its entries.
  EXPECT_EQ(UnpackArchiveVolumes(line, 5), (Values{"80,80", "", "100,60", "", ""}));
  EXPECT_EQ(UnpackArchiveVolumes(line, 1), (Values{"80,80"}));
}

TEST(ArchiveVolumeLine, NoRegisteredValueIsAnEmptyLine) {
  EXPECT_EQ(PackArchiveVolumes({}), "");
  EXPECT_EQ(PackArchiveVolumes({"", "", ""}), "");
  for (const std::string line : {"", "/", "garbage", "/no-end", "80,80"})
    EXPECT_EQ(UnpackArchiveVolumes(line, 3), Values(3)) << line;
}

TEST(ArchiveVolumeLine, KeepsAtMost1360Values) {
  Values many(1400, "1");
  const Values back = UnpackArchiveVolumes(PackArchiveVolumes(many), 1400);
  EXPECT_EQ(std::count(back.begin(), back.end(), "1"), 1360);
  EXPECT_EQ(back[1359], "1");
  EXPECT_EQ(back[1360], "");
}

}  // namespace
}  // namespace memory
