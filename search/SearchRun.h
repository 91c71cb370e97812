#pragma once

#include "import/ImportTools.h"
#include "search/HitList.h"
#include "settings/ImportSchema.h"

#include <string>

class CArticleRecord;
class IBusyCursor;
class IHttpClient;
class IMessageBox;

// One PubMed search: fetches the ESearch answer for a term, then the summary
// of each identifier in it, one after the other, and lists one row per hit.
class CSearchRun {
public:
  // `dialogMessages` shows the "nothing found" message (bound to the search
  // window); `fetchMessages` shows the fetch failures (no owner window).
  CSearchRun(CImportSchema schema, IHttpClient& http, IBusyCursor& busy,
             IMessageBox& dialogMessages, IMessageBox& fetchMessages);

  // Empties `hits`, then fills it with the hits for `term`.
  void Run(const std::string& term, IHitList& hits) const;

private:
  CImportSchema m_schema;
  CImportTools m_importTools;
  IHttpClient& m_http;
  IBusyCursor& m_busy;
  IMessageBox& m_dialogMessages;
  IMessageBox& m_fetchMessages;
};

// The six texts of the row for one hit.
HitRowTexts MakeHitRowTexts(const CArticleRecord& record, const std::string& pmid);

// Appends the row for one hit at the end of `hits`.
void AddHitRow(IHitList& hits, const CArticleRecord& record, const std::string& pmid);
