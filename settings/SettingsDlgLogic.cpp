#include "settings/SettingsDlgLogic.h"

#include "platform/MessageBox.h"
#include "platform/StringTable.h"

#include <utility>

namespace {
constexpr int kMarkerLimit = 255;
constexpr int kTemplateLimit = 1024;
}  // namespace

const SettingsField kSettingsFields[23] = {
    {1024, &CImportSchema::m_strEndAuthor, kMarkerLimit},
    {1034, &CImportSchema::m_strEndIssue, kMarkerLimit},
    {1031, &CImportSchema::m_strEndJournal, kMarkerLimit},
    {1038, &CImportSchema::m_strEndLanguage, kMarkerLimit},
    {1042, &CImportSchema::m_strEndNote, kMarkerLimit},
    {1032, &CImportSchema::m_strEndPages, kMarkerLimit},
    {1030, &CImportSchema::m_strEndTitle, kMarkerLimit},
    {1040, &CImportSchema::m_strEndURL, kMarkerLimit},
    {1033, &CImportSchema::m_strEndVolume, kMarkerLimit},
    {1036, &CImportSchema::m_strEndYear, kMarkerLimit},
    {1023, &CImportSchema::m_strStartAuthor, kMarkerLimit},
    {1029, &CImportSchema::m_strStartIssue, kMarkerLimit},
    {1026, &CImportSchema::m_strStartJournal, kMarkerLimit},
    {1037, &CImportSchema::m_strStartLanguage, kMarkerLimit},
    {1041, &CImportSchema::m_strStartNote, kMarkerLimit},
    {1027, &CImportSchema::m_strStartPages, kMarkerLimit},
    {1025, &CImportSchema::m_strStartTitle, kMarkerLimit},
    {1039, &CImportSchema::m_strStartURL, kMarkerLimit},
    {1028, &CImportSchema::m_strStartVolume, kMarkerLimit},
    {1035, &CImportSchema::m_strStartYear, kMarkerLimit},
    {1043, &CImportSchema::m_strCommand, kTemplateLimit},
    {1044, &CImportSchema::m_strCommandSearch, kTemplateLimit},
    {1045, &CImportSchema::m_strCommandURL, kTemplateLimit},
};

CSettingsDlgLogic::CSettingsDlgLogic(ISettingsView& view, CImportSchema schema)
    : m_texts(std::move(schema)), m_view(view)
{
}

void CSettingsDlgLogic::OnDefaults()
{
  m_texts.SetDefaults();
  m_view.UpdateData(false);
}

void CSettingsDlgLogic::OnOK(IMessageBox& messages)
{
  m_view.UpdateData(true);
  m_schema = m_texts;
  switch (AskQuestion(messages, LoadResString(IDS_SAVE_SETTINGS_QUESTION), MsgButtons::YesNoCancel)) {
  case IDYES: m_view.EndDialog(IDYES); break;
  case IDNO: m_view.EndDialog(IDNO); break;
  default: break;  // Cancel: the dialog stays open with the edits
  }
}
