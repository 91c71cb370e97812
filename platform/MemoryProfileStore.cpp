#include "platform/MemoryProfileStore.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

std::string CMemoryProfileStore::GetProfileString(const std::string& section,
                                                  const std::string& key,
                                                  const std::string& fallback)
{
  const auto it = m_values.find({section, key});
  return it == m_values.end() ? fallback : it->second;
}

int CMemoryProfileStore::GetProfileInt(const std::string& section, const std::string& key,
                                       int fallback)
{
  const auto it = m_values.find({section, key});
  if (it == m_values.end() || it->second.empty())
    return fallback;
  // Integers are kept as their decimal text; text that is none reads as absent.
  const char* begin = it->second.c_str();
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, 10);
  if (errno != 0 || *end != '\0' || value < INT_MIN || value > INT_MAX)
    return fallback;
  return static_cast<int>(value);
}

void CMemoryProfileStore::WriteProfileString(const std::string& section, const std::string& key,
                                             const std::string& value)
{
  m_writes.push_back(section + "/" + key);
  m_values[{section, key}] = value;
}

void CMemoryProfileStore::WriteProfileInt(const std::string& section, const std::string& key,
                                          int value)
{
  m_writes.push_back(section + "/" + key);
  m_values[{section, key}] = std::to_string(value);
}
