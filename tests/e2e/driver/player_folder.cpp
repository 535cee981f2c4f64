#include "player_folder.h"

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace e2e {

namespace {

std::wstring fromUnixPath(const std::string& unix) {
  // Wine maps the host's root to drive Z:.
  std::wstring w = L"Z:";
  for (char c : unix) w += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return w;
}

std::wstring uniqueTempFolder() {
  wchar_t base[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH, base);
  for (unsigned n = GetTickCount() ^ GetCurrentProcessId();; ++n) {
    std::wstring candidate = std::wstring(base) + L"zelcor-e2e-" + std::to_wstring(n);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) return candidate + L"\\";
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create a temp folder");
  }
}

void put16(std::string& s, std::uint16_t v) { s.append({char(v & 0xFF), char(v >> 8)}); }
void put32(std::string& s, std::uint32_t v) {
  put16(s, static_cast<std::uint16_t>(v & 0xFFFF));
  put16(s, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::wstring BuiltPlayerExe() {
  wchar_t env[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"ZELCOR_EXE", env, MAX_PATH) > 0) return env;
  return fromUnixPath(ZELCOR_BUILT_EXE);
}

PlayerFolder::PlayerFolder(const std::wstring& exeName) : path_(uniqueTempFolder()), exe_(path_ + exeName) {
  if (!CopyFileW(BuiltPlayerExe().c_str(), exe_.c_str(), FALSE))
    throw std::runtime_error("cannot copy the player exe (build zelcor32 first)");
}

PlayerFolder::~PlayerFolder() {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(path_), ec);
}

std::wstring PlayerFolder::writeFile(const std::wstring& name, const std::string& bytes) const {
  const std::wstring full = path_ + name;
  std::ofstream out(std::filesystem::path(full), std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write a file into the player folder");
  return full;
}

std::wstring PlayerFolder::makeFolder(const std::wstring& name) const {
  const std::wstring full = path_ + name;
  CreateDirectoryW(full.c_str(), nullptr);
  return full;
}

std::vector<std::string> PlayerFolder::readLines(const std::wstring& name) const {
  std::ifstream in(std::filesystem::path(path_ + name), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string SilentWav() {
  const std::uint32_t rate = 8000, samples = 800;  // a tenth of a second, 8-bit mono
  std::string s = "RIFF";
  put32(s, 36 + samples);
  s += "WAVEfmt ";
  put32(s, 16);
  put16(s, 1);
  put16(s, 1);
  put32(s, rate);
  put32(s, rate);
  put16(s, 1);
  put16(s, 8);
  s += "data";
  put32(s, samples);
  s.append(samples, static_cast<char>(0x80));
  return s;
}

std::string ToneWav(int ms, std::uint32_t declaredBytes) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(ms);
  const std::uint32_t declared = declaredBytes ? declaredBytes : samples;
  std::string s = "RIFF";
  put32(s, 36 + declared);
  s += "WAVEfmt ";
  put32(s, 16);
  put16(s, 1);
  put16(s, 1);
  put32(s, 8000);
  put32(s, 8000);
  put16(s, 1);
  put16(s, 8);
  s += "data";
  put32(s, declared);
  for (std::uint32_t i = 0; i < samples; ++i) s += static_cast<char>((i / 20) % 2 ? 0xA0 : 0x60);
  return s;
}

std::string MidiFile() {
  auto be32 = [](std::uint32_t v) {
    return std::string{char(v >> 24), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)};
  };
  std::string track;
  for (char note : {char(60), char(62), char(64)}) {
    track += std::string("\x00\x90", 2) + note + char(100);          // note on at once
    track += std::string("\x83\x60\x80", 3) + note + char(0);       // note off 480 ticks later
  }
  track += std::string("\x00\xFF\x2F\x00", 4);                     // end of track
  // Format 0, one track, 480 ticks to the quarter note.
  return "MThd" + be32(6) + std::string("\x00\x00\x00\x01\x01\xE0", 6) + "MTrk" +
         be32(static_cast<std::uint32_t>(track.size())) + track;
}

}  // namespace e2e
