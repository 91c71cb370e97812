#include "search/SearchTerm.h"

#include "tests/support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct TermCase {
  const char* name;
  CSearchCriteria criteria;
  std::string term;
};

CSearchCriteria Authors(std::string text)
{
  CSearchCriteria criteria;
  criteria.m_strAuthors = std::move(text);
  return criteria;
}

CSearchCriteria TitleWords(std::string text)
{
  CSearchCriteria criteria;
  criteria.m_strTitleWords = std::move(text);
  return criteria;
}

// Field order of CSearchCriteria: authors, first page, issue, journal, title
// words, volume, year.
const TermCase kTermCases[] = {
    {"AuthorsAndYear", {"Smith J", "", "", "", "", "", "2002"}, "2002[pdat]+AND+Smith+J[author]"},
    {"JournalVolumeFirstPage",
     {"", "100", "", "J Biol Chem", "", "277", ""},
     "J+Biol+Chem[Jour]+AND+277[volume]+AND+100[page]"},
    {"TitleWordsStandUntagged", TitleWords("cell cycle"), "cell+cycle"},
    {"AmpersandBetweenAuthors", Authors("Smith J & Miller A"), "Smith+J+%26+Miller+A[author]"},
    {"AllEmpty", {}, ""},
    {"AllSevenInFixedOrder",
     {"Au", "Pg", "Is", "Jo", "Ti", "Vo", "Ye"},
     "Jo[Jour]+AND+Vo[volume]+AND+Is[issue]+AND+Pg[page]+AND+Ye[pdat]+AND+Au[author]+AND+Ti"},
    {"SingleIssue", {"", "", "12", "", "", "", ""}, "12[issue]"},
    {"OnePlusPerBlank", Authors("  Smith "), "++Smith+[author]"},
    {"AmpersandsInARow", Authors("A && B"), "A+%26%26+B[author]"},
    {"OnlyBlanksStillMakeATerm", {"", "", "", "", "", "", "  "}, "++[pdat]"},
    {"CaseKeptAsTyped", {"", "", "", "NaTuRe", "", "", ""}, "NaTuRe[Jour]"},
    {"QuerySyntaxSentAsTyped", TitleWords("\"cell cycle\"[ti]+x?y=z"), "\"cell+cycle\"[ti]+x?y=z"},
    // A raw '%' would be decoded by the server and a raw '#' would cut the
    // term off as a fragment.
    {"PercentAndHashEscaped", TitleWords("50% #1"), "50%25+%231"},
    {"BytesOutsideAsciiEscaped", Authors("M\xC3\xBCller\tX\x7F"), "M%C3%BCller%09X%7F[author]"},
};

class SearchTermTest : public testing::TestWithParam<TermCase> {};

TEST_P(SearchTermTest, BuildsTheEncodedTerm)
{
  EXPECT_EQ(BuildSearchTerm(GetParam().criteria), GetParam().term);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchTermTest, testing::ValuesIn(kTermCases), CaseName<TermCase>);

}  // namespace
