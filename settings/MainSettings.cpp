#include "settings/MainSettings.h"

#include "platform/ProfileStore.h"

#include <array>

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kImportFormat = "ImportFormat";

struct TextKey {
  const char* key;
  std::string CMainSettings::*member;
};

// The text keys in the order in which they are read and written; the source
// choice follows them as an integer.
constexpr std::array<TextKey, 4> kTextKeys{{
    {"ExportFile", &CMainSettings::m_strExportFile},
    {"ImportFile", &CMainSettings::m_strImportFile},
    {"TemplateFile", &CMainSettings::m_strTemplateFile},
    {"PubMedID", &CMainSettings::m_strPubMedID},
}};

}  // namespace

const char* CMainSettings::SectionName()
{
  return kSection;
}

const char* CMainSettings::ImportFormatKey()
{
  return kImportFormat;
}

std::vector<std::string> CMainSettings::TextKeyNames()
{
  std::vector<std::string> names;
  for (const TextKey& entry : kTextKeys)
    names.emplace_back(entry.key);
  return names;
}

std::string* CMainSettings::TextMember(const std::string& key)
{
  for (const TextKey& entry : kTextKeys)
    if (key == entry.key)
      return &(this->*entry.member);
  return nullptr;
}

void CMainSettings::Load(IProfileStore& store)
{
  for (const TextKey& entry : kTextKeys)
    this->*entry.member = store.GetProfileString(kSection, entry.key, this->*entry.member);
  m_nImportFormat = store.GetProfileInt(kSection, kImportFormat, 0);
}

void CMainSettings::Save(IProfileStore& store) const
{
  for (const TextKey& entry : kTextKeys)
    store.WriteProfileString(kSection, entry.key, this->*entry.member);
  store.WriteProfileInt(kSection, kImportFormat, m_nImportFormat);
}
