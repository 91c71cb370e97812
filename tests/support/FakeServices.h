#pragma once

#include "platform/BusyCursor.h"
#include "platform/HttpClient.h"
#include "platform/MemoryProfileStore.h"
#include "platform/Services.h"
#include "tests/support/FakeBrowser.h"
#include "tests/support/FakeFileChooser.h"
#include "tests/support/FakeMessageBox.h"

#include <string>
#include <vector>

// An HTTP client that reaches nothing and records what was asked for.
class CUnreachableHttpClient : public IHttpClient {
public:
  HttpResponse Get(const std::string& url) override
  {
    m_urls.push_back(url);
    return {false, 0, {}, "unreachable"};
  }
  std::vector<std::string> m_urls;
};

// A complete set of recording fakes, bundled as the program's services.
struct CFakeServices {
  CFakeMessageBox messages;
  CMemoryProfileStore store;
  CUnreachableHttpClient http;
  CNoBusyCursor busy;
  CFakeFileChooser files;
  CFakeBrowser browser;
  CServices services{messages, store, http, busy, files, browser};
};
