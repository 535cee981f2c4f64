#include "playback/random_pool.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/comma_list.h"

namespace playback {

void RebuildPool(ui::ItemList& pool, int count) {
  std::vector<std::string> items;
  items.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) items.push_back(std::to_string(i));
  pool.setItems(std::move(items));
}

int DrawFromPool(ui::ItemList& pool, std::mt19937& rng, std::string& text) {
  // Pools never hold more than a 16-bit count; a longer one draws from its first 65535.
  const unsigned n = static_cast<unsigned>(std::min(pool.count(), 0xFFFF));
  if (n == 0) return -1;
  const int r = static_cast<int>(std::uniform_int_distribution<unsigned>(0, n - 1)(rng));
  text = pool.item(r);
  pool.remove(r);
  return r;
}

int PoolEntryIndex(const std::string& text) {
  const std::string head = text.substr(0, text.find('/'));
  return base::StrToInt(head).value_or(-1);
}

}  // namespace playback
