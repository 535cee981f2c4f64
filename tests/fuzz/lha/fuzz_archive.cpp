// Any bytes as an archive: every header (levels 0 to 3) is parsed, every
// entry decoded by its method and its CRC checked, the listing text built,
// and each name run through the folder-escape rules.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lha/archive.h"
#include "lha/entry_path.h"

namespace {

class NullSink : public lha::ByteSink {
public:
  bool write(const uint8_t*, size_t) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<lha::Entry> entries;
  lha::listEntries(data, size, entries);
  for (const lha::Entry& e : entries) {
    // Lying sizes must not make the decoder allocate or run unbounded.
    if (e.originalSize > (1u << 24)) continue;
    NullSink sink;
    lha::extractEntry(data, size, e, sink);
    lha::safeRelativePath(e.name, true);
    lha::safeRelativePath(e.name, false);
  }
  lha::listingText(entries);
  return 0;
}
