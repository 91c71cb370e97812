#include "core/ConversionRun.h"

#include "core/TemplateFile.h"
#include "import/TextFile.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "settings/ImportSchema.h"
#include "settings/MainSettings.h"

namespace {

// The inputs that the chosen source needs, checked in a fixed order; one
// message covers all of them.
bool HasRequiredInputs(const CMainSettings& inputs)
{
  if (inputs.m_nImportFormat == 1 && inputs.m_strImportFile.empty())
    return false;
  if (inputs.m_nImportFormat == 0 && inputs.m_strPubMedID.empty())
    return false;
  return !inputs.m_strExportFile.empty() && !inputs.m_strTemplateFile.empty();
}

}  // namespace

WriteOutcome CFileEntrySink::Deliver(const CArticleRecord& record, const std::string& templateBlock,
                                     const std::string& targetPath, IMessageBox& messages)
{
  return WriteEntry(record, templateBlock, targetPath, messages);
}

RunOutcome CConversionRun::Run(const CMainSettings& inputs, const CImportSchema& schema,
                               CConversionServices& services)
{
  RunOutcome outcome = RunOutcome::MissingInput;
  if (!HasRequiredInputs(inputs))
    ShowError(services.messages, LoadResString(IDS_REQUIRED_FIELDS));
  else if (!ReadTextFile(m_strTemplate, inputs.m_strTemplateFile, services.messages))
    outcome = RunOutcome::TemplateUnread;
  else {
    const CWaitCursor wait(services.busy);
    outcome = ObtainAndDeliver(inputs, schema, services);
  }
  // A failed write leaves the inputs as they were stored before this run.
  if (outcome != RunOutcome::WriteFailed)
    inputs.Save(services.store);
  return outcome;
}

RunOutcome CConversionRun::ObtainAndDeliver(const CMainSettings& inputs, const CImportSchema& schema,
                                            CConversionServices& services)
{
  const CTemplateParts parts = SplitTemplate(m_strTemplate);
  const std::string separator = parts.m_strSeparator;
  m_strTemplate = parts.m_strTemplate;
  if (m_strTemplate.empty()) {
    ShowError(services.messages, LoadResString(IDS_TEMPLATE_FAULTY));
    return RunOutcome::TemplateFaulty;
  }

  if (inputs.m_nImportFormat == 0) {
    if (!m_importTools.FetchUrlText(m_strSourceText, schema.m_strCommand, inputs.m_strPubMedID,
                                    services.http, services.unownedMessages))
      return RunOutcome::FetchFailed;
    m_importTools.ParseSummary(m_strSourceText, m_record, schema, separator);
    if (m_record.IsEmpty()) {
      ShowError(services.messages, LoadResString(IDS_NO_RECORDS_FOUND));
      return RunOutcome::NoRecord;
    }
  } else {
    if (!ReadTextFile(m_strSourceText, inputs.m_strImportFile, services.messages))
      return RunOutcome::SourceUnread;
    // A file without any recognised item still reaches the preview.
    m_importTools.ParseMedline(m_strSourceText, m_record, separator);
  }

  // Without a separator the items cannot be told apart; they stay as the
  // parser joined them.
  if (!separator.empty())
    m_record.m_strAuthors = m_importTools.FormatAuthorList(m_record.m_strAuthors, separator);

  CArticleRecord edited = m_record;
  if (!services.preview.Confirm(edited))
    return RunOutcome::NotConfirmed;
  m_record = edited;

  switch (services.sink.Deliver(m_record, m_strTemplate, inputs.m_strExportFile, services.messages)) {
  case WriteOutcome::Written:
    return RunOutcome::Written;
  case WriteOutcome::OpenFailed:
    return RunOutcome::OpenFailed;
  case WriteOutcome::WriteFailed:
    return RunOutcome::WriteFailed;
  }
  return RunOutcome::WriteFailed;
}
