#include "app/MainWindowLogic.h"

#include "core/FormatString.h"
#include "platform/Browser.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

SourceEnabling EnablingFor(int importFormat)
{
  const bool online = importFormat == 0;
  const int radio = importFormat == 0 || importFormat == 1 ? importFormat : -1;
  return {online, !online, radio};
}

namespace {

struct BrowseSet {
  BrowseKind kind;
  unsigned filterId;
  const char* extension;
  const char* initialName;
  bool createPrompt;  // only a target file may be new
  std::string CMainSettings::*member;
};

constexpr BrowseSet kBrowseSets[] = {
    {BrowseKind::Target, IDS_FILTER_TARGET, "bib", "*.bib", true, &CMainSettings::m_strExportFile},
    {BrowseKind::Template, IDS_FILTER_TEMPLATE, "sty", "*.sty", false,
     &CMainSettings::m_strTemplateFile},
    {BrowseKind::Medline, IDS_FILTER_MEDLINE, "txt", "*.txt", false,
     &CMainSettings::m_strImportFile},
};

const BrowseSet& SetFor(BrowseKind kind)
{
  for (const BrowseSet& set : kBrowseSets)
    if (set.kind == kind)
      return set;
  return kBrowseSets[0];
}

}  // namespace

FileChooserRequest BrowseRequest(BrowseKind kind)
{
  const BrowseSet& set = SetFor(kind);
  return {LoadResString(set.filterId), set.extension, set.initialName, set.createPrompt};
}

CMainWindowLogic::CMainWindowLogic(IMainView& view, CServices& services, const void* owner)
    : m_view(view), m_services(services), m_messages(services.messages, owner)
{
}

void CMainWindowLogic::OnInitDialog()
{
  m_schema.SetDefaults();
  m_schema.Load(m_services.store);
  m_inputs.Load(m_services.store);
  m_view.UpdateData(false);
  ApplyEnabling();
}

void CMainWindowLogic::ApplyEnabling()
{
  const SourceEnabling enabling = EnablingFor(m_inputs.m_nImportFormat);
  m_view.EnablePmidControls(enabling.pmidControls);
  m_view.EnableFileControls(enabling.fileControls);
}

void CMainWindowLogic::OnSourcePmid()
{
  m_view.EnablePmidControls(true);
  m_view.EnableFileControls(false);
}

void CMainWindowLogic::OnSourceFile()
{
  m_view.EnablePmidControls(false);
  m_view.EnableFileControls(true);
}

void CMainWindowLogic::OnBrowse(BrowseKind kind)
{
  // Taking the controls first keeps what was typed into the other fields.
  m_view.UpdateData(true);
  std::string path;
  if (m_services.files.ChooseFile(BrowseRequest(kind), path))
    m_inputs.*SetFor(kind).member = path;
  m_view.UpdateData(false);
}

void CMainWindowLogic::OnOpenPubMedPage()
{
  m_view.UpdateData(true);
  if (m_inputs.m_strPubMedID.empty()) {
    ShowError(m_messages, LoadResString(IDS_REQUIRED_FIELDS));
    return;
  }
  m_services.browser.Open(FormatOneString(m_schema.m_strCommandURL, m_inputs.m_strPubMedID));
}

void CMainWindowLogic::OnSettings()
{
  CImportSchema edited;
  if (m_view.RunSettingsDialog(m_schema, edited) == IDYES) {
    m_schema = edited;
    m_schema.Save(m_services.store);
  }
  m_view.UpdateData(false);
}

void CMainWindowLogic::OnSearchArticle()
{
  m_view.UpdateData(true);
  std::string chosen;
  if (m_view.RunSearchDialog(m_schema, chosen) == IDYES)
    m_inputs.m_strPubMedID = chosen;
  m_view.UpdateData(false);
}

void CMainWindowLogic::OnOK()
{
  m_view.UpdateData(true);
  CConversionServices services{m_messages,       m_services.messages, m_services.http,
                               m_services.busy,  m_services.store,    m_view,
                               m_sink};
  m_run.Run(m_inputs, m_schema, services);
}
