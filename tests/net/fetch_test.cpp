// FetchUrlText over the real HTTP client against the fake service: what
// becomes the document, and how every kind of failure ends.
#include "import/ImportTools.h"
#include "platform/CurlHttpClient.h"
#include "tests/support/CaseName.h"
#include "tests/support/FakeEutilsServer.h"
#include "tests/support/MessageBoxChecks.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Fault = CFakeEutilsServer::Fault;

const char kEarlier[] = "text from before";
const char kDocument[] = "<?xml version=\"1.0\"?>\n<eSummaryResult><DocSum><Id>42</Id></DocSum></eSummaryResult>\n";

CCurlHttpClient::Options QuickOptions()
{
  CCurlHttpClient::Options options;
  options.connectTimeoutSeconds = 1;
  options.stallTimeoutSeconds = 1;
  options.minIntervalMilliseconds = 0;
  options.maxBodyBytes = 1u << 20;
  return options;
}

MessageBoxRequest ConnectionFailedBox()
{
  return {"Verbindung zum PubMed-Server fehlgeschlagen.", "Fehler", MsgIcon::Error, MsgButtons::Ok};
}

class FetchTest : public testing::Test {
protected:
  bool Fetch(const std::string& urlTemplate, const std::string& value)
  {
    return m_tools.FetchUrlText(m_document, urlTemplate, value, m_http, m_box);
  }
  bool FetchSummary(const std::string& id) { return Fetch(m_server.SummaryTemplate(), id); }

  // The server outlives the client, so the client's kept connection closes first.
  CFakeEutilsServer m_server;
  CCurlHttpClient m_http{QuickOptions()};
  CImportTools m_tools;
  CFakeMessageBox m_box;
  std::string m_document = kEarlier;
};

TEST_F(FetchTest, ReturnsTheBodyOfARealSummaryByteForByte)
{
  ASSERT_TRUE(m_server.AddSummaryFile("11850928", "esummary/biopython_esummary1_2004dtd.xml"));
  ASSERT_TRUE(FetchSummary("11850928"));
  EXPECT_EQ(m_document, ReadBytes(LEXORIA_TEST_DATA_DIR "/esummary/biopython_esummary1_2004dtd.xml"));
  EXPECT_TRUE(m_box.m_shown.empty());
  const auto log = m_server.Requests();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].target, "/entrez/eutils/esummary.fcgi?db=pubmed&id=11850928&retmode=xml");
  EXPECT_EQ(log[0].userAgent, "lexoria");
}

struct FailureCase {
  std::string name;
  Fault fault;
  bool perId;  // the fault set for the fetched id only, not for the whole service
};

class FetchFailureTest : public FetchTest, public testing::WithParamInterface<FailureCase> {};

// Every failure: result false, one unowned error box, the caller's text kept.
TEST_P(FetchFailureTest, ShowsTheConnectionMessageAndKeepsTheText)
{
  m_server.AddSummary("42", kDocument);
  if (GetParam().perId) {
    m_server.SetFault("42", GetParam().fault);
  } else {
    m_server.SetFault(GetParam().fault);
  }
  m_server.SetLargeBodySize((1u << 20) + 1);  // one byte over the client's limit

  EXPECT_FALSE(FetchSummary("42"));
  EXPECT_EQ(m_document, kEarlier);
  ExpectBoxes(m_box, {ConnectionFailedBox()});
  EXPECT_EQ(m_box.m_shown[0].owner, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
  Faults, FetchFailureTest,
  testing::ValuesIn(std::vector<FailureCase>{
    {"ConnectionRefused", Fault::Refuse, false},
    {"DroppedBeforeTheBody", Fault::Refuse, true},
    {"EmptyBody", Fault::EmptyBody, true},
    {"ConnectionCutInTheBody", Fault::CutConnection, true},
    {"StalledInTheBody", Fault::Stall, true},
    {"OverTheSizeLimitWithLength", Fault::LargeBody, true},
    {"OverTheSizeLimitChunked", Fault::LargeBodyChunked, true},
  }),
  CaseName<FailureCase>);

TEST_F(FetchTest, ServerSilentBeyondTheStallTimeOutFails)
{
  m_server.SetDelay(std::chrono::seconds(30));
  EXPECT_FALSE(FetchSummary("42"));
  EXPECT_EQ(m_document, kEarlier);
  ExpectBoxes(m_box, {ConnectionFailedBox()});
}

// Templates the client cannot use at all fail like a dead server.
TEST_F(FetchTest, UnusableUrlFails)
{
  for (const std::string urlTemplate : {"no url at all %s", "file:///etc/hostname?%s", "http://[%s/"}) {
    CFakeMessageBox box;
    std::string document = kEarlier;
    EXPECT_FALSE(m_tools.FetchUrlText(document, urlTemplate, "1", m_http, box)) << urlTemplate;
    EXPECT_EQ(document, kEarlier) << urlTemplate;
    ExpectBoxes(box, {ConnectionFailedBox()});
  }
}

struct SuccessCase {
  std::string name;
  Fault fault;
  std::string expected;
};

class FetchSuccessTest : public FetchTest, public testing::WithParamInterface<SuccessCase> {};

// The status is not examined; the body up to its first NUL byte is the document.
TEST_P(FetchSuccessTest, TakesTheBodyAsTheDocument)
{
  m_server.AddSummary("42", kDocument);
  m_server.SetFault("42", GetParam().fault);
  m_server.SetLargeBodySize(1u << 20);  // exactly the client's limit

  ASSERT_TRUE(FetchSummary("42"));
  EXPECT_EQ(m_document, GetParam().expected);
  EXPECT_TRUE(m_box.m_shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
  Answers, FetchSuccessTest,
  testing::ValuesIn(std::vector<SuccessCase>{
    {"NotFoundPage", Fault::NotFoundPage, CFakeEutilsServer::ErrorPage(404)},
    {"ServerErrorPage", Fault::ServerErrorPage, CFakeEutilsServer::ErrorPage(500)},
    {"Redirected", Fault::Redirect, kDocument},
    {"EndsAtNulByte", Fault::NulByte, kDocument},
    {"AtTheSizeLimitWithLength", Fault::LargeBody, CFakeEutilsServer::LargeBody(kDocument, 1u << 20)},
    {"AtTheSizeLimitChunked", Fault::LargeBodyChunked, CFakeEutilsServer::LargeBody(kDocument, 1u << 20)},
  }),
  CaseName<SuccessCase>);

TEST_F(FetchTest, RedirectIsFollowedToTheMovedAddress)
{
  m_server.AddSummary("42", kDocument);
  m_server.SetFault(Fault::Redirect);
  ASSERT_TRUE(FetchSummary("42"));
  const auto log = m_server.Requests();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].target, "/moved/entrez/eutils/esummary.fcgi?db=pubmed&id=42&retmode=xml");
}

TEST_F(FetchTest, BodyOfSeveralMebibytesArrivesWhole)
{
  CCurlHttpClient http;  // the default limit of 64 MiB
  m_server.AddSummary("42", kDocument);
  m_server.SetFault(Fault::LargeBodyChunked);
  m_server.SetLargeBodySize(5u << 20);
  ASSERT_TRUE(m_tools.FetchUrlText(m_document, m_server.SummaryTemplate(), "42", http, m_box));
  EXPECT_EQ(m_document, CFakeEutilsServer::LargeBody(kDocument, 5u << 20));
}

TEST_F(FetchTest, DefaultLimitRejectsABodyOverSixtyFourMebibytes)
{
  CCurlHttpClient http;
  m_server.SetFault(Fault::LargeBody);  // announces its length, so nothing is read
  m_server.SetLargeBodySize((64u << 20) + 1);
  EXPECT_FALSE(m_tools.FetchUrlText(m_document, m_server.SummaryTemplate(), "42", http, m_box));
  EXPECT_EQ(m_document, kEarlier);
  ExpectBoxes(m_box, {ConnectionFailedBox()});
}

TEST_F(FetchTest, AfterAFailureTheNextFetchSucceeds)
{
  m_server.AddSummary("1", "<one/>");
  m_server.AddSummary("2", "<two/>");
  m_server.SetFault("1", Fault::CutConnection);
  EXPECT_FALSE(FetchSummary("1"));
  EXPECT_TRUE(FetchSummary("2"));
  EXPECT_EQ(m_document, "<two/>");
  EXPECT_EQ(m_box.m_shown.size(), 1u);
}

struct UrlCase {
  std::string name;
  std::string pathTemplate;  // appended to the service's base address
  std::string value;
  std::string target;        // what the service receives
};

class FetchUrlTest : public FetchTest, public testing::WithParamInterface<UrlCase> {};

TEST_P(FetchUrlTest, SendsTheFilledTemplate)
{
  ASSERT_TRUE(Fetch(m_server.BaseUrl() + GetParam().pathTemplate, GetParam().value));
  const auto log = m_server.Requests();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].target, GetParam().target);
}

INSTANTIATE_TEST_SUITE_P(
  Templates, FetchUrlTest,
  testing::ValuesIn(std::vector<UrlCase>{
    {"NoPlaceholder", "/entrez/eutils/esummary.fcgi?id=7", "42", "/entrez/eutils/esummary.fcgi?id=7"},
    {"EmptyValue", "/entrez/eutils/esearch.fcgi?db=pubmed&term=%s", "", "/entrez/eutils/esearch.fcgi?db=pubmed&term="},
    {"DoubledPercent", "/entrez/eutils/esearch.fcgi?term=%s%%5Bau%%5D", "Smith", "/entrez/eutils/esearch.fcgi?term=Smith%5Bau%5D"},
    {"SecondPlaceholderStays", "/entrez/eutils/esummary.fcgi?id=%s&x=%s", "42", "/entrez/eutils/esummary.fcgi?id=42&x=%s"},
    {"OtherDirectivesStay", "/entrez/eutils/esummary.fcgi?n=%d&id=%s", "42", "/entrez/eutils/esummary.fcgi?n=%d&id=42"},
    {"ValueIsNotEncoded", "/entrez/eutils/esearch.fcgi?term=%s", "A+%26%26+B[author]", "/entrez/eutils/esearch.fcgi?term=A+%26%26+B[author]"},
    {"BlanksAndControlsEncoded", "/entrez/eutils/esearch.fcgi?term=%s", "a b\tc\x7F" "d", "/entrez/eutils/esearch.fcgi?term=a%20b%09c%7Fd"},
    {"HighBytesEncoded", "/entrez/eutils/esearch.fcgi?term=%s", "M\xC3\xA4rz \xE4", "/entrez/eutils/esearch.fcgi?term=M%C3%A4rz%20%E4"},
    {"NulByteEncoded", "/entrez/eutils/esearch.fcgi?term=%s", std::string("a\0b", 3), "/entrez/eutils/esearch.fcgi?term=a%00b"},
    {"PunctuationAsGiven", "/entrez/eutils/esearch.fcgi?term=%s", "\"x\"{y}|^~'!*()$,;:@", "/entrez/eutils/esearch.fcgi?term=\"x\"{y}|^~'!*()$,;:@"},
  }),
  CaseName<UrlCase>);

}  // namespace
