#include <gtest/gtest.h>

#include "base/buffered_copy.h"
#include "fakes/fake_file_system.h"

namespace {

const std::string kCopyFailed = "コピーに失敗しました";
constexpr platform::FileTime kSourceTime = 125911584000000000ull;
constexpr platform::FileTime kNowTime = 133000000000000000ull;

class BufferedCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.addFolder("C:\\in");
    fs.addFolder("C:\\out");
    fs.setWriteTime(kNowTime);
  }
  void addSource(std::size_t bytes) {
    std::string data(bytes, '\0');
    for (std::size_t i = 0; i < bytes; ++i) data[i] = static_cast<char>(i * 7 + 3);
    fs.addFile(src, data, platform::kAttrArchive, kSourceTime);
  }

  fakes::FakeFileSystem fs;
  const std::string src = "C:\\in\\表.wav";
  const std::string dst = "C:\\out\\表.wav";
};

TEST_F(BufferedCopy, SizesAroundTheBufferCopyWholeAndKeepTheTime) {
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, base::kCopyBufferLarge - 1,
                           base::kCopyBufferLarge, base::kCopyBufferLarge + 1,
                           2 * base::kCopyBufferLarge}) {
    addSource(size);
    EXPECT_EQ(base::CopyFileBuffered(fs, src, dst), "") << size;
    EXPECT_EQ(fs.contents(dst), fs.contents(src)) << size;
    EXPECT_EQ(fs.stat(dst)->lastWrite, kSourceTime) << size;
  }
  EXPECT_EQ(fs.openHandles(), 0);
}

TEST_F(BufferedCopy, SmallBufferWhenTheLargeOneIsRefused) {
  addSource(100000);
  std::vector<std::size_t> asked;
  const auto probe = [&](std::size_t n) {
    asked.push_back(n);
    return n == base::kCopyBufferSmall;
  };
  EXPECT_EQ(base::CopyFileBuffered(fs, src, dst, probe), "");
  EXPECT_EQ(asked, (std::vector<std::size_t>{base::kCopyBufferLarge, base::kCopyBufferSmall}));
  EXPECT_EQ(fs.contents(dst), fs.contents(src));
}

TEST_F(BufferedCopy, NoBufferAtAllTouchesNothing) {
  addSource(10);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, dst, [](std::size_t) { return false; }),
            "バッファの取得に失敗しました・・・32700");
  EXPECT_FALSE(fs.fileExists(dst));
}

TEST_F(BufferedCopy, WriteErrorDeletesThePartialTarget) {
  addSource(base::kCopyBufferLarge * 2);
  fs.failWriteAfter(dst, 1000);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, dst), kCopyFailed);
  EXPECT_FALSE(fs.fileExists(dst));
  EXPECT_TRUE(fs.fileExists(src));
  EXPECT_EQ(fs.openHandles(), 0);
}

TEST_F(BufferedCopy, ReadErrorInTheSecondBufferDeletesTheTarget) {
  addSource(base::kCopyBufferLarge * 2);
  fs.failReadAfter(src, base::kCopyBufferLarge + 10);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, dst), kCopyFailed);
  EXPECT_FALSE(fs.fileExists(dst));
}

TEST_F(BufferedCopy, MissingSourceOrUncreatableTarget) {
  EXPECT_EQ(base::CopyFileBuffered(fs, "C:\\in\\none.wav", dst), kCopyFailed);
  addSource(10);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, "C:\\nofolder\\x.wav"), kCopyFailed);
  fs.addFile(dst, "keep", platform::kAttrReadOnly);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, dst), kCopyFailed);
  EXPECT_EQ(*fs.contents(dst), "keep");
}

TEST_F(BufferedCopy, CopyOntoItselfCannotTruncateTheSource) {
  // The source is open for reading without write sharing, so the target cannot be made.
  addSource(5000);
  const auto before = fs.contents(src);
  EXPECT_EQ(base::CopyFileBuffered(fs, src, "c:\\IN\\表.WAV"), kCopyFailed);
  EXPECT_EQ(fs.contents(src), before);
}

}  // namespace
