#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lha/header.h"
#include "lha/sink.h"

namespace lha {

// Every header of an archive held in memory. False when a header is corrupt
// or the archive is truncated; `entries` then holds those read before.
bool listEntries(const uint8_t* archive, size_t size, std::vector<Entry>& entries);

enum class ExtractStatus { Ok, Corrupt, CrcMismatch, Unsupported, WriteFailed };

// Decodes one entry's bytes into `out` and checks them against the stored CRC.
// The sink may have received bytes even when the result is not Ok.
ExtractStatus extractEntry(const uint8_t* archive, size_t size, const Entry& entry, ByteSink& out);

// Header and packed bytes of a new entry. `entry` supplies name, time and
// attributes; sizes, CRC and method are filled in. Data that does not shrink
// is stored (-lh0-).
std::vector<uint8_t> packEntry(Entry entry, const uint8_t* data, size_t size, Method method);

// Listing text, one line per entry with sizes, ratio, time, method, CRC and name.
std::string listingText(const std::vector<Entry>& entries);

}  // namespace lha
