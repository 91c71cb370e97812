// Placeholder until implemented.
#include "import/ImportTools.h"
#include "core/ArticleRecord.h"

void CImportTools::ParseMedline(const std::string&, CArticleRecord& record, const std::string&) const { record = CArticleRecord(); }
