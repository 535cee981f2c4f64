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

}  // namespace

std::wstring BuiltPlayerExe() {
  wchar_t env[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"ZELCOR_EXE", env, MAX_PATH) > 0) return env;
  return fromUnixPath(ZELCOR_BUILT_EXE);
}

std::wstring HostPath(const std::string& unixPath) { return fromUnixPath(unixPath); }

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

}  // namespace e2e
