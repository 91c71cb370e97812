// Placeholder until implemented.
#include "import/ImportTools.h"

bool CImportTools::FetchUrlText(std::string&, const std::string&, const std::string&, IHttpClient&, IMessageBox&) const { return false; }
