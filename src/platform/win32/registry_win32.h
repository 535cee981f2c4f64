#pragma once
#include "platform/registry.h"

namespace platform::win32 {

class Win32Registry : public Registry {
 public:
  bool keyExists(Hive hive, const std::string& key) override;
  std::optional<std::string> readString(Hive hive, const std::string& key,
                                        const std::string& name) override;
  bool writeString(Hive hive, const std::string& key, const std::string& name,
                   const std::string& value) override;
  std::optional<std::vector<std::uint8_t>> readBinary(Hive hive, const std::string& key,
                                                      const std::string& name,
                                                      std::size_t maxBytes) override;
  bool writeBinary(Hive hive, const std::string& key, const std::string& name,
                   const std::vector<std::uint8_t>& value) override;
  bool deleteValue(Hive hive, const std::string& key, const std::string& name) override;
  std::vector<std::string> valueNames(Hive hive, const std::string& key) override;
  // Removes a key with everything below it (for tests and uninstall).
  bool deleteKey(Hive hive, const std::string& key, bool withSubkeys) override;
};

}  // namespace platform::win32
