#pragma once

#include <string>
#include <vector>

class IProfileStore;

// How an on-line record is fetched and read: a start and an end marker for
// each of ten fields, and the three URL templates. A value class.
class CImportSchema {
public:
  CImportSchema() = default;
  CImportSchema(const CImportSchema& other) = default;
  CImportSchema& operator=(const CImportSchema& other) = default;
  virtual ~CImportSchema() = default;

  // Sets the 23 members to their defaults from the string table.
  void SetDefaults();

  // Reads the `Schema` section; an absent key keeps the member's value.
  void Load(IProfileStore& store);
  // Writes all 23 keys of the `Schema` section.
  void Save(IProfileStore& store) const;

  // "Schema", the store's section of the 23 keys.
  static const char* SectionName();
  // The 23 keys in the order in which they are read and written.
  static std::vector<std::string> KeyNames();
  // The member stored under `key`, or null for a key of no member.
  std::string* Member(const std::string& key);

  std::string m_strEndAuthor;
  std::string m_strStartAuthor;
  std::string m_strEndIssue;
  std::string m_strStartIssue;
  std::string m_strEndJournal;
  std::string m_strStartJournal;
  std::string m_strEndLanguage;
  std::string m_strStartLanguage;
  std::string m_strEndNote;
  std::string m_strStartNote;
  std::string m_strEndPages;
  std::string m_strStartPages;
  std::string m_strEndTitle;
  std::string m_strStartTitle;
  std::string m_strEndURL;
  std::string m_strStartURL;
  std::string m_strEndVolume;
  std::string m_strStartVolume;
  std::string m_strEndYear;
  std::string m_strStartYear;
  std::string m_strCommand;
  std::string m_strCommandSearch;
  std::string m_strCommandURL;
};
