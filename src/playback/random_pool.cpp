#include "playback/random_pool.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/comma_list.h"
#include "memory/memory_lists.h"

namespace playback {

namespace {
// Pools never hold more than a 16-bit count; a longer one draws from its first 65535.
int drawIndex(std::size_t size, std::mt19937& rng) {
  const unsigned n = static_cast<unsigned>(std::min<std::size_t>(size, 0xFFFF));
  if (n == 0) return -1;
  return static_cast<int>(std::uniform_int_distribution<unsigned>(0, n - 1)(rng));
}
}  // namespace

void RebuildPool(ui::ItemList& pool, int count) { pool.setItems(memory::FullPool(count)); }

int DrawFromPool(ui::ItemList& pool, std::mt19937& rng, std::string& text) {
  const int r = drawIndex(pool.count(), rng);
  if (r < 0) return r;
  text = pool.item(r);
  pool.remove(r);
  return r;
}

int DrawFromPool(std::vector<std::string>& pool, std::mt19937& rng, std::string& text) {
  const int r = drawIndex(pool.size(), rng);
  if (r < 0) return r;
  text = std::move(pool[r]);
  pool.erase(pool.begin() + r);
  return r;
}

int PoolEntryIndex(const std::string& text) {
  const std::string head = text.substr(0, text.find('/'));
  return base::StrToInt(head).value_or(-1);
}

}  // namespace playback
