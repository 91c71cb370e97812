#pragma once

#include <string>
#include <vector>

class IProfileStore;

// The main window's five inputs, kept in the `Settings` section.
struct CMainSettings {
  std::string m_strExportFile;
  std::string m_strImportFile;
  std::string m_strTemplateFile;
  std::string m_strPubMedID;
  int m_nImportFormat = 0;  // 0 PMID (on line), any other value Medline file

  // Reads the five keys; an absent key keeps the member's value (0 for the format).
  void Load(IProfileStore& store);
  // Writes the five keys: ExportFile, ImportFile, TemplateFile, PubMedID, ImportFormat.
  void Save(IProfileStore& store) const;

  // "Settings", the store's section of the five keys.
  static const char* SectionName();
  // "ImportFormat", the one integer key.
  static const char* ImportFormatKey();
  // The four text keys in the order in which they are read and written.
  static std::vector<std::string> TextKeyNames();
  // The member stored under the text key `key`, or null for any other key.
  std::string* TextMember(const std::string& key);
};
