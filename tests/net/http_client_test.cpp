// The libcurl client's own promises: time-outs, pacing per host, kept
// connections, the answer's status.
#include "platform/CurlHttpClient.h"
#include "tests/support/FakeEutilsServer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Fault = CFakeEutilsServer::Fault;
using std::chrono::milliseconds;

// A port on 127.0.0.1 whose listen queue is full: a further connection
// attempt is never answered, as with a host that has gone silent.
class CUnansweredPort {
public:
  CUnansweredPort()
  {
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, 0) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      return;
    }
    m_port = ntohs(address.sin_port);
    for (int i = 0; i < 3; ++i) {
      const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
      ::fcntl(filler, F_SETFL, O_NONBLOCK);
      ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
      m_fillers.push_back(filler);
    }
  }
  ~CUnansweredPort()
  {
    for (const int filler : m_fillers) {
      ::close(filler);
    }
    ::close(m_listener);
  }
  int Port() const { return m_port; }

private:
  int m_listener = -1;
  int m_port = 0;
  std::vector<int> m_fillers;
};

CCurlHttpClient::Options Quick(long intervalMilliseconds = 0)
{
  CCurlHttpClient::Options options;
  options.connectTimeoutSeconds = 1;
  options.stallTimeoutSeconds = 1;
  options.minIntervalMilliseconds = intervalMilliseconds;
  return options;
}

TEST(CurlHttpClient, ConnectionNotMadeInTimeFails)
{
  CUnansweredPort silent;
  ASSERT_NE(silent.Port(), 0);
  CCurlHttpClient http(Quick());
  const auto start = Clock::now();
  const HttpResponse response = http.Get("http://127.0.0.1:" + std::to_string(silent.Port()) + "/x");
  EXPECT_FALSE(response.ok);
  EXPECT_EQ(response.status, 0);
  EXPECT_FALSE(response.error.empty());
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
}

// Only silence ends a transfer: a slow answer that keeps sending arrives whole.
TEST(CurlHttpClient, SlowButSteadyAnswerIsNotCut)
{
  CFakeEutilsServer server;
  server.AddSummary("1", "<?xml version=\"1.0\"?>\n<eSummaryResult/>\n");
  server.SetFault(Fault::Trickle);
  CCurlHttpClient http(Quick());
  const HttpResponse response = http.Get(server.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=1");
  EXPECT_TRUE(response.ok) << response.error;
  EXPECT_EQ(response.body, "<?xml version=\"1.0\"?>\n<eSummaryResult/>\n");
}

TEST(CurlHttpClient, ReportsStatusAndErrorPageBody)
{
  CFakeEutilsServer server;
  server.SetFault(Fault::ServerErrorPage);
  CCurlHttpClient http(Quick());
  const HttpResponse response = http.Get(server.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=1");
  EXPECT_TRUE(response.ok);
  EXPECT_EQ(response.status, 500);
  EXPECT_EQ(response.body, CFakeEutilsServer::ErrorPage(500));
}

// Starts to one host at least 1/3 s apart, seen by the server; a kept
// connection carries all of them.
TEST(CurlHttpClient, SpacesRequestsToOneHostAndKeepsTheConnection)
{
  CFakeEutilsServer server;
  CCurlHttpClient http;  // the default spacing
  const auto start = Clock::now();
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(http.Get(server.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=" + std::to_string(i)).ok);
  }
  EXPECT_GE(Clock::now() - start, milliseconds(3 * 333));

  const auto log = server.Requests();
  ASSERT_EQ(log.size(), 4u);
  for (std::size_t i = 1; i < log.size(); ++i) {
    // Arrival times carry the scheduling noise of two threads; starts are paced exactly.
    EXPECT_GE(log[i].arrival - log[i - 1].arrival, milliseconds(300)) << "request " << i;
    EXPECT_EQ(log[i].remotePort, log[0].remotePort) << "request " << i;
  }
}

TEST(CurlHttpClient, DoesNotDelayTheFirstRequestOrOtherHosts)
{
  CFakeEutilsServer first;
  CFakeEutilsServer second;
  CCurlHttpClient http(Quick(10000));
  const auto start = Clock::now();
  EXPECT_TRUE(http.Get(first.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=1").ok);
  EXPECT_TRUE(http.Get(second.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=1").ok);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

TEST(CurlHttpClient, EachCallIsIndependentAfterAFailure)
{
  CFakeEutilsServer server;
  server.AddSummary("2", "<two/>");
  server.SetFault("1", Fault::CutConnection);
  CCurlHttpClient http(Quick());
  const HttpResponse failed = http.Get(server.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=1");
  EXPECT_FALSE(failed.ok);
  EXPECT_TRUE(failed.body.empty());
  const HttpResponse next = http.Get(server.BaseUrl() + "/entrez/eutils/esummary.fcgi?id=2");
  EXPECT_TRUE(next.ok);
  EXPECT_EQ(next.status, 200);
  EXPECT_EQ(next.body, "<two/>");
  EXPECT_TRUE(next.error.empty());
}

}  // namespace
