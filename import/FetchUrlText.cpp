#include "import/ImportTools.h"

#include "core/FormatString.h"
#include "platform/HttpClient.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"

bool CImportTools::FetchUrlText(std::string& document, const std::string& urlTemplate,
                                const std::string& value, IHttpClient& http,
                                IMessageBox& messages) const
{
  // Any status counts: an error page with a body is still the document.
  const HttpResponse response = http.Get(FormatOneString(urlTemplate, value));
  if (!response.ok || response.body.empty()) {
    ShowError(messages, LoadResString(IDS_CONNECTION_FAILED));
    return false;
  }
  // The document is text: it ends at the first NUL byte.
  document = response.body.substr(0, response.body.find('\0'));
  return true;
}
