// The MCI model the playback tests stand on: its timing and its notifications must be right,
// or every driver test would pass or fail for the wrong reason.
#include <gtest/gtest.h>

#include "fakes/fake_mci.h"

namespace {

struct FakeMciTest : ::testing::Test {
  ui::HeadlessLoop loop;
  fakes::FakeMci mci{loop};
  std::vector<unsigned> received;
  FakeMciTest() {
    mci.notifyWindow = [this](unsigned f) { received.push_back(f); };
    mci.addTune("C:\\M\\a.wav", 3000);
  }
};

TEST_F(FakeMciTest, PlaysInVirtualTimeAndNotifiesSuccessThroughTheLoop) {
  ASSERT_EQ(mci.send("Open \"c:\\m\\A.WAV\" alias Zumik buffer 6").code, 0u);
  EXPECT_EQ(mci.send("status ZUMIK length wait").text, "3000");
  ASSERT_EQ(mci.send("play zumik notify").code, 0u);
  loop.advance(1200);
  EXPECT_EQ(mci.send("status Zumik position").text, "1200");
  EXPECT_EQ(mci.send("status Zumik mode").text, "playing");
  EXPECT_TRUE(received.empty());
  loop.advance(1800);
  EXPECT_EQ(received, std::vector<unsigned>{1});
  EXPECT_EQ(mci.send("status Zumik position").text, "3000");
}

TEST_F(FakeMciTest, StopSeekAndCloseAbortAPendingNotify) {
  mci.send("Open \"C:\\M\\a.wav\" alias Zumik");
  mci.send("play Zumik notify");
  loop.advance(500);
  mci.send("Stop Zumik wait");
  EXPECT_TRUE(received.empty()) << "the abort is posted, not delivered inside the command";
  loop.advance(1);
  EXPECT_EQ(received, std::vector<unsigned>{4});
  mci.send("seek Zumik to 2500 wait");
  mci.send("play Zumik notify");
  mci.send("play Zumik notify");  // supersedes the first
  loop.advance(499);
  EXPECT_EQ(received, (std::vector<unsigned>{4, 2}));
  loop.advance(1);
  EXPECT_EQ(received, (std::vector<unsigned>{4, 2, 1}));
  mci.send("Close Zumik wait");
  EXPECT_FALSE(mci.isOpen("zumik"));
}

TEST_F(FakeMciTest, RefusesUnknownFilesDuplicateAliasesAndUnknownDevices) {
  EXPECT_EQ(mci.send("Open \"C:\\M\\text.wav\" alias Zumik").code, fakes::FakeMci::kFileNotFound);
  EXPECT_EQ(mci.send("status Zumik length").code, fakes::FakeMci::kUnknownAlias);
  mci.send("Open \"C:\\M\\a.wav\" alias Zumik");
  EXPECT_EQ(mci.send("Open \"C:\\M\\a.wav\" alias ZUMIK").code, fakes::FakeMci::kDuplicateAlias);
}

}  // namespace
