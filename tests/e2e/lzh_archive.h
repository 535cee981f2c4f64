#pragma once
// LZH archives made and read with the project's own LHA code on files held in memory, so that
// a test's archive is never made or checked by the library under test.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// The bytes of an archive of (entry name, bytes).
std::string LzhArchive(const std::vector<std::pair<std::string, std::string>>& entries);
// The entries' names, in archive order; empty when the bytes are no archive.
std::vector<std::string> LzhEntryNames(const std::string& archive);
// Each entry's bare name with its extracted bytes; empty when the bytes are no archive.
std::map<std::string, std::string> LzhEntries(const std::string& archive);

}  // namespace e2e
