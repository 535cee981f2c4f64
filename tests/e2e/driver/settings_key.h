#pragma once
// The player's settings under HKCU, read and written as the player's own registry sees them.
#include <optional>
#include <string>
#include <vector>

namespace e2e {

extern const wchar_t kSettingsKeyPath[];  // below HKEY_CURRENT_USER

class SettingsKey {
 public:
  static void set(const std::wstring& name, const std::wstring& value);
  static std::optional<std::wstring> get(const std::wstring& name);
  static void remove(const std::wstring& name);
  static std::vector<std::wstring> names();
  // Removes every value (the key itself stays or does not exist).
  static void clear();
};

}  // namespace e2e
