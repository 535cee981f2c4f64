#include "base/buffered_copy.h"

#include <memory>
#include <new>

namespace base {
namespace {

const char kNoBuffer[] = "バッファの取得に失敗しました・・・";
const char kCopyFailed[] = "コピーに失敗しました";

// Streams the whole source into the target; false on a read or write error.
bool Pump(platform::OpenFile& from, platform::OpenFile& to, char* buffer, std::size_t size) {
  for (;;) {
    const long long got = from.read(buffer, size);
    if (got < 0) return false;
    if (got > 0 && !to.write(buffer, static_cast<std::size_t>(got))) return false;
    if (static_cast<std::size_t>(got) < size) return true;
  }
}

}  // namespace

bool ProbeHeap(std::size_t bytes) {
  std::unique_ptr<char[]> trial(new (std::nothrow) char[bytes]);
  return trial != nullptr;
}

std::string CopyFileBuffered(platform::FileSystem& fs, const std::string& source,
                             const std::string& target, const BufferProbe& probe) {
  std::size_t size = kCopyBufferLarge;
  if (!probe(size)) {
    size = kCopyBufferSmall;
    if (!probe(size)) return std::string(kNoBuffer) + "32700";
  }
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[size]);
  if (!buffer) return kCopyFailed;

  auto from = fs.openRead(source);
  if (!from) return kCopyFailed;
  const auto time = from->lastWriteTime();
  auto to = fs.create(target);
  if (!to) return kCopyFailed;

  const bool copied = Pump(*from, *to, buffer.get(), size);
  if (time) to->setLastWriteTime(*time);
  to.reset();
  if (!copied) {
    fs.removeFile(target);
    return kCopyFailed;
  }
  return std::string();
}

}  // namespace base
