#pragma once

#include "platform/Browser.h"

#include <string>
#include <vector>

// Records every URL it is asked to open.
class CFakeBrowser : public IBrowser {
public:
  void Open(const std::string& url) override { m_opened.push_back(url); }

  std::vector<std::string> m_opened;
};
