#include "core/ArticleRecord.h"
#include "import/ImportTools.h"
#include "settings/ImportSchema.h"
#include "tests/support/CaseName.h"
#include "tests/support/RecordBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using R = CArticleRecord;

CImportSchema DefaultSchema()
{
  CImportSchema schema;
  schema.SetDefaults();
  return schema;
}

// A record whose every field holds something, so a test sees each field assigned.
CArticleRecord StaleRecord()
{
  CArticleRecord record;
  for (const RecordField& field : kRecordFields) {
    record.*field.member = "stale";
  }
  return record;
}

CArticleRecord Parse(const std::string& document, const std::string& separator,
                     const CImportSchema& schema = DefaultSchema())
{
  CArticleRecord record = StaleRecord();
  CImportTools().ParseSummary(document, record, schema, separator);
  return record;
}

std::string Fixture(const std::string& name)
{
  return ReadBytes(LEXORIA_TEST_DATA_DIR "/esummary/" + name);
}

struct RealCase {
  std::string name;
  std::string file;
  FieldValues expected;  // every other field is empty
};

class ParseRealSummaryTest : public testing::TestWithParam<RealCase> {};

TEST_P(ParseRealSummaryTest, FillsRecord)
{
  const std::string document = Fixture(GetParam().file);
  ASSERT_FALSE(document.empty()) << GetParam().file;
  EXPECT_EQ(DescribeRecord(Parse(document, " and ")), DescribeRecord(MakeRecord(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(
  Documents, ParseRealSummaryTest,
  testing::ValuesIn(std::vector<RealCase>{
    {"OneRecordWithDoi", "by-id/5683731.xml",
     {{&R::m_strAuthors, "Goldberg MJ and Davis LJ"}, {&R::m_strCiteKey, "Goldberg1968"},
      {&R::m_strIssue, "2"}, {&R::m_strJournal, "Paraplegia"}, {&R::m_strLanguage, "English"},
      {&R::m_strNote, "5683731"}, {&R::m_strPages, "103-5"},
      {&R::m_strTitle, "An assistive device for smoking"},
      {&R::m_strURL, "http://dx.doi.org/10.1038/sc.1968.18"}, {&R::m_strVolume, "6"}, {&R::m_strYear, "1968"}}},
    // Self-closed empty items match nothing; UTF-8 bytes pass through.
    {"FourteenAuthorsUtf8AndSelfClosedItems", "by-id/25950269.xml",
     {{&R::m_strAuthors,
       "Varkey JB and Shantha JG and Crozier I and Kraft CS and Lyon GM and Mehta AK and Kumar G and "
       "Smith JR and Kainulainen MH and Whitmer S and Str\xC3\xB6her U and Uyeki TM and Ribner BS and Yeh S"},
      {&R::m_strCiteKey, "Varkey2015"}, {&R::m_strJournal, "N Engl J Med"}, {&R::m_strLanguage, "English"},
      {&R::m_strNote, "25950269"},
      {&R::m_strTitle, "Persistence of Ebola Virus in Ocular Fluid during Convalescence"},
      {&R::m_strURL, "http://dx.doi.org/10.1056/NEJMoa1500306"}, {&R::m_strYear, "2015"}}},
    {"NoAuthorsCiteKeyIsTheYear", "by-id/25946303.xml",
     {{&R::m_strCiteKey, "2015"}, {&R::m_strIssue, "19"}, {&R::m_strJournal, "N Engl J Med"},
      {&R::m_strLanguage, "English"}, {&R::m_strNote, "25946303"}, {&R::m_strPages, "1874"},
      {&R::m_strTitle, "Medicare's step back from global payments--unbundling postoperative care"},
      {&R::m_strURL, "http://dx.doi.org/10.1056/NEJMx150018"}, {&R::m_strVolume, "372"}, {&R::m_strYear, "2015"}}},
    // Two records without DOI: every field joins both; year and key from the first.
    {"TwoRecordsWithoutDoi", "biopython_esummary1_2004dtd.xml",
     {{&R::m_strAuthors, "LoPresti PJ and Hambrick GW Jr and Mantle D and Gok MA and Lennard TW"},
      {&R::m_strCiteKey, "LoPresti1965"}, {&R::m_strIssue, "2 and 2"},
      {&R::m_strJournal, "Arch Dermatol and Adverse Drug React Toxicol Rev"},
      {&R::m_strLanguage, "English and English"}, {&R::m_strNote, "11850928 and 11482001"},
      {&R::m_strPages, "188-91 and 89-103"},
      {&R::m_strTitle, "Zirconium granuloma following treatment of rhus dermatitis. and "
                       "Adverse and beneficial effects of plant extracts on skin and skin disorders"},
      {&R::m_strVolume, "92 and 20"}, {&R::m_strYear, "1965"}}},
    // Two records with DOIs: the resolver prefix stands once, before the first.
    {"TwoRecordsWithDois", "eutilsjson_esummary.pubmed.1.xml",
     {{&R::m_strAuthors, "Goldberg MJ and Davis LJ and Benson DA and Karsch-Mizrachi I and Clark K and "
                         "Lipman DJ and Ostell J and Sayers EW"},
      {&R::m_strCiteKey, "Goldberg1968"}, {&R::m_strIssue, "2 and Database issue"},
      {&R::m_strJournal, "Paraplegia and Nucleic Acids Res"}, {&R::m_strLanguage, "English and English"},
      {&R::m_strNote, "5683731 and 22144687"}, {&R::m_strPages, "103-5 and D48-53"},
      {&R::m_strTitle, "An assistive device for smoking. and GenBank"},
      {&R::m_strURL, "http://dx.doi.org/10.1038/sc.1968.18 and 10.1093/nar/gkr1202"},
      {&R::m_strVolume, "6 and 40"}, {&R::m_strYear, "1968"}}},
    {"ErrorAnswerMatchesNothing", "biopython_esummary8_error_2004dtd.xml", {}},
  }),
  CaseName<RealCase>);

TEST(ParseSummary, DocumentThatMatchesNothingGivesAnEmptyRecord)
{
  for (const std::string document : {"", "<html><body>Service unavailable</body></html>",
                                     "<Item Name=\"doi\" Type=\"String\"></Item>"}) {
    EXPECT_TRUE(Parse(document, " and ").IsEmpty()) << document;
  }
}

struct EdgeCase {
  std::string name;
  std::string document;
  std::string separator;
  FieldValues expected;  // every other field is empty
};

class ParseSummaryEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(ParseSummaryEdgeTest, FillsRecord)
{
  EXPECT_EQ(DescribeRecord(Parse(GetParam().document, GetParam().separator)),
            DescribeRecord(MakeRecord(GetParam().expected)));
}

const std::string kAuthor = "<Item Name=\"Author\" Type=\"String\">";
const std::string kTitle = "<Item Name=\"Title\" Type=\"String\">";
const std::string kDoi = "<Item Name=\"doi\" Type=\"String\">";
const std::string kPubDate = "<Item Name=\"PubDate\" Type=\"Date\">";
const std::string kEnd = "</Item>";

INSTANTIATE_TEST_SUITE_P(
  Cases, ParseSummaryEdgeTest,
  testing::ValuesIn(std::vector<EdgeCase>{
    {"AuthorsYearAndKey", kAuthor + "Smith J" + kEnd + kAuthor + "Doe A" + kEnd + kPubDate + "2002 Aug" + kEnd,
     " and ", {{&R::m_strAuthors, "Smith J and Doe A"}, {&R::m_strCiteKey, "Smith2002"}, {&R::m_strYear, "2002"}}},
    {"EmptyAuthorCountsAsAValue", kAuthor + "Smith J" + kEnd + kAuthor + kEnd + kAuthor + "Doe A" + kEnd,
     " and ", {{&R::m_strAuthors, "Smith J and  and Doe A"}, {&R::m_strCiteKey, "Smith"}}},
    {"EmptySeparatorJoinsDirectly", kAuthor + "Smith J" + kEnd + kAuthor + "Doe A" + kEnd, "",
     {{&R::m_strAuthors, "Smith JDoe A"}, {&R::m_strCiteKey, "Smith"}}},
    {"AuthorWithoutBlankGivesThreeBytes", kAuthor + "Consortium" + kEnd + kPubDate + "1999" + kEnd, " and ",
     {{&R::m_strAuthors, "Consortium"}, {&R::m_strCiteKey, "Con1999"}, {&R::m_strYear, "1999"}}},
    {"OnlyTheDate", kPubDate + "2002 Aug 15" + kEnd, " and ", {{&R::m_strCiteKey, "2002"}, {&R::m_strYear, "2002"}}},
    {"ShortDateKeptWhole", kPubDate + "98" + kEnd, " and ", {{&R::m_strCiteKey, "98"}, {&R::m_strYear, "98"}}},
    {"DoiGetsTheResolver", kDoi + "10.1000/xyz" + kEnd, " and ", {{&R::m_strURL, "http://dx.doi.org/10.1000/xyz"}}},
    {"EmptyDoiGetsNoResolver", kDoi + kEnd, " and ", {}},
    {"TitleLosesItsFinalDot", kTitle + "A study of X." + kEnd, " and ", {{&R::m_strTitle, "A study of X"}}},
    {"TitleLosesOnlyOneDot", kTitle + "Etc.." + kEnd, " and ", {{&R::m_strTitle, "Etc."}}},
    {"LoneDotStays", kTitle + "." + kEnd, " and ", {{&R::m_strTitle, "."}}},
    {"EntitiesAndBlanksStay", kTitle + " Cells &amp; genes &lt;in vivo&gt;. " + kEnd, " and ",
     {{&R::m_strTitle, " Cells &amp; genes &lt;in vivo&gt;. "}}},
    {"NestedItemEndsAtTheFirstEnd", kAuthor + "Smith J<Item Name=\"x\">y" + kEnd + "z" + kEnd, " and ",
     {{&R::m_strAuthors, "Smith J<Item Name=\"x\">y"}, {&R::m_strCiteKey, "Smith"}}},
    {"OtherSpacingMatchesNothing", "<Item  Name=\"Author\" Type=\"String\">Smith J</Item>", " and ", {}},
    {"OtherAttributeOrderMatchesNothing", "<Item Type=\"String\" Name=\"Author\">Smith J</Item>", " and ", {}},
    {"SingleQuotesMatchNothing", "<Item Name='Author' Type='String'>Smith J</Item>", " and ", {}},
    {"OtherCaseMatchesNothing", "<item name=\"Author\" type=\"String\">Smith J</item>", " and ", {}},
    {"UnclosedItemMatchesNothing", kAuthor + "Smith J", " and ", {}},
  }),
  CaseName<EdgeCase>);

TEST(ParseSummary, UsesTheSchemaItIsGiven)
{
  CImportSchema schema = DefaultSchema();
  schema.m_strStartURL = "<Item Name=\"ELocationID\" Type=\"String\">";
  schema.m_strStartAuthor.clear();  // an empty marker leaves its field empty
  schema.m_strEndTitle.clear();
  schema.m_strStartJournal = "<J>";
  schema.m_strEndJournal = "</J>";
  const std::string document = kAuthor + "Smith J" + kEnd + kTitle + "T." + kEnd +
                               "<Item Name=\"ELocationID\" Type=\"String\">http://x.org/1</Item><J>Nature</J>";

  const CArticleRecord record = Parse(document, " and ", schema);
  // Even a complete URL gets the resolver in front.
  EXPECT_EQ(DescribeRecord(record),
            DescribeRecord(MakeRecord({{&R::m_strJournal, "Nature"}, {&R::m_strURL, "http://dx.doi.org/http://x.org/1"}})));
}

}  // namespace
