#include "tests/support/FakeEutilsServer.h"

#include <httplib.h>

#include <algorithm>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

const char kSummaryPath[] = "/entrez/eutils/esummary.fcgi";
const char kSearchPath[] = "/entrez/eutils/esearch.fcgi";
const char kMovedPrefix[] = "/moved";
const char kXmlType[] = "text/xml; charset=UTF-8";
const char kFiller[] = "<!-- filler for a large answer -->\n";
const std::size_t kChunk = 64 * 1024;

bool ReadFile(const std::string& path, std::string& content)
{
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return false;
  }
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int HexValue(char c)
{
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// %XX escapes decoded, '+' left alone.
std::string PercentDecode(const std::string& text)
{
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      const int high = HexValue(text[i + 1]);
      const int low = HexValue(text[i + 2]);
      if (high >= 0 && low >= 0) {
        out += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

// The raw value of query parameter `name` in `target`, as sent.
std::string RawParameter(const std::string& target, const std::string& name)
{
  const std::size_t query = target.find('?');
  if (query == std::string::npos) {
    return {};
  }
  std::size_t pos = query + 1;
  while (pos <= target.size()) {
    std::size_t end = target.find('&', pos);
    if (end == std::string::npos) {
      end = target.size();
    }
    const std::string pair = target.substr(pos, end - pos);
    if (pair.compare(0, name.size() + 1, name + "=") == 0) {
      return pair.substr(name.size() + 1);
    }
    pos = end + 1;
  }
  return {};
}

char FillerByte(std::size_t offsetInFiller)
{
  return kFiller[offsetInFiller % (sizeof(kFiller) - 1)];
}

// Bytes [offset, offset + count) of LargeBody(document, ...).
std::string LargePiece(const std::string& document, std::size_t offset, std::size_t count)
{
  std::string piece(count, ' ');
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = offset + i;
    piece[i] = at < document.size() ? document[at] : FillerByte(at - document.size());
  }
  return piece;
}

}  // namespace

struct CFakeEutilsServer::Impl {
  mutable std::mutex mutex;
  std::condition_variable wake;  // stop, fault changes
  bool stopping = false;
  unsigned faultGeneration = 0;

  std::map<std::string, std::string> summaries;
  std::map<std::string, std::string> searches;
  std::string defaultSummary = CFakeEutilsServer::DefaultSummary();
  std::string defaultSearch = CFakeEutilsServer::DefaultSearch();
  std::chrono::milliseconds delay{0};
  Fault globalFault = Fault::None;
  std::map<std::string, Fault> keyFaults;
  std::size_t largeBodySize = 5u << 20;
  std::vector<LoggedRequest> log;

  int port = 0;
  std::unique_ptr<httplib::Server> server;
  std::thread listener;

  void Listen()
  {
    server = std::make_unique<httplib::Server>();
    server->set_keep_alive_max_count(1000);
    server->set_keep_alive_timeout(3);
    server->set_tcp_nodelay(true);  // no 40 ms wait between the header and body writes
    server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
      Answer(request, response);
    });
    if (port == 0) {
      port = server->bind_to_any_port("127.0.0.1");
    } else if (!server->bind_to_port("127.0.0.1", port)) {
      server.reset();
      return;
    }
    listener = std::thread([s = server.get()] { s->listen_after_bind(); });
    // stop() is ignored until the accept loop runs; wait for it.
    while (!server->is_running()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  void StopListening()
  {
    if (server) {
      server->stop();
      listener.join();
      server.reset();
    }
  }

  // Finds the document for `key` in `documents`, by raw or decoded value.
  static std::string Lookup(const std::map<std::string, std::string>& documents,
                            const std::string& raw, const std::string& decoded,
                            const std::string& fallback)
  {
    auto it = documents.find(raw);
    if (it == documents.end()) {
      it = documents.find(decoded);
    }
    return it == documents.end() ? fallback : it->second;
  }

  Fault FaultFor(const std::string& raw, const std::string& decoded) const
  {
    auto it = keyFaults.find(raw);
    if (it == keyFaults.end()) {
      it = keyFaults.find(decoded);
    }
    return it == keyFaults.end() ? globalFault : it->second;
  }

  // Waits until the server stops or, with `untilFaultChange`, the faults change.
  // Returns false when the server stops.
  bool Wait(std::chrono::milliseconds limit, bool untilFaultChange)
  {
    std::unique_lock<std::mutex> lock(mutex);
    const unsigned generation = faultGeneration;
    auto done = [&] { return stopping || (untilFaultChange && generation != faultGeneration); };
    if (limit.count() > 0) {
      wake.wait_for(lock, limit, done);
    } else {
      wake.wait(lock, done);
    }
    return !stopping;
  }

  void Answer(const httplib::Request& request, httplib::Response& response)
  {
    const auto arrival = std::chrono::steady_clock::now();
    std::string path = request.path;
    const bool moved = path.compare(0, sizeof(kMovedPrefix) - 1, kMovedPrefix) == 0;
    if (moved) {
      path = path.substr(sizeof(kMovedPrefix) - 1);
    }
    const bool summary = path == kSummaryPath;
    const bool search = path == kSearchPath;
    const std::string raw = RawParameter(request.target, summary ? "id" : "term");
    const std::string decoded = PercentDecode(raw);

    std::string document;
    Fault fault = Fault::None;
    std::chrono::milliseconds wait{0};
    std::size_t largeSize = 0;
    {
      std::lock_guard<std::mutex> lock(mutex);
      log.push_back({request.target, request.path, (summary || search) ? decoded : std::string(),
                     arrival, request.remote_port, request.get_header_value("User-Agent")});
      if (summary) {
        document = Lookup(summaries, raw, decoded, defaultSummary);
      } else if (search) {
        document = Lookup(searches, raw, decoded, defaultSearch);
      }
      fault = FaultFor(raw, decoded);
      wait = delay;
      largeSize = largeBodySize;
    }
    if (wait.count() > 0 && !Wait(wait, false)) {
      return;
    }
    if (!summary && !search) {
      response.status = 404;
      response.set_content(CFakeEutilsServer::ErrorPage(404), "text/html");
      return;
    }
    if (moved && fault == Fault::Redirect) {
      fault = Fault::None;
    }
    Serve(request, fault, document, largeSize, response);
  }

  void Serve(const httplib::Request& request, Fault fault, const std::string& document,
             std::size_t largeSize, httplib::Response& response)
  {
    switch (fault) {
    case Fault::None:
      response.set_content(document, kXmlType);
      return;
    case Fault::EmptyBody:
      response.set_content(std::string(), kXmlType);
      return;
    case Fault::NotFoundPage:
    case Fault::ServerErrorPage: {
      const int status = fault == Fault::NotFoundPage ? 404 : 500;
      response.status = status;
      response.set_content(CFakeEutilsServer::ErrorPage(status), "text/html");
      return;
    }
    case Fault::Redirect:
      response.set_redirect(BaseUrlLocked() + kMovedPrefix + request.target, 301);
      return;
    case Fault::NulByte:
      response.set_content(document + std::string(1, '\0') + CFakeEutilsServer::NulTail(), kXmlType);
      return;
    case Fault::LargeBody:
      response.set_content_provider(
        largeSize, kXmlType, [document](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
          const std::string piece = LargePiece(document, offset, std::min(length, kChunk));
          return sink.write(piece.data(), piece.size());
        });
      return;
    case Fault::LargeBodyChunked:
      response.set_chunked_content_provider(
        kXmlType, [document, largeSize](std::size_t offset, httplib::DataSink& sink) {
          if (offset >= largeSize) {
            sink.done();
            return true;
          }
          const std::string piece = LargePiece(document, offset, std::min(largeSize - offset, kChunk));
          return sink.write(piece.data(), piece.size());
        });
      return;
    case Fault::Trickle: {
      const std::size_t pieces = CFakeEutilsServer::TricklePieces();
      const std::size_t pieceSize = std::max<std::size_t>(1, (document.size() + pieces - 1) / pieces);
      response.set_content_provider(
        document.size(), kXmlType,
        [this, document, pieceSize](std::size_t offset, std::size_t, httplib::DataSink& sink) {
          if (offset > 0 && !Wait(CFakeEutilsServer::TrickleGap(), false)) {
            return false;
          }
          return sink.write(document.data() + offset, std::min(pieceSize, document.size() - offset));
        });
      return;
    }
    case Fault::Refuse:
    case Fault::Stall:
    case Fault::CutConnection: {
      const std::string body = document.empty() ? CFakeEutilsServer::DefaultSummary() : document;
      const std::size_t half = fault == Fault::Refuse ? 0 : body.size() / 2;
      response.set_content_provider(
        body.size(), kXmlType,
        [this, body, half, fault](std::size_t offset, std::size_t, httplib::DataSink& sink) {
          if (offset < half) {
            return sink.write(body.data(), half);
          }
          if (fault == Fault::Stall && Wait(std::chrono::milliseconds(0), true)) {
            return sink.write(body.data() + offset, body.size() - offset);
          }
          return false;  // closes the connection with the body unfinished
        });
      return;
    }
    }
  }

  std::string BaseUrlLocked() const { return "http://127.0.0.1:" + std::to_string(port); }
};

CFakeEutilsServer::CFakeEutilsServer() : m_impl(std::make_unique<Impl>())
{
  m_impl->Listen();
}

CFakeEutilsServer::~CFakeEutilsServer()
{
  {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->stopping = true;
  }
  m_impl->wake.notify_all();
  m_impl->StopListening();
}

int CFakeEutilsServer::Port() const { return m_impl->port; }

std::string CFakeEutilsServer::BaseUrl() const { return m_impl->BaseUrlLocked(); }

std::string CFakeEutilsServer::SummaryTemplate() const
{
  return BaseUrl() + kSummaryPath + "?db=pubmed&id=%s&retmode=xml";
}

std::string CFakeEutilsServer::SearchTemplate() const
{
  return BaseUrl() + kSearchPath + "?db=pubmed&term=%s";
}

void CFakeEutilsServer::AddSummary(const std::string& id, const std::string& body)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->summaries[id] = body;
}

void CFakeEutilsServer::AddSearch(const std::string& term, const std::string& body)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->searches[term] = body;
}

bool CFakeEutilsServer::AddSummaryFile(const std::string& id, const std::string& relativePath)
{
  std::string body;
  if (!ReadFile(std::string(LEXORIA_TEST_DATA_DIR) + "/" + relativePath, body)) {
    return false;
  }
  AddSummary(id, body);
  return true;
}

bool CFakeEutilsServer::AddSearchFile(const std::string& term, const std::string& relativePath)
{
  std::string body;
  if (!ReadFile(std::string(LEXORIA_TEST_DATA_DIR) + "/" + relativePath, body)) {
    return false;
  }
  AddSearch(term, body);
  return true;
}

void CFakeEutilsServer::SetDefaultSummary(const std::string& body)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->defaultSummary = body;
}

void CFakeEutilsServer::SetDefaultSearch(const std::string& body)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->defaultSearch = body;
}

void CFakeEutilsServer::SetDelay(std::chrono::milliseconds delay)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->delay = delay;
}

void CFakeEutilsServer::SetFault(Fault fault)
{
  Fault previous;
  {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    previous = m_impl->globalFault;
    m_impl->globalFault = fault;
    ++m_impl->faultGeneration;
  }
  m_impl->wake.notify_all();
  if (fault == Fault::Refuse && previous != Fault::Refuse) {
    m_impl->StopListening();
  } else if (fault != Fault::Refuse && previous == Fault::Refuse) {
    m_impl->Listen();
  }
}

void CFakeEutilsServer::SetFault(const std::string& key, Fault fault)
{
  {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->keyFaults[key] = fault;
    ++m_impl->faultGeneration;
  }
  m_impl->wake.notify_all();
}

void CFakeEutilsServer::ClearFaults()
{
  {
    std::lock_guard<std::mutex> lock(m_impl->mutex);
    m_impl->keyFaults.clear();
  }
  SetFault(Fault::None);
}

void CFakeEutilsServer::SetLargeBodySize(std::size_t bytes)
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->largeBodySize = bytes;
}

std::size_t CFakeEutilsServer::LargeBodySize() const
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  return m_impl->largeBodySize;
}

std::vector<CFakeEutilsServer::LoggedRequest> CFakeEutilsServer::Requests() const
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  return m_impl->log;
}

void CFakeEutilsServer::ClearRequests()
{
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  m_impl->log.clear();
}

std::string CFakeEutilsServer::ErrorPage(int status)
{
  const std::string reason = status == 404 ? "Not Found" : status == 500 ? "Internal Server Error" : "Error";
  std::ostringstream page;
  page << "<!DOCTYPE html>\n<html><head><title>" << status << ' ' << reason << "</title></head>\n"
       << "<body><h1>" << reason << "</h1><p>The E-utilities service could not answer.</p></body></html>\n";
  return page.str();
}

std::string CFakeEutilsServer::NulTail() { return "<!-- after the NUL byte -->\n"; }

std::string CFakeEutilsServer::LargeBody(const std::string& document, std::size_t size)
{
  return LargePiece(document, 0, size);
}

std::string CFakeEutilsServer::DefaultSummary()
{
  return "<?xml version=\"1.0\"?>\n<eSummaryResult>\n<ERROR>Empty id list - nothing todo</ERROR>\n"
         "</eSummaryResult>\n";
}

std::string CFakeEutilsServer::DefaultSearch()
{
  return "<?xml version=\"1.0\"?>\n<eSearchResult><Count>0</Count><RetMax>0</RetMax><RetStart>0</RetStart>"
         "<IdList/><TranslationSet/><QueryTranslation></QueryTranslation></eSearchResult>\n";
}
