#include "search/SearchRun.h"

#include "core/ArticleRecord.h"
#include "platform/BusyCursor.h"
#include "platform/CurlHttpClient.h"
#include "platform/MessageBox.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeEutilsServer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Fault = CFakeEutilsServer::Fault;
using Events = std::vector<std::string>;

constexpr const char* kTerm = "Smith+J[author]";
constexpr const char* kConnectionFailed = "Fehler|Verbindung zum PubMed-Server fehlgeschlagen.";
constexpr const char* kNothingFound =
    "Fehler|Keine Datensätze gefunden, die den Suchkriterien entsprechen.";

// Everything the run shows, in one log, so the order of rows, cursor steps
// and messages is asserted as a whole.
class CLoggingHitList : public IHitList {
public:
  explicit CLoggingHitList(Events& log) : m_log(log) {}
  void DeleteAllItems() override
  {
    m_rows.clear();
    m_log.push_back("clear");
    if (m_requestCount)
      m_requestsAtClear = m_requestCount();
  }
  int GetItemCount() const override { return static_cast<int>(m_rows.size()); }
  void InsertItem(int index, const HitRowTexts& texts) override
  {
    EXPECT_EQ(index, GetItemCount()) << "rows are appended";
    m_rows.push_back(texts);
    std::string row = "row";
    for (const std::string& text : texts)
      row += "|" + text;
    m_log.push_back(row);
  }
  std::vector<HitRowTexts> m_rows;
  std::function<std::size_t()> m_requestCount;  // the server's, when set
  std::size_t m_requestsAtClear = 0;

private:
  Events& m_log;
};

class CLoggingBusyCursor : public IBusyCursor {
public:
  explicit CLoggingBusyCursor(Events& log) : m_log(log) {}
  void Begin() override { m_log.push_back("begin"); }
  void End() override { m_log.push_back("end"); }

private:
  Events& m_log;
};

class CLoggingMessageBox : public IMessageBox {
public:
  CLoggingMessageBox(Events& log, std::string name) : m_log(log), m_name(std::move(name)) {}
  int Show(const MessageBoxRequest& request) override
  {
    EXPECT_EQ(request.icon, MsgIcon::Error);
    EXPECT_EQ(request.buttons, MsgButtons::Ok);
    m_log.push_back(m_name + ": " + request.title + "|" + request.text);
    return IDOK;
  }

private:
  Events& m_log;
  std::string m_name;
};

std::string SearchAnswer(const std::vector<std::string>& ids)
{
  std::string body = "<?xml version=\"1.0\"?>\n<eSearchResult><Count>" +
                     std::to_string(ids.size()) + "</Count><IdList>\n";
  for (const std::string& id : ids)
    body += "<Id>" + id + "</Id>\n";
  return body + "</IdList></eSearchResult>\n";
}

// A one-record ESummary document whose fields are made from the PMID.
std::string SummaryFor(const std::string& pmid)
{
  return "<eSummaryResult><DocSum><Id>" + pmid +
         "</Id>\n"
         "<Item Name=\"PubDate\" Type=\"Date\">2002 Aug</Item>\n"
         "<Item Name=\"Source\" Type=\"String\">J " + pmid + "</Item>\n"
         "<Item Name=\"Author\" Type=\"String\">Smith J</Item>\n"
         "<Item Name=\"Author\" Type=\"String\">Doe " + pmid + "</Item>\n"
         "<Item Name=\"Title\" Type=\"String\">Title " + pmid + ".</Item>\n"
         "<Item Name=\"Volume\" Type=\"String\">277</Item>\n"
         "<Item Name=\"Issue\" Type=\"String\">5</Item>\n"
         "<Item Name=\"Pages\" Type=\"String\">100-9</Item>\n"
         "</DocSum></eSummaryResult>\n";
}

std::string RowFor(const std::string& pmid)
{
  return "row|" + pmid + "|Smith J and Doe " + pmid + "|Title " + pmid + "|2002|J " + pmid +
         "|277 (5) 100-9";
}

Events Step(const std::string& pmid) { return {"begin", RowFor(pmid), "end"}; }

Events Join(std::initializer_list<Events> parts)
{
  Events all;
  for (const Events& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

class SearchRunFixture {
public:
  SearchRunFixture()
      : m_http(CCurlHttpClient::Options{5, 5, 0, 1u << 20}),
        m_hits(m_log),
        m_busy(m_log),
        m_dialogBox(m_log, "dialog"),
        m_fetchBox(m_log, "fetch")
  {
    InitNetworkLayer();
    CImportSchema schema;
    schema.SetDefaults();
    schema.m_strCommand = m_server.SummaryTemplate();
    schema.m_strCommandSearch = m_server.SearchTemplate();
    m_run = std::make_unique<CSearchRun>(schema, m_http, m_busy, m_dialogBox, m_fetchBox);
  }

  // The PMIDs of the ESummary requests, in the order they arrived.
  std::vector<std::string> SummaryRequests() const
  {
    std::vector<std::string> ids;
    for (const auto& request : m_server.Requests())
      if (request.path == "/entrez/eutils/esummary.fcgi")
        ids.push_back(request.key);
    return ids;
  }

  CFakeEutilsServer m_server;
  CCurlHttpClient m_http;
  Events m_log;
  CLoggingHitList m_hits;
  CLoggingBusyCursor m_busy;
  CLoggingMessageBox m_dialogBox;
  CLoggingMessageBox m_fetchBox;
  std::unique_ptr<CSearchRun> m_run;
};

struct RunCase {
  const char* name;
  std::string searchBody;  // served for kTerm
  Fault searchFault;
  std::vector<std::string> failingSummaries;  // refused per PMID
  Events events;
  std::vector<std::string> summaryRequests;
};

const RunCase kRunCases[] = {
    {"RowsInTheOrderOfTheAnswer", SearchAnswer({"30", "10", "20"}), Fault::None, {},
     Join({{"clear"}, Step("30"), Step("10"), Step("20")}), {"30", "10", "20"}},
    {"FailedSummaryLeftOutAndSearchGoesOn", SearchAnswer({"1", "2", "3"}), Fault::None, {"2"},
     Join({{"clear"}, Step("1"), {"begin", std::string("fetch: ") + kConnectionFailed, "end"},
           Step("3")}),
     {"1", "2", "3"}},
    {"EmptyIdMakesNoRequestAndNoRow", SearchAnswer({"1", "", "2"}), Fault::None, {},
     Join({{"clear"}, Step("1"), {"begin", "end"}, Step("2")}), {"1", "2"}},
    {"IdenticalIdsGiveIdenticalRows", SearchAnswer({"7", "7"}), Fault::None, {},
     Join({{"clear"}, Step("7"), Step("7")}), {"7", "7"}},
    {"NoIdAtAll", "<eSearchResult><Count>0</Count><IdList/></eSearchResult>", Fault::None, {},
     {"clear", std::string("dialog: ") + kNothingFound}, {}},
    {"SearchFetchFails", SearchAnswer({"1"}), Fault::Refuse, {},
     {"clear", std::string("fetch: ") + kConnectionFailed, std::string("dialog: ") + kNothingFound},
     {}},
    {"SearchAnswerEmpty", SearchAnswer({"1"}), Fault::EmptyBody, {},
     {"clear", std::string("fetch: ") + kConnectionFailed, std::string("dialog: ") + kNothingFound},
     {}},
    {"EveryHitFailingEndsWithoutFurtherMessage", SearchAnswer({"1"}), Fault::None, {"1"},
     {"clear", "begin", std::string("fetch: ") + kConnectionFailed, "end"}, {"1"}},
};

class SearchRunTest : public testing::TestWithParam<RunCase>, public SearchRunFixture {};

TEST_P(SearchRunTest, ListsTheHitsOfOneAnswer)
{
  const RunCase& c = GetParam();
  m_server.AddSearch(kTerm, c.searchBody);
  if (c.searchFault != Fault::None)
    m_server.SetFault(kTerm, c.searchFault);
  for (const char* id : {"1", "2", "3", "7", "10", "20", "30"})
    m_server.AddSummary(id, SummaryFor(id));
  for (const std::string& id : c.failingSummaries)
    m_server.SetFault(id, Fault::Refuse);

  m_run->Run(kTerm, m_hits);

  EXPECT_EQ(m_log, c.events);
  EXPECT_EQ(SummaryRequests(), c.summaryRequests);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchRunTest, testing::ValuesIn(kRunCases), CaseName<RunCase>);

class SearchRunSequenceTest : public testing::Test, public SearchRunFixture {};

TEST_F(SearchRunSequenceTest, TermGoesIntoTheSearchUrlAsBuilt)
{
  m_server.AddSearch(kTerm, SearchAnswer({}));
  m_run->Run("2002[pdat]+AND+M%C3%BCller+%26+Smith[author]", m_hits);

  const auto requests = m_server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].target, "/entrez/eutils/esearch.fcgi?db=pubmed&term="
                                "2002[pdat]+AND+M%C3%BCller+%26+Smith[author]");
}

TEST_F(SearchRunSequenceTest, SecondSearchClearsTheListBeforeAnyRequest)
{
  m_server.AddSearch("first", SearchAnswer({"1", "2"}));
  m_server.AddSearch("second", SearchAnswer({"3"}));
  for (const char* id : {"1", "2", "3"})
    m_server.AddSummary(id, SummaryFor(id));

  m_run->Run("first", m_hits);
  ASSERT_EQ(m_hits.m_rows.size(), 2u);
  const std::size_t requestsBefore = m_server.Requests().size();
  m_log.clear();
  m_hits.m_requestCount = [this] { return m_server.Requests().size(); };
  m_server.SetFault("second", Fault::Refuse);

  m_run->Run("second", m_hits);

  EXPECT_EQ(m_log, (Events{"clear", std::string("fetch: ") + kConnectionFailed,
                           std::string("dialog: ") + kNothingFound}));
  EXPECT_TRUE(m_hits.m_rows.empty());
  EXPECT_EQ(m_hits.m_requestsAtClear, requestsBefore);
  EXPECT_EQ(m_server.Requests().size(), requestsBefore + 1);
}

struct RowCase {
  const char* name;
  const char* volume;
  const char* issue;
  const char* pages;
  const char* lastColumn;
};

const RowCase kRowCases[] = {
    {"VolumeIssuePages", "277", "5", "100-9", "277 (5) 100-9"},
    {"VolumeAlone", "277", "", "", "277 "},
    {"IssueAlone", "", "5", "", "(5) "},
    {"PagesAlone", "", "", "100-9", "100-9"},
    {"NothingAtAll", "", "", "", ""},
};

class HitRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(HitRowTest, ComposesTheSixColumns)
{
  CArticleRecord record;
  record.m_strAuthors = "Smith J and Doe A";
  record.m_strTitle = "A title";
  record.m_strYear = "2002";
  record.m_strJournal = "J Biol Chem";
  record.m_strVolume = GetParam().volume;
  record.m_strIssue = GetParam().issue;
  record.m_strPages = GetParam().pages;
  record.m_strNote = "not shown";

  const HitRowTexts expected{"11850928", "Smith J and Doe A", "A title", "2002", "J Biol Chem",
                             GetParam().lastColumn};
  EXPECT_EQ(MakeHitRowTexts(record, "11850928"), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HitRowTest, testing::ValuesIn(kRowCases), CaseName<RowCase>);

}  // namespace

namespace {

struct RealAnswerCase {
  const char* name;
  const char* file;  // below tests/data
  std::vector<std::string> pmids;  // none: "nothing found"
};

const RealAnswerCase kRealAnswers[] = {
    {"FiveIdsTabIndented", "esearch/biopython_esearch1_2002dtd.xml",
     {"16403221", "16377612", "14871861", "14630660", "12230038"}},
    {"OneIdWithoutXmlDeclaration", "esearch/totalimpactcore_esearch_aliases_from_doi.xml",
     {"19381256"}},
    {"ZeroHitsSelfClosedIdList", "esearch/biopython_esearch8_zero_hits_2025.xml", {}},
    {"ErrorAnswer", "esearch/eutilsjson_esearch.baderror.xml", {}},
};

class SearchRunRealAnswerTest : public testing::TestWithParam<RealAnswerCase>,
                                public SearchRunFixture {};

// The summaries are the service's error document, which matches no marker:
// each hit still gets its row, with empty fields.
TEST_P(SearchRunRealAnswerTest, ListsOneRowPerIdOrSaysNothingFound)
{
  ASSERT_TRUE(m_server.AddSearchFile(kTerm, GetParam().file));

  m_run->Run(kTerm, m_hits);

  Events expected{"clear"};
  for (const std::string& pmid : GetParam().pmids)
    expected.insert(expected.end(), {"begin", "row|" + pmid + "|||||", "end"});
  if (GetParam().pmids.empty())
    expected.push_back(std::string("dialog: ") + kNothingFound);
  EXPECT_EQ(m_log, expected);
  EXPECT_EQ(SummaryRequests(), GetParam().pmids);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchRunRealAnswerTest, testing::ValuesIn(kRealAnswers),
                         CaseName<RealAnswerCase>);

}  // namespace
