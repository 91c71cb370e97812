#include "search/SearchTerm.h"

#include <string_view>

namespace {

// Blanks become "+" and "&" becomes "%26" so the term stays one query value.
// '%' and '#' are escaped too, else the server would decode a typed "%" or cut
// the term at a "#"; control bytes and bytes above ASCII are escaped because a
// URL may not carry them raw. Everything else ("+", quotes, brackets) is sent
// as typed, so PubMed's own query syntax still works.
void AppendEncoded(std::string& term, std::string_view text)
{
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ' ') {
      term += '+';
    } else if (c == '&' || c == '%' || c == '#' || byte < 0x20 || byte >= 0x7F) {
      term += '%';
      term += kHex[byte >> 4];
      term += kHex[byte & 0x0F];
    } else {
      term += c;
    }
  }
}

}  // namespace

std::string BuildSearchTerm(const CSearchCriteria& criteria)
{
  // The order of the terms is fixed and differs from the order on screen.
  const struct {
    const std::string& text;
    std::string_view tag;
  } terms[] = {
      {criteria.m_strJournal, "[Jour]"},   {criteria.m_strVolume, "[volume]"},
      {criteria.m_strIssue, "[issue]"},    {criteria.m_strFirstPage, "[page]"},
      {criteria.m_strYear, "[pdat]"},      {criteria.m_strAuthors, "[author]"},
      {criteria.m_strTitleWords, ""},
  };

  std::string term;
  for (const auto& [text, tag] : terms) {
    if (text.empty())
      continue;
    if (!term.empty())
      term += "+AND+";
    AppendEncoded(term, text);
    term += tag;
  }
  return term;
}
