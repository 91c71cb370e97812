// lexoria-cli search: the hit printer, the arguments, and the program run
// against the fake service with its settings in a folder of the test's own.
#include "cli/Commands.h"
#include "cli/HitPrinter.h"
#include "tests/support/CaseName.h"
#include "tests/support/CliProcess.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Fault = CFakeEutilsServer::Fault;

const char kConnectionFailed[] = "Verbindung zum PubMed-Server fehlgeschlagen.\n";
const char kNoRecords[] = "Keine Datens\xC3\xA4tze gefunden, die den Suchkriterien entsprechen.\n";
const char kTerm[] = "1968[pdat]+AND+Goldberg+MJ[author]";

struct FitCase {
  const char* name;
  std::string text;
  std::size_t width;
  std::string fitted;
};

const FitCase kFitCases[] = {
    {"ShorterIsPadded", "Smith", 8, "Smith   "},
    {"ExactWidthStays", "12345678", 8, "12345678"},
    {"LongerIsCutWithEllipsis", "Goldberg MJ", 8, "Goldber\xE2\x80\xA6"},
    {"Utf8CountsOneColumnPerCharacter", "M\xC3\xA4rz W", 6, "M\xC3\xA4rz W"},
    {"Utf8NeverSplitWhenCut", "\xC3\xA4\xC3\xA4\xC3\xA4", 2, "\xC3\xA4\xE2\x80\xA6"},
    {"ControlCharactersBecomeBlanks", "a\tb\nc", 5, "a b c"},
    {"EmptyIsAllBlanks", "", 3, "   "},
};

class FitColumnTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitColumnTest, FitsTheText)
{
  EXPECT_EQ(FitColumn(GetParam().text, GetParam().width), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(Cases, FitColumnTest, testing::ValuesIn(kFitCases), CaseName<FitCase>);

TEST(HitPrinterTest, AlignedRowsFollowOneHeading)
{
  std::ostringstream out;
  CHitPrinter printer(out, false);
  printer.InsertItem(0, {"5683731", "Goldberg MJ and Davis LJ", "An assistive device for smoking",
                         "1968", "Paraplegia", "6 (2) 103-5"});
  printer.InsertItem(1, {"1", "", "", "", "", ""});

  EXPECT_EQ(out.str(),
            "PMID      Autor(en)                 Titel                                     Jahr  "
            "Journal               Vol (Issue) Seiten\n"
            "5683731   Goldberg MJ and Davis LJ  An assistive device for smoking           1968  "
            "Paraplegia            6 (2) 103-5\n"
            "1\n");
  EXPECT_EQ(printer.GetItemCount(), 2);
}

TEST(HitPrinterTest, TabSeparatedRowsEscapeTabsAndLineBreaks)
{
  std::ostringstream out;
  CHitPrinter printer(out, true);
  printer.InsertItem(0, {"7", "A\tB", "x\\y\r\n", "", "J", "1 "});

  EXPECT_EQ(out.str(), "7\tA\\tB\tx\\\\y\\r\\n\t\tJ\t1 \n");
}

using CliResult = CliProcessResult;

const std::string kSynopsis =
    "Usage: lexoria-cli search [--author TEXT] [--title TEXT] [--journal TEXT] [--year TEXT]\n"
    "                          [--volume TEXT] [--issue TEXT] [--page TEXT] [--tsv]\n";

struct UsageCase {
  const char* name;
  CliArgs args;
  std::string reason;
};

const UsageCase kUsageCases[] = {
    {"UnknownArgument", {"--authors", "Smith"}, "unknown argument '--authors'"},
    {"MissingValue", {"--tsv", "--year"}, "--year needs a value"},
};

class SearchUsageTest : public testing::TestWithParam<UsageCase> {};

TEST_P(SearchUsageTest, RefusesWithTheReasonAndTheSynopsis)
{
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  CliStreams io{in, out, err};

  EXPECT_EQ(RunSearch(GetParam().args, io), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "lexoria-cli search: " + GetParam().reason + "\n" + kSynopsis +
                           "Try 'lexoria-cli search --help'.\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchUsageTest, testing::ValuesIn(kUsageCases),
                         CaseName<UsageCase>);

TEST(SearchHelpTest, HelpStartsWithTheSynopsis)
{
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  CliStreams io{in, out, err};

  EXPECT_EQ(RunSearch({"--author", "x", "--help"}, io), 0);
  EXPECT_EQ(out.str().rfind(kSynopsis, 0), 0u) << out.str();
  EXPECT_EQ(err.str(), "");
}


// Runs the program with both stored templates pointing at the fake service.
class SearchProgramTest : public testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_EQ(Run({"settings", "--set", "Command", m_server.SummaryTemplate()}).exitCode, 0);
    ASSERT_EQ(Run({"settings", "--set", "CommandSearch", m_server.SearchTemplate()}).exitCode, 0);
    for (const char* pmid : {"5683731", "25946286"})
      ASSERT_TRUE(m_server.AddSummaryFile(pmid, std::string("esummary/by-id/") + pmid + ".xml"));
    m_server.AddSearch(kTerm, "<IdList><Id>5683731</Id><Id>25946286</Id></IdList>");
  }

  CliResult Run(const std::vector<std::string>& args)
  {
    return RunCliProcess(args, m_dir.Path().string(), m_dir.File("config"));
  }

  CTempDir m_dir;
  CFakeEutilsServer m_server;
};

const std::string kGoldbergRow =
    "5683731\tGoldberg MJ and Davis LJ\tAn assistive device for smoking\t1968\tParaplegia\t"
    "6 (2) 103-5\n";
const std::string kMarlowRow =
    "25946286\tMarlow N\tThe elephant in the delivery room\t2015\tN Engl J Med\t372 (19) 1856-7\n";

TEST_F(SearchProgramTest, PrintsOneRowPerHitInTheOrderOfTheAnswer)
{
  const CliResult result = Run({"search", "--author", "Goldberg MJ", "--year", "1968", "--tsv"});

  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, kGoldbergRow + kMarlowRow);
  const auto requests = m_server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].target, std::string("/entrez/eutils/esearch.fcgi?db=pubmed&term=") + kTerm);
}

TEST_F(SearchProgramTest, AlignedOutputForTheTerminal)
{
  const CliResult result = Run({"search", "--author", "Goldberg MJ", "--year", "1968"});

  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "PMID      Autor(en)                 Titel                                     Jahr  "
            "Journal               Vol (Issue) Seiten\n"
            "5683731   Goldberg MJ and Davis LJ  An assistive device for smoking           1968  "
            "Paraplegia            6 (2) 103-5\n"
            "25946286  Marlow N                  The elephant in the delivery room         2015  "
            "N Engl J Med          372 (19) 1856-7\n");
}

struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  Fault searchFault;
  const char* failingPmid;  // or empty
  int exitCode;
  std::string out;
  std::string err;
};

const FailureCase kFailureCases[] = {
    {"NothingFound", {"search", "--title", "no such words", "--tsv"}, Fault::None, "", 1, "",
     kNoRecords},
    {"NoCriteriaAtAll", {"search"}, Fault::None, "", 1, "", kNoRecords},
    {"SearchUnreachable", {"search", "--author", "Goldberg MJ", "--year", "1968"}, Fault::Refuse,
     "", 1, "", std::string(kConnectionFailed) + kNoRecords},
    {"OneSummaryFailsTheOtherIsListed",
     {"search", "--author", "Goldberg MJ", "--year", "1968", "--tsv"}, Fault::None, "5683731", 0,
     kMarlowRow, kConnectionFailed},
    {"EverySummaryFails", {"search", "--author", "Goldberg MJ", "--year", "1968", "--tsv"},
     Fault::None, "*", 1, "", std::string(kConnectionFailed) + kConnectionFailed},
};

class SearchProgramFailureTest : public SearchProgramTest,
                                 public testing::WithParamInterface<FailureCase> {};

TEST_P(SearchProgramFailureTest, ReportsOnStandardErrorAndExits)
{
  const FailureCase& c = GetParam();
  if (c.searchFault != Fault::None)
    m_server.SetFault(kTerm, c.searchFault);
  if (std::string(c.failingPmid) == "*") {
    m_server.SetFault("5683731", Fault::Refuse);
    m_server.SetFault("25946286", Fault::Refuse);
  } else if (*c.failingPmid != '\0') {
    m_server.SetFault(c.failingPmid, Fault::Refuse);
  }

  const CliResult result = Run(c.args);

  EXPECT_EQ(result.exitCode, c.exitCode);
  EXPECT_EQ(result.out, c.out);
  EXPECT_EQ(result.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchProgramFailureTest, testing::ValuesIn(kFailureCases),
                         CaseName<FailureCase>);

}  // namespace
