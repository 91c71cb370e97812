// Placeholder until implemented.
#include "import/ImportTools.h"

std::string CImportTools::CollectBetween(const std::string&, const std::string&, const std::string&, const std::string&) const { return {}; }
std::string CImportTools::ReplaceNoCase(const std::string& text, const std::string&, const std::string&) const { return text; }
std::string CImportTools::FormatAuthorList(const std::string& authors, const std::string&) const { return authors; }
std::string CImportTools::MakeCiteKey(const std::string&, const std::string& tail, const std::string&) const { return tail; }
