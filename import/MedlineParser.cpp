#include "import/ImportTools.h"

#include "core/ArticleRecord.h"

#include <array>
#include <string_view>

namespace {

struct TagRow {
  std::string_view marker;
  std::string CArticleRecord::*field;
};

// The tags a record is read from. A field begins on a line that starts with
// its marker and goes on in the following lines that start with six blanks.
constexpr std::array<TagRow, 10> kTags{{
    {"AU  - ", &CArticleRecord::m_strAuthors},
    {"IP  - ", &CArticleRecord::m_strIssue},
    {"TA  - ", &CArticleRecord::m_strJournal},
    {"LA  - ", &CArticleRecord::m_strLanguage},
    {"AB  - ", &CArticleRecord::m_strNote},
    {"PG  - ", &CArticleRecord::m_strPages},
    {"TI  - ", &CArticleRecord::m_strTitle},
    {"URL", &CArticleRecord::m_strURL},
    {"VI  - ", &CArticleRecord::m_strVolume},
    {"DP  - ", &CArticleRecord::m_strYear},
}};

constexpr std::size_t kNoTag = kTags.size();
constexpr std::string_view kContinuation = "      ";

struct LanguageRow {
  const char* code;
  const char* name;
};

constexpr LanguageRow kLanguages[] = {
    {"eng", "English"}, {"ger", "German"},  {"chi", "Chinese"},
    {"dut", "Dutch"},   {"fre", "French"}, {"spa", "Spanish"},
};

std::size_t MatchTag(std::string_view line)
{
  for (std::size_t i = 0; i < kTags.size(); ++i)
    if (line.substr(0, kTags[i].marker.size()) == kTags[i].marker)
      return i;
  return kNoTag;
}

// Collects each tag's fields, joining repeated fields by the separator.
class CFieldCollector {
public:
  CFieldCollector(CArticleRecord& record, const std::string& separator)
      : m_record(record), m_separator(separator)
  {
  }

  void Line(std::string_view line)
  {
    if (m_current != kNoTag && line.substr(0, kContinuation.size()) == kContinuation) {
      // The line break, the blanks around it and the indent become one blank.
      const std::size_t kept = m_value.find_last_not_of(' ');
      m_value.resize(kept == std::string::npos ? 0 : kept + 1);
      m_value += ' ';
      m_value += line.substr(kContinuation.size());
      return;
    }
    Finish();
    m_current = MatchTag(line);
    if (m_current != kNoTag)
      m_value.assign(line.substr(kTags[m_current].marker.size()));
  }

  void Finish()
  {
    if (m_current == kNoTag)
      return;
    const TagRow& row = kTags[m_current];
    // The note is the abstract without the period that closes it.
    if (row.field == &CArticleRecord::m_strNote && !m_value.empty() && m_value.back() == '.')
      m_value.pop_back();
    if (m_seen[m_current])
      m_record.*row.field += m_separator;
    m_seen[m_current] = true;
    m_record.*row.field += m_value;
    m_current = kNoTag;
  }

private:
  CArticleRecord& m_record;
  const std::string& m_separator;
  std::array<bool, kTags.size()> m_seen{};
  std::size_t m_current = kNoTag;
  std::string m_value;
};

}  // namespace

void CImportTools::ParseMedline(const std::string& text, CArticleRecord& record,
                                const std::string& separator) const
{
  record = CArticleRecord();
  CFieldCollector collector(record, separator);
  const std::string_view all(text);
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t eol = all.find('\n', pos);
    if (eol == std::string_view::npos)
      eol = all.size();  // the last line counts without a final line feed
    collector.Line(all.substr(pos, eol - pos));
    pos = eol + 1;
  }
  collector.Finish();

  record.m_strYear = record.m_strYear.substr(0, 4);
  record.m_strCiteKey = MakeCiteKey(record.m_strAuthors, record.m_strYear, ",");
  for (const LanguageRow& language : kLanguages)
    record.m_strLanguage = ReplaceNoCase(record.m_strLanguage, language.code, language.name);
  if (record.m_strTitle.size() > 1 && record.m_strTitle.back() == '.')
    record.m_strTitle.pop_back();
}
