#include "core/ArticleRecord.h"
#include "import/ImportTools.h"
#include "tests/support/CaseName.h"
#include "tests/support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using R = CArticleRecord;

struct MedlineCase {
  const char* name;
  std::string text;
  std::string separator;
  FieldValues expected;  // every other field is empty
};

class ParseMedlineTest : public testing::TestWithParam<MedlineCase> {};

TEST_P(ParseMedlineTest, FillsRecord)
{
  const MedlineCase& c = GetParam();
  CArticleRecord record;
  CImportTools().ParseMedline(c.text, record, c.separator);
  EXPECT_EQ(DescribeRecord(record), DescribeRecord(MakeRecord(c.expected)));
}

const MedlineCase kMedlineCases[] = {
    // Authors, year and cite key.
    {"ThreeAuthors",
     "AU  - Smith J\nAU  - Doe A\nAU  - Roe B\nDP  - 2002 Aug 15\n",
     " and ",
     {{&R::m_strAuthors, "Smith J and Doe A and Roe B"},
      {&R::m_strCiteKey, "Smith2002"},
      {&R::m_strYear, "2002"}}},
    {"EmptySeparatorJoinsDirectly",
     "AU  - Smith J\nAU  - Doe A\nDP  - 2002\n",
     "",
     {{&R::m_strAuthors, "Smith JDoe A"}, {&R::m_strCiteKey, "Smith2002"}, {&R::m_strYear, "2002"}}},
    {"EmptyAuthorLineKeepsSeparators",
     "AU  - Smith J\nAU  - \nAU  - Doe A\n",
     " and ",
     {{&R::m_strAuthors, "Smith J and  and Doe A"}, {&R::m_strCiteKey, "Smith"}}},
    {"FullAuthorTagIsNotAuthor",
     "FAU - Smith, John\nAU  - Smith J\n",
     " and ",
     {{&R::m_strAuthors, "Smith J"}, {&R::m_strCiteKey, "Smith"}}},
    {"YearIsFirstFourBytes", "DP  - Summer 2002\n", " and ",
     {{&R::m_strYear, "Summ"}, {&R::m_strCiteKey, "Summ"}}},
    {"ShortYearStaysWhole", "DP  - 99\n", " and ",
     {{&R::m_strYear, "99"}, {&R::m_strCiteKey, "99"}}},
    {"NoAuthorsNoYearNoKey", "TA  - J Biol\n", " and ", {{&R::m_strJournal, "J Biol"}}},

    // Single-line tags.
    {"PlainTags",
     "VI  - 12\nIP  - 3 Pt 2\nPG  - 101-9\nTA  - Nature\n",
     " and ",
     {{&R::m_strVolume, "12"},
      {&R::m_strIssue, "3 Pt 2"},
      {&R::m_strPages, "101-9"},
      {&R::m_strJournal, "Nature"}}},
    {"ValuesNotTrimmed", "TA  -  J Biol \n", " and ", {{&R::m_strJournal, " J Biol "}}},
    {"LastLineWithoutLineFeed", "AU  - Smith J\nTA  - J Biol", " and ",
     {{&R::m_strAuthors, "Smith J"}, {&R::m_strCiteKey, "Smith"}, {&R::m_strJournal, "J Biol"}}},
    {"TagOnlyAtLineStart", "TI  - On TA  - and AU  - marks\n", " and ",
     {{&R::m_strTitle, "On TA  - and AU  - marks"}}},

    // Title and its final period.
    {"TitlePeriodRemoved", "TI  - A study of X.\n", " and ", {{&R::m_strTitle, "A study of X"}}},
    {"TitleOnlyPeriodKept", "TI  - .\n", " and ", {{&R::m_strTitle, "."}}},
    {"TitleWithoutPeriod", "TI  - A study of X\n", " and ", {{&R::m_strTitle, "A study of X"}}},

    // Continuation lines: the line break, the indent and the blanks ending the
    // line before become one blank.
    {"WrappedTitle", "TI  - A study\n      of X.\nPG  - 1-2\n", " and ",
     {{&R::m_strTitle, "A study of X"}, {&R::m_strPages, "1-2"}}},
    {"WrappedTitleTrailingBlanks", "TI  - A study   \n      of \n      X.\n", " and ",
     {{&R::m_strTitle, "A study of X"}}},
    {"DeeperIndentKeepsExtraBlanks", "TI  - A\n        b\n", " and ", {{&R::m_strTitle, "A   b"}}},
    {"FiveBlanksIsNoContinuation", "TI  - A\n     b\n", " and ", {{&R::m_strTitle, "A"}}},
    {"BlankLineEndsField", "TI  - A\n\n      b\n", " and ", {{&R::m_strTitle, "A"}}},
    {"ContinuationOfOtherTagIgnored", "AD  - Place\n      TA  - No\nTA  - Yes\n", " and ",
     {{&R::m_strJournal, "Yes"}}},
    {"WrappedRepeatedTag", "AU  - Smith\n      J\nAU  - Doe A\n", " and ",
     {{&R::m_strAuthors, "Smith J and Doe A"}, {&R::m_strCiteKey, "Smith"}}},

    // The abstract becomes the note, without its final period.
    {"AbstractWrapped", "AB  - First sentence. Second\n      sentence.\n", " and ",
     {{&R::m_strNote, "First sentence. Second sentence"}}},
    {"AbstractWithoutPeriodStopsAtNextTag", "AB  - No period\nTI  - T\nLA  - eng.\n", " and ",
     {{&R::m_strNote, "No period"}, {&R::m_strTitle, "T"}, {&R::m_strLanguage, "English."}}},
    {"AbstractOnlyLastPeriodRemoved", "AB  - Wait..\n", " and ", {{&R::m_strNote, "Wait."}}},
    {"EachAbstractLosesItsPeriod", "AB  - One.\nAB  - Two.\n", " and ",
     {{&R::m_strNote, "One and Two"}}},
    {"AbstractLineEndingInPeriodGoesOn", "AB  - One.\n      Two.\n", " and ",
     {{&R::m_strNote, "One. Two"}}},

    // Language codes, first occurrence of each, any case.
    {"LanguageUpperCase", "LA  - ENG\n", " and ", {{&R::m_strLanguage, "English"}}},
    {"LanguageUnknown", "LA  - jpn\n", " and ", {{&R::m_strLanguage, "jpn"}}},
    {"LanguageRepeated", "LA  - eng\nLA  - eng\n", " and ",
     {{&R::m_strLanguage, "English and eng"}}},
    {"LanguageAllCodes", "LA  - eng\nLA  - ger\nLA  - chi\nLA  - dut\nLA  - fre\nLA  - spa\n", ",",
     {{&R::m_strLanguage, "English,German,Chinese,Dutch,French,Spanish"}}},

    // "URL" starts a field only at the start of a line; the value is the rest.
    {"UrlLine", "URL - http://x.org/a\n", " and ", {{&R::m_strURL, " - http://x.org/a"}}},
    {"UrlInsideTextIgnored", "AB  - See URL http://x.org.\n", " and ",
     {{&R::m_strNote, "See URL http://x.org"}}},

    // Two records: every field joins both, the year and key come from the first.
    {"TwoRecords",
     "PMID- 1\nAU  - Smith J\nDP  - 2001\nTI  - One.\n\nPMID- 2\nAU  - Doe A\nDP  - 2002\nTI  - Two.\n",
     " and ",
     {{&R::m_strAuthors, "Smith J and Doe A"},
      {&R::m_strCiteKey, "Smith2001"},
      {&R::m_strTitle, "One. and Two"},
      {&R::m_strYear, "2001"}}},

    {"EmptyText", "", " and ", {}},
    {"NoKnownTag", "PMID- 1\nOWN - NLM\n      more\n", " and ", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ParseMedlineTest, testing::ValuesIn(kMedlineCases),
                         CaseName<MedlineCase>);

TEST(ParseMedline, OverwritesEveryFieldOfThePreviousRecord)
{
  CArticleRecord record;
  for (const RecordField& field : kRecordFields)
    record.*field.member = "old";
  CImportTools().ParseMedline("TA  - New\n", record, " and ");
  EXPECT_EQ(DescribeRecord(record), DescribeRecord(MakeRecord({{&R::m_strJournal, "New"}})));
}

// A record with many authors and affiliations runs well past 32 KB; the
// journal and language behind the author block must still be read.
TEST(ParseMedline, LongRecordKeepsFieldsAfterAuthorBlock)
{
  std::string text = "PMID- 1\nTI  - Big.\nDP  - 2020 Jan\n";
  std::string authors;
  for (int i = 0; i < 600; ++i) {
    const std::string name = "Author" + std::to_string(i) + " A";
    text += "FAU - Author" + std::to_string(i) + ", Anne\nAU  - " + name +
            "\nAD  - Department of Examples, University of Somewhere, Some Street 1,\n"
            "      12345 Somewhere, Somecountry.\n";
    authors += (i == 0 ? "" : " and ") + name;
  }
  text += "LA  - eng\nTA  - J Big Data\n";
  ASSERT_GT(text.size(), 64u * 1024u);

  CArticleRecord record;
  CImportTools().ParseMedline(text, record, " and ");
  EXPECT_EQ(record.m_strAuthors, authors);
  EXPECT_EQ(record.m_strJournal, "J Big Data");
  EXPECT_EQ(record.m_strLanguage, "English");
  EXPECT_EQ(record.m_strCiteKey, "Author02020");
}

}  // namespace
