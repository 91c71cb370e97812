#include "platform/CurlHttpClient.h"

#include <curl/curl.h>

#include <chrono>
#include <map>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

const char kUserAgent[] = "lexoria";
const long kMaxRedirects = 10;

// Bytes that can never stand in a URL (controls, blank, DEL, 8-bit bytes)
// become %XX; everything else, '%' included, goes as the caller wrote it.
std::string EncodeUnsafeBytes(const std::string& url)
{
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(url.size());
  for (const char c : url) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7F) {
      out += '%';
      out += hex[byte >> 4];
      out += hex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

// "scheme://host:port" of `url`, the unit by which requests are spaced; the
// URL itself when it cannot be parsed (the transfer will then fail anyway).
std::string HostKey(const std::string& url)
{
  std::string key = url;
  CURLU* parts = curl_url();
  if (parts == nullptr) {
    return key;
  }
  if (curl_url_set(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK) {
    char* scheme = nullptr;
    char* host = nullptr;
    char* port = nullptr;
    if (curl_url_get(parts, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
        curl_url_get(parts, CURLUPART_HOST, &host, 0) == CURLUE_OK &&
        curl_url_get(parts, CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK) {
      key = std::string(scheme) + "://" + host + ":" + port;
    }
    curl_free(scheme);
    curl_free(host);
    curl_free(port);
  }
  curl_url_cleanup(parts);
  return key;
}

struct Transfer {
  std::string body;
  std::size_t maxBytes = 0;
  bool tooLarge = false;
  std::chrono::seconds stallLimit{0};
  Clock::time_point lastProgress = Clock::now();
  curl_off_t received = 0;
  bool stalled = false;
};

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user)
{
  auto* transfer = static_cast<Transfer*>(user);
  const std::size_t bytes = size * count;
  if (transfer->body.size() + bytes > transfer->maxBytes) {
    transfer->tooLarge = true;
    return 0;  // ends the transfer with a write error
  }
  transfer->body.append(data, bytes);
  return bytes;
}

// Ends the transfer when no byte has arrived for the stall limit, counted
// from the start of the request. libcurl calls this at least once a second.
int WatchProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t)
{
  auto* transfer = static_cast<Transfer*>(user);
  const auto now = Clock::now();
  if (received != transfer->received) {
    transfer->received = received;
    transfer->lastProgress = now;
  } else if (now - transfer->lastProgress >= transfer->stallLimit) {
    transfer->stalled = true;
    return 1;  // aborts the transfer
  }
  return 0;
}

}  // namespace

struct CCurlHttpClient::Impl {
  Options options;
  std::mutex mutex;  // one transfer at a time on the shared handle
  CURL* handle = nullptr;  // kept between calls so its connections are reused
  std::map<std::string, Clock::time_point> lastStart;

  // Waits until the last request to the host of `url` started at least the
  // minimum interval ago, then counts this request as started.
  void Pace(const std::string& url)
  {
    const auto interval = std::chrono::milliseconds(options.minIntervalMilliseconds);
    const std::string key = HostKey(url);
    const auto found = lastStart.find(key);
    if (found != lastStart.end()) {
      const auto earliest = found->second + interval;
      const auto now = Clock::now();
      if (now < earliest) {
        std::this_thread::sleep_for(earliest - now);
      }
    }
    lastStart[key] = Clock::now();
  }

  void SetFixedOptions()
  {
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, options.connectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &WatchProgress);
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(options.maxBodyBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &WriteBody);
  }
};

CCurlHttpClient::CCurlHttpClient() : CCurlHttpClient(Options()) {}

CCurlHttpClient::CCurlHttpClient(Options options) : m_impl(std::make_unique<Impl>())
{
  m_impl->options = options;
  if (InitNetworkLayer()) {
    m_impl->handle = curl_easy_init();
  }
  if (m_impl->handle != nullptr) {
    m_impl->SetFixedOptions();
  }
}

CCurlHttpClient::~CCurlHttpClient()
{
  if (m_impl->handle != nullptr) {
    curl_easy_cleanup(m_impl->handle);
  }
}

HttpResponse CCurlHttpClient::Get(const std::string& url)
{
  HttpResponse response;
  std::lock_guard<std::mutex> lock(m_impl->mutex);
  CURL* handle = m_impl->handle;
  if (handle == nullptr) {
    response.error = "the network layer could not be started";
    return response;
  }
  const std::string encoded = EncodeUnsafeBytes(url);
  Transfer transfer;
  transfer.maxBytes = m_impl->options.maxBodyBytes;
  transfer.stallLimit = std::chrono::seconds(m_impl->options.stallTimeoutSeconds);
  char errorText[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(handle, CURLOPT_URL, encoded.c_str());
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);

  m_impl->Pace(encoded);
  transfer.lastProgress = Clock::now();
  const CURLcode result = curl_easy_perform(handle);
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &response.status);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, static_cast<char*>(nullptr));
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, static_cast<void*>(nullptr));
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, static_cast<void*>(nullptr));

  if (result == CURLE_OK) {
    response.ok = true;
    response.body = std::move(transfer.body);
  } else if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
    response.error = "the body is larger than " + std::to_string(m_impl->options.maxBodyBytes) + " bytes";
  } else if (transfer.stalled) {
    response.error = "no byte arrived for " + std::to_string(m_impl->options.stallTimeoutSeconds) + " s";
  } else {
    response.error = errorText[0] != '\0' ? errorText : curl_easy_strerror(result);
  }
  return response;
}

bool InitNetworkLayer()
{
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] { started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return started;
}
