// ParseSummary on arbitrary documents and schemas. The input is split at NUL
// bytes: with no NUL it is all document, read with the default schema and
// " and "; otherwise the first piece is the author separator, the following
// pieces replace the markers in field order (start, end, start, end, ...) and
// the piece after the last one taken is the document, NUL bytes included.
#include "core/ArticleRecord.h"
#include "import/ImportTools.h"
#include "settings/ImportSchema.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

std::string CImportSchema::*const kMarkers[] = {
  &CImportSchema::m_strStartAuthor,   &CImportSchema::m_strEndAuthor,
  &CImportSchema::m_strStartIssue,    &CImportSchema::m_strEndIssue,
  &CImportSchema::m_strStartJournal,  &CImportSchema::m_strEndJournal,
  &CImportSchema::m_strStartLanguage, &CImportSchema::m_strEndLanguage,
  &CImportSchema::m_strStartNote,     &CImportSchema::m_strEndNote,
  &CImportSchema::m_strStartPages,    &CImportSchema::m_strEndPages,
  &CImportSchema::m_strStartTitle,    &CImportSchema::m_strEndTitle,
  &CImportSchema::m_strStartURL,      &CImportSchema::m_strEndURL,
  &CImportSchema::m_strStartVolume,   &CImportSchema::m_strEndVolume,
  &CImportSchema::m_strStartYear,     &CImportSchema::m_strEndYear,
};

const std::string kResolver = "http://dx.doi.org/";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  static const CImportSchema defaults = [] {
    CImportSchema schema;
    schema.SetDefaults();
    return schema;
  }();
  std::string rest(reinterpret_cast<const char*>(data), size);
  CImportSchema schema = defaults;
  std::string separator = " and ";

  std::size_t cut = rest.find('\0');
  if (cut != std::string::npos) {
    separator = rest.substr(0, cut);
    rest.erase(0, cut + 1);
    for (auto marker : kMarkers) {
      cut = rest.find('\0');
      if (cut == std::string::npos)
        break;
      schema.*marker = rest.substr(0, cut);
      rest.erase(0, cut + 1);
    }
  }

  CArticleRecord record;
  CImportTools().ParseSummary(rest, record, schema, separator);

  const bool yearFits = record.m_strYear.size() <= 4;
  const bool keyEndsInYear = record.m_strCiteKey.size() >= record.m_strYear.size() &&
                             record.m_strCiteKey.compare(record.m_strCiteKey.size() - record.m_strYear.size(),
                                                         std::string::npos, record.m_strYear) == 0;
  const bool urlResolved = record.m_strURL.empty() || record.m_strURL.rfind(kResolver, 0) == 0;
  if (!yearFits || !keyEndsInYear || !urlResolved)
    __builtin_trap();
  return 0;
}
