#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

// An in-process stand-in for the PubMed E-utilities service, listening on
// 127.0.0.1 at a port the system picks. It lives as long as the object: the
// constructor starts it (the socket listens before the constructor returns),
// the destructor stops it and releases every stalled or delayed answer.
//
// It answers two paths:
//   /entrez/eutils/esummary.fcgi  by the query parameter "id"
//   /entrez/eutils/esearch.fcgi   by the query parameter "term"
// with the document registered for that id or term (AddSummary, AddSearch),
// else with a default document (an ESummary error document, an ESearch answer
// with no hits; both replaceable). Any other path gets 404 with an HTML page.
//
// Keys: a registered id or term matches the parameter's value as it arrives
// (for example "Smith+J[author]"), or that value with its %XX escapes decoded
// and "+" kept (so "März+W[author]" matches "M%C3%A4rz+W[author]").
//
// Faults: SetFault(fault) applies to every request, SetFault(key, fault) to
// the requests for one id or term; a per-key fault wins over the global one.
// Every member may be called from any thread at any time.
class CFakeEutilsServer {
public:
  enum class Fault {
    None,
    // Global: the listening socket is closed, so connections are refused
    // (the port stays reserved in the sense that Port() keeps its value and
    // clearing the fault listens on it again). Per key: the connection is
    // dropped after the headers, before any byte of the body.
    Refuse,
    // Headers and the first half of the body are sent, then nothing more
    // until the fault is cleared or the server stops.
    Stall,
    EmptyBody,        // status 200 with an empty body
    NotFoundPage,     // status 404 with ErrorPage(404) as the body
    ServerErrorPage,  // status 500 with ErrorPage(500) as the body
    // 301 to the same request under the prefix "/moved"; the moved request
    // is answered normally (faults other than Refuse and Stall still apply,
    // Redirect itself does not).
    Redirect,
    NulByte,          // the document, a NUL byte, then NulTail()
    LargeBody,        // LargeBody(document, LargeBodySize()), its length announced
    LargeBodyChunked, // the same body in chunked encoding, with no length known in advance
    CutConnection,    // headers announce the whole body; half is sent, then the socket closes
    Trickle,          // the document in TricklePieces() pieces, TrickleGap() apart
  };

  struct LoggedRequest {
    std::string target;  // path and query exactly as received
    std::string path;    // the path alone
    std::string key;     // the decoded id or term, empty if none
    std::chrono::steady_clock::time_point arrival;  // when the request was read
    int remotePort = 0;  // the client's port: equal ports mean one reused connection
    std::string userAgent;  // the User-Agent header
  };

  CFakeEutilsServer();
  ~CFakeEutilsServer();
  CFakeEutilsServer(const CFakeEutilsServer&) = delete;
  CFakeEutilsServer& operator=(const CFakeEutilsServer&) = delete;

  int Port() const;
  std::string BaseUrl() const;          // "http://127.0.0.1:<port>"
  std::string SummaryTemplate() const;  // BaseUrl() + "/entrez/eutils/esummary.fcgi?db=pubmed&id=%s&retmode=xml"
  std::string SearchTemplate() const;   // BaseUrl() + "/entrez/eutils/esearch.fcgi?db=pubmed&term=%s"

  // Documents served by id or term, byte for byte.
  void AddSummary(const std::string& id, const std::string& body);
  void AddSearch(const std::string& term, const std::string& body);
  // The same from a file below tests/data (e.g. "esummary/11850928.xml");
  // false (and nothing registered) when the file cannot be read.
  bool AddSummaryFile(const std::string& id, const std::string& relativePath);
  bool AddSearchFile(const std::string& term, const std::string& relativePath);
  void SetDefaultSummary(const std::string& body);
  void SetDefaultSearch(const std::string& body);

  // Time each answer waits after its request arrived (0 by default).
  void SetDelay(std::chrono::milliseconds delay);

  void SetFault(Fault fault);
  void SetFault(const std::string& key, Fault fault);
  void ClearFaults();
  // Size of the LargeBody answer (default 5 MiB).
  void SetLargeBodySize(std::size_t bytes);
  std::size_t LargeBodySize() const;

  std::vector<LoggedRequest> Requests() const;
  void ClearRequests();

  // The bodies the faults produce, for exact comparisons in tests.
  static std::string ErrorPage(int status);
  static std::string NulTail();
  // `document` followed by a repeating filler up to `size` bytes (or the
  // document's first `size` bytes when it is longer).
  static std::string LargeBody(const std::string& document, std::size_t size);
  static std::string DefaultSummary();
  static std::string DefaultSearch();
  static constexpr std::size_t TricklePieces() { return 4; }
  static constexpr std::chrono::milliseconds TrickleGap() { return std::chrono::milliseconds(400); }

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};
