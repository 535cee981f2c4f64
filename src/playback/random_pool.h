#pragma once
// The random pools: the item indexes of a list not yet played in random mode, as texts.
#include <random>
#include <string>
#include <vector>

namespace playback {

// "0" .. count-1.
void RebuildPool(std::vector<std::string>& pool, int count);

// Draws one pool entry at random and removes it; returns its index in the pool and its
// text through the arguments. The draw range is the pool size as a 16-bit count, as
// pools of the player never hold more.
int DrawFromPool(std::vector<std::string>& pool, std::mt19937& rng, std::string& text);

// The list index a pool entry stands for: its text up to the first "/" (composite
// archive entries carry their own remaining entries after it); -1 when not a number.
int PoolEntryIndex(const std::string& text);

}  // namespace playback
