#pragma once
// The volume values of an archive's entries, kept packed on the archive's own line of the
// memory's volume list: "/" followed by each value and a "/" ("/a/b/c/"), for at most
// kMaxArchiveVolumes entries. A line that carries no registered value is stored empty.
#include <string>
#include <vector>

namespace memory {

inline constexpr std::size_t kMaxArchiveVolumes = 1360;

std::string PackArchiveVolumes(const std::vector<std::string>& values);

// One value per archive entry: the packed values padded with empty ones or cut to count.
// Only pieces closed by a "/" count; a line in any other form (a plain value) gives none.
std::vector<std::string> UnpackArchiveVolumes(const std::string& line, std::size_t count);

}  // namespace memory
