// Placeholder until implemented.
#include "platform/QtProfileStore.h"
#include <QSettings>

CQtProfileStore::CQtProfileStore(const std::string&, const std::string&) {}
CQtProfileStore::~CQtProfileStore() = default;
std::string CQtProfileStore::GetProfileString(const std::string&, const std::string&, const std::string& fallback) { return fallback; }
int CQtProfileStore::GetProfileInt(const std::string&, const std::string&, int fallback) { return fallback; }
void CQtProfileStore::WriteProfileString(const std::string&, const std::string&, const std::string&) {}
void CQtProfileStore::WriteProfileInt(const std::string&, const std::string&, int) {}
std::string CQtProfileStore::Location() const { return {}; }
