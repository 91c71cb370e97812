#pragma once

#include "platform/HttpClient.h"

#include <memory>

// HTTP GET on libcurl: follows redirects, verifies certificates, honours the
// proxy variables, keeps connections between calls, spaces the start of
// requests to one host, and gives up on a dead or stalled server.
class CCurlHttpClient : public IHttpClient {
public:
  struct Options {
    long connectTimeoutSeconds = 30;
    long stallTimeoutSeconds = 60;       // no byte for this long ends a transfer
    long minIntervalMilliseconds = 334;  // between request starts to one host
    std::size_t maxBodyBytes = 64u << 20;
  };

  CCurlHttpClient();
  explicit CCurlHttpClient(Options options);
  ~CCurlHttpClient() override;

  HttpResponse Get(const std::string& url) override;

private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

// Starts libcurl's global state once per process; false when it cannot.
bool InitNetworkLayer();
