#include "search/SearchRun.h"

#include "core/ArticleRecord.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"

#include <utility>

CSearchRun::CSearchRun(CImportSchema schema, IHttpClient& http, IBusyCursor& busy,
                       IMessageBox& dialogMessages, IMessageBox& fetchMessages)
    : m_schema(std::move(schema)),
      m_http(http),
      m_busy(busy),
      m_dialogMessages(dialogMessages),
      m_fetchMessages(fetchMessages)
{
}

void CSearchRun::Run(const std::string& term, IHitList& hits) const
{
  hits.DeleteAllItems();

  // A failed fetch leaves the document empty, which ends in "nothing found".
  std::string document;
  m_importTools.FetchUrlText(document, m_schema.m_strCommandSearch, term, m_http, m_fetchMessages);
  std::string identifiers = m_importTools.CollectBetween(document, "<Id>", "</Id>", ",");
  if (identifiers.empty()) {
    ShowError(m_dialogMessages, LoadResString(IDS_NO_RECORDS_FOUND));
    return;
  }

  identifiers += ',';
  CArticleRecord record;
  std::size_t pos = 0;
  while (pos < identifiers.size()) {
    const CWaitCursor wait(m_busy);
    const std::size_t comma = identifiers.find(',', pos);
    const std::string pmid = identifiers.substr(pos, comma - pos);
    pos = comma + 1;
    if (pmid.empty())
      continue;
    std::string summary;
    if (!m_importTools.FetchUrlText(summary, m_schema.m_strCommand, pmid, m_http, m_fetchMessages))
      continue;
    m_importTools.ParseSummary(summary, record, m_schema, " and ");
    AddHitRow(hits, record, pmid);
  }
}

HitRowTexts MakeHitRowTexts(const CArticleRecord& record, const std::string& pmid)
{
  std::string volumeIssuePages;
  if (!record.m_strVolume.empty())
    volumeIssuePages += record.m_strVolume + " ";
  if (!record.m_strIssue.empty())
    volumeIssuePages += "(" + record.m_strIssue + ") ";
  volumeIssuePages += record.m_strPages;
  return {pmid,           record.m_strAuthors, record.m_strTitle,
          record.m_strYear, record.m_strJournal, volumeIssuePages};
}

void AddHitRow(IHitList& hits, const CArticleRecord& record, const std::string& pmid)
{
  hits.InsertItem(hits.GetItemCount(), MakeHitRowTexts(record, pmid));
}
