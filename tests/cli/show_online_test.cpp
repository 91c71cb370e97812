// lexoria-cli show with an ESummary source, run as a program against the fake
// service, with its settings in a folder of the test's own.
#include "tests/support/CaseName.h"
#include "tests/support/CliProcess.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Fault = CFakeEutilsServer::Fault;

const char kConnectionFailed[] = "Verbindung zum PubMed-Server fehlgeschlagen.\n";
const char kNoRecords[] = "Keine Datens\xC3\xA4tze gefunden, die den Suchkriterien entsprechen.\n";

const std::string kGoldbergRecord =
  "Authors\tGoldberg, MJ and Davis, LJ\n"
  "Cite Key\tGoldberg1968\n"
  "Issue\t2\n"
  "Journal\tParaplegia\n"
  "Language\tEnglish\n"
  "Note\t5683731\n"
  "Pages\t103-5\n"
  "Title\tAn assistive device for smoking\n"
  "URL\thttp://dx.doi.org/10.1038/sc.1968.18\n"
  "Volume\t6\n"
  "Year\t1968\n";

using RunResult = CliProcessResult;


class ShowOnline : public testing::Test {
protected:
  void SetUp() override
  {
    ASSERT_TRUE(m_server.AddSummaryFile("5683731", "esummary/by-id/5683731.xml"));
    ASSERT_EQ(Run({"settings", "--set", "Command", m_server.SummaryTemplate()}).exitCode, 0);
  }

  // Runs lexoria-cli with the settings of this test and no proxy.
  RunResult Run(const std::vector<std::string>& args)
  {
    return RunCliProcess(args, m_dir.Path().string(), m_dir.File("config"));
  }

  CTempDir m_dir;
  CFakeEutilsServer m_server;
};

TEST_F(ShowOnline, PmidIsFetchedThroughTheStoredTemplate)
{
  const RunResult result = Run({"show", "--pmid", "5683731"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, kGoldbergRecord);
  const auto log = m_server.Requests();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].target, "/entrez/eutils/esummary.fcgi?db=pubmed&id=5683731&retmode=xml");
}

TEST_F(ShowOnline, SavedSummaryIsReadWithTheStoredMarkers)
{
  const std::string file = LEXORIA_TEST_DATA_DIR "/esummary/by-id/5683731.xml";
  RunResult result = Run({"show", "--summary", file});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, kGoldbergRecord);

  ASSERT_EQ(Run({"settings", "--set", "StartJournal", "<Item Name=\"FullJournalName\" Type=\"String\">"}).exitCode, 0);
  result = Run({"show", "--summary", file});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("\nJournal\tParaplegia\n"), std::string::npos) << result.out;
  EXPECT_TRUE(m_server.Requests().empty());
}

struct FailureCase {
  std::string name;
  Fault fault;
  std::string pmid;
  std::string err;
};

class ShowOnlineFailure : public ShowOnline, public testing::WithParamInterface<FailureCase> {};

TEST_P(ShowOnlineFailure, PrintsTheMessageAndExitsOne)
{
  m_server.SetFault(GetParam().fault);
  const RunResult result = Run({"show", "--pmid", GetParam().pmid});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
  Cases, ShowOnlineFailure,
  testing::ValuesIn(std::vector<FailureCase>{
    {"ServiceUnreachable", Fault::Refuse, "5683731", kConnectionFailed},
    {"EmptyAnswer", Fault::EmptyBody, "5683731", kConnectionFailed},
    {"ConnectionCut", Fault::CutConnection, "5683731", kConnectionFailed},
    // The error page is a document, but it holds no field.
    {"ErrorPageHoldsNoField", Fault::NotFoundPage, "5683731", kNoRecords},
    {"UnknownPmid", Fault::None, "99999999", kNoRecords},
  }),
  CaseName<FailureCase>);

TEST_F(ShowOnline, SavedSummaryWithoutFieldsFails)
{
  const RunResult result =
    Run({"show", "--summary", LEXORIA_TEST_DATA_DIR "/esummary/biopython_esummary8_error_2004dtd.xml"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, kNoRecords);
}

}  // namespace
