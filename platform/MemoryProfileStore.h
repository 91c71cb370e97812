#pragma once

#include "platform/ProfileStore.h"

#include <map>
#include <string>
#include <vector>
#include <utility>

// A profile store held in memory, for tests and for runs that must not
// touch the user's store.
class CMemoryProfileStore : public IProfileStore {
public:
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& fallback) override;
  int GetProfileInt(const std::string& section, const std::string& key, int fallback) override;
  void WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value) override;
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
  std::string Location() const override { return "(memory)"; }

  // Every write in order, "Section/Key" each, so tests can check the order.
  std::vector<std::string> m_writes;
  std::map<std::pair<std::string, std::string>, std::string> m_values;
};
