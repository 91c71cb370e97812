#pragma once

#include <string>

// The per-user store of settings: sections of keys with text or integer
// values. Every text value round-trips byte for byte.
class IProfileStore {
public:
  virtual ~IProfileStore() = default;
  // The stored text, or `fallback` when the key is absent.
  virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& fallback) = 0;
  // The stored integer, or `fallback` when the key is absent.
  virtual int GetProfileInt(const std::string& section, const std::string& key, int fallback) = 0;
  virtual void WriteProfileString(const std::string& section, const std::string& key,
                                  const std::string& value) = 0;
  virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
  // Where the store lives, for the user (a file path or a registry key).
  virtual std::string Location() const = 0;
};
