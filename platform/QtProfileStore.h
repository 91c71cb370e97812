#pragma once

#include "platform/ProfileStore.h"

#include <memory>

class QSettings;

// The per-user profile store on QSettings, rooted at the company key and the
// application name: a file under the user's configuration folder on Linux,
// the registry on Windows. Every text value round-trips byte for byte.
class CQtProfileStore : public IProfileStore {
public:
  CQtProfileStore(const std::string& company = "Tovra", const std::string& application = "lexoria");
  ~CQtProfileStore() override;

  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& fallback) override;
  int GetProfileInt(const std::string& section, const std::string& key, int fallback) override;
  void WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value) override;
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
  std::string Location() const override;

private:
  std::unique_ptr<QSettings> m_settings;
};
