#pragma once

#include "platform/Browser.h"

#include <QUrl>

// Opens web pages through the desktop's URL handler (no shell is involved).
class CQtBrowser : public IBrowser {
public:
  void Open(const std::string& url) override;
};

// The URL to hand to the desktop, or an empty QUrl when `url` is not an
// http or https address: a local file or another scheme could start a program.
QUrl BrowsableUrl(const std::string& url);
