#include "playback/random_pool.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/comma_list.h"
#include "memory/memory_lists.h"

namespace playback {

void RebuildPool(std::vector<std::string>& pool, int count) { pool = memory::FullPool(count); }

int DrawFromPool(std::vector<std::string>& pool, std::mt19937& rng, std::string& text) {
  // Pools never hold more than a 16-bit count; a longer one draws from its first 65535.
  const unsigned n = static_cast<unsigned>(std::min<std::size_t>(pool.size(), 0xFFFF));
  if (n == 0) return -1;
  const int r = static_cast<int>(std::uniform_int_distribution<unsigned>(0, n - 1)(rng));
  text = pool[r];
  pool.erase(pool.begin() + r);
  return r;
}

int PoolEntryIndex(const std::string& text) {
  const std::string head = text.substr(0, text.find('/'));
  return base::StrToInt(head).value_or(-1);
}

}  // namespace playback
