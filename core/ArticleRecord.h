#pragma once

#include <string>

// One bibliographic record: eleven text fields, in the order of their English
// labels. Nothing in the record interprets a field's bytes.
class CArticleRecord {
public:
  CArticleRecord() = default;
  CArticleRecord(const CArticleRecord& other) = default;
  CArticleRecord& operator=(const CArticleRecord& other) = default;
  virtual ~CArticleRecord() = default;

  // True when all eleven fields are empty.
  bool IsEmpty() const;

  std::string m_strAuthors;
  std::string m_strCiteKey;
  std::string m_strIssue;
  std::string m_strJournal;
  std::string m_strLanguage;
  std::string m_strNote;
  std::string m_strPages;
  std::string m_strTitle;
  std::string m_strURL;
  std::string m_strVolume;
  std::string m_strYear;
};

// The eleven fields in declared order, with their English labels, for code
// that walks all of them (printing, editing).
struct RecordField {
  const char* label;
  std::string CArticleRecord::*member;
};
inline constexpr RecordField kRecordFields[] = {
    {"Authors", &CArticleRecord::m_strAuthors}, {"Cite Key", &CArticleRecord::m_strCiteKey},
    {"Issue", &CArticleRecord::m_strIssue},     {"Journal", &CArticleRecord::m_strJournal},
    {"Language", &CArticleRecord::m_strLanguage}, {"Note", &CArticleRecord::m_strNote},
    {"Pages", &CArticleRecord::m_strPages},     {"Title", &CArticleRecord::m_strTitle},
    {"URL", &CArticleRecord::m_strURL},         {"Volume", &CArticleRecord::m_strVolume},
    {"Year", &CArticleRecord::m_strYear},
};
