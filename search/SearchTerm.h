#pragma once

#include <string>

// The seven criteria of a PubMed search, as the user typed them.
struct CSearchCriteria {
  std::string m_strAuthors;
  std::string m_strFirstPage;
  std::string m_strIssue;
  std::string m_strJournal;
  std::string m_strTitleWords;
  std::string m_strVolume;
  std::string m_strYear;
};

// The ESearch term: every filled-in criterion as a field-tagged term, joined
// by "+AND+", already encoded for the query part of a URL. Empty when every
// criterion is empty.
std::string BuildSearchTerm(const CSearchCriteria& criteria);
