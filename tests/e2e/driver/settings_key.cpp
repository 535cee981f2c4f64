#include "settings_key.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

const wchar_t kSettingsKeyPath[] = L"Software\\ZUMIK SOFT32\\ZELCOR32";

namespace {

// An open key that closes itself.
struct Key {
  explicit Key(bool create) {
    const LONG rc = create ? RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &h, nullptr)
                           : RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_ALL_ACCESS, &h);
    if (rc != ERROR_SUCCESS) h = nullptr;
  }
  ~Key() {
    if (h) RegCloseKey(h);
  }
  HKEY h = nullptr;
};

}  // namespace

void SettingsKey::set(const std::wstring& name, const std::wstring& value) {
  Key key(true);
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (!key.h || RegSetValueExW(key.h, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               bytes) != ERROR_SUCCESS)
    throw std::runtime_error("cannot write a settings value");
}

std::optional<std::wstring> SettingsKey::get(const std::wstring& name) {
  Key key(false);
  DWORD type = 0, bytes = 0;
  if (!key.h || RegQueryValueExW(key.h, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key.h, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcsnlen(value.c_str(), bytes / sizeof(wchar_t)));
  return value;
}

void SettingsKey::remove(const std::wstring& name) {
  Key key(false);
  if (key.h) RegDeleteValueW(key.h, name.c_str());
}

std::vector<std::wstring> SettingsKey::names() {
  Key key(false);
  std::vector<std::wstring> out;
  if (!key.h) return out;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD len = 16384;
    if (RegEnumValueW(key.h, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out.emplace_back(name, len);
  }
  return out;
}

void SettingsKey::clear() {
  for (auto& n : names()) remove(n);
}

}  // namespace e2e
