#pragma once
// Registry access. Keys, names and string values are CP932 byte strings.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// ClassesRoot: the file types and their verbs, read only.
enum class Hive { CurrentUser, LocalMachine, ClassesRoot };

class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool keyExists(Hive hive, const std::string& key) = 0;
  // A REG_SZ value; nullopt when the key or the value is missing or not a string.
  virtual std::optional<std::string> readString(Hive hive, const std::string& key,
                                                const std::string& name) = 0;
  // Creates the key when missing. False when the value could not be stored.
  virtual bool writeString(Hive hive, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  // A REG_BINARY value of at most maxBytes; nullopt when missing or larger.
  virtual std::optional<std::vector<std::uint8_t>> readBinary(Hive hive, const std::string& key,
                                                              const std::string& name,
                                                              std::size_t maxBytes) = 0;
  virtual bool writeBinary(Hive hive, const std::string& key, const std::string& name,
                           const std::vector<std::uint8_t>& value) = 0;
  virtual bool deleteValue(Hive hive, const std::string& key, const std::string& name) = 0;
  // The names of the key's values, in the order the registry keeps them; empty when the key
  // is missing.
  virtual std::vector<std::string> valueNames(Hive hive, const std::string& key) = 0;
  // Removes the key with its values; with withSubkeys its whole tree, otherwise only when
  // it has no subkeys. True when the key is gone afterwards.
  virtual bool deleteKey(Hive hive, const std::string& key, bool withSubkeys) = 0;
};

}  // namespace platform
