#pragma once

#include <string>

struct HttpResponse {
  bool ok = false;          // a response arrived whole (any status)
  long status = 0;          // HTTP status of the last response, 0 if none
  std::string body;         // the body's bytes (may hold NUL bytes)
  std::string error;        // why the transfer failed, for diagnostics
};

// A plain HTTP GET. One call is one independent request; implementations may
// keep connections and pace requests between calls.
class IHttpClient {
public:
  virtual ~IHttpClient() = default;
  virtual HttpResponse Get(const std::string& url) = 0;
};
