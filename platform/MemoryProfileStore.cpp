// Placeholder until implemented.
#include "platform/MemoryProfileStore.h"

std::string CMemoryProfileStore::GetProfileString(const std::string&, const std::string&, const std::string& fallback) { return fallback; }
int CMemoryProfileStore::GetProfileInt(const std::string&, const std::string&, int fallback) { return fallback; }
void CMemoryProfileStore::WriteProfileString(const std::string&, const std::string&, const std::string&) {}
void CMemoryProfileStore::WriteProfileInt(const std::string&, const std::string&, int) {}
