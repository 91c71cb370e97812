#include "import/ImportTools.h"

#include "core/ArticleRecord.h"
#include "settings/ImportSchema.h"

namespace {

// Where a DOI can be looked up; the DOI is appended.
const char kDoiResolver[] = "http://dx.doi.org/";
const char kCiteKeySeparator[] = ",";
const std::size_t kYearLength = 4;

struct MarkerRow {
  std::string CArticleRecord::*field;
  std::string CImportSchema::*start;
  std::string CImportSchema::*end;
};

// The fields cut out of the document, in the order in which they are cut.
const MarkerRow kMarkerRows[] = {
  {&CArticleRecord::m_strAuthors, &CImportSchema::m_strStartAuthor, &CImportSchema::m_strEndAuthor},
  {&CArticleRecord::m_strIssue, &CImportSchema::m_strStartIssue, &CImportSchema::m_strEndIssue},
  {&CArticleRecord::m_strJournal, &CImportSchema::m_strStartJournal, &CImportSchema::m_strEndJournal},
  {&CArticleRecord::m_strLanguage, &CImportSchema::m_strStartLanguage, &CImportSchema::m_strEndLanguage},
  {&CArticleRecord::m_strNote, &CImportSchema::m_strStartNote, &CImportSchema::m_strEndNote},
  {&CArticleRecord::m_strPages, &CImportSchema::m_strStartPages, &CImportSchema::m_strEndPages},
  {&CArticleRecord::m_strTitle, &CImportSchema::m_strStartTitle, &CImportSchema::m_strEndTitle},
  {&CArticleRecord::m_strURL, &CImportSchema::m_strStartURL, &CImportSchema::m_strEndURL},
  {&CArticleRecord::m_strVolume, &CImportSchema::m_strStartVolume, &CImportSchema::m_strEndVolume},
  {&CArticleRecord::m_strYear, &CImportSchema::m_strStartYear, &CImportSchema::m_strEndYear},
};

}  // namespace

void CImportTools::ParseSummary(const std::string& document, CArticleRecord& record,
                                CImportSchema schema, const std::string& separator) const
{
  for (const MarkerRow& row : kMarkerRows) {
    record.*row.field = CollectBetween(document, schema.*row.start, schema.*row.end, separator);
  }
  record.m_strYear = record.m_strYear.substr(0, kYearLength);
  record.m_strCiteKey = MakeCiteKey(record.m_strAuthors, record.m_strYear, kCiteKeySeparator);
  if (!record.m_strURL.empty()) {
    record.m_strURL = kDoiResolver + record.m_strURL;
  }
  if (record.m_strTitle.size() > 1 && record.m_strTitle.back() == '.') {
    record.m_strTitle.pop_back();
  }
}
