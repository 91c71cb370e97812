#pragma once

#include <string>

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
};
