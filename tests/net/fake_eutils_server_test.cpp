// The fake service itself, checked with an independent client so that the
// fetch tests built on it can trust what it sends.
#include "tests/support/FakeEutilsServer.h"

#include <gtest/gtest.h>
#include <httplib.h>

namespace {

using Fault = CFakeEutilsServer::Fault;

httplib::Result Get(const CFakeEutilsServer& server, const std::string& target)
{
  httplib::Client client("127.0.0.1", server.Port());
  client.set_read_timeout(2, 0);
  client.set_url_encode(false);  // the target goes as written
  return client.Get(target.c_str());
}

TEST(FakeEutilsServer, ServesDocumentsByIdAndTermAndLogsRequests)
{
  CFakeEutilsServer server;
  server.AddSummary("123", "<doc 123/>");
  server.AddSearch("M\xC3\xA4rz+W[author]", "<hits/>");
  EXPECT_EQ(server.SummaryTemplate(), server.BaseUrl() +
                                        "/entrez/eutils/esummary.fcgi?db=pubmed&id=%s&retmode=xml");
  EXPECT_EQ(server.BaseUrl(), "http://127.0.0.1:" + std::to_string(server.Port()));

  auto summary = Get(server, "/entrez/eutils/esummary.fcgi?db=pubmed&id=123&retmode=xml");
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->status, 200);
  EXPECT_EQ(summary->body, "<doc 123/>");

  auto search = Get(server, "/entrez/eutils/esearch.fcgi?db=pubmed&term=M%C3%A4rz+W[author]");
  ASSERT_TRUE(search);
  EXPECT_EQ(search->body, "<hits/>");

  auto unknown = Get(server, "/entrez/eutils/esummary.fcgi?db=pubmed&id=999");
  ASSERT_TRUE(unknown);
  EXPECT_EQ(unknown->body, CFakeEutilsServer::DefaultSummary());

  auto elsewhere = Get(server, "/other");
  ASSERT_TRUE(elsewhere);
  EXPECT_EQ(elsewhere->status, 404);

  const auto log = server.Requests();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].key, "123");
  EXPECT_EQ(log[1].target, "/entrez/eutils/esearch.fcgi?db=pubmed&term=M%C3%A4rz+W[author]");
  EXPECT_EQ(log[1].key, "M\xC3\xA4rz+W[author]");
  EXPECT_EQ(log[3].path, "/other");
  EXPECT_LE(log[0].arrival, log[1].arrival);
}

TEST(FakeEutilsServer, FaultsApplyGloballyOrPerKey)
{
  CFakeEutilsServer server;
  server.AddSummary("1", "<one/>");
  server.AddSummary("2", "<two/>");
  server.SetFault(Fault::ServerErrorPage);
  server.SetFault("2", Fault::NulByte);

  auto one = Get(server, "/entrez/eutils/esummary.fcgi?id=1");
  ASSERT_TRUE(one);
  EXPECT_EQ(one->status, 500);
  EXPECT_EQ(one->body, CFakeEutilsServer::ErrorPage(500));

  auto two = Get(server, "/entrez/eutils/esummary.fcgi?id=2");
  ASSERT_TRUE(two);
  EXPECT_EQ(two->body, std::string("<two/>") + '\0' + CFakeEutilsServer::NulTail());

  server.ClearFaults();
  auto again = Get(server, "/entrez/eutils/esummary.fcgi?id=1");
  ASSERT_TRUE(again);
  EXPECT_EQ(again->body, "<one/>");
}

TEST(FakeEutilsServer, RedirectPointsAtTheMovedRequest)
{
  CFakeEutilsServer server;
  server.AddSummary("1", "<one/>");
  server.SetFault(Fault::Redirect);
  auto moved = Get(server, "/entrez/eutils/esummary.fcgi?id=1");
  ASSERT_TRUE(moved);
  EXPECT_EQ(moved->status, 301);
  EXPECT_EQ(moved->get_header_value("Location"),
            server.BaseUrl() + "/moved/entrez/eutils/esummary.fcgi?id=1");
  auto target = Get(server, "/moved/entrez/eutils/esummary.fcgi?id=1");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->status, 200);
  EXPECT_EQ(target->body, "<one/>");
}

TEST(FakeEutilsServer, RefusesWhileToldAndListensAgainOnTheSamePort)
{
  CFakeEutilsServer server;
  const int port = server.Port();
  server.SetFault(Fault::Refuse);
  EXPECT_FALSE(Get(server, "/entrez/eutils/esummary.fcgi?id=1"));
  server.SetFault(Fault::None);
  EXPECT_EQ(server.Port(), port);
  EXPECT_TRUE(Get(server, "/entrez/eutils/esummary.fcgi?id=1"));
}

TEST(FakeEutilsServer, LargeBodyAndCutConnection)
{
  CFakeEutilsServer server;
  server.AddSummary("1", "<one/>");
  server.SetLargeBodySize(300 * 1024 + 7);
  server.SetFault("1", Fault::LargeBody);
  auto large = Get(server, "/entrez/eutils/esummary.fcgi?id=1");
  ASSERT_TRUE(large);
  EXPECT_EQ(large->body, CFakeEutilsServer::LargeBody("<one/>", 300 * 1024 + 7));

  server.SetFault("1", Fault::CutConnection);
  EXPECT_FALSE(Get(server, "/entrez/eutils/esummary.fcgi?id=1"));
}

}  // namespace
