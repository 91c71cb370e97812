// Placeholder until implemented.
#include "core/EntryWriter.h"
#include "core/ArticleRecord.h"

std::string RenderEntry(const CArticleRecord&, const std::string& templateBlock) { return templateBlock; }
WriteOutcome WriteEntry(CArticleRecord, std::string, std::string, IMessageBox&) { return WriteOutcome::OpenFailed; }
