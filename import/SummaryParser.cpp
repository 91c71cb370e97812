// Placeholder until implemented.
#include "import/ImportTools.h"
#include "core/ArticleRecord.h"
#include "settings/ImportSchema.h"

void CImportTools::ParseSummary(const std::string&, CArticleRecord& record, CImportSchema, const std::string&) const { record = CArticleRecord(); }
