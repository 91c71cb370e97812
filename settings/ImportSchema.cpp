#include "settings/ImportSchema.h"

#include "platform/ProfileStore.h"
#include "platform/StringTable.h"

#include <array>

namespace {

constexpr const char* kSection = "Schema";

struct SchemaKey {
  const char* key;
  std::string CImportSchema::*member;
  unsigned defaultId;
};

// The order in which the keys are read and written: the ten end markers, the
// ten start markers (both in field order), then the three URL templates.
constexpr std::array<SchemaKey, 23> kKeys{{
    {"EndAuthor", &CImportSchema::m_strEndAuthor, IDS_DEFAULT_END_AUTHOR + 0},
    {"EndIssue", &CImportSchema::m_strEndIssue, IDS_DEFAULT_END_AUTHOR + 1},
    {"EndJournal", &CImportSchema::m_strEndJournal, IDS_DEFAULT_END_AUTHOR + 2},
    {"EndLanguage", &CImportSchema::m_strEndLanguage, IDS_DEFAULT_END_AUTHOR + 3},
    {"EndNote", &CImportSchema::m_strEndNote, IDS_DEFAULT_END_AUTHOR + 4},
    {"EndPages", &CImportSchema::m_strEndPages, IDS_DEFAULT_END_AUTHOR + 5},
    {"EndTitle", &CImportSchema::m_strEndTitle, IDS_DEFAULT_END_AUTHOR + 6},
    {"EndURL", &CImportSchema::m_strEndURL, IDS_DEFAULT_END_AUTHOR + 7},
    {"EndVolume", &CImportSchema::m_strEndVolume, IDS_DEFAULT_END_AUTHOR + 8},
    {"EndYear", &CImportSchema::m_strEndYear, IDS_DEFAULT_END_AUTHOR + 9},
    {"StartAuthor", &CImportSchema::m_strStartAuthor, IDS_DEFAULT_START_AUTHOR + 0},
    {"StartIssue", &CImportSchema::m_strStartIssue, IDS_DEFAULT_START_AUTHOR + 1},
    {"StartJournal", &CImportSchema::m_strStartJournal, IDS_DEFAULT_START_AUTHOR + 2},
    {"StartLanguage", &CImportSchema::m_strStartLanguage, IDS_DEFAULT_START_AUTHOR + 3},
    {"StartNote", &CImportSchema::m_strStartNote, IDS_DEFAULT_START_AUTHOR + 4},
    {"StartPages", &CImportSchema::m_strStartPages, IDS_DEFAULT_START_AUTHOR + 5},
    {"StartTitle", &CImportSchema::m_strStartTitle, IDS_DEFAULT_START_AUTHOR + 6},
    {"StartURL", &CImportSchema::m_strStartURL, IDS_DEFAULT_START_AUTHOR + 7},
    {"StartVolume", &CImportSchema::m_strStartVolume, IDS_DEFAULT_START_AUTHOR + 8},
    {"StartYear", &CImportSchema::m_strStartYear, IDS_DEFAULT_START_AUTHOR + 9},
    {"Command", &CImportSchema::m_strCommand, IDS_DEFAULT_COMMAND},
    {"CommandSearch", &CImportSchema::m_strCommandSearch, IDS_DEFAULT_COMMAND_SEARCH},
    {"CommandURL", &CImportSchema::m_strCommandURL, IDS_DEFAULT_COMMAND_URL},
}};

}  // namespace

const char* CImportSchema::SectionName()
{
  return kSection;
}

std::vector<std::string> CImportSchema::KeyNames()
{
  std::vector<std::string> names;
  names.reserve(kKeys.size());
  for (const SchemaKey& entry : kKeys)
    names.emplace_back(entry.key);
  return names;
}

std::string* CImportSchema::Member(const std::string& key)
{
  for (const SchemaKey& entry : kKeys)
    if (key == entry.key)
      return &(this->*entry.member);
  return nullptr;
}

void CImportSchema::SetDefaults()
{
  for (const SchemaKey& entry : kKeys)
    this->*entry.member = LoadResString(entry.defaultId);
}

void CImportSchema::Load(IProfileStore& store)
{
  for (const SchemaKey& entry : kKeys)
    this->*entry.member = store.GetProfileString(kSection, entry.key, this->*entry.member);
}

void CImportSchema::Save(IProfileStore& store) const
{
  for (const SchemaKey& entry : kKeys)
    store.WriteProfileString(kSection, entry.key, this->*entry.member);
}
