#include "archive/viewers.h"

#include <cstdio>

#include "memory/volume_line.h"

namespace archive {

namespace {

constexpr std::size_t kShortLine = 17, kHexWidth = 52, kRowBytes = 16;

bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

std::string SingleByteText(unsigned char b) {
  if (b < 32) return std::string("^") + static_cast<char>(b + 64);
  if (b == 127) return "^BS";
  if (b >= 0xFD) return ".";
  return std::string(1, static_cast<char>(b));
}

}  // namespace

std::vector<std::string> ReflowListing(const std::string& text) {
  std::vector<std::string> out;
  std::string held;  // a short line waiting for the next one
  bool holding = false;
  auto finish = [&](std::string line) {
    if (holding) {
      std::size_t skip = 0;
      while (skip < held.size() && skip < line.size() && line[skip] == ' ') ++skip;
      line = held + line.substr(skip);
    }
    holding = line.size() < kShortLine;
    if (holding) held = line;
    else out.push_back(line);
  };
  std::string line;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < ' ') {
      finish(line);
      line.clear();
    } else {
      line += c;
    }
  }
  const std::string rest = (holding ? held : "") + line;
  if (!rest.empty()) out.push_back(rest);
  return out;
}

std::vector<std::string> DumpRows(const std::string& bytes) {
  std::vector<std::string> rows;
  int held = -1;  // a lead byte waiting for its partner
  for (std::size_t at = 0; at < bytes.size(); at += kRowBytes) {
    char hex[24];
    std::snprintf(hex, sizeof hex, "%03X ", static_cast<unsigned>(at));
    std::string row = hex, textColumn;
    for (std::size_t i = at; i < bytes.size() && i < at + kRowBytes; ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      std::snprintf(hex, sizeof hex, "%02X ", b);
      row += hex;
      if (held >= 0) {
        const char lead = static_cast<char>(held);
        held = -1;
        if (IsTrail(b)) {
          textColumn += std::string{lead, static_cast<char>(b)};
          continue;
        }
        textColumn += ".";
      }
      if (IsLead(b)) held = b;
      else textColumn += SingleByteText(b);
    }
    row.resize(kHexWidth, ' ');
    rows.push_back(row + textColumn);
  }
  if (held >= 0 && !rows.empty()) rows.back() += ".";
  return rows;
}

std::vector<std::string> ReflowHtml(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool breakPending = false;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '\r') continue;
    if (b == '\n') {
      breakPending = true;
      continue;
    }
    if (b >= ' ' && breakPending) {
      lines.push_back(line);
      line.clear();
      breakPending = false;
    }
    line += c;
  }
  lines.push_back(line);
  return lines;
}

std::vector<std::string> EntryValues(const std::string& rowValue, std::size_t count) {
  if (rowValue.empty() || rowValue[0] != '/')
    return std::vector<std::string>(count, rowValue.size() == 2 ? rowValue : std::string());
  return memory::UnpackArchiveVolumes(rowValue, count);
}

}  // namespace archive
