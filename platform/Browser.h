#pragma once

#include <string>

// Opens a URL in the user's web browser. The URL is handed over as data,
// never through a shell. The outcome is not reported.
class IBrowser {
public:
  virtual ~IBrowser() = default;
  virtual void Open(const std::string& url) = 0;
};
