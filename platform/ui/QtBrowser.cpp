#include "platform/ui/QtBrowser.h"

#include "platform/QtText.h"

#include <QDesktopServices>

QUrl BrowsableUrl(const std::string& url)
{
  // Tolerant parsing percent-encodes blanks and the like in what was typed.
  const QUrl parsed(ToQString(url).trimmed(), QUrl::TolerantMode);
  const QString scheme = parsed.scheme().toLower();
  if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != "http" && scheme != "https"))
    return {};
  return parsed;
}

void CQtBrowser::Open(const std::string& url)
{
  const QUrl target = BrowsableUrl(url);
  if (!target.isEmpty())
    QDesktopServices::openUrl(target);
}
